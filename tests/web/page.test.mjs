// The page as a user gets it: the single file alone in an empty folder, opened from file:// in
// headless Chromium, with no network. Its elements must show what the program holds, a run must
// draw the same pixels as corvane-trace, and an entry must go through its dialogs.
//   PAGE=…/corvane.html TRACE=…/corvane-trace node --test page.test.mjs
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { PNG } from "pngjs";
import { folder, openPage, resize, wronglyShown } from "./driver.mjs";

test("the window shows what the program holds: at start-up, in Advanced mode, in a cascade, running", async () => {
  const { page, fetched, errors } = await openPage();
  assert.deepEqual(await wronglyShown(page), [], "at start-up");
  // Tab goes through the usable controls in reading order, rows from the top, left to right, a
  // frame's contents together; an option group is one stop, at its selected button.
  const expected = [
    "optResistor", "cmdR2", "cmdR1", "cmdPeakVoltage", "cmdZo", "cmdSimulate", "cmdStop", "cmdCancel",
    "chkMeter", "chkVoltage", "chkCurrent", "chkEnvelope", "sldSpeedControl",
  ];
  // The menu bar's titles and the items of the menu a title opens come first.
  const tabbed = [];
  for (let i = 0; i < 300 && tabbed.length < expected.length; ++i) {
    await page.keyboard.press("Tab");
    const id = await page.evaluate(() => (document.activeElement.closest("#client") ? document.activeElement.id : ""));
    if (id && !tabbed.includes(id)) tabbed.push(id);
  }
  assert.deepEqual(tabbed, expected);

  // The arrow keys move the selection within the group, and the load follows. Its symbol: the
  // inductor's coil bulges to the right of its lead (x = 7455 twips) by the arcs' radius of 60
  // twips.
  assert.equal(await page.$eval("#loadSymbol", (g) => g.dataset.load), "Resistor");
  await page.focus("#optResistor");
  await page.keyboard.press("ArrowDown");
  assert.equal(await page.evaluate(() => document.activeElement.id), "optInductor");
  const coil = await page.$eval("#loadSymbol", (g) => {
    const box = g.getBBox();
    return { load: g.dataset.load, right: Math.round(box.x + box.width), arcs: g.querySelectorAll("path").length };
  });
  assert.deepEqual(coil, { load: "Inductor", right: 7515, arcs: 4 });
  assert.deepEqual(await wronglyShown(page), [], "after the arrow key");
  // Each step changes many flags: frames and menus greyed or shown, buttons enabled.
  const steps = [
    ["#mnuControl > button", "#mnuAdvanced"],
    ["#mnuLineType > button", "#mnuCascadedLine"],
    ["#cmdSimulate"],
  ];
  for (const clicks of steps) {
    for (const selector of clicks) await page.click(selector);
    assert.deepEqual(await wronglyShown(page), [], `after ${clicks.join(" ")}`);
  }
  assert.equal(await page.$eval("#frameAdvPar", (f) => f.getAttribute("aria-disabled")), "false");
  assert.equal(await page.$eval("#cmdZo1", (b) => b.hidden), false);
  // The run's timer runs at the slider's pace; the slider stands where the program put it.
  assert.deepEqual(await page.evaluate(() => runningTimers()), [40]);
  assert.equal(await page.$eval("#sldSpeedControl", (s) => s.value), "5");
  assert.deepEqual(fetched, [], "the page fetches nothing");
  assert.deepEqual(errors, []);
  await page.close();
});

// The plot's pixels, as R, G, B, A bytes of the inner area.
const canvasPixels = (page) =>
  page.$eval("#Picture1", (c) => Array.from(c.getContext("2d").getImageData(0, 0, c.width, c.height).data));

// corvane-trace's picture of the start values after `ticks` ticks: the plot above its caption,
// as many times as large as the canvas is (the page draws the plot sharp at a whole ratio).
function tracePicture(ticks, width, height, options = []) {
  const file = join(folder, `trace-${ticks}.png`);
  const args = ["--ticks", String(ticks), "--png", file, "--scale", String(width / 389), ...options];
  execFileSync(process.env.TRACE, args, { stdio: ["ignore", "ignore", "inherit"] });
  const png = PNG.sync.read(readFileSync(file));
  assert.equal(png.width, width);
  return Array.from(png.data.subarray(0, width * height * 4));
}

function differentPixels(shown, expected, width) {
  const wrong = [];
  for (let i = 0; i < expected.length; i += 4) {
    if (shown[i] !== expected[i] || shown[i + 1] !== expected[i + 1] || shown[i + 2] !== expected[i + 2])
      wrong.push(`(${(i / 4) % width},${Math.floor(i / 4 / width)})`);
  }
  return wrong;
}

test("a run draws the same pixels as corvane-trace, and Step makes the next tick the last", async () => {
  const { page, errors } = await openPage();
  const { width, height } = await page.$eval("#Picture1", (c) => ({ width: c.width, height: c.height }));
  await page.click("#cmdSimulate");
  assert.deepEqual(await page.evaluate(() => runningTimers()), [40], "200 / speed 5 ms");
  const ticks = 120;  // past the load end and back: the reflection is on the plot
  for (let i = 0; i < ticks; ++i) await page.evaluate(() => fireTimer());
  let wrong = differentPixels(await canvasPixels(page), tracePicture(ticks, width, height), width);
  assert.deepEqual(wrong.slice(0, 10), [], `${wrong.length} pixels differ after ${ticks} ticks`);

  await page.click("#cmdStep");
  await page.evaluate(() => fireTimer());
  assert.deepEqual(await page.evaluate(() => runningTimers()), [], "halted after the step");
  wrong = differentPixels(await canvasPixels(page), tracePicture(ticks + 1, width, height), width);
  assert.deepEqual(wrong.slice(0, 10), [], `${wrong.length} pixels differ after the step`);
  // Made smaller and larger, the plot is drawn again from its polylines at the new ratio.
  for (const [viewWidth, viewHeight] of [[390, 844], [3000, 2000]]) {
    await resize(page, viewWidth, viewHeight);
    const now = await page.$eval("#Picture1", (c) => ({ width: c.width, height: c.height }));
    wrong = differentPixels(await canvasPixels(page), tracePicture(ticks + 1, now.width, now.height), now.width);
    assert.deepEqual(wrong.slice(0, 10), [], `${wrong.length} pixels differ at ${viewWidth}x${viewHeight}, ${now.width} wide`);
  }
  assert.equal(await page.$eval("#cmdContinue", (b) => b.disabled), false);
  assert.deepEqual(errors, []);
  await page.close();
});

test("the envelope grows on green as corvane-trace paints it; the meter halts and reads; the slider sets the pace", async () => {
  const { page, errors } = await openPage();
  const { width, height } = await page.$eval("#Picture1", (c) => ({ width: c.width, height: c.height }));
  await page.click("#chkEnvelope");
  await page.click("#cmdSimulate");
  const ticks = 150;
  for (let i = 0; i < ticks; ++i) await page.evaluate(() => fireTimer());
  const wrong = differentPixels(await canvasPixels(page), tracePicture(ticks, width, height, ["--envelope"]), width);
  assert.deepEqual(wrong.slice(0, 10), [], `${wrong.length} pixels differ in the envelope`);

  await page.$eval("#sldSpeedControl", (s) => {
    s.value = "10";
    s.dispatchEvent(new Event("input"));
  });
  assert.deepEqual(await page.evaluate(() => runningTimers()), [20], "200 / speed 10 ms");

  await page.click("#chkMeter");
  const plot = await page.$eval("#Picture1", (c) => c.getBoundingClientRect().toJSON());
  await page.mouse.click(plot.left + 2 + 10, plot.top + 2 + 50);
  assert.equal(await page.$eval("#Picture1", (c) => getComputedStyle(c).cursor), "crosshair");
  const reading = await page.$eval("#lblDisplay", (l) => l.textContent);
  assert.match(reading, /^Voltage =\n.+V\n Distance = .+ m$/);
  await page.evaluate(() => fireTimer());
  assert.deepEqual(await page.evaluate(() => runningTimers()), [], "a reading halts the run after the tick due");
  assert.deepEqual(errors, []);
  await page.close();
});

test("the meter reads by touch: a finger held on the plot reads there, lifting it leaves the reading", async () => {
  const { page, errors } = await openPage();
  await page.setViewport({ width: 1280, height: 900, hasTouch: true });
  await page.click("#cmdSimulate");
  for (let i = 0; i < 20; ++i) await page.evaluate(() => fireTimer());
  await page.click("#chkMeter");
  const plot = await page.$eval("#Picture1", (c) => c.getBoundingClientRect().toJSON());
  await page.touchscreen.touchStart(plot.left + 2 + 30, plot.top + 2 + 60);
  const held = await page.$eval("#lblDisplay", (l) => l.textContent);
  assert.match(held, /^Voltage =\n.+V\n Distance = .+ m$/);
  assert.equal(await page.$eval("#Picture1", (c) => getComputedStyle(c).cursor), "crosshair");
  await page.touchscreen.touchEnd();
  assert.equal(await page.$eval("#lblDisplay", (l) => l.textContent), held);
  assert.deepEqual(errors, []);
  await page.close();
});

test("the menus by keyboard: Alt and the access letter opens a menu, the arrows move, Enter chooses", async () => {
  const { page, errors } = await openPage();
  const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.closest(".menu")?.id);
  await page.keyboard.down("Alt");
  await page.keyboard.press("l");
  assert.equal(await focused(), "mnuRLoad", "R-Load and Line Type share their letter");
  await page.keyboard.press("l");
  await page.keyboard.up("Alt");
  assert.equal(await focused(), "mnuLineType");
  await page.keyboard.press("ArrowDown");
  assert.equal(await focused(), "mnuSingleLine");
  await page.keyboard.press("ArrowDown");
  assert.equal(await focused(), "mnuCascadedLine");
  await page.keyboard.press("Enter");
  assert.equal(await page.$eval("#mnuCascadedLine", (i) => i.getAttribute("aria-checked")), "true");
  await page.keyboard.down("Alt");
  await page.keyboard.press("c");
  await page.keyboard.up("Alt");
  await page.keyboard.press("ArrowRight");
  assert.equal(await focused(), "mnuSource", "the menu beside Control: Zo is hidden in a cascade");
  await page.keyboard.press("Escape");
  assert.equal(await page.evaluate(() => document.activeElement === document.body), true);
  assert.deepEqual(errors, []);
  await page.close();
});

const dialogShown = (page, id) => page.$eval(id, (d) => d.open);

test("an entry asks in a dialog, takes the typed value, and a refused one is explained", async () => {
  const { page, errors } = await openPage();
  await page.click("#cmdR1");
  assert.equal(await dialogShown(page, "#inputBox"), true);
  const asked = await page.evaluate(() => ({
    title: document.getElementById("inputTitle").textContent,
    prompt: document.getElementById("inputPrompt").textContent,
    text: document.getElementById("inputText").value,
  }));
  assert.deepEqual(asked, { title: "Source Resistance", prompt: "Please Enter Source Resistance R1 (Ohms): ", text: "50" });
  // The window refuses its events while the question waits.
  await page.evaluate(() => Bridge.click("cmdSimulate"));
  assert.equal(await page.$eval("#cmdStep", (b) => b.disabled), true);

  await page.$eval("#inputText", (t) => (t.value = ""));
  await page.type("#inputText", "75");
  await page.click("#inputOK");
  assert.equal(await dialogShown(page, "#inputBox"), false);
  assert.equal(await page.$eval("#lblR1", (l) => l.textContent), "75 Ω");

  await page.click("#cmdR1");
  await page.$eval("#inputText", (t) => (t.value = ""));
  await page.type("#inputText", "-5");
  await page.keyboard.press("Enter");
  assert.equal(await dialogShown(page, "#messageBox"), true);
  const told = await page.evaluate(() => ({
    title: document.getElementById("messageTitle").textContent,
    text: document.getElementById("messageText").textContent,
  }));
  assert.deepEqual(told, { title: "Negative Entry", text: "This Parameter Cannot be Negative\n-5  was entered." });
  await page.click("#messageOK");
  assert.equal(await dialogShown(page, "#messageBox"), false);
  assert.equal(await page.$eval("#lblR1", (l) => l.textContent), "75 Ω");
  // What the user typed comes back in the message whole, quotes, backslashes and all.
  await page.click("#cmdR1");
  const typed = 'x"\\\t';
  await page.$eval("#inputText", (t, text) => (t.value = text), typed);
  await page.click("#inputOK");
  assert.equal(await page.$eval("#messageText", (m) => m.textContent), `Please Enter a Valid Numerical Expression\n${typed}  was entered.`);
  await page.click("#messageOK");
  // Cancel, and Escape, leave the value as it is.
  for (const cancel of [() => page.click("#inputCancel"), () => page.keyboard.press("Escape")]) {
    await page.click("#cmdR1");
    await page.type("#inputText", "9");
    await cancel();
    assert.equal(await dialogShown(page, "#inputBox"), false);
    assert.equal(await page.$eval("#lblR1", (l) => l.textContent), "75 Ω");
  }
  assert.deepEqual(errors, []);
  await page.close();
});

test("Exit ends the program: the window goes, the run stops, and the page offers to start again", async () => {
  const { page, errors } = await openPage("#zo=75");
  await page.click("#cmdSimulate");
  await page.click("#cmdCancel");
  assert.equal(await page.$eval("#Form1", (f) => f.hidden), true);
  assert.equal(await page.$eval("#ended", (p) => p.hidden), false);
  assert.deepEqual(await page.evaluate(() => runningTimers()), []);
  await Promise.all([page.waitForNavigation(), page.click("#startAgain")]);
  await page.waitForSelector("body[data-ready]");
  assert.equal(await page.$eval("#Form1", (f) => f.hidden), false);
  assert.equal(await page.$eval("#lblZo", (l) => l.textContent), "75 Ω", "started again with its set-up");
  assert.deepEqual(errors, []);
  await page.close();
});
