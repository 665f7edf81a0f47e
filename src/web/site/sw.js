'use strict';
// Each build's files in a cache of their own, served from there first: a page never mixes
// two builds. A new build installs in the background and waits until the page asks for it.
// The build writes the version and the list of files, each with the start of its SHA-256.
const VERSION = 'unbuilt';
const FILES = [];
const CACHE = `skirmod-${VERSION}`;
const PATIENCE_MS = 1000;

async function digest(response) {
  const hash = await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer());
  return [...new Uint8Array(hash)].map((byte) => byte.toString(16).padStart(2, '0')).join('');
}

// The copy the page has just loaded when it is the right one, else the server's: the
// first visit downloads each file once.
async function fetchRevision(url, revision) {
  for (const cache of ['force-cache', 'no-cache']) {
    const response = await fetch(url, {cache});
    if (response.ok && (await digest(response)).startsWith(revision)) return response;
  }
  throw new Error(`${url}: the server has no revision ${revision}`);
}

// Opened once per start of the worker: every request of a page load reads it.
let opened;
const buildCache = () => opened || (opened = caches.open(CACHE));

async function precache() {
  const responses = await Promise.all(FILES.map(([url, revision]) => fetchRevision(url, revision)));
  const cache = await buildCache();
  await Promise.all(FILES.map(([url], i) => cache.put(url, responses[i])));
}

async function dropOtherBuilds() {
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith('skirmod') && name !== CACHE)
    .map((name) => caches.delete(name)));
}

const delay = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// What the cache lacks comes from the network and stays, unless the network hangs: then
// any build's copy.
async function fromNetwork(request, cache) {
  const network = fetch(request).then((response) => {
    if (response.ok && new URL(request.url).origin === location.origin) {
      cache.put(request, response.clone());
    }
    return response;
  }, () => null);
  const response = await Promise.race([network, delay(PATIENCE_MS)]);
  return response || (await caches.match(request)) || (await network) || Response.error();
}

function isPage(request) {
  const url = new URL(request.url);
  const pages = ['./', 'index.html'].map((page) => new URL(page, location).pathname);
  return request.mode === 'navigate' && url.origin === location.origin &&
    pages.includes(url.pathname);
}

async function answer(request) {
  const cache = await buildCache();
  const kept = await cache.match(isPage(request) ? './' : request);
  return kept || fromNetwork(request, cache);
}

// Where the browser can, it answers the build's own files from its cache without waiting for
// this worker (Chromium still starts it alongside every visit); the fetch handler below does
// the same everywhere else.
function routeToCache(event) {
  if (!('addRoutes' in event) || typeof URLPattern !== 'function') return Promise.resolve();
  return event.addRoutes(FILES.map(([url]) => ({
    condition: {urlPattern: new URLPattern({pathname: new URL(url, location).pathname})},
    source: {cacheName: CACHE},
  }))).catch(() => {});
}

self.addEventListener('install', (event) => {
  event.waitUntil(Promise.all([precache(), routeToCache(event)]));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(dropOtherBuilds().then(() => self.clients.claim()));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take over') self.skipWaiting();
});

self.addEventListener('fetch', (event) => {
  if (event.request.method === 'GET') event.respondWith(answer(event.request));
});
