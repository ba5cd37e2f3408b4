// The package refuses a damaged module with a message that names it: every
// one of 200 single-bit flips in the inlined .wasm, and a cut copy; and it
// names no Node.js built-in, which a bundler would polyfill into a page.
// AICONV_NPM_DIR: the built package.
import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const source = readFileSync(join(process.env.AICONV_NPM_DIR, "aiconverter.mjs"), "utf8");
const encoded = source.match(/const WASM_BASE64 = "([^"]+)"/)[1];
const wasm = Buffer.from(encoded, "base64");
const dir = mkdtempSync(join(tmpdir(), "aiconv-integrity-"));
let made = 0;

async function load(bytes) {
  const file = join(dir, `copy-${made++}.mjs`);
  writeFileSync(file, source.replace(encoded, bytes.toString("base64")));
  return import(pathToFileURL(file));
}

test("the intact copy loads and answers", async () => {
  assert.equal((await load(wasm)).convert("10 km to mi"), "10 km -> 6.213712 mi");
});

test("200 single-bit flips are each refused, naming aiconverter.wasm", async () => {
  for (let i = 0; i < 200; i++) {
    const bit = Math.floor(((i + 0.5) / 200) * wasm.length * 8);
    const damaged = Buffer.from(wasm);
    damaged[bit >> 3] ^= 1 << (bit & 7);
    await assert.rejects(load(damaged), /aiconverter\.wasm is damaged/, `bit ${bit}`);
  }
});

test("a cut copy is refused", async () => {
  await assert.rejects(load(wasm.subarray(0, wasm.length - 100)), /aiconverter\.wasm is damaged/);
});

test("both modules name no Node.js built-in", () => {
  for (const file of ["aiconverter.mjs", "aiconverter.cjs"]) {
    const code = readFileSync(join(process.env.AICONV_NPM_DIR, file), "utf8").replace(encoded, "");
    assert.doesNotMatch(code, /\b(Buffer|process|require|global|__dirname|setImmediate)\b|node:/, file);
  }
});
