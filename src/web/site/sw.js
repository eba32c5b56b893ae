// Keeps every file of the page, so that Velmora starts without a network after its first visit.
// The network comes first, so that a new build is used as soon as it is served.
const cacheName = 'velmora';
const files = [
    './', 'index.html', 'velmora.css', 'velmora.js', 'velmora.wasm', 'manifest.webmanifest',
    'banner.gif', 'strip.jpg', 'hand.cur',
    'velmora-16.png', 'velmora-32.png', 'velmora-48.png', 'velmora-64.png', 'velmora-128.png',
    'velmora-256.png',
];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName)
        .then((cache) => cache.addAll(files.map((file) => new Request(file, {cache: 'reload'}))))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') {
        return;
    }
    event.respondWith(fetch(event.request)
        .then((response) => {
            if (response.ok) {
                const copy = response.clone();
                event.waitUntil(caches.open(cacheName).then((cache) => cache.put(event.request, copy)));
            }
            return response;
        })
        .catch(() => caches.match(event.request, {ignoreSearch: true})
            .then((cached) => cached || Response.error())));
});
