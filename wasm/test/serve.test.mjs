// The page's server refuses a malformed address and goes on serving.
import { test } from "node:test";
import assert from "node:assert/strict";
import { request } from "node:http";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve } from "../page/serve.mjs";

function status(port, path) {
  return new Promise((resolve, reject) => {
    request({ host: "127.0.0.1", port, path }, (response) => {
      response.resume();
      resolve(response.statusCode);
    }).on("error", reject).end();
  });
}

test("a malformed address answers 400, the next request is served", async () => {
  const dir = mkdtempSync(join(tmpdir(), "aiconv-serve-"));
  writeFileSync(join(dir, "index.html"), "<!doctype html>");
  const server = await serve(dir);
  try {
    const { port } = server.address();
    assert.equal(await status(port, "/%E0%A4%A"), 400);
    assert.equal(await status(port, "/"), 200);
    assert.equal(await status(port, "/missing.js"), 404);
  } finally {
    server.close();
  }
});
