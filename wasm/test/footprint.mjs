// The module imports nothing and stays within its size budget.
//   node footprint.mjs aiconverter.wasm BUDGET_BYTES
import { readFileSync } from "node:fs";
import { gzipSync } from "node:zlib";

const [file, budget] = process.argv.slice(2);
const bytes = readFileSync(file);
const module = new WebAssembly.Module(bytes);
const imports = WebAssembly.Module.imports(module);
const exports = WebAssembly.Module.exports(module).map((e) => e.name);
console.log(`${file}: ${bytes.length} bytes (budget ${budget}), ${gzipSync(bytes, { level: 9 }).length} gzipped`);
console.log(`imports: ${imports.length ? imports.map((i) => `${i.module}.${i.name}`).join(", ") : "none"}`);
console.log(`exports: ${exports.join(", ")}`);
let failed = false;
if (imports.length) {
  console.error("FAIL: the module imports something");
  failed = true;
}
if (bytes.length > Number(budget)) {
  console.error(`FAIL: ${bytes.length} bytes is over the budget of ${budget}`);
  failed = true;
}
process.exit(failed ? 1 : 0);
