// Makes the npm package's modules and the page from the linked .wasm: its
// bytes inlined (base64) with their size and checksum into the ES module
// and the CommonJS module, both from src/aiconverter.js; the page's files
// with the build's version (so that a deployed page updates its offline
// copy), the unit descriptions of engine/unit_words.h and the notes module;
// the JavaScript narrowing takes its Windows-1252 table from the module's.
//   node make_package.mjs WASM VERSION UNIT_WORDS_H NPM_DIR PAGE_DIR NOTES_WASM WINDOWS_1252_H
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { iconFiles } from "./page/icons.mjs";

const [wasmFile, version, unitWords, npmDir, pageDir, notesFile, windows1252] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));

const fnv1a = (bytes, hash = 0x811c9dc5) => {
  for (const byte of bytes) hash = Math.imul(hash ^ byte, 0x01000193) >>> 0;
  return hash;
};
const wasm = readFileSync(wasmFile);
const checksum = fnv1a(wasm);
const highControls = readFileSync(windows1252, "utf8").match(/HIGH_CONTROLS((?:\s|\\|,|0x[0-9A-Fa-f]{4})+)/)[1]
  .match(/0x[0-9A-Fa-f]{4}/g);
if (highControls.length !== 32) throw new Error(`${windows1252}: ${highControls.length} characters for bytes 0x80-0x9F`);
const body = readFileSync(join(here, "src/aiconverter.js"), "utf8")
  .replace("@WINDOWS_1252_HIGH_CONTROLS@", highControls.map((c) => c.toLowerCase()).join(", "))
  .replace("@WASM_BASE64@", wasm.toString("base64"))
  .replace("@WASM_SIZE@", String(wasm.length))
  .replace("@WASM_CHECKSUM@", `0x${checksum.toString(16).padStart(8, "0")}`);
const names = "convert, unitsByCategory, ready";
mkdirSync(npmDir, { recursive: true });
writeFileSync(join(npmDir, "aiconverter.mjs"), `${body}\nexport { ${names} };\n`);
writeFileSync(join(npmDir, "aiconverter.cjs"), `"use strict";\n${body}\nmodule.exports = { ${names} };\n`);
copyFileSync(join(here, "src/aiconverter.d.ts"), join(npmDir, "aiconverter.d.ts"));
copyFileSync(join(here, "src/aiconverter.d.ts"), join(npmDir, "aiconverter.d.cts"));

// The page: what a static host serves, the module beside it.
const words = {};
for (const [, name, text] of readFileSync(unitWords, "utf8").matchAll(/\{"([^"]+)", "([^"]+)"\}/g)) words[name] = text;
mkdirSync(pageDir, { recursive: true });
const notes = readFileSync(notesFile);
const build = `${version}-${checksum.toString(16)}-${fnv1a(notes).toString(16)}`;
for (const file of ["index.html", "sw.js", "manifest.webmanifest"]) {
  writeFileSync(join(pageDir, file), readFileSync(join(here, "page", file), "utf8").replaceAll("@BUILD@", build));
}
writeFileSync(join(pageDir, "units.json"), JSON.stringify(words));
copyFileSync(join(npmDir, "aiconverter.mjs"), join(pageDir, "aiconverter.mjs"));
writeFileSync(join(pageDir, "notes.wasm"), notes);
for (const [file, contents] of Object.entries(iconFiles())) writeFileSync(join(pageDir, file), contents);
console.log(`package and page: ${wasm.length} bytes of WebAssembly, checksum ${checksum.toString(16)}, build ${build}`);
