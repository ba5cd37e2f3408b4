// How a test that cannot run says so: "skipped: REASON" on its output, the
// reason also in AICONV_SKIP_DIR (which ctest prints after the run, as the
// other builds print theirs), and exit status 77, which ctest counts as
// skipped.
import { mkdirSync, writeFileSync } from "node:fs";
import { basename, join } from "node:path";

export function skip(reason) {
  console.log(`skipped: ${reason}`);
  if (process.env.AICONV_SKIP_DIR) {
    mkdirSync(process.env.AICONV_SKIP_DIR, { recursive: true });
    const test = basename(process.argv[1], ".mjs");
    writeFileSync(join(process.env.AICONV_SKIP_DIR, `${test}.skip`), `skipped ${test}: ${reason}\n`);
  }
  process.exit(77);
}

// The test tools (bundlers, puppeteer-core) need a newer Node.js than the
// package does.
const [major, minor] = process.versions.node.split(".").map(Number);
export const TOOLS_NODE_OK = major > 20 || (major === 20 && minor >= 19);

export function requireToolsNode() {
  if (!TOOLS_NODE_OK) {
    skip(`the test tools need Node.js 20.19 or later; this is ${process.version} (Debian 12 has 18: install a newer Node.js)`);
  }
}
