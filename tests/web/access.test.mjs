// The page as a screen reader and a keyboard meet it: axe-core finds no violation in the window,
// nor with an input box or a message box open.
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

test("axe-core finds no violation in the window, running, and with each dialog open", async () => {
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
  assert.deepEqual(errors, []);
});
