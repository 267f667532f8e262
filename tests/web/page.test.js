// The browser edition's shell, driven through Chromium as a person would use
// it: how the result field shows, breaks, selects and copies the core's text,
// how fields take typing and pastes, the keyboard, message boxes and names.
// The arithmetic is the core suites' business; the text of each command is
// held once, by the links (address.test.js).
import { expect, kScreens, open, paste, press, resultText, setTextSize, test, type } from "./fixtures.js";

const NBSP = "\u00A0";
const kTabOrder = ["IDC_BINARY", "IDC_DECIMAL", "IDC_FIRST_NUMBER", "IDC_SECOND_NUMBER", "IDC_DIVIDE",
                   "IDC_GCF_LCM", "IDC_SINGLE_NUMBER", "IDC_PRIME_FACTORS", "IDC_ALL_FACTORS", "IDC_BITS",
                   "IDC_RESULT", "IDC_ABOUT"];
const kBits = [{ IDC_SINGLE_NUMBER: "262144" }, "IDC_BITS"];
const kLongDivision = [{ IDC_FIRST_NUMBER: "1", IDC_SECOND_NUMBER: "19997" }, "IDC_DIVIDE"];

// The result's display lines as drawn, in its first runs and its last: each
// line's text, where it ends, and how wide the text that would follow it is
// (up to the next comma or space, or one character in a run with neither),
// against the room for a line. A line that ends its text line has none.
const displayLines = (page) => page.$eval("#IDC_RESULT", (result) => {
  const style = getComputedStyle(result);
  const left = result.getBoundingClientRect().left + result.clientLeft + parseFloat(style.paddingLeft);
  const room = result.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  const runs = [...result.children];
  const lines = [];
  for (const run of [...runs.slice(0, 4), ...runs.slice(4).slice(-1)]) {
    const text = run.textContent, nodes = document.createTreeWalker(run, NodeFilter.SHOW_TEXT);
    const where = [];  // [text node, offset] of each character of the run, and of its end
    for (let node = nodes.nextNode(); node; node = nodes.nextNode()) {
      for (let i = 0; i < node.length; ++i) where.push([node, i]);
    }
    where.push([where.at(-1)[0], where.at(-1)[1] + 1]);
    const box = (from, to) => {
      const range = document.createRange();
      range.setStart(...where[from]);
      range.setEnd(...where[to]);
      return range.getBoundingClientRect();
    };
    let start = 0, top = null;
    const close = (end) => {
      const line = text.slice(start, end).replace(/\n$/, "");
      const rest = text[end - 1] === "\n" || end === text.length ? "" : text.slice(end);
      const next = /[, ]/.test(line) ? rest.match(/^[^,\n ]*[, ]?/)[0] : rest.slice(0, 1);
      lines.push({ line, right: line === "" ? 0 : box(start, start + line.length).right - left,
                   following: next === "" ? 0 : box(end, end + next.length).width, room });
      start = end;
    };
    for (let i = 0; i < text.length; ++i) {
      const rect = box(i, i + 1);
      if (i > 0 && (text[i - 1] === "\n" || (rect.height > 0 && rect.top > top + 1))) close(i);
      if (rect.height > 0) top = rect.top;
    }
    close(text.length);
  }
  return lines;
});

// What breaks the rule: a line that could have ended after a comma or space
// but does not, a line that starts with a comma, or one that ends early.
function brokenRule(lines) {
  const wrong = [];
  for (const { line, right, following, room } of lines) {
    if (line.startsWith(",")) wrong.push(`starts with a comma: ${line}`);
    if (following === 0) continue;
    if (/[, ]/.test(line) && !/[, ]$/.test(line)) wrong.push(`not after a comma or space: ${line}`);
    // What follows did not fit: less than a pixel is kept free at a line's end.
    if (right + following <= room - 2) wrong.push(`ends early, ${room - right} px free: ${line}`);
  }
  return wrong;
}

test.describe("the result field", () => {
  const kViews = {
    "a desk": { viewport: { width: 1024, height: 768 } },
    "a desk at 200% zoom": { viewport: { width: 640, height: 350 }, deviceScaleFactor: 2 },
    "a 320 px phone": { viewport: { width: 320, height: 568 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  };
  for (const [view, options] of Object.entries(kViews)) {
    test.describe(`on ${view}`, () => {
      test.use(options);
      for (const [what, [fields, button]] of [["Bits 262,144", kBits], ["a repeating block of 10,000 digits", kLongDivision]]) {
        test(`${what} breaks after the last comma or space that fits, else where the line is full`, async ({ page }) => {
          await open(page);
          await press(page, fields, button);
          const lines = await displayLines(page);
          expect(lines.length).toBeGreaterThan(100);
          expect(brokenRule(lines)).toEqual([]);
        });
      }
    });
  }

  // The runs of lines the field shows at a moment it lays its text out,
  // before any frame: each must be drawn from that frame on, not only later.
  const shownRuns = () => {
    const field = document.getElementById("IDC_RESULT");
    const view = field.getBoundingClientRect();
    return [...field.children].filter((run) => {
      const box = run.getBoundingClientRect();
      return box.bottom > view.top && box.top < view.bottom;
    }).map((run) => getComputedStyle(run).contentVisibility);
  };
  const kLaidOut = {
    "a press in a tall window": (check) => {
      document.getElementById("IDC_BITS").click();
      return check();
    },
    "a narrower field, scrolled half way down": (check) => new Promise((resolve) => {
      const field = document.getElementById("IDC_RESULT");
      field.scrollTop = field.scrollHeight / 2;
      // Told after the field's own observer, which has laid the text out again by then.
      new ResizeObserver((_, observer) => {
        observer.disconnect();
        resolve(check());
      }).observe(field);
      document.getElementById("form").style.setProperty("--grow-x", "-100px");
    }),
  };
  for (const [when, act] of Object.entries(kLaidOut)) {
    test(`after ${when}, every line in view is drawn in the first frame`, async ({ page }) => {
      await page.setViewportSize({ width: 1200, height: 1600 });
      await open(page);
      await press(page, ...kBits);
      const shown = await page.evaluate(`(${act})(${shownRuns})`);
      expect(shown.length).toBeGreaterThan(1);
      expect(shown.filter((visibility) => visibility !== "visible")).toEqual([]);
    });
  }

  test("at another text size, and again when the window widens, the lines follow the rule", async ({ page }) => {
    await page.setViewportSize({ width: 1000, height: 700 });
    await setTextSize(page, 21);
    await open(page);
    await press(page, ...kBits);
    expect(brokenRule(await displayLines(page))).toEqual([]);
    const before = await page.$eval("#IDC_RESULT", (r) => r.clientWidth);
    await page.setViewportSize({ width: 1600, height: 900 });
    await expect.poll(() => page.$eval("#IDC_RESULT", (r) => r.clientWidth)).toBeGreaterThan(before);
    expect(brokenRule(await displayLines(page))).toEqual([]);
  });

  test.describe("what is selected and copied is the text, with nothing added", () => {
    test.use({ permissions: ["clipboard-read", "clipboard-write"] });
    test.beforeEach(async ({ page }) => {
      await open(page);
      await press(page, ...kBits);
    });
    const copied = async (page) => {
      await page.keyboard.press("Control+C");
      return page.evaluate(() => navigator.clipboard.readText());
    };

    test("Ctrl+A in the field selects all of it and no more", async ({ page }) => {
      await page.locator("#IDC_RESULT").focus();
      await page.keyboard.press("Control+A");
      const text = await resultText(page);
      expect(text).toHaveLength(105_381);
      expect(await page.evaluate(() => getSelection().toString().length)).toBe(text.length);
      expect(await copied(page)).toBe(text);
    });

    test("Shift with the arrows, Home and End selects from the start, line by line past the first screen",
         async ({ page }) => {
      await page.locator("#IDC_RESULT").focus();
      await page.keyboard.press("Shift+End");
      expect(await copied(page)).toBe("Ezo's Bit combination finder VBETA, 1999");
      for (let i = 0; i < 40; ++i) await page.keyboard.press("Shift+ArrowDown");
      await page.keyboard.press("Shift+Control+ArrowRight");
      const text = await resultText(page);
      const part = await copied(page);
      expect(part.length).toBeGreaterThan(3000);
      expect(text.startsWith(part)).toBe(true);
      expect(await page.$eval("#IDC_RESULT", (r) => r.scrollTop)).toBeGreaterThan(0);
      // To the end of the field, not of the page.
      await page.keyboard.press("Shift+Control+End");
      expect(await copied(page)).toBe(text);
      await page.keyboard.press("Shift+ArrowRight");
      await page.keyboard.press("Shift+Control+ArrowRight");
      expect(await copied(page)).toBe(text);
    });

    test("a part dragged over with the mouse, across lines of the number", async ({ page }) => {
      const box = await page.locator("#IDC_RESULT").boundingBox();
      await page.mouse.move(box.x + 40, box.y + box.height * 0.6);
      await page.mouse.down();
      await page.mouse.move(box.x + box.width - 60, box.y + box.height * 0.9, { steps: 5 });
      await page.mouse.up();
      const part = await copied(page);
      expect(part.length).toBeGreaterThan(100);
      expect((await resultText(page)).includes(part)).toBe(true);
    });
  });

  test("a screen reader meets a read-only text box named Result holding the whole text, exactly", async ({ page }) => {
    await open(page);
    await press(page, ...kBits);
    const session = await page.context().newCDPSession(page);
    const { backendNodeId } = (await session.send("DOM.describeNode", {
      objectId: (await session.send("Runtime.evaluate", { expression: "document.getElementById('IDC_RESULT')" })).result.objectId,
    })).node;
    const node = async () => (await session.send("Accessibility.getPartialAXTree", { backendNodeId, fetchRelatives: false })).nodes[0];
    const text = await resultText(page);
    // The lines out of view are laid out, and so reach the screen reader, right after the first frame.
    await expect.poll(async () => (await node()).value.value === text).toBe(true);
    const { role, name, properties } = await node();
    const property = (wanted) => properties.find((p) => p.name === wanted)?.value.value;
    expect({ role: role.value, name: name.value, readonly: property("readonly"), editable: property("editable") })
      .toEqual({ role: "textbox", name: "Result", readonly: true, editable: undefined });
  });

  test("takes no typing, pasting, deleting or dropping, and a new result shows from its first line",
       async ({ page, context }) => {
    await context.grantPermissions(["clipboard-read", "clipboard-write"]);
    await open(page);
    await press(page, ...kBits);
    const before = await resultText(page);
    await page.evaluate(() => navigator.clipboard.writeText("5"));
    await page.locator("#IDC_RESULT").click();
    for (const key of ["5", "Control+V", "Delete", "Backspace", "Enter", "Control+X"]) await page.keyboard.press(key);
    await page.dispatchEvent("#IDC_RESULT", "drop", { dataTransfer: await page.evaluateHandle(() => {
      const data = new DataTransfer();
      data.setData("text/plain", "5");
      return data;
    }) });
    expect(await resultText(page)).toBe(before);
    await page.$eval("#IDC_RESULT", (r) => { r.scrollTop = 5000; });
    await page.click("#IDC_BITS");
    await expect.poll(() => page.$eval("#IDC_RESULT", (r) => r.scrollTop)).toBe(0);
  });
});

test.describe("message boxes", () => {
  test.beforeEach(async ({ page }) => open(page));

  test("a box without a caption bears the program's name, the manifest's too, and OK closes it",
       async ({ page, request }) => {
    await press(page, { IDC_FIRST_NUMBER: "0", IDC_SECOND_NUMBER: "18" }, "IDC_GCF_LCM");
    const box = page.locator("dialog#message");
    await expect(box).toBeVisible();
    expect(await page.textContent("#message-text")).toBe("\n\nInvalid Input, Cannot input Zero\n\n");
    const manifest = await (await request.get("manifest.webmanifest")).json();
    await expect(page.locator("#message-caption")).toHaveText(manifest.name);
    await expect(page.locator("#message-ok")).toBeFocused();
    // Modal: the form under it cannot be clicked.
    await expect(page.click("#IDC_ABOUT", { timeout: 500 })).rejects.toThrow();
    await page.click("#message-ok");
    await expect(box).toBeHidden();
    await expect(page.locator("#IDC_GCF_LCM")).toBeFocused();
  });

  for (const [how, close] of [["Escape", (page) => page.keyboard.press("Escape")],
                              ["Enter", (page) => page.keyboard.press("Enter")],
                              ["a click on OK", (page) => page.click("#message-ok")]]) {
    test(`closed with ${how}, the box gives the focus back to the button pressed`, async ({ page }) => {
      await page.locator("#IDC_ABOUT").focus();
      await page.keyboard.press("Enter");
      await expect(page.locator("#message-ok")).toBeFocused();
      await close(page);
      await expect(page.locator("dialog#message")).toBeHidden();
      await expect(page.locator("#IDC_ABOUT")).toBeFocused();
    });
  }

  test("About shows its caption and text", async ({ page }) => {
    await page.click("#IDC_ABOUT");
    await expect(page.locator("#message-caption")).toHaveText("About Ezo's Numbrel");
    expect(await page.textContent("#message-text")).toBe(
        "Ezo's Numbrel, version 1.1\nExact binary conversion, long division, GCF and LCM, factors and powers of two.");
  });
});

// The typing rule is the core's (tests/typing_rule_test.cpp): here only that
// the page asks it, lets a paste through and stops a full field.
test.describe("typing and pasting", () => {
  test.beforeEach(async ({ page }) => open(page));

  test("a key the field takes goes in; one it refuses does not", async ({ page }) => {
    await type(page, "IDC_FIRST_NUMBER", "1a2");
    await expect(page.locator("#IDC_FIRST_NUMBER")).toHaveValue("12");
  });

  test("the clipboard's text goes in with Ctrl+V as it is", async ({ page, context }) => {
    await context.grantPermissions(["clipboard-read", "clipboard-write"]);
    await page.evaluate(() => navigator.clipboard.writeText("1x2"));
    await page.locator("#IDC_BINARY").focus();
    await page.keyboard.press("Control+V");
    await expect(page.locator("#IDC_BINARY")).toHaveValue("1x2");
  });

  test("a lone surrogate pasted reaches the core as one character", async ({ page }) => {
    await paste(page, "IDC_BINARY", "1\uD8001");
    await expect(page.locator("#IDC_DECIMAL")).toHaveValue("5");
  });

  test("typing stops when a field without a count is full", async ({ page }) => {
    await type(page, "IDC_SINGLE_NUMBER", "8".repeat(60));
    const fits = await page.$eval("#IDC_SINGLE_NUMBER", (f) => ({ length: f.value.length, over: f.scrollWidth - f.clientWidth }));
    expect(fits.length).toBeGreaterThan(5);
    expect(fits.length).toBeLessThan(60);
    expect(fits.over).toBeLessThanOrEqual(0);
  });

  test("Decimal takes no typing", async ({ page }) => {
    await type(page, "IDC_DECIMAL", "5");
    await expect(page.locator("#IDC_DECIMAL")).toHaveValue("");
  });
});

test.describe("keyboard", () => {
  for (const [screen, options] of Object.entries(kScreens)) {
    test.describe(`on the ${screen}`, () => {
      test.use(options);
      test("Tab visits the controls in the form's order, starting at Binary", async ({ page }) => {
        await open(page);
        const visited = [await page.evaluate(() => document.activeElement.id)];
        for (let i = 1; i < kTabOrder.length; ++i) {
          await page.keyboard.press("Tab");
          visited.push(await page.evaluate(() => document.activeElement.id));
        }
        expect(visited).toEqual(kTabOrder);
      });
    });
  }

  test("Enter and Space press a focused button; Enter in a field does nothing", async ({ page }) => {
    await open(page);
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.type("22");
    await page.keyboard.press("Enter");
    expect(await resultText(page)).toBe("");
    await page.keyboard.press("Tab");
    await page.keyboard.type("7");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Enter");
    expect(await resultText(page)).toBe(`3.${NBSP}[${NBSP}142857 ] - Repeating`);
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.type("10");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Space");
    expect(await resultText(page)).toMatch(/^The result of 10 Bits is:\n\n1,024$/m);
  });
});

test.describe("what assistive technology and the eye get", () => {
  test.beforeEach(async ({ page }) => open(page));

  const names = [
    ["textbox", "Binary", "IDC_BINARY"], ["textbox", "Decimal", "IDC_DECIMAL"],
    ["textbox", "First number", "IDC_FIRST_NUMBER"], ["textbox", "Divided by", "IDC_SECOND_NUMBER"],
    ["textbox", "Number to factorize or for bits", "IDC_SINGLE_NUMBER"], ["textbox", "Result", "IDC_RESULT"],
    ["button", "Divide", "IDC_DIVIDE"], ["button", "GCF/LCM", "IDC_GCF_LCM"],
    ["button", "Prime Factors", "IDC_PRIME_FACTORS"], ["button", "All Factors", "IDC_ALL_FACTORS"],
    ["button", "Bits", "IDC_BITS"], ["button", "About", "IDC_ABOUT"],
  ];
  test("every control has its desktop name", async ({ page }) => {
    for (const [role, name, id] of names) {
      await expect(page.getByRole(role, { name, exact: true })).toHaveAttribute("id", id);
    }
  });

  const heard = [
    { button: "IDC_DIVIDE", fields: { IDC_FIRST_NUMBER: "22", IDC_SECOND_NUMBER: "7" },
      status: `Divide: 3.${NBSP}[${NBSP}142857 ] - Repeating` },
    { button: "IDC_BITS", fields: { IDC_SINGLE_NUMBER: "262144" },
      status: "Bits: a result of 105,381 characters, in the Result field" },
    { button: "IDC_ALL_FACTORS", fields: { IDC_SINGLE_NUMBER: "6" },
      status: "All Factors: The factors of 6 are:\n\n6\n3\n2\n1\n" },
  ];
  for (const { button, fields, status } of heard) {
    test(`after ${button}, a polite status names the command and what it wrote`, async ({ page }) => {
      await press(page, fields, button);
      await expect.poll(() => page.getByRole("status").textContent()).toBe(status);
    });
  }

  test("typing into Binary, which writes only Decimal, says nothing", async ({ page }) => {
    await type(page, "IDC_BINARY", "101");
    await expect(page.locator("#IDC_DECIMAL")).toHaveValue("5");
    expect(await page.getByRole("status").textContent()).toBe("");
  });

  test("every label is shown whole inside its box", async ({ page }) => {
    const overflows = await page.$$eval("#form label, #form .label", (labels) => labels.map((label) => {
      const range = document.createRange();
      range.selectNodeContents(label);
      return { text: label.textContent, over: range.getBoundingClientRect().width - label.clientWidth };
    }).filter(({ over }) => over > 0));
    expect(overflows).toEqual([]);
  });
});

test("bad input: 100,000 pasted characters and odd bytes in every field, every button", async ({ page }) => {
  await open(page);
  const texts = ["9".repeat(100_000), `-${"1".repeat(99_999)}`, "ÿ€\u2603\u{1D11E}\u0000\uD800", " \t-0"];
  for (const text of texts) {
    for (const field of ["IDC_BINARY", "IDC_FIRST_NUMBER", "IDC_SECOND_NUMBER", "IDC_SINGLE_NUMBER"]) {
      await paste(page, field, text);
    }
    for (const button of ["IDC_DIVIDE", "IDC_GCF_LCM", "IDC_PRIME_FACTORS", "IDC_ALL_FACTORS", "IDC_BITS"]) {
      await page.click(`#${button}`);
      while (await page.locator("dialog#message").isVisible()) await page.click("#message-ok");
    }
  }
  await expect(page.locator("#IDC_FIRST_NUMBER")).toHaveValue(texts.at(-1));
});
