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
