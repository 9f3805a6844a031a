// Serves a folder on 127.0.0.1 as a static web server would, with the types a browser needs for
// the web page (WebAssembly, the app manifest). Run as a command, it prints the address:
//   node tools/serve_site.mjs FOLDER [PORT]
// Imported, startServer(folder, port) resolves to { server, url }.
import { createReadStream, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize, sep } from "node:path";
import { fileURLToPath } from "node:url";

const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".json": "application/json",
  ".png": "image/png",
  ".svg": "image/svg+xml",
};

export function startServer(folder, port = 0) {
  const root = normalize(folder) + sep;
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    if (path.endsWith("/")) path += "index.html";
    const file = normalize(join(root, path));
    let found = false;
    try {
      found = file.startsWith(root) && statSync(file).isFile();
    } catch {
      found = false;
    }
    if (!found || (request.method !== "GET" && request.method !== "HEAD")) {
      response.writeHead(found ? 405 : 404, { "content-type": "text/plain" });
      response.end(found ? "method not allowed" : "not found");
      return;
    }
    response.writeHead(200, {
      "content-type": TYPES[extname(file)] ?? "application/octet-stream",
      "cache-control": "no-cache",
      "x-content-type-options": "nosniff",
    });
    if (request.method === "HEAD") {
      response.end();
      return;
    }
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", () => {
      resolve({ server, url: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error("usage: node tools/serve_site.mjs FOLDER [PORT]");
    process.exit(2);
  }
  const { url } = await startServer(folder, Number(port ?? 0));
  console.log(`Vesmarot's web edition: ${url}  (Ctrl+C stops it)`);
}
