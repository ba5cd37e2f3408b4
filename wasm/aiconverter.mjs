// AIConverter in WebAssembly: convert("10 km to mi") answers
// "10 km -> 6.213712 mi", or a line that begins with "ERROR: ".
//
// The module loads its .wasm when it is imported (top-level await), so
// convert() is ready, and synchronous, as soon as the import is: from the
// package's folder in Node.js, by fetch() beside this file in browsers.
//
// The text reaches the engine as the Linux library's does: narrowed to
// Windows-1252 (any other character, lone surrogates and characters above
// U+FFFF included, becomes "?"), ending at the first U+0000, cut to its
// first 999 bytes. No dependency at run time.

const QUERY_LIMIT = 999;

// Windows-1252 bytes 0x80-0x9F; the rest of it is Latin-1.
const HIGH_CONTROLS = [
  0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008d,
  0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a,
  0x0153, 0x009d, 0x017e, 0x0178,
];
const HIGH_BYTE = new Map(HIGH_CONTROLS.map((c, i) => [c, 0x80 + i]));

async function load() {
  const url = new URL("./aiconverter.wasm", import.meta.url);
  if (typeof process !== "undefined" && process.versions && process.versions.node) {
    const { readFile } = await import("node:fs/promises");
    return (await WebAssembly.instantiate(await readFile(url), {})).instance;
  }
  return (await WebAssembly.instantiateStreaming(fetch(url), {})).instance;
}

const engine = (await load()).exports;
const queryBuffer = engine.aiconv_query_buffer();
// The engine allocates nothing, so its memory never grows and one view of
// it serves every call.
let memory = new Uint8Array(engine.memory.buffer);
function bytes() {
  if (memory.buffer !== engine.memory.buffer) memory = new Uint8Array(engine.memory.buffer);
  return memory;
}

function text(pointer) {
  const view = bytes();
  let s = "";
  for (let i = pointer; view[i] !== 0; i++) s += String.fromCharCode(view[i]);  // answers are ASCII
  return s;
}

/**
 * Converts one query and returns the answer line. `null` or `undefined`
 * answer "ERROR: null input", as a null pointer does.
 * @param {string | null | undefined} query
 * @returns {string}
 */
export function convert(query) {
  if (query === null || query === undefined) return text(engine.aiconv_convert_null());
  const s = String(query);
  const view = bytes();
  let n = 0;
  for (let i = 0; i < s.length && n < QUERY_LIMIT; i++) {
    let c = s.charCodeAt(i);
    if (c === 0) break;
    if (c >= 0x80 && !(c >= 0xa0 && c <= 0xff)) {
      // A surrogate pair is one character above U+FFFF: one "?".
      if (c >= 0xd800 && c <= 0xdbff && i + 1 < s.length) {
        const next = s.charCodeAt(i + 1);
        if (next >= 0xdc00 && next <= 0xdfff) i++;
      }
      c = HIGH_BYTE.get(c) ?? 0x3f;
    }
    view[queryBuffer + n++] = c;
  }
  return text(engine.aiconv_convert(n));
}

/**
 * The units the engine knows, by category, in the table's order.
 * @returns {{ category: string, units: string[] }[]}
 */
export function unitsByCategory() {
  const categories = new Map();
  for (let row = 0; row < engine.aiconv_unit_count(); row++) {
    const category = text(engine.aiconv_unit_category(row));
    if (!categories.has(category)) categories.set(category, []);
    categories.get(category).push(text(engine.aiconv_unit_name(row)));
  }
  return [...categories].map(([category, units]) => ({ category, units }));
}
