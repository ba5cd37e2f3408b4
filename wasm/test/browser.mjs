// The page in headless Chromium (Debian's), driven by puppeteer-core: typing
// a query shows its answer, a misspelt unit shows the error line; a
// screenshot is saved. Exits 77 (skipped) where Chromium or puppeteer-core
// (npm ci in wasm/) is missing.
//   node browser.mjs PACKAGE_DIR PAGE_DIR SCREENSHOT.png
import { existsSync } from "node:fs";
import { serve } from "../page/serve.mjs";

const [packageDir, , screenshot] = process.argv.slice(2);
const chromium = "/usr/bin/chromium";
let puppeteer;
try {
  puppeteer = (await import("puppeteer-core")).default;
} catch {
  console.log("skipped: puppeteer-core is not installed (run npm ci in wasm/)");
  process.exit(77);
}
if (!existsSync(chromium)) {
  console.log(`skipped: no ${chromium} (Debian package chromium)`);
  process.exit(77);
}

const server = await serve(packageDir);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: "new",
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--user-data-dir=" + (await import("node:os")).tmpdir() +
         "/aiconv-chromium-" + process.pid],
});
let failed = false;
try {
  const page = await browser.newPage();
  page.on("pageerror", (error) => { console.error("page error:", error.message); failed = true; });
  await page.goto(url);
  const answer = async () => page.$eval("#answer", (e) => e.textContent);
  const typeQuery = async (text) => {
    await page.click("#query", { clickCount: 3 });
    await page.keyboard.press("Backspace");
    await page.type("#query", text);
  };
  const expect = async (query, expected) => {
    await typeQuery(query);
    await page.waitForFunction((e) => document.querySelector("#answer").textContent === e, { timeout: 5000 }, expected)
      .catch(() => {});
    const got = await answer();
    console.log(`typed ${JSON.stringify(query)}, the page shows ${JSON.stringify(got)}`);
    if (got !== expected) { console.error(`  expected ${JSON.stringify(expected)}`); failed = true; }
  };
  await expect("10 km to mi", "10 km -> 6.213712 mi");
  await expect("10 km to mliles", "ERROR: could not parse units or arrow");
  const categories = await page.$$eval("#units dt", (list) => list.map((e) => e.textContent));
  if (categories.length !== 12) { console.error(`the unit list shows ${categories.length} categories`); failed = true; }
  await typeQuery("72 fahrenheit -> c");
  await page.screenshot({ path: screenshot });
  console.log(`screenshot: ${screenshot}`);
} finally {
  await browser.close();
  server.close();
}
process.exit(failed ? 1 : 0);
