// Serves the browser edition's site on the loopback address, with the media
// types a browser needs for WebAssembly, modules and the manifest.
//   node scripts/serve-web.mjs [SITE_DIR] [PORT]   (build/web/site, 8080)
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, resolve, sep } from "node:path";

const site = resolve(process.argv[2] || "build/web/site");
const port = Number(process.argv[3] || 8080);
const types = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
  ".svg": "image/svg+xml",
};

createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
  const file = normalize(join(site, path.endsWith("/") ? `${path}index.html` : path));
  if (!file.startsWith(site + sep)) {
    response.writeHead(403).end();
    return;
  }
  try {
    const body = await readFile(file);
    response.writeHead(200, { "Content-Type": types[extname(file)] || "application/octet-stream",
                              "Cache-Control": "no-cache" });
    response.end(body);
  } catch {
    response.writeHead(404, { "Content-Type": "text/plain" }).end("Not found\n");
  }
}).on("error", (error) => {
  // Most often the port is taken, by another server or an earlier run.
  console.error(`Cannot serve on http://127.0.0.1:${port}/: ${error.message}; give another port (PORT=... with make run-web)`);
  process.exit(1);
}).listen(port, "127.0.0.1", function () {
  console.log(`Serving ${site} at http://127.0.0.1:${this.address().port}/ (Ctrl+C stops it)`);
});
