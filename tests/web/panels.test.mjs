// The help window and the about box on the page, and the window's scale: each built from the
// module's own tables, showing what the program reports, and the whole window fitting the page.
//   PAGE=…/corvane.html node --test panels.test.mjs
import assert from "node:assert/strict";
import { test } from "node:test";
import { PNG } from "pngjs";
import { openPage, resize, wronglyShown } from "./driver.mjs";

const openMenuItem = async (page, menu, item) => {
  await page.click(`#${menu} > button`);
  await page.click(`#${item}`);
};
const helpText = (page) => openMenuItem(page, "mnuHelp", "mnuHelpText");
const about = (page) => openMenuItem(page, "mnuHelp", "mnuAboutCorvane");
const shown = (page, id) => page.evaluate((id) => document.getElementById(id)?.checkVisibility() ?? false, id);

// What the help window shows: the pane's text against the module's text of the selected
// topic, the sizes of the title and of the rest, and which nodes are open.
const helpShows = (page) =>
  page.evaluate(() => {
    const pane = document.getElementById("rtfHelpDisplay");
    const selected = document.querySelector("#tvwHelpTree [aria-selected=true]")?.dataset.title ?? "";
    const runs = [...pane.children].filter((run) => run.textContent);
    const title = runs.find((run) => run.textContent === selected);
    return {
      selected,
      textAsModule: pane.textContent === Bridge.topicText(selected).replace(/\r/g, ""),
      titlePoints: title ? (parseFloat(getComputedStyle(title).fontSize) * 72) / 96 : 0,
      textPoints: [...new Set(runs.filter((r) => r !== title).map((r) => (parseFloat(getComputedStyle(r).fontSize) * 72) / 96))],
      open: [...document.querySelectorAll("#tvwHelpTree [aria-expanded=true]")].map((i) => i.dataset.title),
    };
  });

test("the help window: its tree from the topics, a node's text, Quit Help and Escape keep it, closing forgets it", async () => {
  const { page, errors } = await openPage();
  assert.equal(await shown(page, "frmHelp"), false);
  await helpText(page);
  assert.equal(await shown(page, "frmHelp"), true);
  // The tree as the topics give it: each topic under its parent, in order, all collapsed, and
  // the window's texts as the tables give them.
  const built = await page.evaluate(() => {
    const tables = Bridge.dialogTables().help;
    const items = [...document.querySelectorAll("#tvwHelpTree [role=treeitem]")];
    const level = (item) => item.getAttribute("aria-level");
    const childrenOf = (item) => [...item.querySelectorAll("[role=treeitem]")].map((c) => [c.dataset.title, level(c)]);
    const top = tables.topics.filter((t) => !t.parent);
    return {
      count: items.length,
      tree: items.filter((i) => level(i) === "1").map((i) => [i.dataset.title, childrenOf(i)]),
      expected: top.map((t, n) => [t.title, tables.topics.filter((c) => c.parent === n + 1).map((c) => [c.title, "2"])]),
      open: items.filter((i) => i.getAttribute("aria-expanded") === "true").length,
      visible: items.filter((i) => i.checkVisibility()).length,
      texts: [tables.caption, tables.selectTopic, tables.quit],
      shownTexts: ["frmHelp.caption", "lblSelectTopic", "cmdQuit"].map((id) => document.getElementById(id).textContent),
    };
  });
  assert.equal(built.count, 52);
  assert.deepEqual(built.tree, built.expected);
  assert.deepEqual([built.open, built.visible], [0, 5], "collapsed at first");
  assert.deepEqual(built.shownTexts, built.texts);

  // The keyboard: Down to the second parent, Right opens it and goes in, Down twice, Enter.
  await page.focus("#tvwHelpTree [data-title='Menus']");
  for (const key of ["ArrowDown", "ArrowRight", "ArrowRight", "ArrowDown", "ArrowDown", "Enter"])
    await page.keyboard.press(key);
  const afterKeys = await helpShows(page);
  assert.deepEqual(afterKeys, {
    selected: "V", textAsModule: true, titlePoints: 18, textPoints: [12], open: ["TL/Source Parameters"],
  });
  // Left goes up to the parent, Left again closes it.
  await page.keyboard.press("ArrowLeft");
  await page.keyboard.press("ArrowLeft");
  assert.deepEqual((await helpShows(page)).open, []);

  // Clicks: a top-level node, and a child of a node opened by its button.
  await page.click("#tvwHelpTree [data-title='Advanced Parameters'] > .twisty");
  for (const title of ["Menus", "F-Frequency"]) {
    await page.click(`#tvwHelpTree [data-title='${title}'] > .title`);
    const held = await helpShows(page);
    assert.deepEqual([held.selected, held.textAsModule, held.titlePoints], [title, true, 18], title);
  }

  // Quit Help and Escape hide it; Help Text shows it as it was left.
  for (const leave of [() => page.click("#cmdQuit"), () => page.keyboard.press("Escape")]) {
    await leave();
    assert.equal(await shown(page, "frmHelp"), false);
    await helpText(page);
    assert.deepEqual(await helpShows(page), {
      selected: "F-Frequency", textAsModule: true, titlePoints: 18, textPoints: [12], open: ["Advanced Parameters"],
    });
  }

  // Moved by its title bar; Help Text brings it back where it was left.
  const box = () => page.$eval("#frmHelp", (p) => p.getBoundingClientRect().toJSON());
  const before = await box();
  await page.mouse.move(before.left + 60, before.top + 10);
  await page.mouse.down();
  await page.mouse.move(before.left + 160, before.top + 60);
  await page.mouse.up();
  await page.click("#cmdQuit");
  await helpText(page);
  const moved = await box();
  assert.deepEqual([moved.left - before.left, moved.top - before.top].map(Math.round), [100, 50]);

  // Closed through its close button: the next Help Text opens a fresh window.
  await page.click("#frmHelp .close");
  assert.equal(await shown(page, "frmHelp"), false);
  await helpText(page);
  assert.deepEqual(await helpShows(page), { selected: "", textAsModule: true, titlePoints: 0, textPoints: [], open: [] });
  assert.equal(await page.$eval("#rtfHelpDisplay", (p) => p.textContent), "");
  assert.equal(await page.$$eval(".panel#frmHelp", (p) => p.length), 1, "one help window");
  assert.deepEqual(errors, []);
  await page.close();
});

test("the about box: its lines and band from the tables, one box however often, OK and Escape keep it, closing discards it", async () => {
  const { page, errors } = await openPage();
  await page.click("#cmdSimulate");
  await about(page);
  await about(page);
  assert.equal(await page.$$eval("#frmAbout", (p) => p.length), 1);
  const laidOut = await page.evaluate(() => {
    const tables = Bridge.dialogTables().about;
    const client = document.querySelector("#frmAbout .client");
    const scale = client.getBoundingClientRect().width / client.offsetWidth;
    const at = (name) => {
      const element = client.querySelector(`[data-name=${name}]`);
      const box = element.getBoundingClientRect();
      const origin = client.getBoundingClientRect();
      const place = [box.left - origin.left, box.top - origin.top, box.width, box.height].map((v) => Math.round(v / scale));
      return [name, element.textContent, place.join()];
    };
    const place = (p) => [p.left, p.top, p.width, p.height].join();
    return {
      shown: [at("Picture1"), ...tables.lines.map((l) => at(l.name)), at("cmdOK")],
      expected: [
        ["Picture1", "", place(tables.band.place)],
        ...tables.lines.map((l) => [l.name, l.text, place(l.place)]),
        ["cmdOK", tables.ok, place(tables.okPlace)],
      ],
      band: getComputedStyle(client.querySelector("[data-name=Picture1]")).backgroundColor,
      caption: document.getElementById("frmAbout.caption").textContent === tables.caption,
      focus: document.activeElement.id,
    };
  });
  assert.deepEqual(laidOut.shown, laidOut.expected);
  assert.deepEqual([laidOut.band, laidOut.caption, laidOut.focus], ["rgb(128, 0, 0)", true, "cmdOK"]);
  // The run goes on behind it.
  await page.evaluate(() => fireTimer());
  assert.deepEqual(await page.evaluate(() => runningTimers()), [40]);

  // OK and Escape hide the same box, and the main window has the focus again.
  await page.$eval("#frmAbout", (p) => (p.dataset.marked = "yes"));
  for (const leave of [() => page.click("#cmdOK"), () => page.keyboard.press("Escape")]) {
    await leave();
    assert.equal(await shown(page, "frmAbout"), false);
    assert.equal(await page.evaluate(() => document.activeElement.id), "Form1");
    await about(page);
    assert.equal(await page.$eval("#frmAbout", (p) => p.dataset.marked), "yes");
  }
  await page.click("#frmAbout .close");
  assert.equal(await shown(page, "frmAbout"), false);
  await about(page);
  assert.equal(await page.$eval("#frmAbout", (p) => p.dataset.marked), undefined, "a fresh box");
  assert.deepEqual(errors, []);
  await page.close();
});

// The window's outer box and the page's width, and whether anything sticks out sideways.
const fit = (page) =>
  page.evaluate(() => {
    const form = document.getElementById("Form1").getBoundingClientRect();
    const help = document.getElementById("frmHelp")?.getBoundingClientRect();
    const bar = document.getElementById("linkBar");
    const under = bar.hidden ? form : bar.getBoundingClientRect();
    return {
      bottom: under.bottom,
      gap: bar.hidden ? 0 : under.top - form.bottom,
      barWidth: bar.hidden ? form.width : under.width,
      room: [document.documentElement.clientWidth, innerHeight],
      scrollWidth: document.documentElement.scrollWidth,
      form: [form.left, form.top, form.right, form.bottom],
      helpRight: help ? help.right : 0,
      scale: form.width / document.getElementById("Form1").offsetWidth,
    };
  });

test("the whole window at one scale: a phone's width, large screens, the plot sharp, and embedded alone", async () => {
  const { page, errors } = await openPage();
  // Rows: viewport, whether the window is made smaller.
  for (const [width, height, smaller] of [[390, 844, true], [1280, 900, false], [2560, 1440, false]]) {
    await resize(page, width, height);
    await helpText(page);
    const at = await fit(page);
    const size = `${width}x${height}`;
    assert.ok(at.scrollWidth <= width, `${size}: nothing sticks out sideways (${at.scrollWidth})`);
    assert.ok(at.form[2] <= width && at.form[3] <= height, `${size}: the window fits (${at.form})`);
    assert.ok(at.helpRight <= width, `${size}: the help window fits (${at.helpRight})`);
    // It fills the room it is limited by, up to the margins, with the link bar under it on the
    // screen too, as wide as the window.
    const margin = at.form[0];
    assert.ok(Math.abs(at.form[2] + margin - width) < 2 || Math.abs(at.bottom + margin - height) < 2, `${size}: fills (${at.form}, ${at.bottom})`);
    assert.ok(at.bottom <= height, `${size}: the link bar on the screen (${at.bottom})`);
    assert.ok(at.gap >= 0 && at.gap < margin + 1, `${size}: the link bar right under the window (${at.gap})`);
    assert.ok(Math.abs(at.barWidth - (at.form[2] - at.form[0])) < 1, `${size}: the link bar as wide (${at.barWidth})`);
    assert.equal(at.scale < 1, smaller, `${size}: scale ${at.scale}`);
    assert.deepEqual(await wronglyShown(page), [], `${size}: every element in its place`);
    await page.click("#cmdQuit");
  }

  // Enlarged, the plot's pixels stay sharp blocks: the screen shows no colour the plot's own
  // picture does not have, where a smoothed picture would blend its traces into the white.
  await resize(page, 1280, 900);
  await page.click("#cmdSimulate");
  for (let i = 0; i < 60; ++i) await page.evaluate(() => fireTimer());
  const { own, clip } = await page.$eval("#Picture1", (c) => {
    const data = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
    const own = new Set();
    for (let i = 0; i < data.length; i += 4) own.add(`${data[i]},${data[i + 1]},${data[i + 2]}`);
    const r = c.getBoundingClientRect();
    const inset = 4 * (r.width / c.offsetWidth);  // past the sunken border
    return { own: [...own], clip: { x: r.left + inset, y: r.top + inset, width: r.width - 2 * inset, height: r.height - 2 * inset } };
  });
  const screen = PNG.sync.read(await page.screenshot({ clip }));
  const foreign = new Set();
  for (let i = 0; i < screen.data.length; i += 4) {
    const colour = `${screen.data[i]},${screen.data[i + 1]},${screen.data[i + 2]}`;
    if (!own.includes(colour)) foreign.add(colour);
  }
  assert.ok(own.length >= 3, `the plot has traces (${own})`);
  assert.deepEqual([...foreign].slice(0, 5), [], "colours on the screen that the plot does not have");
  assert.deepEqual(errors, []);
  await page.close();

  const embedded = await openPage("?embed");
  await resize(embedded.page, 390, 844);
  const alone = await fit(embedded.page);
  assert.deepEqual(alone.form.slice(0, 3), [0, 0, 390], "the window alone, edge to edge");
  assert.deepEqual(await wronglyShown(embedded.page), []);
  await embedded.page.close();
});
