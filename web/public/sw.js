// Keeps every file of the game so that it plays offline after the first visit. The build
// writes the list of files and their version below.
//
// A version's files are fetched from the server itself, never from the browser's HTTP cache, so
// they are all of that version. A new version waits until a page asks it to take over (the
// player's "Nouvelle version — recharger"), and a page is served by one version only.
const VERSION = '__VERSION__';
const FICHIERS = __FICHIERS__;
const CACHE = 'cogitelle-' + VERSION;

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FICHIERS.map((f) => new Request(f, { cache: 'reload' })))));
});

self.addEventListener('message', (e) => {
  if (e.data === 'activer') self.skipWaiting();
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys().then(async (cles) => {
    const anciennes = cles.filter((k) => k.startsWith('cogitelle-') && k !== CACHE);
    await Promise.all(anciennes.map((k) => caches.delete(k)));
    // The first version installed takes the page it came from, so that it plays offline at once.
    if (!anciennes.length) await self.clients.claim();
  }));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE).then(async (c) => {
    const trouve = await c.match(e.request, { ignoreSearch: true });
    return trouve || fetch(e.request);
  }));
});
