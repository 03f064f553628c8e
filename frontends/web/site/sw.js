// SPDX-License-Identifier: MIT
// Keeps the whole site, so a second visit plays with the network off. The version and the list of files
// with their SHA-256 are filled in when the site is made. A new release is fetched whole, past the
// browser's HTTP cache, and each file checked against its sum before it replaces the kept copy; a release
// that cannot be fetched whole leaves the kept one in place, and the next visit tries again.
'use strict';
const VERSION = '@VERSION@';
const FILES = @FILES@;
const OURS = 'pokuraku-';

const hex = (buffer) => [...new Uint8Array(buffer)].map((b) => b.toString(16).padStart(2, '0')).join('');

async function fetchChecked([file, sum]) {
  const response = await fetch(new Request(file, { cache: 'no-cache' }));
  if (!response.ok) throw new Error(`${file}: HTTP ${response.status}`);
  const got = hex(await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer()));
  if (got !== sum) throw new Error(`${file}: not the file of release ${VERSION}`);
  return [file, response];
}

async function install() {
  try {
    const fetched = await Promise.all(FILES.map(fetchChecked));
    const cache = await caches.open(VERSION);
    await Promise.all(fetched.map(([file, response]) => cache.put(file, response)));
  } catch (error) {
    await caches.delete(VERSION);
    throw error;
  }
  await self.skipWaiting();
}

self.addEventListener('install', (event) => event.waitUntil(install()));

// Only this site's own older copies go; other caches of the same origin are not ours.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith(OURS) && n !== VERSION)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(VERSION)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
