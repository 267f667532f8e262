// The page as a reader meets it, on a desk and on a phone, light and dark,
// with a result shown and with a message box open: axe-core's WCAG 2.2 AA and
// best-practice rules find nothing. Each state is photographed for the eye.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join } from "node:path";
import { expect, kScreens, open, press, resultText, screensDir, test } from "./fixtures.js";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const kRules = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"];

// Each broken rule with the elements that break it, so a failure reads by itself.
async function violations(page) {
  await page.evaluate(axeSource);
  return page.evaluate(async (rules) => {
    const { violations } = await axe.run(document, { runOnly: { type: "tag", values: rules } });
    return violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(" ")).join(", ")}`);
  }, kRules);
}

const kStates = {
  "a result shown": async (page) => {
    await press(page, { IDC_FIRST_NUMBER: "22", IDC_SECOND_NUMBER: "7" }, "IDC_DIVIDE");
    await expect.poll(() => resultText(page)).not.toBe("");
  },
  "a message box open": async (page) => {
    await press(page, { IDC_FIRST_NUMBER: "0", IDC_SECOND_NUMBER: "18" }, "IDC_GCF_LCM");
    await expect(page.locator("#message-ok")).toBeFocused();
  },
};

for (const [screen, options] of Object.entries(kScreens)) {
  for (const colorScheme of ["light", "dark"]) {
    test.describe(`on the ${screen}, ${colorScheme}`, () => {
      test.use({ ...options, colorScheme });
      for (const [state, reach] of Object.entries(kStates)) {
        test(`with ${state}, axe finds nothing`, async ({ page }) => {
          await open(page);
          await reach(page);
          await page.screenshot({ path: join(screensDir, `${screen}-${colorScheme}-${state.replaceAll(" ", "-")}.png`) });
          expect(await violations(page)).toEqual([]);
        });
      }
    });
  }
}
