// AIConverter in WebAssembly: convert("10 km to mi") answers
// "10 km -> 6.213712 mi", or a line that begins with "ERROR: ".
//
// The module's bytes are inlined below, so that every bundler, Web Worker
// and CommonJS loader finds them with no asset handling and no platform
// import; their size and checksum, written when the package was built,
// catch a damaged copy. Node.js and workers compile them as this file
// loads: convert() is ready at once. A browser's main thread compiles a
// module of this size only asynchronously: there `ready` resolves when
// convert() is, and a call before that answers an error line.
//
// The text reaches the engine as the Linux library's does: narrowed to
// Windows-1252 (any other character, lone surrogates and characters above
// U+FFFF included, becomes "?"), ending at the first U+0000, cut to its
// first 999 bytes. No dependency at run time.

const QUERY_LIMIT = 999;
const NOT_READY = "ERROR: not ready: await ready before the first convert";

// Windows-1252 bytes 0x80-0x9F; the rest of it is Latin-1.
const HIGH_CONTROLS = [
  0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008d,
  0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a,
  0x0153, 0x009d, 0x017e, 0x0178,
];
const HIGH_BYTE = new Map(HIGH_CONTROLS.map((c, i) => [c, 0x80 + i]));

const WASM_BASE64 = "@WASM_BASE64@";
const WASM_SIZE = @WASM_SIZE@;
const WASM_CHECKSUM = @WASM_CHECKSUM@;  // FNV-1a, 32 bits

function wasmBytes() {
  // atob is in every browser, worker and Node.js the package supports: no
  // Node.js built-in is named, which bundlers would otherwise polyfill.
  let text = "";
  try {
    text = atob(WASM_BASE64);
  } catch {
    // not base64 at all: reported below as damaged
  }
  const bytes = new Uint8Array(text.length);
  let hash = 0x811c9dc5;
  for (let i = 0; i < text.length; i++) {
    bytes[i] = text.charCodeAt(i);
    hash = Math.imul(hash ^ bytes[i], 0x01000193) >>> 0;
  }
  if (bytes.length !== WASM_SIZE || hash !== WASM_CHECKSUM) {
    throw new Error(`aiconverter: its aiconverter.wasm is damaged (${bytes.length} bytes, checksum ${hash.toString(16)}; ` +
                    `built as ${WASM_SIZE} bytes, checksum ${WASM_CHECKSUM.toString(16)}): install the package again`);
  }
  return bytes;
}

let engine = null;
let queryBuffer = 0;
let memory = null;

function attach(instance) {
  engine = instance.exports;
  queryBuffer = engine.aiconv_query_buffer();
  memory = new Uint8Array(engine.memory.buffer);
}

// The engine allocates nothing, but a view is made anew should the memory
// ever be replaced (grown) all the same.
function view() {
  if (memory.buffer !== engine.memory.buffer) memory = new Uint8Array(engine.memory.buffer);
  return memory;
}

function text(pointer) {
  const bytes = view();
  let s = "";
  for (let i = pointer; bytes[i] !== 0; i++) s += String.fromCharCode(bytes[i]);  // answers are ASCII
  return s;
}

const bytes = wasmBytes();
let ready;
try {
  attach(new WebAssembly.Instance(new WebAssembly.Module(bytes), {}));
  ready = Promise.resolve();
} catch (error) {
  // Chromium's main thread: modules over 4 KiB compile asynchronously only.
  if (!(error instanceof RangeError)) throw error;
  ready = WebAssembly.instantiate(bytes, {}).then((result) => attach(result.instance));
}

/**
 * Converts one query and returns the answer line. `null` or `undefined`
 * answer "ERROR: null input", as a null pointer does.
 * @param {string | null | undefined} query
 * @returns {string}
 */
function convert(query) {
  if (engine === null) return NOT_READY;
  if (query === null || query === undefined) return text(engine.aiconv_convert_null());
  const s = String(query);
  const bytes = view();
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
    bytes[queryBuffer + n++] = c;
  }
  return text(engine.aiconv_convert(n));
}

/**
 * The units the engine knows, by category, in the table's order; empty
 * until `ready`.
 * @returns {{ category: string, units: string[] }[]}
 */
function unitsByCategory() {
  if (engine === null) return [];
  const categories = new Map();
  for (let row = 0; row < engine.aiconv_unit_count(); row++) {
    const category = text(engine.aiconv_unit_category(row));
    if (!categories.has(category)) categories.set(category, []);
    categories.get(category).push(text(engine.aiconv_unit_name(row)));
  }
  return [...categories].map(([category, units]) => ({ category, units }));
}
