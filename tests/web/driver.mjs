// What the page's tests share: the single file alone in an empty folder, headless Chromium over
// it, a fresh page with a timer the test turns by hand, and the window's elements compared with
// what the program holds.
import { copyFileSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before } from "node:test";
import puppeteer from "puppeteer-core";

export const folder = mkdtempSync(join(tmpdir(), "corvane-page-"));
const pageFile = join(folder, "corvane.html");
copyFileSync(process.env.PAGE, pageFile);
let browser;

before(async () => {
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--window-size=1280,900"],
  });
});

after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

// A fresh page. Its timer is a clock the test turns by hand: setInterval is recorded, and
// fireTimer() runs the running timer's callback once, so a run has an exact number of ticks.
export async function openPage(suffix = "") {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  const fetched = [];
  page.on("request", (r) => {
    if (!/^(file|data|blob):/.test(r.url())) fetched.push(r.url());
  });
  const errors = [];
  page.on("pageerror", (e) => errors.push(String(e)));
  await page.evaluateOnNewDocument(() => {
    const timers = new Map();
    let next = 1;
    window.setInterval = (callback, interval) => {
      timers.set(next, { callback, interval });
      return next++;
    };
    window.clearInterval = (id) => timers.delete(id);
    window.runningTimers = () => [...timers.values()].map((t) => t.interval);
    window.fireTimer = () => [...timers.values()].forEach((t) => t.callback());
  });
  await page.goto(`file://${pageFile}${suffix}`);
  await page.waitForSelector("body[data-ready]");
  return { page, fetched, errors };
}

// Every element, menu and schematic piece as the page shows it against what the program holds:
// the expected values come from the module itself, its tables and its session's state.
export function wronglyShown(page) {
  return page.evaluate(() => {
    const tables = Bridge.tables();
    const state = Bridge.state();
    const wrong = [];
    const expect = (name, what, shown, held) => {
      if (shown !== held) wrong.push(`${name} ${what}: shows ${JSON.stringify(shown)}, holds ${JSON.stringify(held)}`);
    };
    const tags = { button: "BUTTON", checkBox: "checkbox", option: "radio", slider: "range", plot: "CANVAS" };
    const client = document.getElementById("client").getBoundingClientRect();
    // Places are compared at the designed size: the whole window stands at one scale.
    const scale = client.width / document.getElementById("client").offsetWidth;
    const designed = (v) => Math.round((v / scale) * 10) / 10;
    for (const row of tables.elements) {
      if (row.kind === "timer") continue;
      const element = document.getElementById(row.name);
      if (!element) {
        wrong.push(`${row.name} missing`);
        continue;
      }
      const held = state[row.name];
      const input = element.tagName === "INPUT";
      const box = input && element.type !== "range" ? element.parentElement : element;
      expect(row.name, "kind", input ? element.type : element.tagName, tags[row.kind] ?? "DIV");
      const captionOf =
        input ? box.querySelector(".caption")?.textContent ?? ""
        : row.kind === "frame" ? element.querySelector(".caption").textContent
        : element.textContent;
      expect(row.name, "caption", captionOf, held.caption.replace(/\r/g, ""));
      const greyed = "disabled" in element && element.tagName !== "DIV" ? element.disabled
        : element.getAttribute("aria-disabled") === "true";
      expect(row.name, "enabled", !greyed, held.enabled);
      expect(row.name, "visible", !box.hidden, held.visible);
      if (input && element.type !== "range") expect(row.name, "checked", element.checked, held.checked);
      expect(row.name, "tooltip", box.title, row.tooltip);
      const centipoints = tables.larger.includes(row.name) ? tables.largerCentipoints : row.centipoints;
      const pixels = (centipoints / 100) * (96 / 72);
      expect(row.name, "font size", parseFloat(getComputedStyle(box).fontSize).toFixed(2), pixels.toFixed(2));
      if (row.accessibleName) expect(row.name, "accessible name", element.getAttribute("aria-label"), row.accessibleName);
      // The place as laid out, relative to its container's outer edge; a hidden element has none.
      if (!box.checkVisibility()) continue;
      const container = row.container ? document.getElementById(row.container).getBoundingClientRect() : client;
      const at = box.getBoundingClientRect();
      const place = [at.left - container.left, at.top - container.top, at.width, at.height].map(designed);
      expect(row.name, "place", place.join(), [row.left, row.top, row.width, row.height].join());
    }
    for (const row of tables.menus) {
      const element = document.getElementById(row.name);
      if (!element) {
        wrong.push(`${row.name} missing`);
        continue;
      }
      const held = state[row.name];
      expect(row.name, "visible", !element.hidden, held.visible);
      if (row.caption === "-") {
        expect(row.name, "kind", element.tagName, "HR");
        continue;
      }
      const title = row.topLevel ? element.querySelector("button") : element;
      expect(row.name, "caption", title.textContent, row.caption.replace("&", ""));
      expect(row.name, "enabled", !title.disabled, held.enabled);
      if (row.topLevel) continue;
      expect(row.name, "checked", element.getAttribute("aria-checked") === "true", held.checked);
    }
    for (const row of tables.schematic.filter((r) => r.name)) {
      const element = document.getElementById(row.name);
      if (!element) wrong.push(`${row.name} missing`);
      else expect(row.name, "visible", element.style.display !== "none", state[row.name].visible);
    }
    return wrong;
  });
}


// A new viewport, and the frame after it, by which the page has fitted itself to it.
export async function resize(page, width, height) {
  await page.setViewport({ width, height });
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}
