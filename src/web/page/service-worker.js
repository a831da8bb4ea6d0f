'use strict';

// The page's service worker: it keeps the page's files in a cache of this
// build's version and answers the page from there first, so that the page
// starts with no network. The build writes in the version (a hash of the
// files) and the files. A page served with other files brings a worker of
// another version, which fetches its files, takes over at once and drops
// the older versions' caches: the next load is the new page.

const kVersion = '@VERSION@';
const kFiles = @FILES@;
const kCachePrefix = 'kestrel-sim-';
const kCache = kCachePrefix + kVersion;

self.addEventListener('install', (event) => {
  // From the server, never from the browser's HTTP cache, which may still
  // hold an older version's files.
  const requests = ['./', ...kFiles].map((file) => new Request(file, {cache: 'reload'}));
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const older = (name) => name.startsWith(kCachePrefix) && name !== kCache;
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's files whatever the address asks after them (?lang=ja);
// anything else from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') {
    return;
  }
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(event.request, {ignoreSearch: true}))
    .then((kept) => kept || fetch(event.request)));
});
