// The page's address as a link to a computation: a press writes it, a link
// opened in a fresh browser context types and presses as the user did and
// shows the same thing byte for byte (the core's texts, converted once), Back
// and Forward step through computations, and a fragment that is no link
// leaves the page as it opens.
import { expect, open, paste, press, serviceWorkerReady, test, type } from "./fixtures.js";

const NBSP = "\u00A0";
const kBitsIntro = "Ezo's Bit combination finder VBETA, 1999\n\nThis program calculates the number of " +
                   "combinations for a given number of binary digits.\n";
const kFactorsOf360 = [360, 180, 120, 90, 72, 60, 45, 40, 36, 30, 24, 20, 18, 15, 12, 10, 9, 8, 6, 5, 4, 3, 2, 1];

// Everything a link decides: the fields, the result, what the status said,
// an open message box, the focus and the address.
const shown = (page) => page.evaluate(() => ({
  fields: Object.fromEntries([...document.querySelectorAll("#form input")].map((field) => [field.id, field.value])),
  result: document.getElementById("IDC_RESULT").textContent,
  status: document.getElementById("status").textContent,
  box: document.getElementById("message").open
    ? [document.getElementById("message-caption").textContent, document.getElementById("message-text").textContent]
    : null,
  focus: document.activeElement.id,
  fragment: location.hash,
}));

test.describe("a press writes its link, and the link opened afresh shows the same", () => {
  const cases = [
    { fragment: "#divide/22/7", fields: { IDC_FIRST_NUMBER: "22", IDC_SECOND_NUMBER: "7" }, button: "IDC_DIVIDE",
      result: `3.${NBSP}[${NBSP}142857 ] - Repeating` },
    { fragment: "#gcf-lcm/-12/18", fields: { IDC_FIRST_NUMBER: "-12", IDC_SECOND_NUMBER: "18" }, button: "IDC_GCF_LCM",
      result: "The GCF of -12, and 18 is: 6\n\nThe LCM of -12, and 18 is: 36" },
    { fragment: "#prime-factors/360", fields: { IDC_SINGLE_NUMBER: "360" }, button: "IDC_PRIME_FACTORS",
      result: "The prime factorization of 360 is:\n\n 2^3 * 3^2 * 5 " },
    { fragment: "#all-factors/360", fields: { IDC_SINGLE_NUMBER: "360" }, button: "IDC_ALL_FACTORS",
      result: `The factors of 360 are:\n\n${kFactorsOf360.join("\n")}\n` },
    { fragment: "#bits/10", fields: { IDC_SINGLE_NUMBER: "10" }, button: "IDC_BITS",
      result: `${kBitsIntro}\n\nThe result of 10 Bits is:\n\n1,024` },
    { fragment: "#binary/101101", fields: { IDC_BINARY: "101101" }, decimal: "45", result: "" },
    { fragment: "#gcf-lcm/0/18", fields: { IDC_FIRST_NUMBER: "0", IDC_SECOND_NUMBER: "18" }, button: "IDC_GCF_LCM",
      result: "\nThe Greatest Common Factor finder V2.00\n and Least Common Multiple finder V1.00,\n",
      box: "\n\nInvalid Input, Cannot input Zero\n\n" },
    { fragment: "#divide/%20%2042%61%62%63/7", pasted: { IDC_FIRST_NUMBER: "  42abc" }, fields: { IDC_SECOND_NUMBER: "7" },
      button: "IDC_DIVIDE", result: `6.${NBSP}[${NBSP}0 ] - Repeating` },
  ];
  for (const { fragment, pasted = {}, fields, button, result, decimal, box } of cases) {
    test(fragment, async ({ page, context }) => {
      await open(page, fragment);
      const linked = await shown(page);
      expect(linked.fragment).toBe(fragment);
      expect(linked.result).toBe(result);
      if (decimal !== undefined) expect(linked.fields.IDC_DECIMAL).toBe(decimal);
      expect(linked.box?.[1]).toBe(box);

      const pressed = await context.newPage();
      await open(pressed);
      for (const [id, text] of Object.entries(pasted)) await paste(pressed, id, text);
      if (button) await press(pressed, fields, button);
      else for (const [id, text] of Object.entries(fields)) await type(pressed, id, text);
      expect(await shown(pressed)).toEqual(linked);
    });
  }
});

test("a link written otherwise is pressed, then written as a press writes it, in the same entry", async ({ page }) => {
  await open(page, "#bits/%31%30");
  expect(await page.evaluate(() => [location.hash, history.length])).toEqual(["#bits/10", 2]);
});

test("About and a computation too long for a link leave the address without a fragment", async ({ page }) => {
  await open(page);
  await page.click("#IDC_ABOUT");
  await page.click("#message-ok");
  expect(await page.evaluate(() => location.href.includes("#"))).toBe(false);
  await press(page, { IDC_SINGLE_NUMBER: "10" }, "IDC_BITS");
  await paste(page, "IDC_SINGLE_NUMBER", `10${" ".repeat(5000)}`);
  await page.click("#IDC_BITS");
  expect(await page.evaluate(() => location.hash)).toBe("");
  await page.goBack();
  await expect.poll(() => page.evaluate(() => location.hash)).toBe("#bits/10");
});

test("Back and Forward step through the computations, Binary's typing one of them", async ({ page }) => {
  await open(page);
  await press(page, { IDC_FIRST_NUMBER: "22", IDC_SECOND_NUMBER: "7" }, "IDC_DIVIDE");
  await type(page, "IDC_BINARY", "101");
  await press(page, { IDC_SINGLE_NUMBER: "10" }, "IDC_BITS");
  const [divide, binary, bits] = [`3.${NBSP}[${NBSP}142857 ] - Repeating`, "5", `${kBitsIntro}\n\nThe result of 10 Bits is:\n\n1,024`];
  const step = async (go, fragment) => {
    await go();
    await expect.poll(() => page.evaluate(() => location.hash)).toBe(fragment);
    const { fields, result } = await shown(page);
    return [fields.IDC_FIRST_NUMBER, fields.IDC_SECOND_NUMBER, fields.IDC_BINARY, fields.IDC_DECIMAL,
            fields.IDC_SINGLE_NUMBER, result];
  };
  const back = () => page.goBack(), forward = () => page.goForward();
  // A link changes only the fields its command reads.
  expect(await step(back, "#binary/101")).toEqual(["22", "7", "101", binary, "10", bits]);
  expect(await step(back, "#divide/22/7")).toEqual(["22", "7", "101", binary, "10", divide]);
  // Before the first computation: the page as it opens.
  expect(await step(back, "")).toEqual(["", "", "", "", "", ""]);
  expect(await step(forward, "#divide/22/7")).toEqual(["22", "7", "", "", "", divide]);
  expect(await step(forward, "#binary/101")).toEqual(["22", "7", "101", binary, "", divide]);
  expect(await step(forward, "#bits/10")).toEqual(["22", "7", "101", binary, "10", bits]);
});

test("a link opened offline after one visit computes", async ({ page, context }) => {
  await open(page);
  await serviceWorkerReady(page);
  await context.setOffline(true);
  try {
    const offline = await context.newPage();
    await open(offline, "#divide/1/3");
    expect((await shown(offline)).result).toBe(`0.${NBSP}[${NBSP}3 ] - Repeating`);
  } finally {
    await context.setOffline(false);
  }
});

test("markup in a field's text goes in as text and runs nothing", async ({ page }) => {
  const markup = '<img src=x onerror="window.ran=1">';
  const encoded = [...new TextEncoder().encode(markup)].map((b) => `%${b.toString(16).toUpperCase().padStart(2, "0")}`).join("");
  await open(page, `#bits/${encoded}`);
  const { fields, result } = await shown(page);
  expect(fields.IDC_SINGLE_NUMBER).toBe(markup);
  expect(result).toBe(`${kBitsIntro}\n\nThe result of 0 Bits is:\n\n1`);
  expect(await page.evaluate(() => [document.querySelectorAll("img").length, window.ran])).toEqual([0, undefined]);
});

// Fragments that are no link, by kind: each opens the page as it opens with
// none, and the address keeps it as it was given. (A browser encodes some
// characters of a typed address, such as "<", and drops tabs and line ends.)
const kCommands = { binary: 1, divide: 2, "gcf-lcm": 2, "prime-factors": 1, "all-factors": 1, bits: 1 };
const kPayloads = ["1", "", "-", "<script>alert(1)</script>", "\"'`", "%3Cb%3E", "%00", "%ZZ", "%ED%A0%80",
                   "\u2603", "%F0%9F%98%80", "javascript:alert(1)"];
const kHostile = {
  "unknown commands and About": [
    "#/", "##bits/10", "#about", "#about/", "#about/1", "#help", "#help/1", "#Bits/10", "#BITS/10", "#%62its/10",
    "#bits%00/10", "#%00", "#bits /10", "# bits/10", "#divide%2F22/7", "#\u00E9/1", "#\u2603", "#\uD83D\uDE00/1",
    "#<img src=x onerror=alert(1)>", "#javascript:alert(1)", "#../../etc/passwd",
    ...kPayloads.flatMap((payload) => [`#${payload}`, `#${payload}/1`]),
  ],
  "too few or too many fields": Object.entries(kCommands).flatMap(([name, count]) => [`#${name}`,
    ...[count - 1, count + 1, count + 2].filter((n) => n > 0).flatMap((n) =>
      kPayloads.slice(0, 6).map((payload) => `#${name}/${Array(n).fill(payload).join("/")}`))]),
  "malformed or not UTF-8": Object.entries(kCommands).flatMap(([name, count]) =>
    ["%", "%4", "%ZZ", "%G0", "%ED%A0%80", "%C0%AF", "%FF", "%E2%82", "%F4%90%80%80", "1a", "abc", "x%20y",
     "1'2", "1.5", "1+1", "%3Cscript%3Ealert(1)%3C/script%3E"].map((bad) => `#${[name, ...Array(count - 1).fill("1"), bad].join("/")}`)),
  "very long": [
    `#bits/${"1".repeat(3000)}`, `#divide/${"%31".repeat(700)}/7`, `#binary/${"1".repeat(2048)}`,
    `#${"a".repeat(100_000)}`, `#gcf-lcm/${"9".repeat(5000)}/${"9".repeat(5000)}`,
  ],
};

test.describe(`${Object.values(kHostile).flat().length} fragments that are no link leave the page as it opens`, () => {
  test.setTimeout(120_000);
  for (const [kind, fragments] of Object.entries(kHostile)) {
    test(`${kind} (${fragments.length})`, async ({ page }) => {
      await open(page);
      const { fragment: none, ...opening } = await shown(page);
      const differing = [];
      for (const fragment of fragments) {
        await page.goto("about:blank");
        await open(page, fragment);
        const { fragment: kept, ...state } = await shown(page);
        if (JSON.stringify(state) !== JSON.stringify(opening)) differing.push(`${fragment.slice(0, 60)}: ${JSON.stringify(state).slice(0, 300)}`);
        if (fragment !== "#" && kept === none) differing.push(`${fragment.slice(0, 60)}: the address lost its fragment`);
      }
      expect(differing).toEqual([]);
    });
  }
});
