// The form on any screen and at any text size: the dialog where it fits, its
// result grown into a larger window, one column of touch-sized rows where it
// does not fit, never a sideways scroll; the result brought into view after a
// press; and in forced colours every edge and focus ring still drawn.
import { join } from "node:path";
import { expect, kScreens, open, press, screensDir, setTextSize, test } from "./fixtures.js";

const kControls = "#form input, #form button, #IDC_RESULT";

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

test.describe("in a window larger than the dialog", () => {
  // Each control's box against where the dialog puts it (--left ... in the
  // form), the room below the result, the result's width against the window's
  // room and 90 characters, and whether the page scrolls.
  const grown = (page) => page.evaluate(() => {
    const form = document.getElementById("form"), root = document.documentElement;
    const origin = form.getBoundingClientRect();
    const px = (element, name) => parseFloat(getComputedStyle(element).getPropertyValue(name));
    const moved = [...document.querySelectorAll("#form .row > *")].filter((element) => {
      if (element.id === "IDC_RESULT") return false;
      const box = element.getBoundingClientRect();
      return [box.left - origin.left - 1, box.top - origin.top - 1, box.width, box.height].join() !==
             ["--left", "--top", "--width", "--height"].map((name) => px(element, name)).join();
    }).map((element) => element.id || element.textContent);
    const result = document.getElementById("IDC_RESULT"), box = result.getBoundingClientRect();
    const probe = document.createElement("span");
    probe.textContent = "0".repeat(90);
    form.append(probe);
    const measure = probe.getBoundingClientRect().width;
    probe.remove();
    const room = root.clientWidth - 16 - 2 - (px(form, "--form-width") - px(result, "--width"));
    return { moved, top: box.top - origin.top - 1 === px(result, "--top"),
             below: origin.bottom - 1 - box.bottom === px(form, "--form-height") - px(result, "--top") - px(result, "--height"),
             width: Math.abs(box.width - Math.min(room, measure)) < 1, toWindowBottom: root.clientHeight - origin.bottom,
             scrolls: root.scrollHeight > root.clientHeight || root.scrollWidth > root.clientWidth };
  });
  const kFilled = { moved: [], top: true, below: true, width: true, toWindowBottom: 8, scrolls: false };

  for (const [width, height] of [[1024, 768], [1920, 1080], [700, 900], [800, 600]]) {
    test(`at ${width} x ${height} the result takes the room below the controls, up to a reading measure across`,
         async ({ page }) => {
      await page.setViewportSize({ width, height });
      await open(page);
      expect(await grown(page)).toEqual(kFilled);
    });
  }

  test("the result follows the window as it is resized, in both directions", async ({ page }) => {
    await page.setViewportSize({ width: 1024, height: 768 });
    await open(page);
    for (const [width, height] of [[1600, 1000], [900, 700]]) {
      await page.setViewportSize({ width, height });
      await expect.poll(() => grown(page)).toEqual(kFilled);
    }
  });
});

// After a press, the page scrolls just enough to show the result's first
// line if it is out of view, and leaves the focus on the button.
test.describe("the answer in view", () => {
  const cases = [
    { where: "at 200% zoom in a 1280 x 700 window", size: { viewport: { width: 640, height: 350 }, deviceScaleFactor: 2 },
      moves: true },
    { where: "on a 320 x 400 phone", size: { ...kScreens.phone, viewport: { width: 320, height: 400 } }, moves: true },
    { where: "in a 1024 x 400 window", size: { viewport: { width: 1024, height: 400 } }, moves: false },
  ];
  for (const { where, size, moves } of cases) {
    test.describe(where, () => {
      test.use(size);
      test(`pressing Bits ${moves ? "scrolls to the result's first line and no further" : "leaves the page where it is"}`,
           async ({ page }) => {
        await open(page);
        await press(page, { IDC_SINGLE_NUMBER: "262144" }, "IDC_BITS");
        // The page scrolls at the next frame.
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
        const seen = await page.evaluate(() => {
          const text = document.querySelector("#IDC_RESULT > span").firstChild;
          const first = document.createRange();
          first.setStart(text, 0);
          first.setEnd(text, 1);
          return { scrolled: scrollY > 0, firstLineEnd: Math.round(first.getBoundingClientRect().bottom - document.documentElement.clientHeight),
                   focus: document.activeElement.id };
        });
        await page.screenshot({ path: join(screensDir, `in-view-${where.replaceAll(" ", "-")}.png`) });
        expect(seen.scrolled).toBe(moves);
        if (moves) expect(seen.firstLineEnd).toBe(0);
        else expect(seen.firstLineEnd).toBeLessThanOrEqual(0);
        expect(seen.focus).toBe("IDC_BITS");
      });
    });
  }
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
