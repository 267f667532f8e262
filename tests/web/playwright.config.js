// The browser suite: Debian's Chromium, headless, against the built site
// served on the loopback address by scripts/serve-web.mjs.
import { defineConfig } from "@playwright/test";

const port = Number(process.env.NUMBREL_TEST_PORT || 8417);
const site = process.env.NUMBREL_SITE || "../../build/web/site";

export default defineConfig({
  testDir: ".",
  testMatch: "*.test.js",
  reporter: "list",
  workers: 1,
  timeout: 60_000,
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    browserName: "chromium",
    launchOptions: { executablePath: "/usr/bin/chromium", args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update",
                                                                "--disable-sync", "--disable-quic", "--no-first-run"] },
  },
  webServer: {
    command: `node ../../scripts/serve-web.mjs "${site}" ${port}`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    stdout: "ignore",
  },
});
