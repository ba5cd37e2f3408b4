// Time per whole line, in one Node.js process: convert() from the
// WebAssembly package; the engine's own export call beneath it (the query's
// bytes already in its buffer, no answer string made: what convert() adds
// is the rest); and line converters built on the JavaScript converters
// projects use (convert-units, js-quantities, mathjs): split the line,
// parseFloat, convert, format with toFixed. The same twelve everyday
// conversions for each; rounds interleave them, and each figure is the
// best round.
//   node wasm/bench/bench.mjs build/wasm/wasm/npm [ROUNDS]   (after npm ci in wasm/test/)
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";

// The peers are among the test tools (wasm/test/package.json).
const tools = createRequire(new URL("../test/package.json", import.meta.url));
const convertUnits = tools("convert-units");
const Qty = tools("js-quantities");
const math = tools("mathjs");

const packageDir = process.argv[2] ?? "build/wasm/wasm/npm";
const rounds = Number(process.argv[3] ?? 7);
const { convert } = await import(pathToFileURL(`${packageDir}/aiconverter.mjs`));

const lines = ["10 km to mi", "2.5 kg to lb", "72 f to c", "1 gal to l", "100 m to ft", "5 mi to km",
               "3 l to ml", "1 h to min", "60 mph to km/h", "20 c to f", "500 g to oz", "0 k to c"];

// Our unit names and each peer's for the same units.
const names = {
  "convert-units": { km: "km", mi: "mi", kg: "kg", lb: "lb", c: "C", f: "F", k: "K", l: "l", ml: "ml", gal: "gal",
                     m: "m", ft: "ft", h: "h", min: "min", mph: "m/h", "km/h": "km/h", g: "g", oz: "oz" },
  "js-quantities": { km: "km", mi: "mi", kg: "kg", lb: "lb", c: "tempC", f: "tempF", k: "tempK", l: "l", ml: "ml",
                     gal: "gal", m: "m", ft: "ft", h: "h", min: "min", mph: "mph", "km/h": "km/h", g: "g", oz: "oz" },
  mathjs: { km: "km", mi: "mi", kg: "kg", lb: "lbm", c: "degC", f: "degF", k: "K", l: "l", ml: "ml", gal: "gal",
            m: "m", ft: "ft", h: "h", min: "min", mph: "mi/h", "km/h": "km/h", g: "g", oz: "oz" },
};
const peers = {
  "convert-units": (value, from, to) => convertUnits(value).from(from).to(to),
  "js-quantities": (value, from, to) => Qty(`${value} ${from}`).to(to).scalar,
  mathjs: (value, from, to) => math.unit(value, from).toNumber(to),
};
const lineConverter = (peer) => (line) => {
  const [number, from, , to] = line.split(" ");
  const result = peers[peer](parseFloat(number), names[peer][from], names[peer][to]);
  return `${number} ${from} -> ${Number(result.toFixed(6))} ${to}`;
};

// The engine's export call, on an instance of the package's own module.
const engine = new WebAssembly.Instance(new WebAssembly.Module(readFileSync(`${packageDir}/aiconverter.wasm`)), {}).exports;
const query = new Uint8Array(engine.memory.buffer, engine.aiconv_query_buffer(), 1000);

// ns per line over `repeat` passes of the twelve lines.
function time(fn, repeat) {
  let sink = 0;
  const start = process.hrtime.bigint();
  for (let i = 0; i < repeat; i++) for (const line of lines) sink += fn(line).length;
  const ns = Number(process.hrtime.bigint() - start) / (repeat * lines.length);
  return sink > 0 ? ns : NaN;
}
function timeExport(repeat) {
  let total = 0;
  for (const line of lines) {
    for (let i = 0; i < line.length; i++) query[i] = line.charCodeAt(i);
    let sink = 0;
    const start = process.hrtime.bigint();
    for (let i = 0; i < repeat; i++) sink += engine.aiconv_convert(line.length);
    total += Number(process.hrtime.bigint() - start);
    if (sink === 0) return NaN;
  }
  return total / (repeat * lines.length);
}

const contenders = [
  ["engine export call", () => timeExport(20000)],
  ["convert()", () => time(convert, 20000)],
  ...Object.keys(peers).map((peer) => [`${peer} line`, ((fn) => () => time(fn, 500))(lineConverter(peer))]),
];
const best = new Map(contenders.map(([name]) => [name, Infinity]));
for (const [, run] of contenders) run();  // warm up
for (let round = 0; round < rounds; round++) {
  for (const [name, run] of contenders) best.set(name, Math.min(best.get(name), run()));
}

const ours = best.get("convert()");
console.log(`ns per whole line, best of ${rounds} interleaved rounds (${lines.length} everyday lines)`);
for (const [name, ns] of best) {
  const ratio = name === "convert()" ? "" : name === "engine export call" ? `  convert() is ${(ours / ns).toFixed(2)}x this`
    : `  ${(ns / ours).toFixed(1)}x slower than convert()`;
  console.log(`${name.padStart(20)}: ${ns.toFixed(0).padStart(6)} ns${ratio}`);
}

// Where the answers differ: the peers compute in JavaScript doubles with
// their own factors; the engine gives the correctly rounded answer.
for (const peer of Object.keys(peers)) {
  const line = lineConverter(peer);
  for (const text of lines) {
    if (line(text) !== convert(text)) console.log(`  ${peer}: ${text}: "${line(text)}" (aiconverter "${convert(text)}")`);
  }
}
