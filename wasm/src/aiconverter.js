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

// Windows-1252 bytes 0x80-0x9F (from the module's module/windows_1252.h);
// the rest of it is Latin-1.
const HIGH_CONTROLS = [@WINDOWS_1252_HIGH_CONTROLS@];
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
let convertQuery = null;  // the engine's export, looked up once
let queryBuffer = 0;
let answerBuffer = 0;
let memory = null;

function attach(instance) {
  engine = instance.exports;
  convertQuery = engine.aiconv_convert;
  queryBuffer = engine.aiconv_query_buffer();
  answerBuffer = engine.aiconv_answer_buffer();
  memory = new Uint8Array(engine.memory.buffer);
}

// The engine allocates nothing, but a view is made anew should the memory
// ever be replaced (grown) all the same: the old buffer is then detached,
// and a view of it has no bytes.
function view() {
  if (memory.length === 0) memory = new Uint8Array(engine.memory.buffer);
  return memory;
}

// The ASCII bytes [from, end) as a string. String.fromCharCode makes a
// string of many characters at once, where one made a character at a time
// is copied again with each: sixteen a call, and the rest in one call of
// their own count (16 at most).
const fromCodes = String.fromCharCode;
function codes(b, i, count) {
  switch (count) {
    case 0: return "";
    case 1: return fromCodes(b[i]);
    case 2: return fromCodes(b[i], b[i + 1]);
    case 3: return fromCodes(b[i], b[i + 1], b[i + 2]);
    case 4: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3]);
    case 5: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4]);
    case 6: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5]);
    case 7: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6]);
    case 8: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7]);
    case 9: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8]);
    case 10: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                           b[i + 9]);
    case 11: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                           b[i + 9], b[i + 10]);
    case 12: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                           b[i + 9], b[i + 10], b[i + 11]);
    case 13: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                           b[i + 9], b[i + 10], b[i + 11], b[i + 12]);
    case 14: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                           b[i + 9], b[i + 10], b[i + 11], b[i + 12], b[i + 13]);
    case 15: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                           b[i + 9], b[i + 10], b[i + 11], b[i + 12], b[i + 13], b[i + 14]);
    default: return fromCodes(b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 6], b[i + 7], b[i + 8],
                         b[i + 9], b[i + 10], b[i + 11], b[i + 12], b[i + 13], b[i + 14], b[i + 15]);
  }
}
function text(bytes, from, end) {
  const count = end - from;
  if (count <= 16) return codes(bytes, from, count);
  if (count <= 32) return codes(bytes, from, 16) + codes(bytes, from + 16, count - 16);
  let s = "";
  let i = from;
  for (; i + 16 <= end; i += 16) s += codes(bytes, i, 16);
  return s + codes(bytes, i, end - i);
}
function cString(bytes, pointer) {
  let end = pointer;
  while (bytes[end] !== 0) end++;
  return text(bytes, pointer, end);
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
  const bytes = view();
  if (query === null || query === undefined) return text(bytes, answerBuffer, answerBuffer + engine.aiconv_convert_null());
  const s = typeof query === "string" ? query : String(query);
  const length = s.length;
  let n = 0;
  for (let i = 0; i < length && n < QUERY_LIMIT; i++) {
    let c = s.charCodeAt(i);
    if (c === 0) break;
    if (c >= 0x80 && !(c >= 0xa0 && c <= 0xff)) {
      // A surrogate pair is one character above U+FFFF: one "?".
      if (c >= 0xd800 && c <= 0xdbff && i + 1 < length) {
        const next = s.charCodeAt(i + 1);
        if (next >= 0xdc00 && next <= 0xdfff) i++;
      }
      c = HIGH_BYTE.get(c) ?? 0x3f;
    }
    bytes[queryBuffer + n++] = c;
  }
  return text(bytes, answerBuffer, answerBuffer + convertQuery(n));
}

/**
 * The units the engine knows, by category, in the table's order; empty
 * until `ready`.
 * @returns {{ category: string, units: string[] }[]}
 */
function unitsByCategory() {
  if (engine === null) return [];
  const bytes = view();
  const categories = new Map();
  for (let row = 0; row < engine.aiconv_unit_count(); row++) {
    const category = cString(bytes, engine.aiconv_unit_category(row));
    if (!categories.has(category)) categories.set(category, []);
    categories.get(category).push(cString(bytes, engine.aiconv_unit_name(row)));
  }
  return [...categories].map(([category, units]) => ({ category, units }));
}
