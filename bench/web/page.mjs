// The page's figures, never asserted: from opening the single file to the window shown, a tick
// with its drawing, and the file's size. Medians over repeated runs in headless Chromium.
//   node bench/web/page.mjs [build-web/corvane.html]
import { createRequire } from "node:module";
import { statSync } from "node:fs";
import { resolve } from "node:path";

// The driver the page's tests lock in tests/web.
const require = createRequire(new URL("../../tests/web/package.json", import.meta.url));
const puppeteer = require("puppeteer-core");

const file = resolve(process.argv[2] ?? "build-web/corvane.html");
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox"],
});

// Navigation start to the window built, its state shown and the program started.
const opening = [];
for (let i = 0; i < 11; ++i) {
  const page = await browser.newPage();
  await page.goto(`file://${file}`);
  // Read at once when the page marks itself ready: navigation start is performance's zero.
  opening.push(await page.evaluate(() => new Promise((done) => {
    const check = () => (document.body?.dataset.ready ? done(performance.now()) : setTimeout(check, 1));
    check();
  })));
  await page.close();
}

// A running line at the slowest pace, the page's timer left out: batches of 200 ticks, each
// with its reports shown and the plot put on the canvas, as the timer's callback does.
const page = await browser.newPage();
await page.goto(`file://${file}#source=Sine&load=Capacitor`);
await page.waitForSelector("body[data-ready]");
const perTick = await page.evaluate(() => {
  Page.event(() => Bridge.change("sldSpeedControl", 1));
  Page.event(() => Bridge.click("cmdSimulate"));
  Run.stop();
  const batches = [];
  for (let b = 0; b < 21; ++b) {
    const start = performance.now();
    for (let i = 0; i < 200; ++i) Page.event(() => Bridge.tick());
    batches.push((performance.now() - start) / 200);
  }
  return batches;
});
await browser.close();
console.log(`file size:           ${statSync(file).size} bytes`);
console.log(`open to window shown: median ${median(opening).toFixed(1)} ms of ${opening.length}`);
console.log(`tick with drawing:    median ${median(perTick).toFixed(3)} ms of ${perTick.length} batches of 200`);
