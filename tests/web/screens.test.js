// The form on any screen and at any text size: the dialog where it fits, one
// column of touch-sized rows where it does not, never a sideways scroll; and
// in forced colours every edge and focus ring still drawn.
import { join } from "node:path";
import { expect, kScreens, open, screensDir, setTextSize, test } from "./fixtures.js";

const kControls = "#form input, #form button, #form textarea";

// Whether the page scrolls sideways, and whether About sits below the result
// (one column) or beside Binary (the dialog).
const shape = (page) => page.evaluate(() => {
  const box = (id) => document.getElementById(id).getBoundingClientRect();
  const root = document.documentElement;
  return { sideways: root.scrollWidth > root.clientWidth,
           form: box("IDC_ABOUT").top >= box("IDC_RESULT").bottom ? "one column" : "dialog" };
});

test.describe("the form fits the screen and the text size", () => {
  const cases = [
    { width: 1024, height: 768, text: 16, form: "dialog" },
    { width: 1024, height: 768, text: 32, form: "one column" },
    { width: 375, height: 667, text: 16, form: "one column" },
    { width: 320, height: 568, text: 16, form: "one column" },
    { width: 320, height: 568, text: 32, form: "one column" },
  ];
  for (const { width, height, text, form } of cases) {
    test(`at ${width} x ${height} with ${text} px text: the ${form}, its font ${text} px, nothing sideways`,
         async ({ page }) => {
      await page.setViewportSize({ width, height });
      await setTextSize(page, text);
      await open(page);
      expect(await page.$eval("#form", (f) => getComputedStyle(f).fontSize)).toBe(`${text}px`);
      expect(await shape(page)).toEqual({ sideways: false, form });
    });
  }

  test("a text size chosen while the page is open lays the form out as a fresh load at that size does",
       async ({ page, context }) => {
    const boxes = (p) => p.$$eval(kControls, (controls) => controls.map((c) => {
      const { left, top, width, height } = c.getBoundingClientRect();
      return `${c.id} ${left} ${top} ${width} ${height}`;
    }));
    await open(page);
    const before = await boxes(page);
    await setTextSize(page, 20);
    // What the browser sends when the reader comes back from its settings.
    await page.evaluate(() => dispatchEvent(new Event("focus")));
    const fresh = await context.newPage();
    await setTextSize(fresh, 20);
    await open(fresh);
    const expected = await boxes(fresh);
    expect(expected).not.toEqual(before);
    expect(await boxes(page)).toEqual(expected);
  });

  test("widening the window past the dialog's width brings the dialog back", async ({ page }) => {
    await page.setViewportSize({ width: 375, height: 667 });
    await open(page);
    await page.setViewportSize({ width: 1024, height: 768 });
    // The page hears of the new size with the next frame's resize event.
    await expect.poll(() => shape(page)).toEqual({ sideways: false, form: "dialog" });
  });
});

test.describe("on a phone", () => {
  test.use(kScreens.phone);
  test.beforeEach(async ({ page }) => open(page));

  test("every field and button is at least 44 x 44 CSS px, a message box's OK too", async ({ page }) => {
    const small = (selector) => page.$$eval(selector, (controls) => controls.map((c) => {
      const { width, height } = c.getBoundingClientRect();
      return { id: c.id, width, height };
    }).filter(({ width, height }) => width < 44 || height < 44));
    expect(await small(kControls)).toEqual([]);
    await page.locator("#IDC_ABOUT").tap();
    await expect(page.locator("#message-ok")).toBeFocused();
    expect(await small("#message-ok")).toEqual([]);
  });

  test("the result takes the height left between the controls and About, and the page does not scroll",
       async ({ page }) => {
    const room = await page.evaluate(() => {
      const box = (id) => document.getElementById(id).getBoundingClientRect();
      const form = document.getElementById("form").getBoundingClientRect();
      return { aboveAbout: box("IDC_ABOUT").top - box("IDC_RESULT").bottom,
               belowAbout: form.bottom - box("IDC_ABOUT").bottom,
               scrolls: document.documentElement.scrollHeight > innerHeight };
    });
    expect(room).toEqual({ aboveAbout: 8, belowAbout: 9, scrolls: false });
  });

  test("labels and controls read down the column in tab order, each label just before its field",
       async ({ page }) => {
    const misplaced = await page.$$eval("#form label, #form .label, " + kControls, (all) => {
      const inOrder = all.sort((a, b) => (a.compareDocumentPosition(b) & Node.DOCUMENT_POSITION_FOLLOWING ? -1 : 1));
      const out = [];
      for (let i = 1; i < inOrder.length; ++i) {
        const a = inOrder[i - 1].getBoundingClientRect(), b = inOrder[i].getBoundingClientRect();
        const nextLine = b.top >= a.bottom;
        const sameLineRight = b.left >= a.right && b.top < a.bottom && b.bottom > a.top;
        if (!nextLine && !sameLineRight) out.push(`${inOrder[i].id || inOrder[i].textContent} before ${inOrder[i - 1].id || inOrder[i - 1].textContent}`);
        if (inOrder[i - 1].htmlFor !== undefined && inOrder[i - 1].htmlFor !== inOrder[i].id) {
          out.push(`${inOrder[i - 1].textContent} away from its field`);
        }
      }
      return out;
    });
    expect(misplaced).toEqual([]);
  });
});

test.describe("in forced colours", () => {
  test.use({ ...kScreens.desk, forcedColors: "active" });

  test("every field, button and focus ring keeps a visible edge", async ({ page }) => {
    await open(page);
    const edges = [];
    for (let i = 0; i < 12; ++i) {
      edges.push(await page.evaluate(() => {
        const control = document.activeElement, style = getComputedStyle(control);
        const face = getComputedStyle(document.getElementById("form")).backgroundColor;
        const drawn = (width, line, colour) => parseFloat(width) >= 1 && line !== "none" && colour !== face;
        return { id: control.id,
                 border: drawn(style.borderTopWidth, style.borderTopStyle, style.borderTopColor) &&
                         drawn(style.borderBottomWidth, style.borderBottomStyle, style.borderBottomColor),
                 ring: drawn(style.outlineWidth, style.outlineStyle, style.outlineColor) };
      }));
      if (i === 4) await page.screenshot({ path: join(screensDir, "desk-forced-colours-focus-on-Divide.png") });
      await page.keyboard.press("Tab");
    }
    expect(edges.filter(({ border, ring }) => !border || !ring)).toEqual([]);
    expect(edges).toHaveLength(12);
  });
});
