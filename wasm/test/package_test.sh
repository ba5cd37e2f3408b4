#!/bin/sh
# The npm package as a user gets it: npm pack, then npm install of the
# tarball into a scratch project (no registry needed), then a script there
# that imports it by name and checks answers and the installed files (the
# types are checked by TypeScript in bundlers.mjs).
#   package_test.sh PACKAGE_DIR WORK_DIR
set -eu
package=$1
work=$2
rm -rf "$work"
mkdir -p "$work/project"
tarball=$(cd "$work" && npm pack --silent "$package")
cd "$work/project"
printf '{ "name": "scratch", "private": true, "type": "module" }\n' > package.json
npm install --silent --no-audit --no-fund --offline "../$tarball"
cat > check.mjs <<'CHECK'
import { convert, unitsByCategory } from "aiconverter";
import { readFileSync } from "node:fs";
const expect = (query, answer) => {
  const got = convert(query);
  if (got !== answer) { console.error(`${query}: ${got}, expected ${answer}`); process.exit(1); }
};
expect("10 km to mi", "10 km -> 6.213712 mi");
expect("2.5 kg to lb", "2.5 kg -> 5.511557 lb");
expect("5 kg to µg", "ERROR: could not parse units or arrow");
const units = unitsByCategory();
if (units.length !== 12 || units[0].category !== "length") { console.error("unit list", units); process.exit(1); }
const pkg = JSON.parse(readFileSync("node_modules/aiconverter/package.json", "utf8"));
for (const file of ["aiconverter.d.ts", "aiconverter.wasm", "README.md", "LICENSE"]) readFileSync(`node_modules/aiconverter/${file}`);
console.log(`aiconverter ${pkg.version} installed from ${process.argv[2]} answers`);
CHECK
node check.mjs "$tarball"
