// SPDX-License-Identifier: MIT
// Keeps the whole site, so a second visit plays with the network off. The list of files and the version
// are filled in when the site is made; a new version replaces the kept copy.
'use strict';
const VERSION = '@VERSION@';
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  // Files the page has just loaded come from the browser's own cache, not over the network again.
  const requests = FILES.map((file) => new Request(file, { cache: 'force-cache' }));
  event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== VERSION).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
