// Serves the page with the package's module on 127.0.0.1, the way a person
// tries it without installing anything (browsers load a .wasm only over
// HTTP, not from a file:// page).
//   node serve.mjs PACKAGE_DIR [PORT]      (PORT 0: any free port)
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join } from "node:path";
import { fileURLToPath } from "node:url";

const types = { ".html": "text/html; charset=utf-8", ".mjs": "text/javascript", ".wasm": "application/wasm" };

export function serve(packageDir, port = 0) {
  const pageDir = fileURLToPath(new URL(".", import.meta.url));
  const files = {
    "/": join(pageDir, "index.html"),
    "/aiconverter.mjs": join(packageDir, "aiconverter.mjs"),
    "/aiconverter.wasm": join(packageDir, "aiconverter.wasm"),
  };
  const server = createServer(async (request, response) => {
    const file = files[new URL(request.url, "http://localhost").pathname];
    if (!file) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream" });
    response.end(await readFile(file));
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8080));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
