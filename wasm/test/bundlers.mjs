// The package as a newcomer first tries it, in every environment: scratch
// projects that install the packed tarball and use the tools at their
// defaults (Node.js ESM and CommonJS, TypeScript in ESM and CommonJS
// projects, esbuild, vite with a module worker, webpack 5 with a worker,
// Rollup, Parcel, a Next.js client page, a plain <script type="module">),
// each run in Node.js or loaded in Chromium and checked for an answer; the
// workers are sent their query at once. Parcel installs nothing (a Node.js
// built-in would make it add a polyfill to the project) and Next.js's page
// chunk holds no more than the package. Also prints what the package adds
// to a bundle, gzipped, and the Parcel and Next.js bundles' sizes.
//   node bundlers.mjs PACKAGE_DIR WORK_DIR
import { execFileSync } from "node:child_process";
import { existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, symlinkSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { createRequire } from "node:module";
import { fileURLToPath, pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { launchChromium } from "./chromium.mjs";
import { requireToolsNode, skip } from "./skip.mjs";
import { serve } from "../page/serve.mjs";

const [packageDir, work] = process.argv.slice(2).map((p) => resolve(p));
const tools = join(dirname(fileURLToPath(import.meta.url)), "node_modules", ".bin");
requireToolsNode();
if (!existsSync(join(tools, "vite"))) skip("the bundlers are not installed (run npm ci in wasm/test/)");
const ANSWER = "10 km -> 6.213712 mi";
const WORKER_ANSWER = "2.5 kg -> 5.511557 lb";
let failed = false;
const fail = (message) => { console.error(`FAIL: ${message}`); failed = true; };

const run = (cwd, command, ...args) =>
  execFileSync(command.includes("/") ? command : join(tools, command), args, { cwd, encoding: "utf8", stdio: "pipe" });
const write = (dir, files) => {
  for (const [name, text] of Object.entries(files)) {
    mkdirSync(dirname(join(dir, name)), { recursive: true });
    writeFileSync(join(dir, name), text);
  }
};

// One scratch root with the package installed from its tarball; each
// project is a folder in it and finds the package as any project would.
rmSync(work, { recursive: true, force: true });
mkdirSync(work, { recursive: true });
const tarball = execFileSync("npm", ["pack", "--silent", packageDir], { cwd: work, encoding: "utf8" }).trim();
write(work, { "package.json": '{ "name": "scratch", "private": true }\n' });
execFileSync("npm", ["install", "--silent", "--no-audit", "--no-fund", "--offline", `./${tarball}`], { cwd: work });

// A page's code: the answer once ready, and a worker sent its query at once.
const MAIN = `import { convert, ready } from "aiconverter";
ready.then(() => { document.body.dataset.answer = convert("10 km to mi"); });
`;
const WITH_WORKER = `${MAIN}const worker = new Worker(new URL("./worker.js", import.meta.url), { type: "module" });
worker.onmessage = (event) => { document.body.dataset.worker = event.data; };
worker.postMessage("2.5 kg to lb");
`;
const WORKER = `import { convert } from "aiconverter";
self.onmessage = (event) => self.postMessage(convert(event.data));
`;
const html = (script, type = "") => `<!doctype html><html><head><meta charset="utf-8"><title>t</title></head>
<body><script${type ? ` type="${type}"` : ""} src="${script}"></script></body></html>\n`;

const pages = [];  // [name, folder to serve, path, expects a worker answer]
const node = [];   // [name, folder, file to run]

// Node.js, both module systems, and TypeScript in both kinds of project.
write(join(work, "node-esm"), { "package.json": '{ "type": "module" }', "main.js":
  'import { convert } from "aiconverter";\nconsole.log(convert("10 km to mi"));\n' });
node.push(["Node.js ESM", "node-esm", "main.js"]);
write(join(work, "node-cjs"), { "main.cjs": 'const { convert } = require("aiconverter");\nconsole.log(convert("10 km to mi"));\n' });
node.push(["Node.js CommonJS", "node-cjs", "main.cjs"]);
const tsconfig = '{ "compilerOptions": { "module": "NodeNext", "target": "ES2022", "strict": true, "outDir": "dist" } }\n';
const tsMain = 'import { convert } from "aiconverter";\nconst answer: string = convert("10 km to mi");\nconsole.log(answer);\n';
write(join(work, "ts-esm"), { "package.json": '{ "type": "module" }', "tsconfig.json": tsconfig, "main.ts": tsMain });
write(join(work, "ts-cjs"), { "package.json": "{}", "tsconfig.json": tsconfig, "main.ts": tsMain });
for (const kind of ["esm", "cjs"]) {
  try {
    run(join(work, `ts-${kind}`), "tsc");
    node.push([`TypeScript ${kind === "esm" ? "ESM" : "CommonJS"}`, `ts-${kind}`, "dist/main.js"]);
  } catch (error) {
    fail(`tsc in a ${kind} project: ${error.stdout}${error.stderr}`);
  }
}
for (const [name, folder, file] of node) {
  try {
    const out = run(join(work, folder), process.execPath, file).trim();
    console.log(`${name}: ${out}`);
    if (out !== ANSWER) fail(`${name} answers ${JSON.stringify(out)}`);
  } catch (error) {
    fail(`${name}: ${error.stderr || error.message}`);
  }
}

// Bundlers at their defaults.
const build = (name, folder, files, command, ...args) => {
  write(join(work, folder), files);
  try {
    run(join(work, folder), command, ...args);
    return true;
  } catch (error) {
    fail(`${name} did not build: ${error.stdout}${error.stderr}`);
    return false;
  }
};
if (build("esbuild", "esbuild", { "src/main.js": MAIN }, "esbuild", "src/main.js", "--bundle", "--outfile=dist/main.js")) {
  write(join(work, "esbuild/dist"), { "index.html": html("main.js") });
  pages.push(["esbuild", "esbuild/dist", "/", false]);
}
if (build("vite", "vite", { "index.html": html("/src/main.js", "module"), "src/main.js": WITH_WORKER, "src/worker.js": WORKER },
          "vite", "build", "--logLevel", "error")) {
  pages.push(["vite with a module worker", "vite/dist", "/", true]);
}
if (build("webpack", "webpack", { "src/index.js": WITH_WORKER, "src/worker.js": WORKER }, "webpack", "--mode", "production")) {
  write(join(work, "webpack/dist"), { "index.html": html("main.js") });
  pages.push(["webpack 5 with a worker", "webpack/dist", "/", true]);
}
// The resolver plugin every Rollup project adds, from the test's tools.
const nodeResolvePlugin = pathToFileURL(createRequire(join(tools, "..", "..", "package.json")).resolve("@rollup/plugin-node-resolve"));
const rollupConfig = `import { nodeResolve } from "${nodeResolvePlugin}";
export default { input: "src/main.js", output: { dir: "dist", format: "es" }, plugins: [nodeResolve()] };
`;
if (build("Rollup", "rollup", { "src/main.js": MAIN, "rollup.config.mjs": rollupConfig }, "rollup", "-c")) {
  write(join(work, "rollup/dist"), { "index.html": html("main.js", "module") });
  pages.push(["Rollup", "rollup/dist", "/", false]);
}
// Parcel at its defaults, allowed to install nothing: it must not want to
// add a polyfill to the user's project.
const parcelProject = '{ "name": "parcel-app", "private": true }\n';
if (build("Parcel", "parcel", { "package.json": parcelProject, "src/index.html": html("main.js", "module"), "src/main.js": MAIN },
          "parcel", "build", "src/index.html", "--no-autoinstall", "--no-source-maps")) {
  if (readFileSync(join(work, "parcel/package.json"), "utf8") !== parcelProject) fail("Parcel changed the project's package.json");
  const bundles = readdirSync(join(work, "parcel/dist")).filter((file) => file.endsWith(".js"));
  console.log(`Parcel: ${bundles.map((file) => statSync(join(work, "parcel/dist", file)).size).join(" + ")} bytes of script`);
  pages.push(["Parcel", "parcel/dist", "/", false]);
}
// Next.js, two client pages exported as static files, one with the package
// and one without: what the first loads beyond the second is the package,
// with nothing added for Node.js. Next, React and React DOM are the test's
// own, linked into the project; Turbopack compiles no package from outside
// the project, so this build takes Next's webpack.
const nextPage = (body) => `"use client";
import { useEffect, useState } from "react";
${body ? 'import { convert, ready } from "aiconverter";\n' : ""}export default function Page() {
  const [answer, setAnswer] = useState("");
  useEffect(() => { ${body} }, []);
  return <p>{answer}</p>;
}
`;
mkdirSync(join(work, "next/node_modules"), { recursive: true });
for (const name of ["next", "react", "react-dom"]) {
  symlinkSync(join(tools, "..", name), join(work, "next/node_modules", name));
}
if (build("Next.js", "next", {
  "package.json": '{ "name": "next-app", "private": true }\n',
  "next.config.mjs": 'export default { output: "export" };\n',
  "app/layout.js": "export default function Layout({ children }) { return <html><body>{children}</body></html>; }\n",
  "app/page.js": nextPage('ready.then(() => { document.body.dataset.answer = convert("10 km to mi"); setAnswer(document.body.dataset.answer); });'),
  "app/plain/page.js": nextPage(""),
}, "next", "build", "--webpack")) {
  const out = join(work, "next/out");
  const scripts = (html) => new Set([...readFileSync(join(out, html), "utf8").matchAll(/src="(\/_next\/static\/[^"]+\.js)"/g)].map((m) => m[1]));
  const withPackage = scripts("index.html");
  const without = scripts("plain.html");
  const added = [...withPackage].filter((src) => !without.has(src)).reduce((sum, src) => sum + statSync(join(out, src)).size, 0)
              - [...without].filter((src) => !withPackage.has(src)).reduce((sum, src) => sum + statSync(join(out, src)).size, 0);
  const own = statSync(join(packageDir, "aiconverter.mjs")).size;
  console.log(`Next.js: the page with the package loads ${added} bytes more script (the package's module: ${own})`);
  if (added > own) fail(`Next.js adds ${added} bytes for the package, more than its own ${own}`);
  pages.push(["Next.js client page", "next/out", "/", false]);
}
// No tool at all: the module straight from node_modules.
write(work, { "plain.html": `<!doctype html><html><head><meta charset="utf-8"><title>t</title></head><body>
<script type="module">
const start = performance.now();
const { convert, ready } = await import("./node_modules/aiconverter/aiconverter.mjs");
await ready;
document.body.dataset.answer = convert("10 km to mi");
document.body.dataset.ms = (performance.now() - start).toFixed(1);
</script></body></html>\n` });
pages.push(['<script type="module">', ".", "/plain.html", false]);

// What a bundle gains, minified and gzipped.
build("esbuild (size)", "size", { "with.js": 'import { convert } from "aiconverter";\nconsole.log(convert("1 m to cm"));\n',
                                  "without.js": 'console.log("1 m to cm");\n' },
      "esbuild", "with.js", "without.js", "--bundle", "--minify", "--outdir=dist");
try {
  const gz = (file) => gzipSync(readFileSync(join(work, "size/dist", file)), { level: 9 }).length;
  console.log(`a bundle gains ${gz("with.js") - gz("without.js")} bytes gzipped (esbuild --minify)`);
} catch {
  // reported above
}

const browser = await launchChromium();
if (browser !== null) {
  try {
    for (const [name, folder, path, worker] of pages) {
      const server = await serve(join(work, folder));
      const page = await browser.newPage();
      const errors = [];
      page.on("pageerror", (error) => errors.push(error.message));
      page.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
      await page.goto(`http://127.0.0.1:${server.address().port}${path}`);
      const done = worker ? "document.body.dataset.answer && document.body.dataset.worker" : "document.body.dataset.answer";
      await page.waitForFunction(done, { timeout: 5000 }).catch(() => {});
      const got = await page.evaluate(() => ({ answer: document.body.dataset.answer, worker: document.body.dataset.worker }));
      const ms = await page.evaluate(() => document.body.dataset.ms);
      console.log(`${name}: ${got.answer}${worker ? `; its worker: ${got.worker}` : ""}` +
                  `${ms ? ` (${ms} ms from import to the first answer)` : ""}`);
      if (got.answer !== ANSWER || (worker && got.worker !== WORKER_ANSWER)) fail(`${name}: ${JSON.stringify(got)} ${errors.join("; ")}`);
      await page.close();
      server.close();
    }
  } finally {
    await browser.close();
  }
}
process.exit(failed ? 1 : 0);
