// The web version played in a real Chromium, as a player would: every move is a pointer or key
// event on the page. The page's test hook (?test) only reads the game's state, to know which
// moves win.
//
// usage: node navigateur.mjs WEB_DIR ARTEFACTS_DIR DESKTOP_FIRST_RUN_SCORES DESKTOP_SCORES_WITH_RECORD NATIVE_PUZZLE_PRINTER
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, mkdirSync, existsSync, statSync, cpSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, extname, resolve, normalize } from 'node:path';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';

const [dossierWeb, artefacts, scoresPremierLancement, scoresAvecRecord, imprimanteNative] = process.argv.slice(2).map((p) => resolve(p));
mkdirSync(artefacts, { recursive: true });

// ---- A static server for the built folder ----------------------------------------------------

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.png': 'image/png', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };
// Serves `servi.dossier` (which a test may change to serve another build), with `entetes` added.
async function servir(dossier, entetes = {}) {
  const servi = { dossier };
  servi.serveur = createServer((req, res) => {
    const chemin = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    let fichier = join(servi.dossier, chemin);
    if (existsSync(fichier) && statSync(fichier).isDirectory()) fichier = join(fichier, 'index.html');
    if (!fichier.startsWith(servi.dossier) || !existsSync(fichier)) { res.writeHead(404); res.end(); return; }
    res.writeHead(200, { 'Content-Type': TYPES[extname(fichier)] || 'application/octet-stream', ...entetes });
    res.end(readFileSync(fichier));
  });
  await new Promise((r) => servi.serveur.listen(0, '127.0.0.1', r));
  servi.adresse = `http://127.0.0.1:${servi.serveur.address().port}/`;
  return servi;
}
const { serveur, adresse: ADRESSE } = await servir(dossierWeb);

const DRAPEAUX = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// A browser with a fresh profile.
async function navigateur(options = {}) {
  const profil = mkdtempSync(join(tmpdir(), 'cogitelle-chromium-'));
  const contexte = await chromium.launchPersistentContext(profil, {
    executablePath: process.env.COGITELLE_CHROMIUM || '/usr/bin/chromium',
    args: DRAPEAUX, headless: true, acceptDownloads: true,
    viewport: options.viewport || { width: 1280, height: 800 },
    hasTouch: !!options.touch, isMobile: !!options.touch, deviceScaleFactor: options.dpr || 1,
  });
  const erreurs = [];
  contexte.on('page', (p) => p.on('pageerror', (e) => erreurs.push(e.message)));
  const page = contexte.pages()[0] || await contexte.newPage();
  page.on('pageerror', (e) => erreurs.push(e.message));
  return {
    contexte, page, erreurs,
    async fermer() { await contexte.close(); rmSync(profil, { recursive: true, force: true }); },
  };
}

// A browser with a fresh profile, the page started and a game chosen; `corps(n)` plays on, after
// which no script error may have happened. `avant(page)` runs before the page loads.
async function enPartie(choix, corps, { avant = null, ...options } = {}) {
  const n = await navigateur(options);
  try {
    if (avant) await avant(n.page);
    await ouvrir(n.page);
    await demarrer(n.page);
    await choisir(n.page, choix);
    await corps(n);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
}

// ---- What a player does ----------------------------------------------------------------------

async function ouvrir(page, requete = '', attendre = true) {
  await page.goto(`${ADRESSE}?test${requete}`);
  await page.waitForFunction(() => window.cogitelleTest);
  if (attendre) await page.evaluate(() => window.cogitelleTest.pret);
}

// The start screen's button: DEMARRER (1) or ENGLISH (2), at their places on the 425 x 304 design
// (upright on a phone, where the page painted them).
async function demarrer(page, langue = 1) {
  const b = await page.locator('#demarrage').boundingBox();
  const r = langue === 1 ? [26, 212, 373, 33] : [309, 256, 90, 22];
  let x = b.x + (r[0] + r[2] / 2) * b.width / 425, y = b.y + (r[1] + r[3] / 2) * b.height / 304;
  // Upright on a phone the start screen has a layout of its own: its buttons where the page put them.
  const debout = await page.evaluate(() => window.cogitelleTest?.demarrage?.());
  if (debout?.debout) {
    const d = debout.boutons[langue];
    x = d.x + d.w / 2;
    y = d.y + d.h / 2;
  }
  if (await page.evaluate(() => matchMedia('(pointer: coarse)').matches)) await page.touchscreen.tap(x, y);
  else await page.mouse.click(x, y);
  await page.locator('#editYourName').waitFor();
}

// Loads the page and answers the boxes its start-up shows; their texts.
async function boitesAuChargement(page, requete = '') {
  await ouvrir(page, requete, false);
  await page.evaluate(() => { window.pretVu = false; window.cogitelleTest.pret.then(() => { window.pretVu = true; }); });
  const textes = [];
  while (!(await page.evaluate(() => window.pretVu))) {
    if (await page.locator('.dialogue.boite').count()) textes.push((await boite(page, 'OK')).texte);
    else await page.waitForTimeout(20);
  }
  return textes;
}

// The storage key of the records, and one puzzle's list as the storage holds it, read from the
// stored bytes themselves.
const CLE_SCORES = 'Ludivex/COGITELLE I/scoresI';
async function listeStockee(page, type, numero) {
  return listeDuFichier(Buffer.from(await page.evaluate((cle) => localStorage.getItem(cle), CLE_SCORES), 'base64'), type, numero);
}

// One puzzle's list in the bytes of a score file (names in ASCII here).
function listeDuFichier(octets, t, p) {
  const vue = new DataView(octets.buffer, octets.byteOffset, octets.byteLength);
  const liste = [];
  for (let r = 1; r <= 10; ++r) {
    const i = ((t - 1) * 5000 + (p - 1) * 10 + (r - 1)) * 16;
    let nom = '';
    for (let k = 0; k < 12 && octets[i + k]; ++k) nom += String.fromCharCode(octets[i + k]);
    liste.push([nom, vue.getInt32(i + 12, true)]);
  }
  return liste;
}

// The ten rows of the open viewer.
async function lignesVisionneuse(page) {
  const d = page.locator('.dialogue.scores');
  const noms = await d.locator('.nom').allTextContents();
  const scores = await d.locator('.score').allTextContents();
  return noms.map((nom, i) => [nom, Number(scores[i])]);
}

async function inactif(page) { await page.evaluate(() => window.cogitelleTest.inactif()); }

// The box on show: its kind and text; `bouton` answers it.
async function boite(page, bouton = null) {
  const d = page.locator('.dialogue.boite').last();
  await d.waitFor({ timeout: 10000 });
  const r = { sorte: await d.getAttribute('data-sorte'), texte: await d.locator('.texte').textContent() };
  if (bouton) {
    const b = d.getByRole('button', { name: bouton, exact: true });
    // The box opens with its first button focused.
    if (clavier && bouton === 'OK') await page.keyboard.press('Enter');
    else if (doigt) await b.tap();
    else await b.click();
  }
  return r;
}

async function aucuneBoite(page) {
  await inactif(page);
  assert.equal(await page.locator('.dialogue.boite').count(), 0, 'no box should be on show');
}

// In the chooser: the name typed key by key, the game type, the puzzle number by the keyboard.
async function choisir(page, { nom, type, numero }) {
  if (nom !== undefined) {
    await page.locator('#editYourName').fill('');
    await page.locator('#editYourName').pressSequentially(nom);
  }
  if (type) await page.locator(`#rbTypeJeu${type}`).check();
  if (numero) {
    const barre = page.locator('#scrollBarChoixTableau');
    await barre.focus();
    await barre.press('Home');
    for (let i = 1; i < numero; ++i) await barre.press('ArrowRight');
  }
  await page.locator('#buttonOK').click();
  await page.locator('.dialogue.choix').waitFor({ state: 'detached' });
  await inactif(page);
}

async function etat(page) { return page.evaluate(() => window.cogitelleTest.etat()); }

// The centre of a control of the window, in page coordinates.
async function centre(page, quoi, ...args) {
  const c = await page.evaluate(([q, a]) => window.cogitelleTest[q](...a), [quoi, args]);
  assert.ok(c, `${quoi} ${args} exists`);
  const b = await page.locator('#fenetre').boundingBox();
  return [b.x + (c.abs.x + c.abs.w / 2) * c.echelle, b.y + (c.abs.y + c.abs.h / 2) * c.echelle];
}

// While a test plays by touch (the page's CDP session): a tap is the left click, a two-finger tap
// the right one.
let doigt = null;

async function toucher(x, y, deuxDoigts = false) {
  const points = deuxDoigts ? [{ x, y, id: 1 }, { x: x + 6, y, id: 2 }] : [{ x, y, id: 1 }];
  await doigt.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: points });
  await doigt.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

// While a test plays by keys alone: a press on the board is the cursor taken there by the arrows,
// then Space (Shift+Space for the right button), a wall Shift and the arrow to its side; a side
// panel is Tab to it, then Enter.
let clavier = false;
let pressions = 0;   // by keys, every other left press of a cell is a screen reader's click on its grid cell

const focus = (page) => page.evaluate(() => window.cogitelleTest.focus());

async function presser(page, touche) {
  await page.keyboard.press(touche);
  await inactif(page);
}

async function parLesTouches(page, quoi, args, bouton) {
  if (quoi === 'controle') {
    for (let i = 0; i < 40 && (await focus(page)).panneau !== args[0]; ++i) await presser(page, 'Tab');
    assert.equal((await focus(page)).panneau, args[0], `Tab reaches ${args[0]}`);
    await presser(page, 'Enter');
    return;
  }
  const tag = quoi === 'mur' ? args[1] : args[0];
  const [x, y] = [Math.floor(tag / 100), tag % 100];
  if (quoi === 'caseA' && bouton === 'left' && pressions++ % 2) {
    await page.locator(`#grille [role=gridcell][data-tag="${tag}"]`).dispatchEvent('click');
    await inactif(page);
    const f = await focus(page);
    assert.deepEqual([f.panneau, f.x, f.y], ['', x, y], 'the cell a screen reader presses takes the cursor');
    return;
  }
  for (let i = 0; i < 40; ++i) {
    const f = await focus(page);
    const dx = x - f.x, dy = y - f.y;
    if (!dx && !dy && !f.panneau) break;
    // On the cell already, the focus elsewhere: a step away and back takes it to the board.
    const touche = dx > 0 ? 'ArrowRight' : dx < 0 ? 'ArrowLeft' : dy > 0 ? 'ArrowDown' : dy < 0 ? 'ArrowUp' : x > 1 ? 'ArrowLeft' : 'ArrowRight';
    await presser(page, touche);
  }
  const f = await focus(page);
  assert.deepEqual([f.panneau, f.x, f.y], ['', x, y], 'the arrows take the cursor to the cell');
  if (quoi === 'mur') await presser(page, args[0] === 0 ? 'Shift+ArrowRight' : 'Shift+ArrowDown');
  else await presser(page, bouton === 'right' ? 'Shift+Space' : 'Space');
}

async function cliquer(page, quoi, args, bouton = 'left') {
  if (clavier) {
    await parLesTouches(page, quoi, args, bouton);
    return;
  }
  const [x, y] = await centre(page, quoi, ...args);
  if (doigt) await toucher(x, y, bouton === 'right');
  else await page.mouse.click(x, y, { button: bouton });
  await inactif(page);
}

async function panneau(page, nom) { await cliquer(page, 'controle', [nom]); }

async function menu(page, titre, entree) {
  await page.locator('#menus .menu > button', { hasText: titre }).click();
  await page.locator(`#${entree}`).click();
}

// The records exported from the menu, as the file the browser downloads.
async function exporterDepuisLeMenu(page, nom) {
  const telechargement = page.waitForEvent('download');
  await menu(page, 'Meilleurs scores', 'menuExporter');
  const fichier = join(artefacts, nom);
  await (await telechargement).saveAs(fichier);
  return readFileSync(fichier);
}

// The end of a won game: the message, and the place it gives.
async function finGagnee(page, nom) {
  const b = await boite(page, 'OK');
  assert.equal(b.sorte, 'message');
  assert.match(b.texte, /^Fin de la partie\./);
  assert.match(b.texte, new RegExp(`(FELICITATIONS|Bravo) ${nom}\u00a0! Vous entrez dans les 10 meilleurs scores`), b.texte);
  // A screen reader hears it too.
  assert.equal(await page.locator('#annonces[aria-live]').textContent(), b.texte);
  const place = Number(/Score Numéro (\d+) avec (-?\d+) points/.exec(b.texte)[1]);
  const score = Number(/Score Numéro (\d+) avec (-?\d+) points/.exec(b.texte)[2]);
  return { place, score };
}

// The viewer opened from the side panel shows the record at its place.
async function verifierVisionneuse(page, place, nom, score) {
  await panneau(page, 'panelDetailHighScores');
  const d = page.locator('.dialogue.scores');
  await d.waitFor();
  await inactif(page);
  assert.equal(await d.locator('.nom').nth(place - 1).textContent(), nom);
  assert.equal(await d.locator('.score').nth(place - 1).textContent(), String(score));
  await d.locator('#panelOkHighScores').click();
  await d.waitFor({ state: 'detached' });
}

// ---- Winning each game -------------------------------------------------------------------------

const TOUCHES = { '1,0': 'ArrowRight', '-1,0': 'ArrowLeft', '0,1': 'ArrowDown', '0,-1': 'ArrowUp' };

async function gagnerLabyrinthe(page) {
  const e = await etat(page);
  let chemin = e.chemin;
  if (chemin[0][0] !== e.pos[0] || chemin[0][1] !== e.pos[1]) chemin = [...chemin].reverse();
  assert.deepEqual(chemin[0], e.pos, 'the path starts where the glutton stands');
  for (let i = 1; i < chemin.length; ++i) {
    const d = `${chemin[i][0] - chemin[i - 1][0]},${chemin[i][1] - chemin[i - 1][1]}`;
    if (doigt) {
      // By touch: half the steps a swipe from the glutton's cell, half a tap on the next cell.
      const [x, y] = await centre(page, 'caseA', chemin[i - 1][0] * 100 + chemin[i - 1][1]);
      if (i % 2) {
        const [dx, dy] = d.split(',').map((v) => Number(v) * 40);
        await doigt.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y, id: 1 }] });
        await doigt.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: x + dx / 2, y: y + dy / 2, id: 1 }] });
        await doigt.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: x + dx, y: y + dy, id: 1 }] });
        await doigt.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
      } else {
        await cliquer(page, 'caseA', [chemin[i][0] * 100 + chemin[i][1]]);
      }
      await inactif(page);
      // The last step ends the game: its message waits for the player.
      if (i < chemin.length - 1) assert.deepEqual((await etat(page)).pos, chemin[i], `step ${i} by ${i % 2 ? 'a swipe' : 'a tap'}`);
      continue;
    }
    // The digits of the keypad move the glutton as the arrows do; half the steps use them.
    const touche = i % 2 ? TOUCHES[d] : { ArrowRight: '6', ArrowLeft: '4', ArrowDown: '2', ArrowUp: '8' }[TOUCHES[d]];
    await page.keyboard.press(touche);
  }
  await inactif(page);
}

// The ring of the magic square is mended by at most as many neighbour swaps as scrambled it.
function sommesJustes(v, n, somme, diagonales) {
  for (let y = 1; y <= n; ++y) { let s = 0; for (let x = 1; x <= n; ++x) s += v[y][x]; if (s !== somme) return false; }
  for (let x = 1; x <= n; ++x) { let s = 0; for (let y = 1; y <= n; ++y) s += v[y][x]; if (s !== somme) return false; }
  if (diagonales) {
    let a = 0, b = 0;
    for (let i = 1; i <= n; ++i) { a += v[i][i]; b += v[i][n + 1 - i]; }
    if (a !== somme || b !== somme) return false;
  }
  return true;
}

async function gagnerCarre(page) {
  const e = await etat(page);
  const n = e.n;
  const v = e.valeurs.map((l) => [...l]);
  const somme = (n * (n * n + 1)) / 2;
  const coups = [];
  for (let y = 1; y <= n; ++y) for (let x = 1; x <= n; ++x) {
    if (x < n) coups.push({ type: 0, x, y, a: [x, y], b: [x + 1, y] });
    if (y < n) coups.push({ type: 1, x, y, a: [x, y], b: [x, y + 1] });
  }
  const echanger = (c) => { const t = v[c.a[1]][c.a[0]]; v[c.a[1]][c.a[0]] = v[c.b[1]][c.b[0]]; v[c.b[1]][c.b[0]] = t; };
  const essayer = (profondeur, debut, suite) => {
    if (sommesJustes(v, n, somme, false) || sommesJustes(v, n, somme, true)) {
      // With the diagonals counted only when the game counts them.
      return suite;
    }
    if (!profondeur) return null;
    for (let i = debut; i < coups.length; ++i) {
      echanger(coups[i]);
      const r = essayer(profondeur - 1, i + 1, [...suite, coups[i]]);
      echanger(coups[i]);
      if (r) return r;
    }
    return null;
  };
  let solution = null;
  for (let p = 1; p <= 4 && !solution; ++p) solution = essayer(p, 0, []);
  assert.ok(solution, 'a few swaps mend the square');
  for (const c of solution) await cliquer(page, 'mur', [c.type, c.x * 100 + c.y]);
}

async function gagnerDifferences(page) {
  // Every step to a cell the game allows (state 0), until none is left: the walk ends the game.
  for (let pas = 0; pas < 300; ++pas) {
    const e = await etat(page);
    if (e.termine) return;
    let choix = null;
    for (let y = 1; y <= e.n && !choix; ++y)
      for (let x = 1; x <= e.n; ++x)
        if (e.etats[y - 1][x - 1] === 0 && Math.max(Math.abs(x - e.pos[0]), Math.abs(y - e.pos[1])) === 1) { choix = [x, y]; break; }
    assert.ok(choix, 'a move is left while the game goes on');
    await cliquer(page, 'caseA', [choix[0] * 100 + choix[1]]);
    if (await page.locator('.dialogue.boite').count()) return;
  }
}

// The serpentine by right clicks only: a right click moves a cell into the hole.
function serpentinForme(v, trou, n, longueur) {
  const pos = new Map();
  for (let y = 1; y <= n; ++y) for (let x = 1; x <= n; ++x) if (!(x === trou[0] && y === trou[1])) pos.set(v[y][x], [x, y]);
  let meilleur = 0;
  for (const [k, p] of pos) {
    if (pos.has(k - 1) && Math.max(Math.abs(pos.get(k - 1)[0] - p[0]), Math.abs(pos.get(k - 1)[1] - p[1])) === 1) continue;
    let l = 1, q = p, j = k;
    while (pos.has(j + 1) && Math.max(Math.abs(pos.get(j + 1)[0] - q[0]), Math.abs(pos.get(j + 1)[1] - q[1])) === 1) { ++l; ++j; q = pos.get(j); }
    meilleur = Math.max(meilleur, l);
  }
  return meilleur >= longueur;
}

async function gagnerSerpentin(page, longueur) {
  const e = await etat(page);
  const n = e.n;
  const depart = { v: e.valeurs.map((l) => [...l]), trou: e.trou, coups: [] };
  let niveau = [depart];
  const vus = new Set([JSON.stringify(depart.v) + depart.trou]);
  let solution = serpentinForme(depart.v, depart.trou, n, longueur) ? depart : null;
  for (let p = 0; p < 6 && !solution; ++p) {
    const suivant = [];
    for (const s of niveau) {
      for (let y = 1; y <= n && !solution; ++y) for (let x = 1; x <= n && !solution; ++x) {
        if (x === s.trou[0] && y === s.trou[1]) continue;
        const v = s.v.map((l) => [...l]);
        v[s.trou[1]][s.trou[0]] = v[y][x];
        const cle = JSON.stringify(v) + [x, y];
        if (vus.has(cle)) continue;
        vus.add(cle);
        const t = { v, trou: [x, y], coups: [...s.coups, [x, y]] };
        if (serpentinForme(v, t.trou, n, longueur)) solution = t;
        suivant.push(t);
      }
    }
    niveau = suivant;
  }
  assert.ok(solution, 'a few right clicks form the serpentine');
  for (const [x, y] of solution.coups) await cliquer(page, 'caseA', [x * 100 + y], 'right');
}

async function gagnerMemoire(page) {
  const e = await etat(page);
  const groupes = new Map();
  for (let y = 1; y <= e.n; ++y) for (let x = 1; x <= e.n; ++x) {
    const v = e.valeurs[y][x];
    if (!groupes.has(v)) groupes.set(v, []);
    groupes.get(v).push([x, y]);
  }
  for (const cases of groupes.values())
    for (const [x, y] of cases) {
      await cliquer(page, 'caseA', [x * 100 + y]);
      if (await page.locator('.dialogue.boite').count()) return;
    }
  // The last group shows until the refresh timer ends the game.
}

// ---- The tests ---------------------------------------------------------------------------------

const tests = [];
const test = (nom, f) => tests.push({ nom, f });

test('the puzzle printer for Node prints what the native one prints, byte for byte', async () => {
  const lancer = (commande, args) => spawnSync(commande, args, { maxBuffer: 1 << 26 });
  const node = lancer(process.execPath, [join(dossierWeb, 'cogitelle-puzzle.js'), '--json', '--all']);
  const natif = lancer(imprimanteNative, ['--json', '--all']);
  assert.equal(node.status, 0, String(node.stderr));
  assert.equal(node.stdout.toString().split('\n').length, 2501);
  assert.ok(node.stdout.equals(natif.stdout), 'the 2500 fingerprints are the same bytes');
  for (const args of [['carre', '350'], ['--json', '4', '17'], ['memoire', '501'], ['nul', '1']]) {
    const a = lancer(process.execPath, [join(dossierWeb, 'cogitelle-puzzle.js'), ...args]), b = lancer(imprimanteNative, args);
    assert.equal(a.status, b.status, args.join(' '));
    assert.ok(a.stdout.equals(b.stdout) && a.stderr.equals(b.stderr), args.join(' '));
  }
});

test('the built folder holds the page, the module, the help, the icons and the manifest', async () => {
  for (const f of ['index.html', 'app.js', 'cogitelle.mjs', 'cogitelle.wasm', 'sw.js', 'manifest.webmanifest', 'help/cogitellefr.html', 'icons/cogitelle-256.png'])
    assert.ok(existsSync(join(dossierWeb, f)), f);
  const manifeste = JSON.parse(readFileSync(join(dossierWeb, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifeste.name, 'COGITELLE I');
  for (const i of manifeste.icons) assert.ok(existsSync(join(dossierWeb, i.src)), i.src);
});

test('a first visit: every game won, the end messages, the viewer, records kept over a reload, Export', async () => {
  const n = await navigateur({ viewport: { width: 800, height: 600 } });
  const { page } = n;
  try {
    await ouvrir(page);
    await page.screenshot({ path: join(artefacts, 'demarrage-800x600.png') });
    await demarrer(page);
    // The chooser of the first game cannot be left without a game.
    await page.locator('#buttonCancel').click();
    await inactif(page);
    assert.equal(await page.locator('.dialogue.choix').count(), 1);
    // An empty name is refused with the game's message.
    await page.locator('#buttonOK').click();
    assert.equal((await boite(page, 'OK')).texte, 'Veuillez saisir votre nom !');
    // The name is kept in upper case.
    await choisir(page, { nom: 'élodie', type: 1, numero: 1 });
    const e = await etat(page);
    assert.equal(e.type, 1);
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelNomJoueur').t), 'ÉLODIE');
    await page.screenshot({ path: join(artefacts, 'fenetre-800x600.png') });

    await gagnerLabyrinthe(page);
    const lab = await finGagnee(page, 'ÉLODIE');
    await verifierVisionneuse(page, lab.place, 'ÉLODIE', lab.score);

    // The first visit's records, exported, are the desktop's first run's file but for this record.
    const exporte = await exporterDepuisLeMenu(page, 'scoresI-export');
    assert.equal(exporte.length, 400000);

    await panneau(page, 'panelCarreMagique');
    await choisir(page, { type: 2, numero: 1 });
    await gagnerCarre(page);
    const carre = await finGagnee(page, 'ÉLODIE');
    await verifierVisionneuse(page, carre.place, 'ÉLODIE', carre.score);

    await panneau(page, 'panelDifferences');
    await choisir(page, { type: 3, numero: 1 });
    await gagnerDifferences(page);
    const diff = await finGagnee(page, 'ÉLODIE');

    await menu(page, 'Cogitelle', 'menuSerpentin');
    await choisir(page, { type: 4, numero: 1 });
    await gagnerSerpentin(page, 6);
    const serp = await finGagnee(page, 'ÉLODIE');

    await panneau(page, 'panelMemoire');
    await choisir(page, { type: 5, numero: 1 });
    await gagnerMemoire(page);
    const mem = await finGagnee(page, 'ÉLODIE');
    await verifierVisionneuse(page, mem.place, 'ÉLODIE', mem.score);

    // The board's colour, chosen in the colour dialog.
    await menu(page, 'Options', 'menuCouleurTableauDeJeu');
    await page.locator('.dialogue.couleur input[type=color]').fill('#ff8000');
    await page.locator('.dialogue.couleur').getByRole('button', { name: 'OK' }).click();
    await inactif(page);
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelCentral').k), 0x0080ff);

    // A reload keeps the records, the name and the colours.
    await page.reload();
    await page.waitForFunction(() => window.cogitelleTest);
    await page.evaluate(() => window.cogitelleTest.pret);
    await demarrer(page);
    assert.equal(await page.locator('#editYourName').inputValue(), 'ÉLODIE');
    assert.equal(await page.locator('#rbTypeJeu5').isChecked(), true);
    await choisir(page, { type: 2, numero: 1 });
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelCentral').k), 0x0080ff);
    await verifierVisionneuse(page, carre.place, 'ÉLODIE', carre.score);
    await panneau(page, 'panelChangerTableau');
    await page.locator('#rbTypeJeu3').check();
    await inactif(page);
    if (diff.place === 1) assert.equal(await page.locator('#panelNomRecordMixte').textContent(), 'ÉLODIE');
    await page.locator('#buttonCancel').click();
    await page.locator('.dialogue.choix').waitFor({ state: 'detached' });
    assert.ok(serp.place >= 1 && lab.place >= 1);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test("a first visit's export is the desktop's first-run score file, byte for byte", async () => {
  const n = await navigateur();
  const { page } = n;
  try {
    await ouvrir(page);
    await demarrer(page);
    await choisir(page, { nom: 'Z', type: 1, numero: 1 });
    const telechargement = page.waitForEvent('download');
    await menu(page, 'Meilleurs scores', 'menuExporter');
    const d = await telechargement;
    assert.equal(d.suggestedFilename(), 'scoresI');
    const fichier = join(artefacts, 'scoresI-premiere-visite');
    await d.saveAs(fichier);
    assert.ok(readFileSync(fichier).equals(readFileSync(scoresPremierLancement)), 'identical to the desktop first run');
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('Import of a desktop file shows its records; a short or foreign file is refused and changes nothing', async () => {
  const n = await navigateur();
  const { page } = n;
  try {
    await ouvrir(page);
    await demarrer(page);
    await choisir(page, { nom: 'ANNE', type: 2, numero: 7 });
    const avant = await page.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t);
    const refuser = async (nom, octets) => {
      await page.locator('#fichierImport').setInputFiles({ name: nom, mimeType: 'application/octet-stream', buffer: octets });
      const b = await boite(page, 'OK');
      assert.equal(b.sorte, 'erreur');
      assert.match(b.texte, /^Ce fichier n'a pas été importé : .*Les meilleurs scores sont restés tels qu'ils étaient\.$/);
      return b.texte;
    };
    assert.match(await refuser('scoresI', readFileSync(scoresAvecRecord).subarray(0, 1000)), /400000 octets, celui-ci en a 1000/);
    const etranger = Buffer.alloc(400000);
    for (let i = 0; i < etranger.length; ++i) etranger[i] = (i * 7919 + 13) & 0xff;
    await refuser('photo.png', etranger);
    assert.match(await refuser('film.avi', Buffer.alloc(2500000, 7)), /celui-ci en a 2500000/);
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t), avant);

    await page.locator('#fichierImport').setInputFiles(scoresAvecRecord);
    // The question "Recréer les meilleurs scores" asks, for the file's records.
    assert.equal((await boite(page, 'Oui')).sorte, 'question');
    assert.match((await boite(page, 'OK')).texte, /importés/);
    await inactif(page);
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t), '9999');
    await verifierVisionneuse(page, 1, 'DESKTOP', 9999);
    // And it is what the page keeps: the export gives the desktop file back.
    const telechargement = page.waitForEvent('download');
    await menu(page, 'Meilleurs scores', 'menuExporter');
    const fichier = join(artefacts, 'scoresI-importe');
    await (await telechargement).saveAs(fichier);
    assert.ok(readFileSync(fichier).equals(readFileSync(scoresAvecRecord)));
    await page.reload();
    await page.waitForFunction(() => window.cogitelleTest);
    await page.evaluate(() => window.cogitelleTest.pret);
    await demarrer(page);
    await choisir(page, { type: 2, numero: 7 });
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t), '9999');
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

for (const panne of ['refuse', 'bloque']) test(`a storage that ${panne === 'refuse' ? 'refuses to keep' : 'blocks'} the data is reported once and play goes on in memory`, async () => {
  const n = await navigateur();
  const { page } = n;
  try {
    // The start-up's saves fail: the boxes say so, then the start screen is ready.
    const textes = await boitesAuChargement(page, `&stockage=${panne}`);
    assert.equal(textes.length, 1, textes.join(' / '));
    assert.match(textes[0], panne === 'refuse' ? /stockage du navigateur a refusé de les garder \(Le quota de stockage est dépassé\)/
      : /stockage du navigateur a refusé de les lire \(L'accès au stockage est bloqué\)/);
    await demarrer(page);
    await choisir(page, { nom: 'MARC', type: 1, numero: 1 });
    await gagnerLabyrinthe(page);
    const r = await finGagnee(page, 'MARC');
    await aucuneBoite(page);
    await verifierVisionneuse(page, r.place, 'MARC', r.score);
  } finally {
    await n.fermer();
  }
});

for (const [nom, options] of [
  ['800x600', { viewport: { width: 800, height: 600 } }],
  ['1920x1080', { viewport: { width: 1920, height: 1080 } }],
  ['390x844-toucher', { viewport: { width: 390, height: 844 }, touch: true, dpr: 3 }],
]) {
  test(`the page at ${nom}: nothing cut off, the chooser and the board inside the window`, async () => {
    const n = await navigateur(options);
    const { page } = n;
    try {
      const { width, height } = options.viewport;
      const dedans = async (selecteur) => {
        const b = await page.locator(selecteur).boundingBox();
        assert.ok(b.x >= -0.5 && b.y >= -0.5 && b.x + b.width <= width + 0.5 && b.y + b.height <= height + 0.5, `${selecteur} ${JSON.stringify(b)}`);
      };
      await ouvrir(page);
      await dedans('#demarrage');
      await demarrer(page);
      await dedans('.dialogue.choix');
      await page.screenshot({ path: join(artefacts, `choix-${nom}.png`) });
      await choisir(page, { nom: 'TOUCHE', type: 4, numero: 1 });
      await dedans('#principale');
      await dedans('#menus');
      // The menus' entries stay on one line each, inside the bar.
      const menus = await page.locator('#menus .menu > button').evaluateAll((bs) => bs.map((b) => b.getBoundingClientRect().right));
      assert.ok(Math.max(...menus) <= width, `menus end at ${Math.max(...menus)}`);
      if (options.touch) {
        // A tap on a cell beside the hole slides it; a long press is the right click.
        const e = await etat(page);
        const [hx, hy] = e.trou;
        const voisin = hx > 1 ? [hx - 1, hy] : [hx + 1, hy];
        const [x, y] = await centre(page, 'caseA', voisin[0] * 100 + voisin[1]);
        await page.touchscreen.tap(x, y);
        await inactif(page);
        assert.deepEqual((await etat(page)).trou, voisin, 'a tap slides the cell into the hole');
        const score = (await etat(page)).score;
        const [x2, y2] = await centre(page, 'caseA', hx * 100 + hy);
        const cdp = await page.context().newCDPSession(page);
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: x2, y: y2 }] });
        await page.waitForTimeout(700);
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        await inactif(page);
        const apres = await etat(page);
        assert.deepEqual(apres.trou, [hx, hy], 'a long press moves the cell into the hole');
        assert.ok(apres.score <= score - 50, 'at the right click\'s price');
        // A two-finger tap is a right click too: the cell beside the hole goes back into it.
        const [x3, y3] = await centre(page, 'caseA', voisin[0] * 100 + voisin[1]);
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: x3, y: y3, id: 1 }, { x: x3 + 10, y: y3, id: 2 }] });
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        await inactif(page);
        assert.deepEqual((await etat(page)).trou, voisin, 'a two-finger tap moves the cell into the hole');
      }
      await page.screenshot({ path: join(artefacts, `fenetre-${nom}.png`) });
      assert.deepEqual(n.erreurs, []);
    } finally {
      await n.fermer();
    }
  });
}

test('at 1920x1080 by the keyboard alone: puzzle 250 chosen by its digits in a chooser scaled whole, then one puzzle per double click', async () => {
  const n = await navigateur({ viewport: { width: 1920, height: 1080 } });
  const { page } = n;
  try {
    await ouvrir(page);
    await page.keyboard.press('Enter');
    const choix = page.locator('.dialogue.choix');
    await page.locator('#editYourName').waitFor();
    await inactif(page);
    const texteNumero = () => page.locator('#panelNumeroTableau').textContent();
    const attendreNumero = (texte) => page.waitForFunction((t) => document.querySelector('#panelNumeroTableau')?.textContent === t, texte);

    // Scaled whole by the smaller screen factor (1080 / 600), with its radio dots, scroll bar,
    // arrows and thumb, and kept inside the window.
    const mesures = await page.evaluate(() => {
      const rect = (q) => document.querySelector(q).getBoundingClientRect();
      const barre = rect('#scrollBarChoixTableau');
      const numero = document.querySelector('#panelNumeroTableau');
      const m = document.createElement('canvas').getContext('2d');
      m.font = getComputedStyle(numero).font;
      const t = m.measureText(numero.textContent);
      return { corps: rect('.dialogue.choix .corps'), dialogue: rect('.dialogue.choix'), point: rect('#rbTypeJeu1'),
        barre, fleches: [...document.querySelectorAll('#scrollBarChoixTableau .fleche')].map((f) => f.getBoundingClientRect()),
        curseur: rect('#scrollBarChoixTableau .curseur'), texteRadio: parseFloat(getComputedStyle(document.querySelector('.radio')).fontSize),
        numero: { hauteurTexte: t.fontBoundingBoxAscent + t.fontBoundingBoxDescent, largeurTexte: t.width,
          hauteur: numero.clientHeight, largeur: numero.clientWidth } };
    });
    const f = mesures.corps.width / 370;
    assert.ok(Math.abs(f - 1.8) < 0.01, `the chooser's factor ${f}`);
    assert.ok(Math.abs(mesures.corps.height / 256 - f) < 0.01);
    const d = mesures.dialogue;
    assert.ok(d.x >= 0 && d.y >= 0 && d.x + d.width <= 1920 && d.y + d.height <= 1080, `the chooser inside the window ${JSON.stringify(d)}`);
    assert.ok(Math.abs(mesures.point.width - 13 * f) <= 1 && Math.abs(mesures.point.height - 13 * f) <= 1, `radio dot ${mesures.point.width}`);
    assert.ok(Math.abs(mesures.texteRadio - 13 * f) <= 1);
    assert.ok(Math.abs(mesures.barre.height - 19 * f) <= 1 && Math.abs(mesures.barre.width - 360 * f) <= 1, `scroll bar ${JSON.stringify(mesures.barre)}`);
    assert.equal(mesures.fleches.length, 2);
    for (const r of [...mesures.fleches, mesures.curseur])
      assert.ok(Math.abs(r.width - mesures.barre.height) <= 1 && Math.abs(r.height - mesures.barre.height) <= 1, `arrow or thumb ${r.width}x${r.height}`);
    // "Cogitelle n° 1" whole in its panel, descenders included.
    assert.ok(mesures.numero.hauteurTexte <= mesures.numero.hauteur + 0.5 && mesures.numero.largeurTexte <= mesures.numero.largeur + 0.5,
      JSON.stringify(mesures.numero));

    // The keyboard only: the bar has it first; Tab goes to the name, then to the random pick, OK,
    // Annuler, the game types, and back to the bar.
    assert.equal(await page.evaluate(() => document.activeElement.id), 'scrollBarChoixTableau');
    await page.keyboard.press('Tab');
    await page.keyboard.type('Clavier');
    const ordre = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press('Tab');
      ordre.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(ordre, ['panelAleatoire', 'buttonOK', 'buttonCancel', 'rbTypeJeu1']);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'scrollBarChoixTableau');
    // Right and PageDown raise the number, Left lowers it, End and Home go to the ends.
    for (const [touche, texte] of [['ArrowRight', 'Cogitelle n° 2'], ['PageDown', 'Cogitelle n° 12'], ['ArrowLeft', 'Cogitelle n° 11'],
      ['End', 'Cogitelle n° 500'], ['Home', 'Cogitelle n° 1'], ['ArrowDown', 'Cogitelle n° 2']]) {
      await page.keyboard.press(touche);
      await attendreNumero(texte);
    }
    // Three digits within a second: puzzle 250; Enter confirms from the bar.
    await page.keyboard.type('250');
    await attendreNumero('Cogitelle n° 250');
    await page.keyboard.press('Enter');
    await choix.waitFor({ state: 'detached' });
    await inactif(page);
    let e = await etat(page);
    assert.deepEqual([e.type, e.numero], [2, 250]);
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelNomJoueur').t), 'CLAVIER');

    // A double click on ">>" moves one puzzle, not two.
    const [x, y] = await centre(page, 'controle', 'panelTableauSuivant');
    await page.mouse.dblclick(x, y);
    await inactif(page);
    e = await etat(page);
    assert.deepEqual([e.type, e.numero], [2, 251]);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

// Every control of a dialog on show, where the module's description puts it at the dialog's
// scale: the page's places (left, top, width, height in CSS pixels, in its parent), against the
// description's, one pixel apart at most.
async function ecartsALaDescription(page, selecteur, nomDialogue) {
  return page.evaluate(async ([sel, nom]) => {
    const corps = document.querySelector(`${sel} .corps`);
    // The scale the page drew the dialog at, in CSS pixels per design pixel.
    const f = parseFloat(corps.dataset.facteur);
    const d = await window.cogitelleTest.dialogue(nom, f);
    const place = (el) => ['left', 'top', 'width', 'height'].map((k) => parseFloat(el.style[k]));
    const ecarts = [];
    let vus = 0;
    const comparer = (el, c) => {
      const p = place(el);
      if (p.some(Number.isNaN)) return;
      ++vus;
      if (p.some((v, i) => Math.abs(v - c.place[i]) > 1)) ecarts.push(`${c.nom}: ${p} against ${c.place}`);
    };
    if (Math.abs(parseFloat(corps.style.height) - Math.round(d.hauteur * f)) > 1) ecarts.push('the dialog\'s height');
    for (const c of d.controles) {
      const el = corps.querySelector(`#${c.nom}`);
      if (el) comparer(el, c);
    }
    // The viewer's grid, row by row: the cells in the central panel, which is trimmed to them.
    const cellules = [...corps.querySelectorAll('.rang, .nom, .score')];
    const grille = d.controles.filter((c) => /^panel(Rang|Nom|Score)\d+$/.test(c.nom));
    if (grille.length) {
      if (cellules.length !== grille.length) ecarts.push(`${cellules.length} cells`);
      cellules.forEach((el, i) => comparer(el, grille[i]));
      comparer(cellules[0].parentElement, d.controles.find((c) => c.nom === 'panelCentral'));
    }
    return { ecarts, vus };
  }, [selecteur, nomDialogue]);
}

test("the chooser and the viewer lay their controls where the module's descriptions put them", async () => {
  const n = await navigateur({ viewport: { width: 1366, height: 768 } });
  const { page } = n;
  try {
    await ouvrir(page);
    await demarrer(page);
    await inactif(page);
    const choix = await ecartsALaDescription(page, '.dialogue.choix', 'frmChoixTableau');
    assert.deepEqual(choix.ecarts, []);
    assert.ok(choix.vus >= 8, `${choix.vus} controls of the chooser compared`);
    await choisir(page, { nom: 'PLACES', type: 2, numero: 3 });
    await menu(page, 'Meilleurs scores', 'menuDetailHighScores');
    await page.locator('.dialogue.scores').waitFor();
    await inactif(page);
    const scores = await ecartsALaDescription(page, '.dialogue.scores', 'frmHighScores');
    assert.deepEqual(scores.ecarts, []);
    assert.ok(scores.vus >= 35, `${scores.vus} controls of the viewer compared`);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('before the first game, the menus export and import the records while the chooser of start-up stays', async () => {
  const n = await navigateur();
  const { page } = n;
  try {
    await ouvrir(page);
    await demarrer(page);
    // The chooser waits for the first game, beside the main window: its menus are the player's.
    assert.ok((await exporterDepuisLeMenu(page, 'scoresI-avant-partie')).equals(readFileSync(scoresPremierLancement)));
    const choixFichier = page.waitForEvent('filechooser');
    await menu(page, 'Meilleurs scores', 'menuImporter');
    await (await choixFichier).setFiles(scoresAvecRecord);
    assert.equal((await boite(page, 'Oui')).sorte, 'question');
    assert.match((await boite(page, 'OK')).texte, /importés/);
    await aucuneBoite(page);
    assert.ok((await exporterDepuisLeMenu(page, 'scoresI-importe-avant-partie')).equals(readFileSync(scoresAvecRecord)));

    // Still the chooser of start-up, which neither Annuler nor Escape closes; it shows the
    // imported record, and the first game starts from it.
    await page.locator('#buttonCancel').click();
    await page.locator('#scrollBarChoixTableau').press('Escape');
    await inactif(page);
    assert.equal(await page.locator('.dialogue.choix').count(), 1);
    await page.locator('#rbTypeJeu2').check();
    await page.locator('#scrollBarChoixTableau').press('Home');
    await page.keyboard.type('7');
    await page.waitForFunction(() => document.querySelector('#panelNomRecordMixte')?.textContent === 'DESKTOP');
    assert.equal(await page.locator('#panelScoreRecordMixte').textContent(), '9999');
    await choisir(page, { nom: 'AVANT' });
    const e = await etat(page);
    assert.deepEqual([e.type, e.numero], [2, 7]);
    assert.equal(await page.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t), '9999');
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('the chooser and the viewer open beside each other and the board, each scaled whole with its title bar, the menus usable', async () => {
  await enPartie({ nom: 'COTE', type: 5, numero: 3 }, async ({ page }) => {
    const choix = page.locator('.dialogue.choix'), scores = page.locator('.dialogue.scores');
    await panneau(page, 'panelChangerTableau');
    await choix.locator('#scrollBarChoixTableau').waitFor();
    await menu(page, 'Meilleurs scores', 'menuDetailHighScores');
    await scores.locator('#panelOkHighScores').waitFor();
    await inactif(page);
    // Each title bar follows its dialog's factor, as the desktop sizes a window's frame for it.
    for (const d of [choix, scores]) {
      const { f, hauteur, taille } = await d.evaluate((el) => ({ f: parseFloat(el.querySelector('.corps').dataset.facteur),
        hauteur: el.querySelector('.titre').getBoundingClientRect().height, taille: parseFloat(getComputedStyle(el.querySelector('.titre')).fontSize) }));
      assert.ok(Math.abs(f - 1.8) < 0.01, `factor ${f}`);
      assert.ok(Math.abs(hauteur - 20 * f) <= 1 && Math.abs(taille - 13 * f) <= 0.5, `title bar ${hauteur} px, ${taille} px type`);
    }
    // Both open, centred, the viewer on top; each moved by its title bar to a side of the page.
    const glisser = async (d, x) => {
      const titre = await d.locator('.titre').boundingBox(), b = await d.boundingBox();
      await page.mouse.move(titre.x + 40, titre.y + titre.height / 2);
      await page.mouse.down();
      await page.mouse.move(titre.x + 40 + x - b.x, titre.y + titre.height / 2 + 50, { steps: 5 });
      await page.mouse.up();
    };
    await glisser(scores, 1920 - (await scores.boundingBox()).width);
    await glisser(choix, 0);
    const [bc, bs] = [await choix.boundingBox(), await scores.boundingBox()];
    assert.ok(bc.x >= 0 && bs.x >= bc.x + bc.width && bs.x + bs.width <= 1920 && bs.y + bs.height <= 1080,
      `${JSON.stringify(bc)} ${JSON.stringify(bs)}`);
    await page.screenshot({ path: join(artefacts, 'choix-et-scores-1920x1080.png') });

    // The viewer takes the scroll bars' keys itself; its arrow steps its own bar.
    await scores.locator('#panelTypeJeu').click();
    await page.keyboard.press('ArrowLeft');
    await page.waitForFunction(() => document.querySelector('.scores #panelTypeJeu').textContent === 'JEU DU SERPENTIN');
    const fleche = await scores.locator('#scrollBarNumeroTableau .fleche.droite').boundingBox();
    await page.mouse.click(fleche.x + fleche.width / 2, fleche.y + fleche.height / 2);
    await page.waitForFunction(() => document.querySelector('.scores #panelNumeroTableau').textContent === 'Cogitelle n° 4');
    assert.equal(await scores.locator('#panelTypeJeu').textContent(), 'JEU DU SERPENTIN');

    // The chooser meanwhile: a game type picked, then the board played; back in the chooser, its
    // selection is the game in play's again, as a window activated anew reloads it.
    await choix.locator('#rbTypeJeu4').check();
    await page.waitForFunction(() => document.querySelector('.choix #panelNomRecordMixte').textContent !== '');
    const avant = await etat(page);
    await cliquer(page, 'caseA', [101]);
    assert.notDeepEqual((await etat(page)).etats, avant.etats, 'the board takes the press');
    await choix.locator('#groupBoxTypeJeu').click({ position: { x: 5, y: 60 } });
    await inactif(page);
    assert.equal(await choix.locator('#rbTypeJeu5').isChecked(), true);
    assert.equal(await scores.locator('#panelTypeJeu').textContent(), 'JEU DU SERPENTIN', 'the viewer kept its own browsing');

    // The menus meanwhile, and their boxes over everything.
    await menu(page, 'Aide', 'menuAPropos');
    assert.match((await boite(page, 'OK')).texte, /^COGITELLE I/);
    assert.match((await boite(page, 'OK')).texte, /^Conception/);
    // Escape closes the viewer alone; OK in the chooser starts the game it shows.
    await scores.locator('#panelTypeJeu').click();
    await page.keyboard.press('Escape');
    await scores.waitFor({ state: 'detached' });
    assert.equal(await choix.count(), 1);
    await choix.locator('#rbTypeJeu1').check();
    await choisir(page, {});
    assert.equal((await etat(page)).type, 1);

    // Quitting from the menu while a dialog is open ends the program whole: no window stays.
    await panneau(page, 'panelChangerTableau');
    await choix.locator('#buttonOK').waitFor();
    await menu(page, 'Cogitelle', 'Quitter1');
    await boite(page, 'Oui');
    await boite(page, 'OK');
    await page.locator('#fermee').waitFor();
    assert.equal(await choix.isVisible(), false);
  }, { viewport: { width: 1920, height: 1080 } });
});

test('after a first visit the page plays offline, from the service worker', async () => {
  const n = await navigateur();
  const { page, contexte } = n;
  try {
    await page.goto(ADRESSE);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 10000 }).catch(() => page.reload());
    await page.evaluate(async () => {
      // Every file is kept once the worker is installed.
      const cles = await caches.keys();
      if (!cles.length) throw new Error('no cache');
    });
    await contexte.setOffline(true);
    await ouvrir(page);
    await demarrer(page);
    await choisir(page, { nom: 'HORS LIGNE', type: 5, numero: 3 });
    assert.equal((await etat(page)).type, 5);
    // The browser's timer drives the score clock: a point a second.
    const avant = (await etat(page)).score;
    await page.waitForTimeout(2300);
    const apres = (await etat(page)).score;
    assert.ok(apres <= avant - 2 && apres >= avant - 4, `${avant} -> ${apres}`);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('the menus: F1 opens the help, F9 asks before quitting, A propos shows both messages', async () => {
  const n = await navigateur();
  const { page, contexte } = n;
  try {
    await ouvrir(page);
    await demarrer(page, 2);
    await choisir(page, { nom: 'LUC', type: 3, numero: 2 });
    // ENGLISH: the help and the questions in English; the side panel shows the rules on demand.
    await panneau(page, 'panelReglesDuJeu');
    assert.match(await page.evaluate(() => window.cogitelleTest.controle('lblInfos').t), /^Règles du jeu : /);
    const aide = contexte.waitForEvent('page');
    await page.keyboard.press('F1');
    const pageAide = await aide;
    await pageAide.waitForLoadState();
    assert.match(pageAide.url(), /help\/cogitelleus\.html$/);
    await pageAide.close();
    await menu(page, 'Aide', 'menuAPropos');
    assert.match((await boite(page, 'OK')).texte, /^COGITELLE I/);
    assert.match((await boite(page, 'OK')).texte, /^Conception/);
    await page.keyboard.press('F9');
    // The English quit box answers Yes or No.
    const q = await boite(page, 'No');
    assert.equal(q.sorte, 'question');
    assert.equal(q.texte, 'Do you really want to quit ?');
    await aucuneBoite(page);
    await menu(page, 'Cogitelle', 'Quitter1');
    await boite(page, 'Yes');
    assert.equal((await boite(page, 'OK')).texte.length > 0, true);
    await page.locator('#fermee').waitFor();
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('a page whose timers the browser holds back (a hidden tab, a phone asleep) loses a point a second all the same', async () => {
  // The browser's clock, which the test moves on as a hidden tab's would go.
  await enPartie({ nom: 'CACHE', type: 5, numero: 3 }, async ({ page }) => {
    const avant = (await etat(page)).score;
    // A minute in which the page's timers fire once at most, as in a hidden or suspended tab.
    await page.clock.fastForward(60000);
    await page.waitForTimeout(100);
    const perdus = avant - (await etat(page)).score;
    assert.ok(perdus >= 60 && perdus <= 61, `${perdus} points for a minute`);
  }, { avant: (page) => page.clock.install() });
});

test('a new version served to an open page is offered, fetched from the server itself, and never mixed with the old', async () => {
  // The second build: the same files, with a mark in the page and its style sheet, and its own version.
  const v2 = mkdtempSync(join(tmpdir(), 'cogitelle-v2-'));
  cpSync(dossierWeb, v2, { recursive: true });
  const marquer = (f, avant, apres) => writeFileSync(join(v2, f), readFileSync(join(v2, f), 'utf8').replace(avant, apres));
  marquer('index.html', '<title>', '<meta name="cogitelle-version" content="2"><title>');
  marquer('style.css', /$/, '\n/* version 2 */\n');
  marquer('sw.js', /const VERSION = '([^']*)'/, "const VERSION = '$1-2'");
  // A server whose files the browser's HTTP cache keeps for an hour.
  const servi = await servir(dossierWeb, { 'Cache-Control': 'max-age=3600' });
  const n = await navigateur();
  const { page, contexte } = n;
  // Which version a page runs: its document, and the style sheet it is served now.
  const version = (p) => p.evaluate(async () => [document.querySelector('meta[name=cogitelle-version]') ? 2 : 1,
    (await (await fetch('style.css')).text()).includes('version 2') ? 2 : 1]);
  try {
    await page.goto(`${servi.adresse}?test`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    assert.deepEqual(await version(page), [1, 1]);

    servi.dossier = v2;
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    const offre = page.locator('#nouvelleVersion');
    await offre.waitFor();
    assert.equal(await offre.textContent(), 'Nouvelle version — recharger');
    // Until the player says so, every page runs the version in use: this one, and one opened now.
    assert.deepEqual(await version(page), [1, 1]);
    const autre = await contexte.newPage();
    await autre.goto(`${servi.adresse}?test`);
    await autre.waitForFunction(() => window.cogitelleTest);
    assert.deepEqual(await version(autre), [1, 1]);
    await autre.locator('#nouvelleVersion').waitFor();

    // The player's click: the page loads again, all of it from the new version, which was fetched
    // from the server and not from the browser's cache of the old one.
    await Promise.all([page.waitForEvent('load'), offre.click()]);
    await page.waitForFunction(() => window.cogitelleTest);
    assert.deepEqual(await version(page), [2, 2]);
    // The other page, already running, goes on and offers to load the new version.
    await autre.waitForFunction(() => document.querySelector('#nouvelleVersion:not([disabled])'));
    await Promise.all([autre.waitForEvent('load'), autre.locator('#nouvelleVersion').click()]);
    await autre.waitForFunction(() => window.cogitelleTest);
    assert.deepEqual(await version(autre), [2, 2]);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
    servi.serveur.close();
    rmSync(v2, { recursive: true, force: true });
  }
});

test('as on the desktop: the window rounded as the core rounds, captions shrunk to fit, every second press on a cell a double click', async () => {
  const n = await navigateur({ viewport: { width: 800, height: 650 } });
  const { page } = n;
  try {
    await ouvrir(page);
    await demarrer(page);
    // 534 x 650 / 600 = 578.5, which the core rounds to the even neighbour.
    assert.deepEqual(await page.evaluate(() => window.cogitelleTest.fenetre()), { largeur: 800, hauteur: 578 });

    // A caption too wide for its face at its size is painted smaller, whole: a name of twelve
    // wide letters, the magic square's sums; measured here by the page's own layout of the text.
    await page.locator('#rbTypeJeu2').check();
    await page.locator('#scrollBarChoixTableau').press('End');
    await choisir(page, { nom: 'WWWWWWWWWWWW' });
    assert.deepEqual(Object.values(await etat(page)).slice(0, 2), [2, 500]);
    const legendes = await page.evaluate(() => {
      const t = window.cogitelleTest;
      const largeur = (c) => {
        const s = document.createElement('span');
        Object.assign(s.style, { font: c.fonte, whiteSpace: 'pre', position: 'absolute' });
        s.textContent = c.t;
        document.body.append(s);
        const l = s.getBoundingClientRect().width;
        s.remove();
        return l;
      };
      const controles = [t.controle('panelNomJoueur')];
      for (let x = 0; x < 16; ++x) for (let y = 0; y < 16; ++y) {
        const c = t.caseA(100 * x + y);
        if (c && c.v && c.t) controles.push(c);
      }
      return controles.map((c) => ({ t: c.t, p: c.p, pa: c.pa, largeur: largeur(c), face: c.r[2] - 2 * ((c.be ? c.lb : 0) + (c.bi ? c.lb : 0)) }));
    });
    for (const l of legendes) assert.ok(l.largeur <= l.face + 0.5, JSON.stringify(l));
    assert.equal(legendes[0].t, 'WWWWWWWWWWWW');
    assert.ok(legendes[0].pa < legendes[0].p, JSON.stringify(legendes[0]));
    assert.ok(legendes.some((l) => /^[+-]\d{3}$/.test(l.t) && l.pa < l.p), 'a sum of three digits painted smaller');

    // A run of four quick presses, as the browser counts them, over four face-down cards of the
    // memory game: the first and the third turn their cards; the second and the fourth are double
    // clicks, which a cell leaves to the rule, and the rule ignores.
    await panneau(page, 'panelMemoire');
    await choisir(page, { type: 5, numero: 1 });
    const avant = (await etat(page)).score;
    for (let k = 1; k <= 4; ++k) {
      const [x, y] = await centre(page, 'caseA', k * 100 + 1);
      await page.mouse.move(x, y);
      await page.mouse.down({ clickCount: k });
      await page.mouse.up({ clickCount: k });
    }
    await inactif(page);
    const apres = await etat(page);
    assert.deepEqual(apres.etats[0].slice(0, 4).map((e) => e !== 0), [true, false, true, false]);
    // Two cards turned, at 3 points each; the clock may take a point meanwhile.
    assert.ok([6, 7].includes(avant - apres.score), `${avant} -> ${apres.score}`);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('two tabs: each wins, both records are stored, and each tab shows the other\'s as it is stored', async () => {
  const n = await navigateur();
  const a = n.page;
  const b = await n.contexte.newPage();
  try {
    await ouvrir(a);
    await demarrer(a);
    await choisir(a, { nom: 'ANNA', type: 1, numero: 1 });
    await ouvrir(b);
    await demarrer(b);
    await choisir(b, { nom: 'BRUNO', type: 1, numero: 1 });
    await gagnerLabyrinthe(a);
    const ra = await finGagnee(a, 'ANNA');
    // B read the table before A's record; a new game in B saves its table, A's record kept.
    await panneau(b, 'panelTableauIdem');
    assert.deepEqual((await listeStockee(b, 1, 1))[ra.place - 1], ['ANNA', ra.score]);

    // A's viewer stays open on the puzzle while B wins it: it shows B's record once B stored it.
    await panneau(a, 'panelDetailHighScores');
    await a.locator('.dialogue.scores').waitFor();
    await inactif(a);
    await gagnerLabyrinthe(b);
    const rb = await finGagnee(b, 'BRUNO');
    await a.waitForFunction(() => [...document.querySelectorAll('.dialogue.scores .nom')].some((e) => e.textContent === 'BRUNO'));
    const stockee = await listeStockee(a, 1, 1);
    assert.deepEqual(stockee[rb.place - 1], ['BRUNO', rb.score]);
    assert.ok(stockee.some(([nom, score]) => nom === 'ANNA' && score === ra.score), JSON.stringify(stockee));
    assert.deepEqual(await lignesVisionneuse(a), stockee);
    await a.locator('#panelOkHighScores').click();
    // A's side panel shows the stored best, and B's viewer the same list.
    assert.equal(await a.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t), String(stockee[0][1]));
    await panneau(b, 'panelDetailHighScores');
    await b.locator('.dialogue.scores').waitFor();
    await inactif(b);
    assert.deepEqual(await lignesVisionneuse(b), stockee);

    // The saves' lock is the browser's Web Lock: while B holds it past two seconds, A's save is
    // reported, then made at A's next game.
    await b.evaluate((nom) => { navigator.locks.request(nom, () => new Promise((r) => { window.rendreVerrou = r; })); }, `${CLE_SCORES}.lock`);
    await panneau(a, 'panelTableauIdem');
    assert.match((await boite(a, 'OK')).texte, /une autre copie du jeu est en train de les enregistrer \(le verrou « Ludivex\/COGITELLE I\/scoresI\.lock » n'a pas été obtenu en 2 s\)/);
    await b.evaluate(() => window.rendreVerrou());
    await panneau(a, 'panelTableauIdem');
    await aucuneBoite(a);
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('a damaged stored table is kept under its own key, named in the message, and exported from the menu', async () => {
  const n = await navigateur();
  const { page } = n;
  try {
    // A value that is not base64, then a short table: each start keeps it before anything replaces it.
    const court = readFileSync(scoresAvecRecord).subarray(0, 1000);
    const messages = [];
    for (const valeur of ['AAAA*pas du base64', court.toString('base64')]) {
      await page.goto(`${ADRESSE}manifest.webmanifest`);
      await page.evaluate(([cle, v]) => localStorage.setItem(cle, v), [CLE_SCORES, valeur]);
      messages.push(await boitesAuChargement(page));
    }
    assert.deepEqual(messages.map((m) => m.length), [1, 1], JSON.stringify(messages));
    assert.equal(messages[0][0], `Le fichier des meilleurs scores « ${CLE_SCORES} » n'a pas pu être lu (sa valeur n'est pas en base64). ` +
      `Des meilleurs scores par défaut le remplacent. Le fichier abîmé est gardé dans « ${CLE_SCORES}.bak ».`);
    assert.equal(messages[1][0], `Le fichier des meilleurs scores « ${CLE_SCORES} » est incomplet (1000 octets au lieu de 400000). ` +
      `Ses 62 premiers scores ont été lus. Le fichier abîmé est gardé dans « ${CLE_SCORES}.bak.2 ».`);

    // The menu offers the kept copies while there are any, each as a file named after its key.
    await demarrer(page);
    await choisir(page, { nom: 'ABEL', type: 1, numero: 1 });
    const fichiers = [];
    page.on('download', (d) => fichiers.push(d));
    await menu(page, 'Meilleurs scores', 'menuExporterCopies');
    for (let essai = 0; fichiers.length < 2 && essai < 100; ++essai) await page.waitForTimeout(50);
    const recus = {};
    for (const d of fichiers) {
      const chemin = join(artefacts, d.suggestedFilename());
      await d.saveAs(chemin);
      recus[d.suggestedFilename()] = readFileSync(chemin);
    }
    assert.deepEqual(Object.keys(recus).sort(), ['scoresI.bak', 'scoresI.bak.2']);
    assert.equal(recus['scoresI.bak'].toString(), 'AAAA*pas du base64');
    assert.ok(recus['scoresI.bak.2'].equals(court));
    assert.deepEqual(n.erreurs, []);
  } finally {
    await n.fermer();
  }
});

test('Import asks before it replaces the records, and says so when the browser cannot read the file', async () => {
  await enPartie({ nom: 'ANNE', type: 2, numero: 7 }, async ({ page }) => {
    const meilleur = () => page.evaluate(() => window.cogitelleTest.controle('panelPremierMeilleurScore').t);
    const avant = await meilleur();
    await page.locator('#fichierImport').setInputFiles(scoresAvecRecord);
    const q = await boite(page, 'Non');
    assert.equal(q.sorte, 'question');
    assert.equal(q.texte, 'Etes-vous sûr de vouloir remplacer les scores par ceux de ce fichier (vos records disparaîtront) ?');
    await aucuneBoite(page);
    assert.equal(await meilleur(), avant);
    // A file the browser cannot read (moved or changed since it was chosen).
    await page.evaluate(() => {
      File.prototype.arrayBuffer = () => Promise.reject(new DOMException('The requested file could not be read', 'NotReadableError'));
    });
    await page.locator('#fichierImport').setInputFiles(scoresAvecRecord);
    const e = await boite(page, 'OK');
    assert.equal(e.sorte, 'erreur');
    assert.equal(e.texte, "Ce fichier n'a pas été importé : il n'a pas pu être lu (The requested file could not be read). " +
      "Les meilleurs scores sont restés tels qu'ils étaient.");
    await aucuneBoite(page);
    assert.equal(await meilleur(), avant);
  });
});

test('records the browser will not store: the message offers Export, an Import says they were not stored, closing asks first', async () => {
  await enPartie({ nom: 'NINA', type: 1, numero: 1 }, async ({ page }) => {
    // From now on the storage is full.
    await page.evaluate(() => {
      window.ecrireVraiment = Storage.prototype.setItem;
      Storage.prototype.setItem = () => { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };
    });
    await gagnerLabyrinthe(page);
    // The save fails first; its message offers the records as a file, which holds the record.
    const telechargement = page.waitForEvent('download');
    const echec = await boite(page, 'Exporter');
    assert.equal(echec.sorte, 'erreur');
    assert.match(echec.texte, /^Les meilleurs scores n'ont pas pu être enregistrés dans « Ludivex\/COGITELLE I\/scoresI » : le stockage du navigateur a refusé de les garder \(The quota has been exceeded\.\)/);
    const r = await finGagnee(page, 'NINA');
    const fichier = join(artefacts, 'scoresI-non-enregistre');
    await (await telechargement).saveAs(fichier);
    assert.deepEqual(listeDuFichier(readFileSync(fichier), 1, 1)[r.place - 1], ['NINA', r.score]);

    // An Import now: its records are in play, but the player is not told they were imported.
    await page.locator('#fichierImport').setInputFiles(scoresAvecRecord);
    await boite(page, 'Oui');
    const nonEnregistre = await boite(page, 'OK');
    assert.equal(nonEnregistre.texte, 'Les meilleurs scores du fichier sont chargés, mais n\'ont pas pu être enregistrés : ils restent en ' +
      'mémoire et seront enregistrés de nouveau à la prochaine occasion.');
    await aucuneBoite(page);

    // Closing the page asks first, while the records are not stored.
    const questions = [];
    page.on('dialog', (d) => { questions.push(d.type()); d.dismiss(); });
    await page.close({ runBeforeUnload: true });
    for (let essai = 0; !questions.length && essai < 100; ++essai) await new Promise((x) => setTimeout(x, 20));
    assert.deepEqual(questions, ['beforeunload']);
    assert.equal(page.isClosed(), false);
    // The storage has room again: the next game stores them, and the page closes without a word.
    await page.evaluate(() => { Storage.prototype.setItem = window.ecrireVraiment; });
    await panneau(page, 'panelTableauIdem');
    assert.deepEqual((await listeStockee(page, 2, 7))[0], ['DESKTOP', 9999]);
    const fermee = page.waitForEvent('close');
    await page.close({ runBeforeUnload: true });
    await fermee;
    assert.deepEqual(questions, ['beforeunload']);
  });
});


// ---- A phone held upright ----------------------------------------------------------------------

// A control of the main window brought into view, as a finger scrolls the page, then tapped (or
// clicked).
async function panneauDebout(page, nom) {
  await page.evaluate((n) => {
    const c = window.cogitelleTest.controle(n);
    document.getElementById('principale').scrollTop = Math.max(0, c.abs.y * c.echelle - 300);
  }, nom);
  await cliquer(page, 'controle', [nom]);
}

// A DOM control tapped (or clicked, by the mouse).
async function appuyer(page, selecteur) {
  const l = page.locator(selecteur);
  if (doigt) await l.tap();
  else await l.click();
}

// Tab until the focus is on what a selector finds.
async function tabulerVers(page, selecteur) {
  for (let i = 0; i < 20 && !(await page.evaluate((s) => !!document.activeElement?.matches(s), selecteur)); ++i)
    await page.keyboard.press('Tab');
  assert.ok(await page.evaluate((s) => document.activeElement.matches(s), selecteur), `Tab reaches ${selecteur}`);
}

// In the chooser: the game's radio button and OK, the name typed when the field is empty. By keys:
// Tab to the field and the group, the arrows through the group, Enter.
async function choisirDebout(page, type) {
  if (clavier) {
    if (!(await page.locator('#editYourName').inputValue())) {
      await tabulerVers(page, '#editYourName');
      await page.keyboard.type('DOIGT');
    }
    await tabulerVers(page, '.dialogue.choix input[type=radio]');
    const radios = await page.locator('.dialogue.choix input[type=radio]').evaluateAll((l) => l.map((r) => r.id));
    for (let i = 0; i < 6 && !(await page.locator(`#rbTypeJeu${type}`).isChecked()); ++i)
      await page.keyboard.press(radios.indexOf(`rbTypeJeu${type}`) > radios.indexOf(await page.evaluate(() => document.activeElement.id)) ? 'ArrowDown' : 'ArrowUp');
    assert.ok(await page.locator(`#rbTypeJeu${type}`).isChecked(), 'the arrows check the game');
    await page.keyboard.press('Enter');
    await page.locator('.dialogue.choix').waitFor({ state: 'detached' });
    await inactif(page);
    return;
  }
  if (!(await page.locator('#editYourName').inputValue())) await page.locator('#editYourName').fill('DOIGT');
  await appuyer(page, `#rbTypeJeu${type}`);
  await appuyer(page, '#buttonOK');
  await page.locator('.dialogue.choix').waitFor({ state: 'detached' });
  await inactif(page);
  await page.evaluate(() => { document.getElementById('principale').scrollTop = 0; });
}

// The smallest of each measure over the elements a selector finds: width, height and type size.
async function plusPetits(page, selecteur, texte = selecteur) {
  return page.evaluate(([s, t]) => {
    const boites = [...document.querySelectorAll(s)].map((e) => e.getBoundingClientRect()).filter((b) => b.width > 0);
    const polices = [...document.querySelectorAll(t)].filter((e) => e.getBoundingClientRect().width > 0 && (e.tagName === 'INPUT' ? e.value : e.textContent).trim())
      .map((e) => parseFloat(getComputedStyle(e).fontSize));
    // A control with no text (a scroll arrow) has no type size to measure.
    return { nombre: boites.length, largeur: Math.min(...boites.map((b) => b.width)), hauteur: Math.min(...boites.map((b) => b.height)),
      texte: polices.length ? Math.min(...polices) : null };
  }, [selecteur, texte]);
}

// The five games, puzzle 1 of each, played by touch alone upright on a 390 x 844 phone, or by the
// mouse there, or by keys alone on a desktop, the page's clock held still so a score owes nothing
// to time. Returns each game's end, the records stored, and (by touch) what was measured of every
// control.
async function cinqPartiesDebout(mode) {
  const auDoigt = mode === 'doigt';
  const n = await navigateur({ viewport: mode === 'clavier' ? { width: 1280, height: 800 } : { width: 390, height: 844 }, touch: auDoigt, dpr: 2 });
  const { page } = n;
  const nomFichier = (nom) => join(artefacts, `debout-${nom}.png`);
  const fin = { parties: [], mesures: {} };
  try {
    await page.clock.install();
    await ouvrir(page);
    if (auDoigt) {
      await page.screenshot({ path: nomFichier('demarrage') });
      const d = await page.evaluate(() => window.cogitelleTest.demarrage());
      assert.ok(d.debout, 'the start screen upright');
      const boutons = Object.values(d.boutons);
      fin.mesures.demarrage = { nombre: boutons.length, largeur: Math.min(...boutons.map((r) => r.w)),
        hauteur: Math.min(...boutons.map((r) => r.h)), texte: d.texte };
      const ecran = await page.locator('#demarrage').boundingBox();
      assert.ok(ecran.x >= 0 && ecran.x + ecran.width <= 390, `the start screen fits the phone's width: ${JSON.stringify(ecran)}`);
    }
    await demarrer(page);
    await page.clock.pauseAt(await page.evaluate(() => Date.now() + 1000));
    doigt = auDoigt ? await page.context().newCDPSession(page) : null;
    clavier = mode === 'clavier';
    pressions = 0;
    const jeux = ['panelLabyrinthe', 'panelCarreMagique', 'panelDifferences', 'panelSerpentin', 'panelMemoire'];
    const gagner = [gagnerLabyrinthe, gagnerCarre, gagnerDifferences, (p) => gagnerSerpentin(p, 6), gagnerMemoire];
    for (let type = 1; type <= 5; ++type) {
      if (clavier && type === 4) {
        // A screen reader's click on the panel's button.
        await page.locator('#panneauxLus').getByRole('button', { name: 'JEU DU SERPENTIN', exact: true }).dispatchEvent('click');
        await page.locator('.dialogue.choix').waitFor();
        await inactif(page);
      } else if (type > 1) await panneauDebout(page, jeux[type - 1]);
      await choisirDebout(page, type);
      const e = await etat(page);
      assert.equal(e.type, type);
      if (auDoigt) await page.screenshot({ path: nomFichier(`jeu${type}`) });
      if (clavier && type === 2) {
        // The cursor shown by a key, on the cell the model puts it on.
        await presser(page, 'ArrowRight');
        await page.screenshot({ path: join(artefacts, 'clavier-curseur.png') });
        // The grid's selected cell is the cursor's.
        const f = await focus(page);
        assert.deepEqual(await page.locator('#grille [aria-selected=true]').evaluateAll((l) => l.map((c) => c.dataset.tag)), [String(f.x * 100 + f.y)]);
        await presser(page, 'ArrowLeft');
      }
      if (auDoigt && type === 3) {
        // The board a screen reader finds: a grid of the numbers the puzzle printer prints.
        const attendu = JSON.parse(spawnSync(imprimanteNative, ['--json', '3', String(e.numero)]).stdout.toString()).values;
        await page.waitForFunction((n) => document.querySelectorAll('#grille [role=row]').length === n, attendu.length);
        const arbre = await page.locator('#grille').ariaSnapshot();
        writeFileSync(join(artefacts, 'debout-grille.txt'), arbre);
        const rangees = arbre.split('\n').filter((l) => /^\s*- row/.test(l)).length;
        const cellules = [...arbre.matchAll(/- gridcell "([^"]*)"/g)].map((m) => m[1]);
        assert.match(arbre, /^- grid "Tableau de jeu"/);
        assert.equal(rangees, attendu.length);
        assert.deepEqual(cellules, attendu.flat().map(String));
        // The side panels that can be clicked are buttons with their captions.
        assert.equal(await page.locator('#panneauxLus').getByRole('button', { name: 'Changer de cogitelle', exact: true }).count(), 1);
      }
      await gagner[type - 1](page);
      if (type === 5) await page.clock.runFor(400);
      const r = await finGagnee(page, 'DOIGT');
      fin.parties.push({ type, numero: e.numero, ...r, liste: await listeStockee(page, type, e.numero) });
    }
    if (clavier) {
      // The menu bar by keys: F10 to its first menu, Down opens it at its first item; Escape
      // closes it, a second gives the keys back to the board. Then the maze from the menu.
      const active = () => page.evaluate(() => document.activeElement.textContent);
      await page.keyboard.press('F10');
      assert.equal(await active(), 'Cogitelle');
      await page.keyboard.press('ArrowDown');
      assert.equal(await active(), 'JEU DU LABYRINTHE');
      await page.keyboard.press('Escape');
      assert.equal(await page.locator('#menus .liste:not([hidden])').count(), 0);
      const avant = await focus(page);
      await page.keyboard.press('Escape');
      await presser(page, avant.x > 1 ? 'ArrowLeft' : 'ArrowRight');
      assert.equal((await focus(page)).x, avant.x + (avant.x > 1 ? -1 : 1), 'the arrows move the board\'s cursor again');
      await page.keyboard.press('F10');
      await page.keyboard.press('Enter');
      await page.keyboard.press('Enter');
      await page.locator('.dialogue.choix').waitFor();
      await inactif(page);
      // In a game the score is heard every 10 seconds.
      await choisirDebout(page, 1);
      await page.clock.runFor(10000);
      await inactif(page);
      // Said as it stood when heard: the score clock may have taken its next second since.
      const score = Number(await page.evaluate(() => window.cogitelleTest.controle('panelScoreMixte').t));
      const annonce = /^Score : (\d+)$/.exec(await page.locator('#annonces').textContent());
      assert.ok(annonce && [score, score + 1].includes(Number(annonce[1])), `heard ${annonce}, the panel shows ${score}`);
    }
    if (!auDoigt) {
      assert.deepEqual(n.erreurs, []);
      return fin;
    }
    // Every control class measured in CSS pixels: the side panels (tap targets and painted
    // type), the menus open, the chooser and the viewer.
    fin.mesures.panneaux = await page.evaluate(() => {
      const m = { nombre: 0, largeur: Infinity, hauteur: Infinity, texte: Infinity };
      for (const nom of ['panelDetailHighScores', 'panelChangerTableau', 'panelTableauAleatoire', 'panelTableauPrecedent', 'panelTableauIdem',
        'panelTableauSuivant', 'panelBut', 'panelReglesDuJeu', 'panelCalculScores', 'panelLabyrinthe', 'panelCarreMagique',
        'panelDifferences', 'panelSerpentin', 'panelMemoire', 'panelNumeroTableau', 'panelNomJoueur', 'panelScoreMixte',
        'panelTitreMeilleurScore', 'panelPremierMeilleurScore', 'panelTitreDernierMeilleurScore', 'panelDernierMeilleurScore', 'lblInfos']) {
        const c = window.cogitelleTest.controle(nom);
        // The type painted, in points of the window, in CSS pixels.
        if (c.t) m.texte = Math.min(m.texte, c.pa * 96 / 72 * c.echelle);
        if (nom.startsWith('panelNumero') || nom.startsWith('panelNom') || nom.includes('MeilleurScore') || nom === 'panelScoreMixte' || nom === 'lblInfos') continue;
        m.nombre++;
        m.largeur = Math.min(m.largeur, c.abs.w * c.echelle);
        m.hauteur = Math.min(m.hauteur, c.abs.h * c.echelle);
      }
      return m;
    });
    fin.mesures.barreDesMenus = await plusPetits(page, '#menus .menu > button');
    const entrees = [];
    for (const [i, titre] of ['Cogitelle', 'Meilleurs scores', 'Options', 'Aide'].entries()) {
      await appuyer(page, `#menus .menu:nth-child(${i + 1}) > button`);
      entrees.push(await plusPetits(page, '#menus .liste:not([hidden]) button:not([hidden])', '#menus .liste:not([hidden]) button:not([hidden]) span'));
      const liste = await page.locator('#menus .liste:not([hidden])').boundingBox();
      assert.ok(liste.x >= 0 && liste.x + liste.width <= 390, `the menu ${titre} fits the phone's width: ${JSON.stringify(liste)}`);
      if (auDoigt) await page.screenshot({ path: nomFichier(`menu-${titre.replace(' ', '-')}`) });
      await appuyer(page, `#menus .menu:nth-child(${i + 1}) > button`);
    }
    fin.mesures.menus = { nombre: Math.min(...entrees.map((e) => e.nombre)), largeur: Math.min(...entrees.map((e) => e.largeur)), hauteur: Math.min(...entrees.map((e) => e.hauteur)),
      texte: Math.min(...entrees.map((e) => e.texte)) };
    await panneauDebout(page, 'panelChangerTableau');
    await page.locator('.dialogue.choix').waitFor();
    await inactif(page);
    if (auDoigt) await page.screenshot({ path: nomFichier('choix') });
    // A screen reader finds the chooser as a dialog of labelled controls.
    const choixLu = page.getByRole('dialog', { name: 'Choix du jeu et du numéro de cogitelle' });
    for (const [role, nom] of [['radiogroup', 'Choix du jeu'], ['radio', 'JEU DU SERPENTIN'], ['textbox', 'VOTRE NOM :'], ['scrollbar', 'Cogitelle n° 1'], ['button', 'OK']])
      assert.equal(await choixLu.getByRole(role, { name: nom, exact: true }).count(), 1, `the chooser's ${role} "${nom}"`);
    const textesDialogue = (d) => `.dialogue.${d} .panneau, .dialogue.${d} .radio span, .dialogue.${d} .legende, .dialogue.${d} input.saisie, .dialogue.${d} .titre`;
    fin.mesures.choixRadios = await plusPetits(page, '.dialogue.choix .radio', textesDialogue('choix'));
    fin.mesures.choixBoutons = await plusPetits(page, '.dialogue.choix .panneau.bouton');
    fin.mesures.choixFleches = await plusPetits(page, '.dialogue.choix .defile .fleche');
    fin.mesures.choixSaisie = await plusPetits(page, '.dialogue.choix input.saisie');
    const choix = await page.locator('.dialogue.choix').boundingBox();
    assert.ok(choix.x >= 0 && choix.x + choix.width <= 390, `the chooser fits the phone's width: ${JSON.stringify(choix)}`);
    await appuyer(page, '#buttonCancel');
    await page.locator('.dialogue.choix').waitFor({ state: 'detached' });
    await panneauDebout(page, 'panelDetailHighScores');
    await page.locator('.dialogue.scores').waitFor();
    await inactif(page);
    if (auDoigt) await page.screenshot({ path: nomFichier('visionneuse') });
    fin.mesures.visionneuseBoutons = await plusPetits(page, '.dialogue.scores .panneau.bouton', textesDialogue('scores'));
    fin.mesures.visionneuseFleches = await plusPetits(page, '.dialogue.scores .defile .fleche');
    const scores = await page.locator('.dialogue.scores').boundingBox();
    assert.ok(scores.x >= 0 && scores.x + scores.width <= 390, `the viewer fits the phone's width: ${JSON.stringify(scores)}`);
    await appuyer(page, '#panelOkHighScores');
    await page.locator('.dialogue.scores').waitFor({ state: 'detached' });
    assert.deepEqual(n.erreurs, []);
    return fin;
  } finally {
    doigt = null;
    clavier = false;
    await n.fermer();
  }
}

test('every game won by touch alone on a phone held upright and by keys alone, the scores and records those of the mouse; every text and tap target large enough, the board read as a grid', async () => {
  const auDoigt = await cinqPartiesDebout('doigt');
  const aLaSouris = await cinqPartiesDebout('souris');
  const auClavier = await cinqPartiesDebout('clavier');
  writeFileSync(join(artefacts, 'debout-mesures.json'), JSON.stringify(auDoigt.mesures, null, 1));
  for (const [classe, m] of Object.entries(auDoigt.mesures)) {
    console.log(`     ${classe}: smallest ${m.largeur.toFixed(1)} x ${m.hauteur.toFixed(1)} px, text ${m.texte === null ? 'none' : `${m.texte.toFixed(1)} px`}`);
    assert.ok(m.nombre > 0, `${classe}: measured`);
    assert.ok(m.hauteur >= 44 - 0.01 && m.largeur >= 44 - 0.01, `${classe}: tap target ${m.largeur} x ${m.hauteur}`);
    assert.ok(m.texte === null || m.texte >= 12 - 0.01, `${classe}: text ${m.texte} px`);
  }
  assert.equal(auDoigt.parties.length, 5);
  assert.deepEqual(auDoigt.parties, aLaSouris.parties, 'the same moves by touch and by mouse score and record the same');
  assert.deepEqual(auClavier.parties, aLaSouris.parties, 'the same moves by keys and by mouse score and record the same');
});

// ---- Running ---------------------------------------------------------------------------------

let reussis = 0, echoues = 0;
const filtre = process.env.COGITELLE_WEB_FILTRE;
for (const t of tests) {
  if (filtre && !t.nom.includes(filtre)) continue;
  const debut = Date.now();
  try {
    await t.f();
    ++reussis;
    console.log(`ok   ${t.nom} (${((Date.now() - debut) / 1000).toFixed(1)} s)`);
  } catch (e) {
    ++echoues;
    console.log(`FAIL ${t.nom}\n     ${(e.stack || String(e)).split('\n').slice(0, 6).join('\n     ')}`);
  }
}
serveur.close();
console.log(`Web: ${reussis} passed, ${echoues} failed`);
process.exit(echoues ? 1 : 0);
