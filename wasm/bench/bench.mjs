// Time per whole line: convert() from the WebAssembly package against a
// line converter built on convert-units (the JavaScript converter most
// projects use): split the line, parseFloat, convert, format with toFixed.
// Same everyday conversions, same process; prints the ratio.
//   node wasm/bench/bench.mjs build/wasm/wasm/npm      (after npm ci in wasm/test/)
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";

// convert-units is one of the test tools (wasm/test/package.json).
const units = createRequire(new URL("../test/package.json", import.meta.url))("convert-units");

const { convert } = await import(pathToFileURL(`${process.argv[2] ?? "build/wasm/wasm/npm"}/aiconverter.mjs`));

// Our unit names and convert-units' for the same units.
const names = { km: "km", mi: "mi", kg: "kg", lb: "lb", c: "C", f: "F", k: "K", l: "l", ml: "ml",
                gal: "gal", m: "m", ft: "ft", h: "h", min: "min", mph: "m/h", "km/h": "km/h", g: "g", oz: "oz" };
const lines = ["10 km to mi", "2.5 kg to lb", "72 f to c", "1 gal to l", "100 m to ft", "5 mi to km",
               "3 l to ml", "1 h to min", "60 mph to km/h", "20 c to f", "500 g to oz", "0 k to c"];

function convertUnitsLine(line) {
  const [number, from, , to] = line.split(" ");
  const value = parseFloat(number);
  const result = units(value).from(names[from]).to(names[to]);
  return `${number} ${from} -> ${Number(result.toFixed(6))} ${to}`;
}

function time(label, fn, rounds) {
  let sink = 0;
  for (let i = 0; i < 2000; i++) for (const line of lines) sink += fn(line).length;  // warm up
  let best = Infinity;
  for (let run = 0; run < 5; run++) {
    const start = process.hrtime.bigint();
    for (let i = 0; i < rounds; i++) for (const line of lines) sink += fn(line).length;
    const ns = Number(process.hrtime.bigint() - start) / (rounds * lines.length);
    best = Math.min(best, ns);
  }
  console.log(`${label}: ${best.toFixed(0)} ns per line (best of 5, ${rounds * lines.length} lines each)`);
  return sink > 0 ? best : NaN;
}

const ours = time("aiconverter (WebAssembly)", convert, 20000);
const theirs = time("convert-units line converter", convertUnitsLine, 20000);
console.log(`ratio: ${(theirs / ours).toFixed(1)}x faster per whole line`);

// Where the answers differ: convert-units computes in JavaScript doubles
// with its own factors; the engine gives the correctly rounded answer.
for (const line of lines) {
  const a = convert(line);
  const b = convertUnitsLine(line);
  if (a !== b) console.log(`  ${line}: aiconverter "${a}", convert-units "${b}"`);
}
