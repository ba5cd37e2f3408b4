// The page as a person keeps it, in headless Chromium: it answers as one
// types; its live region announces the settled answer only; the unit list
// says what each unit is and filters; an accessibility audit (axe-core)
// finds nothing; after the first visit it answers offline. Saves
// screenshots at a phone's and a desktop's width. Skipped, saying why, where
// Chromium or the test's npm packages (npm ci in wasm/test/) are missing.
//   node browser.mjs PAGE_DIR SCREENSHOT_PREFIX
import { createRequire } from "node:module";
import { launchChromium } from "./chromium.mjs";
import { serve } from "../page/serve.mjs";

const [pageDir, screenshots] = process.argv.slice(2);
const browser = await launchChromium(true);
const server = await serve(pageDir);
const url = `http://127.0.0.1:${server.address().port}/`;
let failed = false;
const fail = (message) => { console.error(`FAIL: ${message}`); failed = true; };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  page.on("pageerror", (error) => fail(`page error: ${error.message}`));
  page.on("response", (response) => { if (response.status() >= 400) fail(`${response.status()} for ${response.url()}`); });
  await page.goto(url);
  const answer = () => page.$eval("#answer", (e) => e.textContent);
  const waitForAnswer = (text) =>
    page.waitForFunction((t) => document.querySelector("#answer").textContent === t, { timeout: 5000 }, text)
      .catch(() => {});
  const retype = async (text, delay) => {
    await page.click("#query", { clickCount: 3 });
    await page.keyboard.press("Backspace");
    await page.type("#query", text, { delay });
  };

  await waitForAnswer("10 km -> 6.213712 mi");
  if ((await answer()) !== "10 km -> 6.213712 mi") fail(`the first answer is ${JSON.stringify(await answer())}`);

  // One live region on the page, so that nothing else is read out as it
  // changes (an <output> is one unless told otherwise).
  const { nodes } = await (await page.createCDPSession()).send("Accessibility.getFullAXTree");
  const liveIds = new Set(nodes.filter((node) => node.properties?.some((p) => p.name === "live" && p.value.value !== "off"))
    .map((node) => node.nodeId));
  const regions = nodes.filter((node) => liveIds.has(node.nodeId) && !liveIds.has(node.parentId));
  if (regions.length !== 1) fail(`${regions.length} live regions: ${regions.map((node) => node.role?.value).join(", ")}`);

  // What a screen reader hears while "25 c to f" is typed: the answer once.
  await page.evaluate(() => {
    window.heard = [];
    new MutationObserver(() => window.heard.push(document.querySelector("#announce").textContent))
      .observe(document.querySelector("#announce"), { childList: true, characterData: true, subtree: true });
  });
  await retype("25 c to f", 30);
  await sleep(1500);
  const heard = await page.evaluate(() => window.heard);
  console.log(`typing "25 c to f" announced ${JSON.stringify(heard)}`);
  if (heard.length !== 1 || heard[0] !== "25 c -> 77 f") fail("the live region should announce the settled answer once");
  await page.evaluate(() => { window.heard = []; });
  await retype("1 kg to lb", 0);
  await page.keyboard.press("Enter");
  await sleep(100);
  if ((await page.evaluate(() => window.heard)).join() !== "1 kg -> 2.204623 lb") fail("Enter should announce at once");

  // The list: what each unit is, and a search.
  const ton = await page.$$eval("#units li", (items) => items.map((i) => i.textContent).find((t) => t.startsWith("ton ")));
  if (ton !== "ton US short ton") fail(`the list says ${JSON.stringify(ton)} for ton`);
  await page.type("#search", "kilobit");
  const shown = await page.$$eval("#units li", (items) => items.filter((i) => !i.hidden).map((i) => i.textContent));
  if (shown.join() !== "kb kilobit") fail(`searching "kilobit" shows ${JSON.stringify(shown)}`);
  await page.click("#search", { clickCount: 3 });
  await page.keyboard.press("Backspace");

  // Accessibility.
  const axe = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
  await page.addScriptTag({ path: axe });
  const violations = await page.evaluate(async () => (await window.axe.run()).violations.map((v) => `${v.id}: ${v.help}`));
  console.log(`axe-core: ${violations.length} violations${violations.length ? `: ${violations.join("; ")}` : ""}`);
  if (violations.length) fail("accessibility violations");

  await retype("72 fahrenheit -> c", 0);
  await page.screenshot({ path: `${screenshots}-desktop.png`, fullPage: true });
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
  await page.screenshot({ path: `${screenshots}-phone.png`, fullPage: true });
  const wide = await page.evaluate(() => document.documentElement.scrollWidth);
  if (wide > 360) fail(`at 360 px the page is ${wide} px wide`);
  console.log(`screenshots: ${screenshots}-desktop.png, ${screenshots}-phone.png`);

  // Offline after the first visit: the service worker has kept everything.
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  await page.reload();
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  server.close();
  await page.setOfflineMode(true);
  await page.reload();
  await waitForAnswer("10 km -> 6.213712 mi");
  const offline = await answer();
  console.log(`offline reload answers ${JSON.stringify(offline)}`);
  if (offline !== "10 km -> 6.213712 mi") fail("the page does not work offline");
} finally {
  await browser.close();
  server.close();
}
process.exit(failed ? 1 : 0);
