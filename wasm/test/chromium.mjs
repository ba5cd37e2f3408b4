// Debian's Chromium, headless, driven by puppeteer-core, for the tests
// that load pages; null (the test then reports itself skipped) where either
// is missing.
import { existsSync, mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

export const CHROMIUM = "/usr/bin/chromium";

export async function launchChromium() {
  let puppeteer;
  try {
    puppeteer = (await import("puppeteer-core")).default;
  } catch {
    console.log("skipped: puppeteer-core is not installed (run npm ci in wasm/test/)");
    return null;
  }
  if (!existsSync(CHROMIUM)) {
    console.log(`skipped: no ${CHROMIUM} (Debian package chromium)`);
    return null;
  }
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: "new",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync",
           `--user-data-dir=${mkdtempSync(join(tmpdir(), "aiconv-chromium-"))}`],
  });
}
