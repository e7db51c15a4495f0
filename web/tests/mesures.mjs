// Figures of the web version (not pass/fail): what a first visit downloads, the time from
// navigation to the start screen painted, a full repaint of the largest board at 1920 x 1080 and
// device pixel ratio 2, in headless Chromium.
//
// usage: node mesures.mjs WEB_DIR
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, existsSync, statSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { tmpdir } from 'node:os';
import { join, extname, resolve, normalize } from 'node:path';

const dossierWeb = resolve(process.argv[2]);
const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.png': 'image/png', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };
const servis = new Map();
const serveur = createServer((req, res) => {
  const chemin = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
  let fichier = join(dossierWeb, chemin);
  if (existsSync(fichier) && statSync(fichier).isDirectory()) fichier = join(fichier, 'index.html');
  if (!fichier.startsWith(dossierWeb) || !existsSync(fichier)) { res.writeHead(404); res.end(); return; }
  const octets = readFileSync(fichier);
  servis.set(fichier, octets);
  res.writeHead(200, { 'Content-Type': TYPES[extname(fichier)] || 'application/octet-stream' });
  res.end(octets);
});
await new Promise((r) => serveur.listen(0, '127.0.0.1', r));
const ADRESSE = `http://127.0.0.1:${serveur.address().port}/`;
const DRAPEAUX = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

async function navigateur(options) {
  const profil = mkdtempSync(join(tmpdir(), 'cogitelle-mesures-'));
  const contexte = await chromium.launchPersistentContext(profil, {
    executablePath: process.env.COGITELLE_CHROMIUM || '/usr/bin/chromium', args: DRAPEAUX, headless: true, ...options,
  });
  return { contexte, page: contexte.pages()[0] || await contexte.newPage(),
    async fermer() { await contexte.close(); rmSync(profil, { recursive: true, force: true }); } };
}
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

// A first visit, as a player's browser makes it (with the service worker, which fetches the rest).
{
  const n = await navigateur({ viewport: { width: 1280, height: 800 } });
  await n.page.goto(ADRESSE);
  await n.page.waitForFunction(() => navigator.serviceWorker.controller || navigator.serviceWorker.ready);
  await n.page.waitForTimeout(1500);
  await n.fermer();
  let total = 0, gzip = 0, totalPage = 0, gzipPage = 0;
  const lignes = [];
  for (const [f, octets] of [...servis].sort()) {
    const g = gzipSync(octets, { level: 9 }).length;
    total += octets.length; gzip += g;
    const page = !f.includes('/help/') && !f.endsWith('-256.png') && !f.endsWith('-128.png') && !f.endsWith('-64.png') && !f.endsWith('.svg');
    if (page) { totalPage += octets.length; gzipPage += g; }
    lignes.push(`  ${f.slice(dossierWeb.length + 1).padEnd(28)} ${String(octets.length).padStart(8)} ${String(g).padStart(8)}`);
  }
  console.log('First visit: files served (bytes, gzip -9 bytes)');
  console.log(lignes.join('\n'));
  console.log(`  the page alone (before the service worker's caching): ${totalPage} bytes, ${gzipPage} gzip`);
  console.log(`  everything, with the help and icons the service worker keeps: ${total} bytes, ${gzip} gzip`);
}

// Navigation to the start screen painted: the page's own mark, then the next frame.
{
  const temps = [];
  for (let i = 0; i < 7; ++i) {
    const n = await navigateur({ viewport: { width: 1280, height: 800 } });
    await n.page.goto(`${ADRESSE}?test`);
    // The page marks the end of the frame that shows the start screen, before it makes the main
    // window: a frame asked for from here would wait for that work too.
    await n.page.waitForFunction(() => window.cogitelleDemarragePeint);
    temps.push(await n.page.evaluate(() => window.cogitelleDemarragePeint));
    await n.fermer();
  }
  console.log(`Navigation to the start screen painted: median ${mediane(temps).toFixed(0)} ms (${temps.map((t) => t.toFixed(0)).join(', ')})`);
}

// One full repaint of the 14 x 14 maze at 1920 x 1080, DPR 2.
{
  const n = await navigateur({ viewport: { width: 1920, height: 1080 }, deviceScaleFactor: 2 });
  const { page } = n;
  await page.goto(`${ADRESSE}?test`);
  await page.waitForFunction(() => window.cogitelleTest);
  await page.evaluate(() => window.cogitelleTest.pret);
  const b = await page.locator('#demarrage').boundingBox();
  await page.mouse.click(b.x + b.width / 2, b.y + b.height * 228 / 304);
  await page.locator('#editYourName').fill('MESURE');
  await page.locator('#rbTypeJeu1').check();
  await page.locator('#scrollBarChoixTableau').focus();
  await page.locator('#scrollBarChoixTableau').press('End');
  await page.locator('#buttonOK').click();
  await page.evaluate(() => window.cogitelleTest.inactif());
  const e = await page.evaluate(() => window.cogitelleTest.etat());
  const temps = await page.evaluate(() => { const t = []; for (let i = 0; i < 30; ++i) t.push(window.cogitelleTest.repeindre()); return t; });
  console.log(`Full repaint, maze ${e.numero} (${e.n} x ${e.n}) at 1920 x 1080, DPR 2: median ${mediane(temps).toFixed(2)} ms, slowest ${Math.max(...temps).toFixed(2)} ms`);
  await n.fermer();
}
serveur.close();
