// Photographs the page in headless Chromium for the README, after the same two
// examples the desktop pictures show: a binary number typed, then 22 divided
// by 7 with Enter on the Divide button. Run by scripts/screenshot-web.sh.
//   node tests/web/screenshot.mjs URL OUT.png
import { chromium } from "@playwright/test";

const [url, out] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
page.on("console", (message) => console.log(`console: ${message.text()}`));
page.on("pageerror", (error) => console.log(`page error: ${error}`));
await page.goto(url);
await page.waitForSelector("html[data-ready]");
await page.keyboard.type("101010");
await page.keyboard.press("Tab");
await page.keyboard.press("Tab");
await page.keyboard.type("22");
await page.keyboard.press("Tab");
await page.keyboard.type("7");
await page.keyboard.press("Tab");
await page.keyboard.press("Enter");
await page.locator("#form").screenshot({ path: out });
await browser.close();
