// The browser edition's shell, driven through Chromium as a person would use
// it: what the page shows of the core's writes, how fields take typing and
// pastes, the keyboard, message boxes and names. The arithmetic is the core
// suites' business; each command appears here once. Offline use is the
// installed app's (install.test.js).
import { expect, kScreens, open, test, type } from "./fixtures.js";

const NBSP = "\u00A0";
const kTabOrder = ["IDC_BINARY", "IDC_DECIMAL", "IDC_FIRST_NUMBER", "IDC_SECOND_NUMBER", "IDC_DIVIDE",
                   "IDC_GCF_LCM", "IDC_SINGLE_NUMBER", "IDC_PRIME_FACTORS", "IDC_ALL_FACTORS", "IDC_BITS",
                   "IDC_RESULT", "IDC_ABOUT"];
const kBitsIntro = "Ezo's Bit combination finder VBETA, 1999\n\nThis program calculates the number of " +
                   "combinations for a given number of binary digits.\n";

test.beforeEach(async ({ page }) => open(page));

test.afterEach(async ({ page }) => {
  await expect(page.locator("html")).not.toHaveClass(/busy/);
});

// Text set by script followed by an input event: the page takes it as a paste.
async function paste(page, id, text) {
  await page.evaluate(([id, text]) => {
    const field = document.getElementById(id);
    field.value = text;
    field.dispatchEvent(new Event("input", { bubbles: true }));
  }, [id, text]);
}

const result = (page) => page.locator("#IDC_RESULT");

test.describe("each command shows the core's text, converted once", () => {
  const cases = [
    { button: "IDC_DIVIDE", fields: { IDC_FIRST_NUMBER: "22", IDC_SECOND_NUMBER: "7" },
      text: `3.${NBSP}[${NBSP}142857 ] - Repeating` },
    { button: "IDC_GCF_LCM", fields: { IDC_FIRST_NUMBER: "12", IDC_SECOND_NUMBER: "18" },
      text: "The GCF of 12, and 18 is: 6\n\nThe LCM of 12, and 18 is: 36" },
    { button: "IDC_PRIME_FACTORS", fields: { IDC_SINGLE_NUMBER: "360" },
      text: "The prime factorization of 360 is:\n\n 2^3 * 3^2 * 5 " },
    { button: "IDC_ALL_FACTORS", fields: { IDC_SINGLE_NUMBER: "12" },
      text: "The factors of 12 are:\n\n12\n6\n4\n3\n2\n1\n" },
    { button: "IDC_BITS", fields: { IDC_SINGLE_NUMBER: "10" },
      text: `${kBitsIntro}\n\nThe result of 10 Bits is:\n\n1,024` },
  ];
  for (const { button, fields, text } of cases) {
    test(button, async ({ page }) => {
      for (const [id, value] of Object.entries(fields)) await type(page, id, value);
      await page.click(`#${button}`);
      await expect(result(page)).toHaveValue(text);
    });
  }

  test("Binary fills Decimal as each digit is typed", async ({ page }) => {
    const seen = [];
    for (const digit of "101010") {
      await page.keyboard.type(digit);
      seen.push(await page.inputValue("#IDC_DECIMAL"));
    }
    expect(seen).toEqual(["1", "2", "5", "10", "21", "42"]);
  });
});

test.describe("message boxes", () => {
  test("a box without a caption bears the program's name, the manifest's too, and OK closes it",
       async ({ page, request }) => {
    await type(page, "IDC_FIRST_NUMBER", "0");
    await type(page, "IDC_SECOND_NUMBER", "18");
    await page.click("#IDC_GCF_LCM");
    const box = page.locator("dialog#message");
    await expect(box).toBeVisible();
    await expect(page.locator("#message-text")).toHaveText("\n\nInvalid Input, Cannot input Zero\n\n",
                                                           { useInnerText: false });
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

  test("About shows its caption and text and closes with Enter", async ({ page }) => {
    await page.click("#IDC_ABOUT");
    await expect(page.locator("#message-caption")).toHaveText("About Ezo's Numbrel");
    expect(await page.textContent("#message-text")).toBe(
        "Ezo's Numbrel, version 1.1\nExact binary conversion, long division, GCF and LCM, factors and powers of two.");
    await page.keyboard.press("Enter");
    await expect(page.locator("dialog#message")).toBeHidden();
  });
});

// The typing rule is the core's (tests/typing_rule_test.cpp): here only that
// the page asks it, lets a paste through and stops a full field.
test.describe("typing and pasting", () => {
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

  test("Decimal and the result take no typing, and the result scrolls from its first line",
       async ({ page }) => {
    await type(page, "IDC_SINGLE_NUMBER", "262144");
    await page.click("#IDC_BITS");
    const before = await result(page).inputValue();
    await type(page, "IDC_RESULT", "5");
    await type(page, "IDC_DECIMAL", "5");
    await expect(result(page)).toHaveValue(before);
    await expect(page.locator("#IDC_DECIMAL")).toHaveValue("");
    const scroll = await result(page).evaluate((r) => ({ top: r.scrollTop, more: r.scrollHeight > r.clientHeight }));
    expect(scroll).toEqual({ top: 0, more: true });
  });
});

test.describe("keyboard", () => {
  for (const [screen, options] of Object.entries(kScreens)) {
    test.describe(`on the ${screen}`, () => {
      test.use(options);
      test("Tab visits the controls in the form's order, starting at Binary", async ({ page }) => {
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
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.type("22");
    await page.keyboard.press("Enter");
    await expect(result(page)).toHaveValue("");
    await page.keyboard.press("Tab");
    await page.keyboard.type("7");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Enter");
    await expect(result(page)).toHaveValue(`3.${NBSP}[${NBSP}142857 ] - Repeating`);
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.type("10");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Space");
    await expect(result(page)).toHaveValue(/^The result of 10 Bits is:\n\n1,024$/m);
  });
});

test.describe("what assistive technology and the eye get", () => {
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
      for (const [id, value] of Object.entries(fields)) await type(page, id, value);
      await page.click(`#${button}`);
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
  const texts = ["9".repeat(100_000), `-${"1".repeat(99_999)}`, "ÿ€\u2603\u{1D11E}\u0000", " \t-0"];
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
