// Every query of the golden set answers what the native library answers.
// AICONV_NPM_DIR: the built package; AICONV_GOLDEN: the set.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";

const { convert } = await import(pathToFileURL(`${process.env.AICONV_NPM_DIR}/aiconverter.mjs`));
const rows = readFileSync(process.env.AICONV_GOLDEN, "utf8").split("\n").filter((line) => line.includes("\t"));

test(`the golden set (${rows.length} queries) answers as the native library`, () => {
  assert.ok(rows.length >= 2000, `only ${rows.length} rows`);
  const differ = [];
  for (const row of rows) {
    const tab = row.indexOf("\t");
    const query = row.slice(0, tab);
    const expected = row.slice(tab + 1);
    const answer = convert(query);
    if (answer !== expected) differ.push(`${JSON.stringify(query)}: ${JSON.stringify(answer)}, native ${JSON.stringify(expected)}`);
  }
  assert.deepEqual(differ.slice(0, 10), [], `${differ.length} answers differ`);
});

test("null and undefined answer as a null pointer does", () => {
  assert.equal(convert(null), "ERROR: null input");
  assert.equal(convert(undefined), "ERROR: null input");
});

// The answer string is made from the engine's bytes in pieces of up to 16
// characters: every answer length from the shortest to the longest must
// come through whole, as the bytes read one by one from an instance of the
// package's own module say.
test("answers of every length come through whole", async () => {
  const { readFileSync: read } = await import("node:fs");
  const engine = new WebAssembly.Instance(new WebAssembly.Module(read(`${process.env.AICONV_NPM_DIR}/aiconverter.wasm`)), {}).exports;
  const memory = new Uint8Array(engine.memory.buffer);
  const naive = (query) => {
    for (let i = 0; i < query.length; i++) memory[engine.aiconv_query_buffer() + i] = query.charCodeAt(i);
    const at = engine.aiconv_answer_buffer();
    const length = engine.aiconv_convert(query.length);
    let s = "";
    for (let i = 0; i < length; i++) s += String.fromCharCode(memory[at + i]);
    return s;
  };
  const lengths = new Set();
  for (const digits of ["1", "12", "123.5", "1234567", "123456789012", "1.234567890123456789", "12345678901234567890123"]) {
    for (const [from, to] of [["m", "cm"], ["kilometers", "centimeter"], ["fahrenheit", "kelvin"], ["b", "tb"], ["x", "m"]]) {
      for (const query of [`${digits} ${from} to ${to}`, `-${digits}e-300 ${from} -> ${to}`, `${digits}`]) {
        const answer = convert(query);
        assert.equal(answer, naive(query), query);
        lengths.add(answer.length);
      }
    }
  }
  assert.ok(Math.min(...lengths) <= 16 && Math.max(...lengths) > 32, `answer lengths ${[...lengths].sort((a, b) => a - b)}`);
});
