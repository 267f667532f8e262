// Photographs the page in headless Chromium for the README, at a desktop
// size, with the longest answer: Bits 262,144 typed and pressed, the result
// grown into the window and broken after commas. Run by
// scripts/screenshot-web.sh.
//   node tests/web/screenshot.mjs URL OUT.png
import { chromium } from "@playwright/test";

const [url, out] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
page.on("console", (message) => console.log(`console: ${message.text()}`));
page.on("pageerror", (error) => console.log(`page error: ${error}`));
await page.goto(url);
await page.waitForSelector("html[data-ready]");
await page.locator("#IDC_SINGLE_NUMBER").focus();
await page.keyboard.type("262144");
await page.locator("#IDC_BITS").focus();
await page.keyboard.press("Enter");
await page.screenshot({ path: out });
await browser.close();
