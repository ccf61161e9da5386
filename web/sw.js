// The page's service worker: keeps one build's files in a cache named by
// their content (the build fills in CACHE and FILES), serves them from there,
// with or without a network, and deletes the caches of older builds once
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

self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(caches.open(CACHE)
      .then(cache => cache.match(request, {ignoreSearch: true}))
      .then(kept => kept || fetch(request)));
});
