// The browser suite: Debian's Chromium, headless, against the built site
// served on the loopback address by scripts/serve-web.mjs.
import { execFileSync } from "node:child_process";
import { defineConfig } from "@playwright/test";

// A port no other program holds, unless one is given: the runner and its
// workers each read this file, so the first to choose passes its choice on.
process.env.NUMBREL_TEST_PORT ||= execFileSync(process.execPath, ["-e", `
  const server = require("node:net").createServer().listen(0, "127.0.0.1", () => {
    process.stdout.write(String(server.address().port));
    server.close();
  });`], { encoding: "utf8" });
const port = Number(process.env.NUMBREL_TEST_PORT);
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
