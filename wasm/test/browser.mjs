// The page as a person keeps it, in headless Chromium: it answers as one
// types, says under the answer what it read (the CLI's own notes, from the
// notes module), and its live region announces the settled answer only;
// units tapped go into the query, the units swap, the answer copies, and
// recent conversions outlast a reload until cleared; the unit list, one row
// a unit, filters; axe-core finds nothing in the light or the dark scheme;
// Chromium finds it installable; after the first visit it answers offline.
// Saves screenshots in both schemes at a phone's and a desktop's width.
// Skipped, saying why, where Chromium or the test's npm packages (npm ci in
// wasm/test/) are missing.
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
const expect = (what, got, want) => {
  if (JSON.stringify(got) !== JSON.stringify(want)) fail(`${what}: ${JSON.stringify(got)}, not ${JSON.stringify(want)}`);
};
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

try {
  await browser.defaultBrowserContext().overridePermissions(url, ["clipboard-read", "clipboard-write",
                                                                  "clipboard-sanitized-write"]);
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  page.on("pageerror", (error) => fail(`page error: ${error.message}`));
  page.on("response", (response) => { if (response.status() >= 400) fail(`${response.status()} for ${response.url()}`); });
  await page.goto(url);
  const cdp = await page.createCDPSession();
  const answer = () => page.$eval("#answer", (e) => e.textContent);
  const queryText = () => page.$eval("#query", (e) => e.value);
  const reading = () => page.$$eval("#reading li", (items) => items.map((i) => i.textContent));
  const waitForAnswer = (text) =>
    page.waitForFunction((t) => document.querySelector("#answer").textContent === t, { timeout: 5000 }, text)
      .catch(() => {});
  const retype = async (text, delay) => {
    await page.click("#query", { clickCount: 3 });
    await page.keyboard.press("Backspace");
    await page.type("#query", text, { delay });
  };
  const caretAt = (at) => page.$eval("#query", (e, i) => e.setSelectionRange(i < 0 ? e.value.length : i, i < 0 ? e.value.length : i), at);
  const tap = (name) => page.$$eval("#units button", (buttons, n) => buttons.find((b) => b.textContent === n).click(), name);
  const history = () => page.$$eval("#history button", (buttons) => buttons.map((b) => b.textContent));

  await waitForAnswer("10 km -> 6.213712 mi");
  expect("the first answer", await answer(), "10 km -> 6.213712 mi");
  expect("what it read", await reading(), ["km kilometre", "mi mile"]);

  // One live region on the page, so that nothing else is read out as it
  // changes (an <output> is one unless told otherwise).
  const { nodes } = await cdp.send("Accessibility.getFullAXTree");
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
  expect("the live region while typing", heard, ["25 c -> 77 f"]);
  await page.evaluate(() => { window.heard = []; });
  await retype("1 kg to lb", 0);
  await page.keyboard.press("Enter");
  await sleep(100);
  expect("the live region on Enter", await page.evaluate(() => window.heard), ["1 kg -> 2.204623 lb"]);

  // What it read, in the words aiconvert uses on standard error.
  for (const [query, said] of [
    ["10 km in mi", ["km kilometre", "in inch"]],
    ["5 mW to W", ["mw megawatt", "w watt",
                   "\"mW\" reads as mw (megawatt); units ignore case, and there is no milliwatt"]],
    ["1 GB to bytes", ["gb gigabit", "bytes byte", "\"GB\" reads as gb (gigabit, 1000000000 bit); bytes are \"b\"/\"byte\""]],
    ["1 kg ton", ["no unit \"n\": \"ton\" reads as the arrow \"to\" and \"n\"; write \"to ton\""]],
    ["10 kmm to mi", ["no unit \"kmm\"; did you mean km, mm or km2?"]],
    ["1 é\u{1F600}xyz to m", ["no unit \"é\u{1F600}xyz\""]],
  ]) {
    await retype(query, 0);
    expect(`under "${query}"`, await reading(), said);
  }

  // A tapped spelling: the target after the source, the source before its end.
  await retype("10 km to mi", 0);
  await tap("ft");
  expect("ft tapped at the end", await queryText(), "10 km to ft");
  await caretAt(0);
  await tap("yard");
  expect("yard tapped at the start", await queryText(), "10 yard to ft");
  await retype("10", 0);
  await tap("kg");
  await tap("lb");
  expect("two taps after a number", await queryText(), "10 kg to lb");
  expect("their answer", await answer(), "10 kg -> 22.046226 lb");

  // Swap, keeping the arrow, or putting one in where a "to..." target would
  // be read as the arrow.
  await page.click("#swap");
  expect("swapped", await queryText(), "10 lb to kg");
  await retype("1 ton kg", 0);
  await page.click("#swap");
  expect("swapped without an arrow", await queryText(), "1 kg to ton");
  await retype("2 fl oz -> ml", 0);
  await page.click("#swap");
  expect("swapped from two words", await queryText(), "2 ml -> floz");
  expect("its answer", await answer(), "2 ml -> 0.067628 floz");

  // Copy.
  await page.click("#copy");
  expect("the clipboard", await page.evaluate(() => navigator.clipboard.readText()), await answer());

  // The list: a row a unit with all its spellings, and a search over them.
  const rows = await page.$$eval("#units li", (items) => items.map((i) =>
    [[...i.querySelectorAll("button")].map((b) => b.textContent), i.querySelector("span").textContent]));
  const ton = rows.find(([names]) => names.includes("ton"));
  expect("the row of ton", ton, [["ton"], "US short ton"]);
  expect("the row of metre", rows.find(([names]) => names.includes("m")), [["m", "meter", "metre", "meters"], "metre"]);
  const spellings = rows.flatMap(([names]) => names);
  expect("spellings listed once each", new Set(spellings).size, spellings.length);
  console.log(`unit list: ${rows.length} rows for ${spellings.length} spellings`);
  await page.type("#search", "feet");
  const shown = await page.$$eval("#units li", (items) => items.filter((i) => !i.hidden).map((i) => i.querySelector("span").textContent));
  expect(`searching "feet"`, shown, ["foot"]);
  await page.click("#search", { clickCount: 3 });
  await page.keyboard.press("Backspace");

  // Recent conversions outlast a reload, and go when cleared.
  await sleep(800);  // the swapped query settles
  const kept = await history();
  // (Queries replaced before they settle may or may not be among them.)
  expect("the latest conversion", kept[0], "2 ml -> floz");
  expect("earlier ones kept, errors not", kept.filter((q) => ["1 kg to lb", "25 c to f", "1 kg ton"].includes(q)),
         ["1 kg to lb", "25 c to f"]);
  await page.reload();
  await waitForAnswer("10 km -> 6.213712 mi");
  expect("recent after a reload", await history(), kept);
  await page.click("#history button");
  expect("a recent one chosen", await queryText(), kept[0]);

  // Accessibility and screenshots, in each scheme, at each width.
  const axe = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
  await page.addScriptTag({ path: axe });
  await retype("72 fahrenheit -> c", 0);
  for (const scheme of ["light", "dark"]) {
    await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: scheme }]);
    const background = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
    const violations = await page.evaluate(async () => (await window.axe.run()).violations.map((v) => `${v.id}: ${v.help}`));
    console.log(`axe-core, ${scheme} (${background}): ${violations.length} violations${violations.length ? `: ${violations.join("; ")}` : ""}`);
    if (violations.length) fail(`accessibility violations in the ${scheme} scheme`);
    for (const width of [390, 1280]) {
      await page.setViewport({ width, height: width < 800 ? 844 : 800 });
      const file = `${screenshots}-${scheme}-${width}.png`;
      await page.screenshot({ path: file, fullPage: true });
      console.log(`screenshot: ${file}`);
      const wide = await page.evaluate(() => document.documentElement.scrollWidth);
      if (wide > width) fail(`at ${width} px the page is ${wide} px wide`);
    }
  }
  expect("the dark scheme's background", await page.evaluate(() => getComputedStyle(document.body).backgroundColor),
         "rgb(20, 22, 20)");
  await page.emulateMediaFeatures([]);
  await page.click("#clear-history");
  await page.reload();
  await waitForAnswer("10 km -> 6.213712 mi");
  expect("recent after clearing and a reload", await history(), []);

  // Installable, then offline after the first visit: the service worker has
  // kept everything.
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  console.log(`installability errors: ${JSON.stringify(installabilityErrors)}`);
  expect("installability errors", installabilityErrors, []);
  await page.reload();
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  server.close();
  await page.setOfflineMode(true);
  await page.reload();
  await waitForAnswer("10 km -> 6.213712 mi");
  const offline = await answer();
  console.log(`offline reload answers ${JSON.stringify(offline)}`);
  expect("offline", [offline, await reading()], ["10 km -> 6.213712 mi", ["km kilometre", "mi mile"]]);
} finally {
  await browser.close();
  server.close();
}
process.exit(failed ? 1 : 0);
