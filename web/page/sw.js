// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page, its core and its pictures, so that once opened the page calculates with no
// network. A new build has a new cache (its name carries a hash of the files), and the old one is
// removed once the new one is in place. The build fills in the two lists below.
const kCache = 'coppia-@CACHE_VERSION@';
const kFiles = [@FILES@];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== kCache).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The kept copy first: the page's files change only with a new build, which brings a new cache.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.match(event.request, { ignoreSearch: true })
        .then((kept) => kept || fetch(event.request)));
});
