// Keeps every file of one build of the page, so that Velmora starts without a network after its
// first visit, and the same build's files together: a new build is a new worker (the build writes
// its version and its files' SHA-256 below), which waits until the page asks it to take over.
const version = '@VERSION@';
const files = @FILES@;
const cacheName = `velmora-${version}`;

async function sha256(data) {
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', data));
    return Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
}

// A file is kept only with this build's exact bytes. The copy the page has just downloaded is
// taken from the HTTP cache if it is there (nothing is downloaded twice); a copy that is not this
// build's, an old one or a newer build's, is fetched again, past every cache.
async function keep(cache, name) {
    for (const mode of ['force-cache', 'reload']) {
        const response = await fetch(new Request(name, { cache: mode }));
        if (!response.ok) continue;
        const body = await response.arrayBuffer();
        if (await sha256(body) === files[name]) {
            await cache.put(name, new Response(body, { headers: response.headers }));
            return;
        }
    }
    throw new Error(`${name} of version ${version} is not served`);
}

// All files or none: a failed file fails the install, and the worker before stays.
self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName)
        .then((cache) => Promise.all(Object.keys(files).map((name) => keep(cache, name))))
        .catch((error) => caches.delete(cacheName).then(() => { throw error; })));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names
            .filter((name) => name.startsWith('velmora') && name !== cacheName)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The page's "new version" button.
self.addEventListener('message', (event) => {
    if (event.data === 'take') self.skipWaiting();
});

// This build's name for a request: the page itself under './', else its path in the scope.
function nameOf(request) {
    const url = new URL(request.url);
    const scope = new URL(self.registration.scope);
    if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return undefined;
    const path = url.pathname.slice(scope.pathname.length);
    if (request.mode === 'navigate' && (path === '' || path === 'index.html')) return './';
    return url.search === '' && path in files ? path : undefined;
}

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    const name = nameOf(event.request);
    if (name === undefined) return;
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(name))
        .then((cached) => cached ?? fetch(event.request)));
});
