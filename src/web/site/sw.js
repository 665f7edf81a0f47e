// Network first, the cache when there is no connection: a new build shows at once, and
// the last one loaded keeps working offline.
const CACHE = 'skirmod';
const FILES = ['./', 'index.html', 'page.css', 'page.js', 'skirmod.js', 'skirmod.wasm',
               'manifest.webmanifest', 'icon.svg'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, {ignoreSearch: true})));
});
