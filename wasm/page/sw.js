// Keeps the page, the module and itself for offline use. Each build names
// its own cache, so a new deployment (a new sw.js) fills a new one and
// drops the old when it takes over.
const CACHE = "aiconverter-@BUILD@";
const FILES = ["./", "index.html", "aiconverter.mjs", "notes.wasm", "units.json", "manifest.webmanifest", "icon.svg",
               "icon-192.png", "icon-512.png", "icon-maskable-512.png", "apple-touch-icon.png", "sw.js"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The copy first: it is this build's; the network for anything else.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(event.request)));
});
