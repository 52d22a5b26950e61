// A set-up in the address: applied as typed entries would be, a refused value explained in one
// message while the rest apply, and a link the page makes opening into the same set-up. "?embed"
// shows the window alone.
import assert from "node:assert/strict";
import { test } from "node:test";
import { openPage, wronglyShown } from "./driver.mjs";

const state = (page) => page.evaluate(() => Bridge.state());
const caption = (page, id) => page.evaluate((name) => document.getElementById(name).textContent, id);

test("a link's set-up is applied; a refused value is named with its limit and the rest apply", async () => {
  const { page, errors } = await openPage("#source=Pulse&zo=75&load=Capacitor&load-capacitance=47");
  assert.deepEqual(await wronglyShown(page), []);
  assert.equal(await caption(page, "lblZo"), "75 Ω");
  assert.equal(await caption(page, "lblC"), "47 pF");
  assert.equal((await state(page))["mnuSinglePulse"].checked, true);
  assert.equal(await page.$eval("#optCapacitor", (e) => e.checked), true);
  assert.equal(await page.$eval("#messageBox", (d) => d.open), false);

  const refused = await openPage("#zo=0&load=Inductor");
  assert.equal(await refused.page.$eval("#messageBox", (d) => d.open), true);
  assert.equal(await refused.page.$eval("#messageTitle", (e) => e.textContent), "Set-up Link");
  assert.equal(await refused.page.$eval("#messageText", (e) => e.textContent), "zo: 0 is below the minimum 1");
  await refused.page.click("#messageOK");
  assert.equal(await refused.page.$eval("#messageBox", (d) => d.open), false);
  assert.equal(await caption(refused.page, "lblZo"), "50 Ω");
  assert.equal(await refused.page.$eval("#optInductor", (e) => e.checked), true);
  assert.deepEqual([...errors, ...refused.errors], []);
});

test("the page's own link opens into the same set-up; the command line names the same circuit", async () => {
  const { page } = await openPage();
  for (const id of ["mnuAdvanced", "optParameter(2)", "mnuCascadedLine", "optSeriesRL", "mnuSine"]) {
    await page.evaluate((name) => {
      const element = document.getElementById(name);
      element.tagName === "INPUT" ? element.click() : Page.event(() => Bridge.click(name));
    }, id);
  }
  await page.click("#cmdZo1");
  await page.type("#inputText", "75");
  await page.click("#inputOK");
  const link = await page.$eval("#setupLink", (a) => a.href);
  assert.match(link, /#source=Sine&load=SeriesRL&zo1=75&cascade&mode=advanced&held=length$/);
  assert.equal(await page.$eval("#traceCommand", (e) => e.value),
    "corvane-trace --source=Sine --load=SeriesRL --zo1=75 --cascade");
  const opened = await openPage(link.slice(link.indexOf("#")));
  assert.deepEqual(await state(opened.page), await state(page));
  assert.equal(await opened.page.$eval("#setupLink", (a) => a.href), link);

  const embedded = await openPage("?embed#zo=75");
  assert.equal(await embedded.page.$eval("#linkBar", (b) => b.hidden), true);
  assert.equal(await caption(embedded.page, "lblZo"), "75 Ω");
  assert.equal(await page.$eval("#linkBar", (b) => b.hidden), false);
});
