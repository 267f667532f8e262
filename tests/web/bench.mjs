// The browser edition's benchmark, run by make bench: headless Chromium
// against the built site served on the loopback address. Each case is timed in
// the page from the notification until the next frame has been painted, over
// repeated runs; beside it, the same text put straight into a bare textarea
// of the result's size by the browser alone, the yardstick. Then what the
// page loads, file by file.
//   node tests/web/bench.mjs [SITE_DIR]
import { spawn } from "node:child_process";
import { readdirSync, statSync } from "node:fs";
import { join } from "node:path";
import { chromium } from "@playwright/test";

const site = process.argv[2] || "../../build/web/site";
const port = Number(process.env.NUMBREL_BENCH_PORT || 8421);
const runs = Number(process.env.NUMBREL_BENCH_RUNS || 21);

const server = spawn("node", ["../../scripts/serve-web.mjs", site, String(port)], { stdio: "ignore" });
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
try {
  const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
  for (let i = 0; ; ++i) {
    try { await page.goto(`http://127.0.0.1:${port}/`); break; } catch (e) { if (i > 50) throw e; }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  await page.waitForSelector("html[data-ready]");

  // Each case in the page: prepare, then time the action to the painted frame.
  const measure = (name, prepare, act, check) => page.evaluate(async ([name, prepare, act, check, runs]) => {
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const $ = (id) => document.getElementById(id);
    const prep = new Function("$", prepare), run = new Function("$", act), ok = new Function("$", check);
    const times = [];
    for (let i = 0; i < runs; ++i) {
      prep($);
      await frame();
      await frame();
      const start = performance.now();
      run($);
      await frame();
      times.push(performance.now() - start);
      if (!ok($)) throw new Error(`${name}: the field does not hold the whole text`);
    }
    times.sort((a, b) => a - b);
    return times[times.length >> 1];
  }, [name, prepare, act, check, runs]);

  const reset = `$("IDC_RESULT").replaceChildren(); window.bare?.remove();`;
  const bare = `window.bare = document.createElement("textarea");
    Object.assign(window.bare.style, { position: "absolute", left: "0", top: "0", width: "${await page.$eval("#IDC_RESULT", (r) => r.offsetWidth)}px",
      height: "${await page.$eval("#IDC_RESULT", (r) => r.offsetHeight)}px", font: getComputedStyle($("IDC_RESULT")).font });
    document.body.append(window.bare);`;
  const cases = [
    { name: "click on Bits 262,144, whole text painted", fields: { IDC_SINGLE_NUMBER: "262144" },
      button: "IDC_BITS" },
    { name: "divide 1 / 19997 (10,017 characters)", fields: { IDC_FIRST_NUMBER: "1", IDC_SECOND_NUMBER: "19997" },
      button: "IDC_DIVIDE" },
  ];
  const rows = [];
  for (const c of cases) {
    await page.evaluate((fields) => {
      window.bare?.remove();  // the last case's yardstick lies over the form
      for (const [id, v] of Object.entries(fields)) document.getElementById(id).value = v;
    }, c.fields);
    await page.click(`#${c.button}`);
    const text = await page.$eval("#IDC_RESULT", (result) => result.textContent);
    const ours = await measure(c.name, reset, `$("${c.button}").click();`,
                               `return $("IDC_RESULT").textContent.length === ${text.length};`);
    await page.evaluate((t) => { window.benchText = t; }, text);
    const yardstick = await measure(`${c.name}, bare`, reset + bare, `window.bare.value = window.benchText;`,
                                    `return window.bare.value.length === ${text.length};`);
    rows.push([c.name, ours, yardstick]);
  }
  const binary = "1".repeat(31);
  const keystroke = await measure("binary keystroke",
    `$("IDC_BINARY").value = "${binary}"; $("IDC_DECIMAL").value = "";`,
    `const f = $("IDC_BINARY"); f.value += "1"; f.dispatchEvent(new Event("input", { bubbles: true }));`,
    `return $("IDC_DECIMAL").value === "4294967295";`);
  const bareKey = await measure("binary keystroke, bare",
    `$("IDC_DECIMAL").value = "";`, `$("IDC_DECIMAL").value = "4294967295";`, `return true;`);
  rows.push(["binary keystroke, 32nd digit", keystroke, bareKey]);

  const ms = (t) => `${t.toFixed(2)} ms`;
  console.log(`\nbrowser edition, Chromium headless, median of ${runs} runs, from the notification to the painted frame`);
  console.log(`${"case".padEnd(48)}${"page".padStart(12)}${"text alone".padStart(14)}${"page/alone".padStart(12)}`);
  for (const [name, ours, alone] of rows) {
    console.log(`${name.padEnd(48)}${ms(ours).padStart(12)}${ms(alone).padStart(14)}${(ours / alone).toFixed(2).padStart(11)}x`);
  }

  // What a first visit loads (a fresh context: nothing cached), file by file.
  const context = await browser.newContext({ serviceWorkers: "block" });
  const fresh = await context.newPage();
  await fresh.goto(`http://127.0.0.1:${port}/`);
  await fresh.waitForSelector("html[data-ready]");
  const loaded = await fresh.evaluate(() =>
    [...performance.getEntriesByType("navigation"), ...performance.getEntriesByType("resource")]
      .map((e) => [new URL(e.name).pathname.replace(/^\//, "") || "index.html", e.decodedBodySize]));
  loaded.sort((a, b) => b[1] - a[1]);
  console.log("\nwhat the page loads (uncompressed, fonts aside: it uses the system's)");
  for (const [file, bytes] of loaded) console.log(`${file.padEnd(24)}${bytes.toLocaleString("en").padStart(10)} B`);
  const total = loaded.reduce((sum, [, bytes]) => sum + bytes, 0);
  console.log(`${"total".padEnd(24)}${total.toLocaleString("en").padStart(10)} B (${(total / 1024).toFixed(1)} KiB)`);
  const whole = readdirSync(site).reduce((sum, file) => sum + statSync(join(site, file)).size, 0);
  console.log(`${"whole site, as cached".padEnd(24)}${whole.toLocaleString("en").padStart(10)} B (manifest, icons, service worker too)`);
} finally {
  await browser.close();
  server.kill();
}
