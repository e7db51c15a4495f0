// Keeps every file of the game so that it plays offline after the first visit. The build
// writes the list of files and their version below.
const VERSION = '__VERSION__';
const FICHIERS = __FICHIERS__;
const CACHE = 'cogitelle-' + VERSION;

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FICHIERS)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((cles) => Promise.all(cles.filter((k) => k.startsWith('cogitelle-') && k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE).then(async (c) => {
    const trouve = await c.match(e.request, { ignoreSearch: true });
    return trouve || fetch(e.request);
  }));
});
