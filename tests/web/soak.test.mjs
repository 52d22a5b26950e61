// Thousands of seeded random events on the page, as a restless class would make them: clicks on
// every control and menu item, the slider, presses on the plot, the timer, and the dialogs
// answered with numbers, garbage, Cancel or Escape. Nothing may throw, no value label or message
// may read nan or inf, the window must show what the program holds, and every parameter stays
// within its limits throughout. The seed is
// printed with a failure; CORVANE_SOAK_SEED repeats a run.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { test } from "node:test";
import { openPage, wronglyShown } from "./driver.mjs";

const seed = Number(process.env.CORVANE_SOAK_SEED ?? 20261207);
const events = 3000;

test(`${events} random events leave the page sound (seed ${seed})`, async () => {
  const { page, errors } = await openPage();
  const consoleErrors = [];
  page.on("console", (m) => m.type() === "error" && consoleErrors.push(m.text()));
  for (let round = 0; round < events / 500; ++round) {
    const problem = await page.evaluate((seed, round) => {
      // mulberry32: a small seeded generator, so a failure can be repeated.
      let state = (seed + round * 7919) >>> 0;
      const random = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
      };
      const pick = (list) => list[Math.floor(random() * list.length)];
      const typed = ["", "0", "1", "50", "75", "-5", "1e10", "2e10", "0.005", "20.5", "1e-400",
        "1e400", "abc", "1,5", "--5", "0x10", ".", " 100 ", "500", "501", "1e-6", "48", "3"];
      // Exit would end the program, and with it the soak.
      const controls = [...document.querySelectorAll("#client button, #client input, #menubar [role^=menuitem]")]
        .filter((e) => !["cmdCancel", "mnuExit"].includes(e.id));
      const done = [];
      for (let i = 0; i < 500; ++i) {
        const input = document.getElementById("inputBox"), message = document.getElementById("messageBox");
        const kind = random();
        if (input.open) {
          document.getElementById("inputText").value = pick(typed);
          if (kind < 0.7) document.getElementById("inputOK").click();
          else if (kind < 0.85) document.getElementById("inputCancel").click();
          else input.dispatchEvent(new Event("cancel", { cancelable: true }));
          done.push("answer");
        } else if (message.open) {
          document.getElementById("messageOK").click();
          done.push("ok");
        } else if (kind < 0.5) {
          const control = pick(controls);
          if (control.type === "range") {
            control.value = 1 + Math.floor(random() * 10);
            control.dispatchEvent(new Event("input", { bubbles: true }));
            control.dispatchEvent(new Event("change", { bubbles: true }));
          } else {
            control.click();
          }
          done.push(control.id);
        } else if (kind < 0.6) {
          const canvas = document.getElementById("Picture1");
          const at = canvas.getBoundingClientRect();
          const where = { clientX: at.left + random() * at.width, clientY: at.top + random() * at.height,
            button: random() < 0.8 ? 0 : 2, bubbles: true };
          canvas.dispatchEvent(new PointerEvent("pointerdown", where));
          canvas.dispatchEvent(new PointerEvent("pointerup", where));
          done.push("plot");
        } else {
          fireTimer();
          done.push("tick");
        }
        const read = [...document.querySelectorAll(".valueLabel, .statusLabel, dialog[open] .prompt")]
          .map((e) => e.textContent).filter((t) => /nan|inf/i.test(t) && !/Infinite/.test(t));
        if (read.length) return `event ${round * 500 + i} (${done.slice(-6).join(" / ")}): reads ${read[0]}`;
      }
      return "";
    }, seed, round);
    assert.equal(problem, "", `seed ${seed}: ${problem}`);
    assert.deepEqual(await wronglyShown(page), [], `seed ${seed}, after ${(round + 1) * 500} events`);
    // Every parameter within its entry limits: corvane-trace, which checks each value as a typed
    // entry is, accepts the page's own command line. The frequency and the length are left out:
    // the window recomputes one from the other beyond what could be typed, as does a run with
    // the impedance load for the load's L and C.
    const command = await page.$eval("#traceCommand", (e) => e.value);
    const args = [...command.matchAll(/--([a-z0-9-]+)(?:=('[^']*'|\S+))?/g)]
      .filter((m) => !["frequency", "length", "load-capacitance", "load-inductance"].includes(m[1]))
      .map((m) => (m[2] ? `--${m[1]}=${m[2].replace(/^'|'$/g, "")}` : `--${m[1]}`));
    const checked = spawnSync(process.env.TRACE, [...args, "--report"], { encoding: "utf8" });
    assert.equal(checked.status, 0, `seed ${seed}, after ${(round + 1) * 500} events: ${command}: ${checked.stderr}`);
  }
  assert.deepEqual([...errors, ...consoleErrors], [], `seed ${seed}`);
});
