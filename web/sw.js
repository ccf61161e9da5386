// The page's service worker: keeps one build's files in a cache named by
// their content (the build fills in CACHE and FILES), serves them from there,
// with or without a network (with the catalog of a language once it has
// been asked for), and deletes the caches of older builds once
// its build takes over.
'use strict';

const CACHE = 'quorvanel-@CACHE_HASH@';
const FILES = ['@FILES@'];

self.addEventListener('install', event => {
  // Asked again of the server, which answers "not modified" for what the
  // page has just loaded.
  event.waitUntil(caches.open(CACHE)
      .then(cache => cache.addAll(FILES.map(file => new Request(file, {cache: 'no-cache'}))))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
      .then(names => Promise.all(names.filter(name => name.startsWith('quorvanel-') && name !== CACHE)
          .map(name => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// A language's catalog is asked for only by a player who chose that
// language: it is kept once it has come, so that the game speaks it offline.
const CATALOG = /\/locale\/[^/]+\/LC_MESSAGES\/quorvanel\.mo$/;

self.addEventListener('fetch', event => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== location.origin) return;
  event.respondWith(caches.open(CACHE).then(async cache => {
    const kept = await cache.match(request, {ignoreSearch: true});
    if (kept) return kept;
    const response = await fetch(request);
    if (response.ok && CATALOG.test(url.pathname)) await cache.put(request, response.clone());
    return response;
  }));
});
