// The page's service worker: keeps one build's files in a cache named by
// their content (the build fills in CACHE and FILES), serves them from there,
// with or without a network (with the catalog and manifest of a language
// once they have been asked for), and deletes the caches of older builds once
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

// A language's catalog and manifest are asked for only by a player who
// chose that language: they are kept once they have come, so that the game
// speaks it offline. ('\/' in the classes: xgettext, which reads this file
// for texts, ends a literal at a bare '/' in one.)
const LANGUAGE_FILE = /\/(locale\/[^\/]+\/LC_MESSAGES\/quorvanel\.mo|manifest\.[^\/]+\.webmanifest)$/;

self.addEventListener('fetch', event => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== location.origin) return;
  event.respondWith(caches.open(CACHE).then(async cache => {
    const kept = await cache.match(request, {ignoreSearch: true});
    if (kept) return kept;
    let response;
    try {
      response = await fetch(request);
    } catch (e) {
      // A catalog never fetched online, asked for offline: no content, which
      // the page takes for none (a failed request would be an error on its
      // console) and plays in Chinese.
      if (url.pathname.endsWith('.mo')) return new Response(null, {status: 204});
      throw e;
    }
    if (response.ok && LANGUAGE_FILE.test(url.pathname)) await cache.put(request, response.clone());
    return response;
  }));
});
