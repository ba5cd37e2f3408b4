// Serves a folder on 127.0.0.1, as a static host would: the page as the
// build makes it (build/wasm/wasm/page), or a test's bundle. Browsers load
// modules and service workers only over HTTP, not from a file:// page.
//   node serve.mjs DIR [PORT]      (PORT 0: any free port)
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { fileURLToPath } from "node:url";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".mjs": "text/javascript",
  ".json": "application/json", ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml",
  ".wasm": "application/wasm", ".css": "text/css", ".png": "image/png",
};

export function serve(dir, port = 0) {
  const server = createServer(async (request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    } catch {
      response.writeHead(400).end();  // a malformed address: refused, the server goes on
      return;
    }
    if (path.endsWith("/")) path += "index.html";
    const file = join(dir, normalize(path).replace(/^(\.\.[/\\])+/, ""));
    try {
      const body = await readFile(file);
      response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8080));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
