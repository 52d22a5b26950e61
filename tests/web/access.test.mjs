// The page as a screen reader and a keyboard meet it: axe-core finds no violation in the window,
// nor with an input box or a message box open, nor with the help window and the about box shown.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { test } from "node:test";
import { openPage } from "./driver.mjs";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

// The rules axe-core reports as violated, each with the elements it found.
async function violations(page) {
  await page.evaluate(axeSource);
  const found = await page.evaluate(async () => (await axe.run(document)).violations);
  return found.map((v) => `${v.id}: ${v.nodes.map((n) => `${n.target.join(" ")} (${n.failureSummary})`).join(", ")}`);
}

test("axe-core finds no violation in the window, running, with each dialog open, and beside the help window and the about box", async () => {
  const { page, errors } = await openPage();
  assert.deepEqual(await violations(page), [], "at start-up");
  await page.click("#cmdSimulate");
  assert.deepEqual(await violations(page), [], "running");
  await page.click("#cmdStop");
  await page.click("#cmdR1");
  assert.deepEqual(await violations(page), [], "the input box open");
  await page.type("#inputText", "-5");
  await page.click("#inputOK");
  assert.deepEqual(await violations(page), [], "the message box open");
  await page.click("#messageOK");
  await page.evaluate(() => Page.event(() => Bridge.click("mnuHelpText")));
  await page.evaluate(() => Page.event(() => Bridge.helpNode("V")));
  assert.deepEqual(await violations(page), [], "the help window open at a topic");
  await page.evaluate(() => Page.event(() => Bridge.click("mnuAboutCorvane")));
  assert.deepEqual(await violations(page), [], "the about box open");
  assert.deepEqual(errors, []);
});
