// What every browser test shares: a page that fails its test on any console
// error or warning, uncaught error or refusal by the page's content security
// policy; how the page is opened; the screens it is tried on; how fields are
// typed into and the result read; where the suite writes its pictures.
import { test as base, expect } from "@playwright/test";
import { join } from "node:path";

export const site = process.env.NUMBREL_SITE || "../../build/web/site";
export const screensDir = join(site, "..", "screens");

export const kScreens = {
  desk: { viewport: { width: 1024, height: 768 } },
  phone: { viewport: { width: 375, height: 667 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
};

export const test = base.extend({
  // What went wrong in the page; a test that provokes a refusal on purpose takes it out.
  problems: [async ({ page }, use) => {
    const problems = [];
    page.on("console", (message) => {
      if (message.type() === "error" || message.type() === "warning") problems.push(message.text());
    });
    page.on("pageerror", (error) => problems.push(String(error)));
    await page.addInitScript(() => addEventListener("securitypolicyviolation", (event) => {
      console.error(`refused by the policy: ${event.effectiveDirective} ${event.blockedURI}`);
    }));
    await use(problems);
    expect(problems).toEqual([]);
  }, { auto: true }],
});
export { expect };

// fragment: what follows the page's address, "#bits/10".
export async function open(page, fragment = "") {
  await page.goto(`/${fragment}`);
  await page.waitForSelector("html[data-ready]");
}

// The browser's text size, as its settings set it, before the page opens.
export async function setTextSize(page, pixels) {
  const session = await page.context().newCDPSession(page);
  await session.send("Page.setFontSizes", { fontSizes: { standard: pixels, fixed: pixels } });
}

export async function type(page, id, text) {
  await page.locator(`#${id}`).focus();
  await page.keyboard.type(text);
}

// Text set by script followed by an input event: the page takes it as a paste.
export const paste = (page, id, text) => page.evaluate(([id, text]) => {
  const field = document.getElementById(id);
  field.value = text;
  field.dispatchEvent(new Event("input", { bubbles: true }));
}, [id, text]);

// Until the site's service worker controls the page, as after a first visit.
export const serviceWorkerReady = (page) => page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  if (!navigator.serviceWorker.controller) {
    await new Promise((resolve) => navigator.serviceWorker.addEventListener("controllerchange", resolve));
  }
});

// fields: {id: text}, typed; then a click on the button.
export async function press(page, fields, button) {
  for (const [id, text] of Object.entries(fields)) await type(page, id, text);
  await page.click(`#${button}`);
}

// The result field's text, exactly: its characters and nothing the display adds.
export const resultText = (page) => page.$eval("#IDC_RESULT", (result) => result.textContent);
