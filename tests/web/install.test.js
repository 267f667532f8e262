// The page as an installed app: Chromium sees nothing against installing it,
// its icons are what the manifest says, its theme colour is the page's own in
// either scheme, an update of the site still opens offline, and its content
// security policy lets in nothing but its own files.
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { extname, join } from "node:path";
import { chromium } from "@playwright/test";
import { expect, open, press, resultText, serviceWorkerReady, site, test } from "./fixtures.js";

const NBSP = "\u00A0";

test("Chromium reports nothing against installing the page", async ({ baseURL }, testInfo) => {
  const profile = mkdtempSync(join(tmpdir(), "numbrel-profile-"));
  // Installing needs a profile that is kept: an ordinary test context is incognito.
  const context = await chromium.launchPersistentContext(profile, testInfo.project.use.launchOptions);
  try {
    const page = await context.newPage();
    await page.goto(baseURL);
    await page.waitForSelector("html[data-ready]");
    const session = await context.newCDPSession(page);
    expect((await session.send("Page.getInstallabilityErrors")).installabilityErrors).toEqual([]);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
});

test("each icon is the size the manifest gives it, and the maskable one keeps its picture inside the safe circle",
     async ({ page, request }) => {
  await open(page);
  const manifest = await (await request.get("manifest.webmanifest")).json();
  const icons = [];
  for (const icon of manifest.icons) {
    icons.push(await page.evaluate(async ({ src, sizes, purpose }) => {
      const picture = await createImageBitmap(await (await fetch(src)).blob());
      const canvas = new OffscreenCanvas(picture.width, picture.height);
      const context = canvas.getContext("2d");
      context.drawImage(picture, 0, 0);
      const { data } = context.getImageData(0, 0, picture.width, picture.height);
      // Outside the circle of 40% of the size, a mask may cut: only the background there.
      const colours = new Set();
      const middle = picture.width / 2, radius = 0.4 * picture.width;
      for (let y = 0; y < picture.height; ++y) {
        for (let x = 0; x < picture.width; ++x) {
          if (Math.hypot(x + 0.5 - middle, y + 0.5 - middle) <= radius) continue;
          const at = 4 * (y * picture.width + x);
          colours.add(data.slice(at, at + 4).join());
        }
      }
      return { purpose: purpose ?? "any", sizes, drawn: `${picture.width}x${picture.height}`,
               edgeColours: purpose === "maskable" ? colours.size : undefined };
    }, icon));
  }
  expect(icons).toEqual([
    { purpose: "any", sizes: "32x32", drawn: "32x32" },
    { purpose: "any", sizes: "192x192", drawn: "192x192" },
    { purpose: "any", sizes: "512x512", drawn: "512x512" },
    { purpose: "maskable", sizes: "512x512", drawn: "512x512", edgeColours: 1 },
  ]);
});

for (const colorScheme of ["light", "dark"]) {
  test.describe(`in ${colorScheme}`, () => {
    test.use({ colorScheme });
    test("the browser's bar takes the page's own background", async ({ page, request }) => {
      await open(page);
      const colours = await page.evaluate(() => {
        const theme = [...document.querySelectorAll("meta[name=theme-color]")].find((meta) => matchMedia(meta.media).matches);
        const probe = new OffscreenCanvas(1, 1).getContext("2d");
        const hex = (colour) => { probe.fillStyle = colour; return probe.fillStyle; };
        return { theme: theme.content, page: hex(getComputedStyle(document.documentElement).backgroundColor) };
      });
      expect(colours.theme).toBe(colours.page);
      if (colorScheme === "light") {
        const manifest = await (await request.get("manifest.webmanifest")).json();
        expect([manifest.theme_color, manifest.background_color]).toEqual([colours.page, colours.page]);
      }
    });
  });
}

test("the policy refuses an inline script and a picture from another origin", async ({ page, problems }) => {
  await open(page);
  const ran = await page.evaluate(async () => {
    const script = document.createElement("script");
    script.textContent = "window.inlineRan = true;";
    document.body.append(script);
    const picture = new Image();
    const settled = new Promise((resolve) => { picture.onload = picture.onerror = resolve; });
    picture.src = "http://127.0.0.2:9/elsewhere.png";
    await settled;
    return window.inlineRan === true;
  });
  expect(ran).toBe(false);
  const refusals = problems.splice(0).filter((text) => text.startsWith("refused by the policy:"));
  expect(refusals.sort()).toEqual(["refused by the policy: img-src http://127.0.0.2:9/elsewhere.png",
                                   "refused by the policy: script-src-elem inline"]);
});

// A static host that lets browsers keep every file for an hour, as many do:
// the update must not take its files from that cache.
function serveForAnHour(dir) {
  const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
                  ".webmanifest": "application/manifest+json", ".png": "image/png" };
  const server = createServer((request, response) => {
    const path = new URL(request.url, "http://localhost").pathname;
    try {
      const body = readFileSync(join(dir, path.endsWith("/") ? `${path}index.html` : path));
      response.writeHead(200, { "Content-Type": types[extname(path) || ".html"], "Cache-Control": "max-age=3600" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

test("after an update of the site, an offline reload opens the new files and computes", async ({ page, context }) => {
  const copy = mkdtempSync(join(tmpdir(), "numbrel-site-"));
  cpSync(site, copy, { recursive: true });
  const server = await serveForAnHour(copy);
  try {
    const url = `http://127.0.0.1:${server.address().port}/`;
    await page.goto(url);
    await page.waitForSelector("html[data-ready]");
    await serviceWorkerReady(page);

    // The update: a changed style sheet, and the service worker that the build writes for it.
    writeFileSync(join(copy, "numbrel.css"), `${readFileSync(join(copy, "numbrel.css"), "utf8")}\n/* updated */\n`);
    const worker = readFileSync(join(copy, "sw.js"), "utf8");
    writeFileSync(join(copy, "sw.js"), worker.replace(/const CACHE = "numbrel-[^"]*"/, 'const CACHE = "numbrel-updated"'));
    await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.ready;
      const changed = new Promise((resolve) => navigator.serviceWorker.addEventListener("controllerchange", resolve));
      await registration.update();
      await changed;
    });

    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector("html[data-ready]");
    const styles = await page.evaluate(async () => (await fetch("numbrel.css")).text());
    expect(styles.endsWith("/* updated */\n")).toBe(true);
    expect(await page.evaluate(() => caches.keys())).toEqual(["numbrel-updated"]);
    await press(page, { IDC_FIRST_NUMBER: "1", IDC_SECOND_NUMBER: "3" }, "IDC_DIVIDE");
    await expect.poll(() => resultText(page)).toBe(`0.${NBSP}[${NBSP}3 ] - Repeating`);
  } finally {
    await context.setOffline(false);
    server.close();
    rmSync(copy, { recursive: true, force: true });
  }
});
