'use strict';

// Served, the page has a service worker keep its files (service-worker.js),
// so that it starts again with no network. Opened as a file (from a disk, a
// USB stick, an e-mail) there is nothing to keep, browsers allow no service
// worker, and the page runs as it is.
if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('service-worker.js').catch((error) => {
      console.warn('Kestrel Sim runs, but will not start without a network:', error);
    });
  });
}
