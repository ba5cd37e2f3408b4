// Debian's Chromium, headless, driven by puppeteer-core, for the tests
// that load pages; the test is reported skipped, saying why, where either
// is missing or Node.js is too old for puppeteer-core.
import { existsSync, mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { requireToolsNode, skip } from "./skip.mjs";

export const CHROMIUM = "/usr/bin/chromium";

// Null, with the reason printed, where Chromium cannot be had; with
// `required`, the test is skipped there instead.
export async function launchChromium(required = false) {
  const missing = (reason) => {
    if (required) skip(reason);
    console.log(`not loaded in Chromium: ${reason}`);
    return null;
  };
  if (required) requireToolsNode();
  let puppeteer;
  try {
    puppeteer = (await import("puppeteer-core")).default;
  } catch {
    return missing("puppeteer-core is not installed (run npm ci in wasm/test/)");
  }
  if (!existsSync(CHROMIUM)) return missing(`no ${CHROMIUM} (Debian package chromium)`);
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: "new",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync",
           `--user-data-dir=${mkdtempSync(join(tmpdir(), "aiconv-chromium-"))}`],
  });
}
