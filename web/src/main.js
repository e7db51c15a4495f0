// The web front end: the start screen, the main window (menu bar and one canvas painting the
// controls model), the routing of mouse, touch, keys and timers to the core, and the browser's
// side of the storage. The rules all run in the core (cogitelle.wasm).
import CreerCogitelle from './cogitelle.mjs';
import { curseurCss, dimensionner, fixerBiseaux, fixerCurseurs, peindreCadre, peindreEtiquette, peindreFocus, peindrePanneau, police,
  tientLegende, versCss } from './peinture.js';
import { boite, choisirCouleur, ouverts } from './boites.js';
import { activerPrincipale, brancherDialogues, montrerDialogue } from './dialogues.js';
import { peindreDemarrage } from './demarrage.js';
import { brancherStockage, exporterCopies, stockage, suivreStockage, telecharger, verrous } from './stockage.js';
import { creerHorloge } from './horloge.js';
import { creerLecteur } from './lecteur.js';
import { surveillerVersions } from './version.js';

const parametres = new URLSearchParams(location.search);

// The numbers shared with the module, by name (cg_constantes), read once it is loaded.
let K = null;

let M = null;              // the module
let description = null;    // the controls: kind, parent, name, tag, command
let controles = [];        // what the page last read of each control
let fenetre = { titre: '', couleur: 0x400000, menus: [], coches: [] };
let facteurs = { x: 1, y: 1 };
let echelle = 1;           // CSS pixels per logical pixel
let hauteurMenus = 22;
let largeurFenetre = 0, hauteurFenetre = 0;
let conception = { largeur: 0, hauteur: 0 };   // the main window as designed, at the screen's factors
let portrait = null;       // the module's upright layout on a phone held upright, else null
let vueDisposee = '';      // the viewport the module last laid the window out for
let file = Promise.resolve();
let enCours = 0;
let fermee = false;
let lecteur = null;        // what a screen reader finds of the window
let focusClavier = { panneau: -1, x: 1, y: 1, montre: 0 };   // where the module's keyboard focus is

const canvas = document.getElementById('fenetre');
const ecranDemarrage = document.getElementById('demarrage');

// ---- Calls to the core, one at a time -------------------------------------------------------

// Runs a core call after those already queued; the model it changed is painted at once. A call
// may wait for a dialog (Asyncify): nothing else enters the module meanwhile.
// `avant` runs just before the call, in its turn.
function appel(nom, args = [], retour = null, types = null, avant = null) {
  enCours++;
  const suite = file.then(async () => {
    if (avant) avant();
    const r = await M.ccall(nom, retour, types || args.map(() => 'number'), args, { async: true });
    if (description && !SANS_MODELE.test(nom)) appliquer(M.ccall('cg_modele', 'string', [], []));
    return r;
  });
  file = suite.catch((e) => console.error(e)).finally(() => { enCours--; });
  return suite;
}
// The calls that only read a description or a rule change nothing the window shows.
const SANS_MODELE = /^cg_(dialogue|dialogue_portrait|cases_lues|facteur_dialogue|place_dialogue|seconde_pression_agit|taille_qui_tient)$/;
const noyau = {
  appel,
  // The core's largest size up to `taille` at which `tient(size)`, the page's measure, says a text fits.
  tailleQuiTient: (taille, tient) => appel('cg_taille_qui_tient', [taille], 'number', null, () => { M.cgTient = tient; }),
};

// ---- The model -------------------------------------------------------------------------------

const minuteries = [{}, {}, {}];

function appliquer(texte) {
  const m = JSON.parse(texte);
  let toutRepeindre = m.tout;
  for (const c of m.controles) {
    const avant = controles[c.i];
    controles[c.i] = c;
    const sorte = description[c.i].sorte;
    if (sorte === K.sortes.panneau || sorte === K.sortes.plateau) toutRepeindre = true;
    else if (!toutRepeindre && avant) m.zones.push(avant.r);
    // The focus frame is no part of the board's pool: where it comes to is painted again too.
    if (sorte === K.sortes.focus && !toutRepeindre) m.zones.push(c.r);
  }
  if (m.fenetre.titre !== fenetre.titre) document.title = m.fenetre.titre || 'COGITELLE I';
  if (m.fenetre.couleur !== fenetre.couleur) {
    toutRepeindre = true;
    document.getElementById('principale').style.background = versCss(m.fenetre.couleur);
    if (!document.getElementById('principale').hidden) document.body.style.background = versCss(m.fenetre.couleur);
  }
  fenetre = m.fenetre;
  focusClavier = m.focus;
  if (lecteur) lecteur.suivre(m, description, controles, visible, K);
  majMenus();
  suivreStockage(m);
  for (const t of m.minuteries) suivreMinuterie(t);
  if (!document.getElementById('principale').hidden) {
    if (toutRepeindre) peindre(null);
    else if (m.zones.length) peindre(m.zones);
  }
  for (const a of m.actions) file.then(() => action(a));
}

const horloge = creerHorloge(appel);

function suivreMinuterie(t) {
  if (t.id === K.minuteries.score) {
    horloge.suivre(t);
    if (lecteur) lecteur.minuterieScore(!!t.actif);
    return;
  }
  const v = minuteries[t.id];
  if (!t.actif) {
    if (v.h) clearInterval(v.h);
    v.h = null;
  } else if (!v.h || t.demarrages !== v.demarrages || t.intervalle !== v.intervalle) {
    // A start from stopped, or a new interval, begins a whole new interval.
    if (v.h) clearInterval(v.h);
    v.h = setInterval(() => {
      // While a rule waits for a box, the ticks wait behind it; these timers' ticks only refresh
      // the board, so one waiting is enough.
      if (v.attente) return;
      v.attente = true;
      appel('cg_tic', [t.id]).finally(() => { v.attente = false; });
    }, t.intervalle);
  }
  v.demarrages = t.demarrages;
  v.intervalle = t.intervalle;
}

async function action(a) {
  if (a === 'choix' || a === 'scores') {
    await montrerDialogue(a, echelle, !!portrait);
  } else if (a === 'fermer') {
    fermer();
  } else if (a === 'exporter') {
    await exporter();
  } else if (a === 'importer') {
    document.getElementById('fichierImport').click();
  } else if (a === 'exporterCopies') {
    await exporterCopies();
  }
}

function fermer() {
  fermee = true;
  for (const v of minuteries) if (v.h) clearInterval(v.h);
  document.getElementById('principale').hidden = true;
  document.getElementById('fenetres').hidden = true;
  ecranDemarrage.hidden = true;
  document.getElementById('fermee').hidden = false;
}

// ---- Painting --------------------------------------------------------------------------------

function origine(i) {
  let x = 0, y = 0;
  for (let p = description[i].parent; p >= 0; p = description[p].parent) {
    const r = controles[p].r;
    x += r[0];
    y += r[1];
  }
  return [x, y];
}

function visible(i) {
  for (let p = i; p >= 0; p = description[p].parent) if (!controles[p] || !controles[p].v) return false;
  return true;
}

function rectAbsolu(i) {
  const [x, y] = origine(i);
  const r = controles[i].r;
  return { x: x + r[0], y: y + r[1], w: r[2], h: r[3] };
}

let peintures = 0;
// Paints the whole window, or only the board rectangles given (relative to the board).
function peindre(zones) {
  const dpr = window.devicePixelRatio || 1;
  const { ctx, a } = dimensionner(canvas, largeurFenetre, hauteurFenetre, echelle, dpr);
  ctx.save();
  const pc = controles[0];
  if (zones) {
    ctx.beginPath();
    for (const z of zones) ctx.rect(pc.r[0] + z[0] - 1, pc.r[1] + z[1] - 1, z[2] + 2, z[3] + 2);
    ctx.clip();
  } else {
    ctx.fillStyle = versCss(fenetre.couleur);
    ctx.fillRect(0, 0, largeurFenetre, hauteurFenetre);
  }
  if (pc.v) {
    const rp = { x: pc.r[0], y: pc.r[1], w: pc.r[2], h: pc.r[3] };
    peindrePanneau(ctx, rp, pc, police(8, true, false), a);
    ctx.save();
    ctx.beginPath();
    ctx.rect(rp.x, rp.y, rp.w, rp.h);
    ctx.clip();
    for (let i = 1; i < description.length; ++i) {
      const d = description[i];
      if (d.sorte === K.sortes.panneau) break;
      const c = controles[i];
      if (!c.v || c.r[2] <= 0 || c.r[3] <= 0) continue;
      const r = { x: rp.x + c.r[0], y: rp.y + c.r[1], w: c.r[2], h: c.r[3] };
      if (zones && !zones.some((z) => r.x < rp.x + z[0] + z[2] && r.x + r.w > rp.x + z[0] && r.y < rp.y + z[1] + z[3] && r.y + r.h > rp.y + z[1])) continue;
      if (d.sorte === K.sortes.cadre) peindreCadre(ctx, r, c, a);
      else if (d.sorte === K.sortes.focus) peindreFocus(ctx, r, c.ls, c.ks, c.k, a);
      else peindrePanneau(ctx, r, c, police(c.pa, true, false), a);
    }
    ctx.restore();
  }
  if (!zones) {
    for (let i = 0; i < description.length; ++i) {
      const d = description[i];
      if (d.sorte !== K.sortes.panneau || !visible(i)) continue;
      const c = controles[i];
      const r = rectAbsolu(i);
      const fonte = police(c.pa, d.times, !!c.g);
      if (d.nom === 'Shape1') peindreCadre(ctx, r, c, a);
      else if (d.nom === 'lblInfos') peindreEtiquette(ctx, r, c, fonte, a);
      else peindrePanneau(ctx, r, c, fonte, a);
      if (c.f >= 0) peindreFocus(ctx, { x: r.x + c.f, y: r.y + c.f, w: r.w - 2 * c.f, h: r.h - 2 * c.f }, 1,
        K.couleursFocus.exterieur, K.couleursFocus.interieur, a);
    }
  }
  ctx.restore();
  peintures++;
}

// ---- Hit-testing and the mouse ---------------------------------------------------------------

function point(e) {
  const b = canvas.getBoundingClientRect();
  return [(e.clientX - b.left) / echelle, (e.clientY - b.top) / echelle];
}

// The topmost control at a point of the window: a board cell or wall, or a side panel.
function controleA(x, y) {
  for (let i = description.length - 1; i >= 0; --i) {
    const d = description[i];
    if (d.sorte === K.sortes.cadre || d.sorte === K.sortes.plateau || d.sorte === K.sortes.focus || !visible(i)) continue;
    const r = rectAbsolu(i);
    if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) return i;
  }
  return -1;
}

// The DOM's buttons (0 left, 1 middle, 2 right; in `buttons` 1 left, 2 right, 4 middle) as the
// module's, and the mouse bits of the buttons held.
const BOUTONS = () => ({ 0: K.boutons.gauche, 1: K.boutons.milieu, 2: K.boutons.droit });
const bitDuBouton = (b) => (b === K.boutons.gauche ? K.souris.gauche : b === K.boutons.droit ? K.souris.droit : K.souris.milieu);

function etatSouris(e, boutonsEnfonces, double) {
  const s = K.souris;
  let etat = 0;
  if (e.shiftKey) etat |= s.shift;
  if (e.altKey) etat |= s.alt;
  if (e.ctrlKey) etat |= s.ctrl;
  if (boutonsEnfonces & 1) etat |= s.gauche;
  if (boutonsEnfonces & 2) etat |= s.droit;
  if (boutonsEnfonces & 4) etat |= s.milieu;
  if (double) etat |= s.double;
  return etat;
}

let tenu = null;   // a wall or a clickable panel keeps the button pressed on it

// Whether the second press of a double click acts on a wall and on a panel, as the module says;
// read once at start-up.
let secondeAgit = { mur: false, panneau: false };
const estMur = (sorte) => sorte === K.sortes.murDroit || sorte === K.sortes.murBas || sorte === K.sortes.murBasDroit;
const typeDeMur = (sorte) => (sorte === K.sortes.murDroit ? K.murs.droit : sorte === K.sortes.murBas ? K.murs.bas : K.murs.basDroit);

function appuyer(x, y, bouton, etat, seconde = false) {
  // A disabled window takes no press: the main window waits so for the first game.
  if (!fenetre.active) return;
  if (tenu) {
    // The held button's release went elsewhere: let go, unclicked.
    const t = tenu;
    tenu = null;
    if (t.mur !== undefined) appel('cg_mur', [t.mur, t.tag, K.actionsMur.relache]);
    else appel('cg_panneau', [t.i, 0]);
  }
  const i = controleA(x, y);
  if (i < 0) return;
  const d = description[i];
  if (d.sorte === K.sortes.case) {
    appel('cg_case', [d.tag, bouton, etat]);
  } else if (estMur(d.sorte)) {
    // One action per double click: the second press and its release do nothing.
    if (seconde && !secondeAgit.mur) return;
    tenu = { i, mur: typeDeMur(d.sorte), tag: d.tag, bouton };
    appel('cg_mur', [tenu.mur, d.tag, K.actionsMur.enfonce]);
  } else if (d.sorte === K.sortes.panneau && d.commande >= 0 && controles[i].e) {
    if (seconde && !secondeAgit.panneau) return;
    tenu = { i, bouton };
    appel('cg_panneau', [i, 1]);
  }
}

function relacher(x, y, bouton) {
  if (!tenu || tenu.bouton !== bouton) return;
  const t = tenu;
  tenu = null;
  const r = rectAbsolu(t.i);
  const dedans = x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
  if (t.mur !== undefined) {
    // The wall is raised before its click runs, so it never stays pressed under an end message.
    appel('cg_mur', [t.mur, t.tag, K.actionsMur.relache]);
    if (bouton === K.boutons.gauche && dedans) appel('cg_mur', [t.mur, t.tag, K.actionsMur.clic]);
  } else {
    appel('cg_panneau', [t.i, 0]);
    if (bouton === K.boutons.gauche && dedans) appel('cg_commande', [description[t.i].commande]);
  }
}

// A press in the main window (its board, its menu bar) makes it the active window again, the
// keyboard with it; a disabled window is not activated.
function brancherActivation() {
  const principale = document.getElementById('principale');
  principale.addEventListener('pointerdown', (e) => {
    if (!fenetre.active) return;
    if (!e.target.closest('button')) principale.focus({ preventScroll: true });
    if (activerPrincipale()) appel('cg_activer');
  }, true);
}

// A dialog closed: the main window is the active one.
function dialogueFerme() {
  activerPrincipale();
  document.getElementById('principale').focus({ preventScroll: true });
  appel('cg_activer');
}

function brancherSouris() {
  canvas.addEventListener('mousedown', (e) => {
    e.preventDefault();
    if (K && e.button in BOUTONS()) {
      const [x, y] = point(e);
      const b = BOUTONS()[e.button];
      // The desktop calls every second press of a run of clicks a double click, on a cell too.
      const seconde = e.detail >= 2 && e.detail % 2 === 0;
      appuyer(x, y, b, etatSouris(e, e.buttons, seconde), seconde);
    }
  });
  window.addEventListener('mouseup', (e) => {
    if (K && e.button in BOUTONS()) {
      const [x, y] = point(e);
      relacher(x, y, BOUTONS()[e.button]);
    }
  });
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  canvas.addEventListener('mousemove', (e) => {
    if (!description) return;
    const [x, y] = point(e);
    const i = controleA(x, y);
    const c = i >= 0 ? controles[i] : controles[0];
    const curseur = curseurCss(c ? c.cu : K.curseurs.defaut);
    if (canvas.style.cursor !== curseur) canvas.style.cursor = curseur;
    const indice = i >= 0 ? controles[i].h : '';
    if (canvas.title !== indice) canvas.title = indice;
  });
  brancherToucher();
}

// A wall is thin under a finger: a tap within this many CSS pixels of a wall that can be clicked
// takes the wall rather than the cell beside it.
const PORTEE_DOIGT_MUR = 10;
// A finger that moves this many CSS pixels on the board before it lifts swipes; less, it taps.
const GLISSEMENT_MIN = 24;

// The control a finger taps at a point: the topmost one, or the nearest wall that can be clicked
// within reach of the finger.
function controleAuDoigt(x, y) {
  const i = controleA(x, y);
  if (i >= 0 && description[i].sorte !== K.sortes.case) return i;
  const portee = PORTEE_DOIGT_MUR / echelle;
  let choisi = i, distance = Infinity;
  for (let k = 0; k < description.length; ++k) {
    if (!estMur(description[k].sorte) || !visible(k) || controles[k].cu !== K.curseurs.main) continue;
    const r = rectAbsolu(k);
    const d = Math.hypot(Math.max(r.x - x, 0, x - r.x - r.w), Math.max(r.y - y, 0, y - r.y - r.h));
    if (d <= portee && d < distance) { choisi = k; distance = d; }
  }
  // The cell under the finger, shown or not: the maze's empty paths are hidden cells.
  for (let k = 0; choisi < 0 && surPlateau(x, y) && k < description.length; ++k) {
    if (description[k].sorte !== K.sortes.case) continue;
    const r = rectAbsolu(k);
    if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) choisi = k;
  }
  return choisi;
}

// Whether a point of the window lies on the board.
function surPlateau(x, y) {
  const pc = controles[0];
  return !!pc && pc.v && x >= pc.r[0] && y >= pc.r[1] && x < pc.r[0] + pc.r[2] && y < pc.r[1] + pc.r[3];
}

// Touch: a tap is a left click (on a cell, shown or not, the module's tap: beside the maze's
// glutton, the arrow to it); a long press (500 ms) or a two-finger tap is a right click; a swipe on the board is the
// arrow key of its direction. Off the board a finger's drag scrolls the page.
function brancherToucher() {
  let debut = null;
  const clic = (x, y, bouton) => {
    if (!fenetre.active) return;
    const i = controleAuDoigt(x, y);
    if (bouton === K.boutons.gauche && i >= 0 && description[i].sorte === K.sortes.case) {
      appel('cg_toucher', [description[i].tag]);
      return;
    }
    const r = i >= 0 ? rectAbsolu(i) : null;
    // The press and the release at the middle of the control the finger took.
    const [cx, cy] = r ? [r.x + r.w / 2, r.y + r.h / 2] : [x, y];
    appuyer(cx, cy, bouton, bitDuBouton(bouton));
    relacher(cx, cy, bouton);
  };
  canvas.addEventListener('touchstart', (e) => {
    if (debut && e.touches.length === 2) {
      debut.deuxDoigts = true;
      if (debut.plateau) e.preventDefault();
      return;
    }
    if (e.touches.length > 2) return;
    const [x, y] = point(e.touches[0]);
    debut = { x, y, dx: 0, dy: 0, deuxDoigts: e.touches.length === 2, long: false, plateau: surPlateau(x, y) };
    // On the board the finger plays: the page neither scrolls nor zooms under it.
    if (debut.plateau) e.preventDefault();
    const ce = debut;
    ce.minuteur = setTimeout(() => {
      if (debut !== ce || ce.deuxDoigts || Math.hypot(ce.dx, ce.dy) * echelle > 12) return;
      ce.long = true;
      clic(ce.x, ce.y, K.boutons.droit);
    }, 500);
  }, { passive: false });
  canvas.addEventListener('touchmove', (e) => {
    if (!debut) return;
    if (debut.plateau) e.preventDefault();
    const [x, y] = point(e.touches[0]);
    debut.dx = x - debut.x;
    debut.dy = y - debut.y;
    if (Math.hypot(debut.dx, debut.dy) * echelle > 12) {
      clearTimeout(debut.minuteur);
      // Off the board a moving finger scrolls: no tap.
      if (!debut.plateau) debut = null;
    }
  }, { passive: false });
  canvas.addEventListener('touchend', (e) => {
    e.preventDefault();
    if (!debut || e.touches.length > 0) return;
    const d = debut;
    debut = null;
    clearTimeout(d.minuteur);
    if (d.long) return;
    const distance = Math.hypot(d.dx, d.dy) * echelle;
    if (distance >= GLISSEMENT_MIN && !d.deuxDoigts) {
      if (!fenetre.active) return;
      const f = Math.abs(d.dx) > Math.abs(d.dy) ? (d.dx > 0 ? K.fleches.droite : K.fleches.gauche) : (d.dy > 0 ? K.fleches.bas : K.fleches.haut);
      appel('cg_fleche', [f]);
    } else if (distance <= 12) {
      clic(d.x, d.y, d.deuxDoigts ? K.boutons.droit : K.boutons.gauche);
    }
  }, { passive: false });
  canvas.addEventListener('touchcancel', () => { if (debut) clearTimeout(debut.minuteur); debut = null; });
}

// ---- Keys ------------------------------------------------------------------------------------

// The keys of the main window's cursor, Tab through its panels and the maze's arrows, as the
// module numbers them.
const TOUCHES = () => ({ ArrowLeft: K.clavier.gauche, ArrowRight: K.clavier.droite, ArrowUp: K.clavier.haut, ArrowDown: K.clavier.bas,
  Home: K.clavier.hautGauche, PageUp: K.clavier.hautDroite, End: K.clavier.basGauche, PageDown: K.clavier.basDroite,
  ' ': K.clavier.espace, Enter: K.clavier.entree, ContextMenu: K.clavier.menu, Tab: K.clavier.tabulation });
const raccourcis = {};   // a shortcut's key ("F1") -> its command, from the menus

function brancherClavier() {
  window.addEventListener('keydown', (e) => {
    if (ouverts.size || fermee || document.getElementById('principale').hidden) return;
    if (e.key in raccourcis) { e.preventDefault(); fermerMenus(); appel('cg_commande', [raccourcis[e.key]]); return; }
    if (e.key === 'Escape') { fermerMenus(); return; }
    // A dialog beside the window, the menu bar and a screen reader's panel button keep their own
    // keys.
    const cible = e.target.closest ? e.target : document.body;
    if (cible.closest('input, .dialogue, #menus, #lecteur button')) return;
    if (e.metaKey || !fenetre.active) return;
    if (e.key in TOUCHES()) {
      // The module's rules decide what the key does; the browser's own use of it (scrolling,
      // moving the focus) would fight them.
      e.preventDefault();
      appel('cg_touche', [TOUCHES()[e.key], etatSouris(e, 0, false)]);
    } else if (!e.ctrlKey && !e.altKey && e.key.length === 1 && e.key.charCodeAt(0) < 128) {
      appel('cg_caractere', [e.key.charCodeAt(0)]);
    }
  });
}

// ---- The menu bar ----------------------------------------------------------------------------

// The menu bar by the keyboard, as the desktop's: F10, or Alt pressed and released alone, takes it
// to the first menu; Left and Right go from menu to menu, Down, Enter or Space open one at its
// first item, Up and Down go through its items; Escape closes the menu, then gives the keys back
// to the board.
function brancherClavierMenus() {
  const barre = document.getElementById('menus');
  const principale = document.getElementById('principale');
  const titres = () => [...barre.querySelectorAll('.menu > button')];
  const elements = (menu) => [...menu.querySelectorAll('.liste button:not([hidden])')];
  const ouvrir = (menu) => {
    fermerMenus();
    menu.classList.add('ouvert');
    menu.querySelector('.liste').hidden = false;
    elements(menu)[0].focus();
  };
  let altSeule = false;
  const prendre = (e) => {
    if (ouverts.size || fermee || principale.hidden || !titres().length) return;
    e.preventDefault();
    titres()[0].focus();
  };
  window.addEventListener('keydown', (e) => {
    altSeule = e.key === 'Alt';
    if (e.key === 'F10' && !e.repeat) prendre(e);
  });
  window.addEventListener('keyup', (e) => {
    if (e.key === 'Alt' && altSeule) prendre(e);
    altSeule = false;
  });
  barre.addEventListener('keydown', (e) => {
    const menu = e.target.closest('.menu');
    if (!menu || e.ctrlKey || e.altKey || e.metaKey) return;
    const t = titres();
    const i = t.indexOf(menu.querySelector(':scope > button'));
    const dansListe = !!e.target.closest('.liste');
    if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      const autre = t[(i + (e.key === 'ArrowRight' ? 1 : t.length - 1)) % t.length];
      if (menu.classList.contains('ouvert')) ouvrir(autre.parentElement);
      else autre.focus();
    } else if (e.key === 'ArrowDown' || e.key === 'ArrowUp' || (!dansListe && (e.key === 'Enter' || e.key === ' '))) {
      e.preventDefault();
      if (!dansListe) {
        ouvrir(menu);
        return;
      }
      const l = elements(menu);
      l[(l.indexOf(e.target) + (e.key === 'ArrowDown' ? 1 : l.length - 1)) % l.length].focus();
    } else if (e.key === 'Escape') {
      e.stopPropagation();
      if (menu.classList.contains('ouvert')) {
        fermerMenus();
        t[i].focus();
      } else {
        principale.focus({ preventScroll: true });
      }
    }
  });
}

let menusConstruits = false;
const elementsJeux = [];

function fermerMenus() {
  for (const m of document.querySelectorAll('.menu')) {
    m.classList.remove('ouvert');
    m.querySelector('.liste').hidden = true;
  }
}

function construireMenus() {
  const barre = document.getElementById('menus');
  const menu = (titre, entrees) => {
    const m = document.createElement('div');
    m.className = 'menu';
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = titre;
    b.setAttribute('role', 'menuitem');
    const liste = document.createElement('div');
    liste.className = 'liste';
    liste.hidden = true;
    liste.setAttribute('role', 'menu');
    for (const en of entrees) {
      if (!en) { liste.append(document.createElement('hr')); continue; }
      const item = document.createElement('button');
      item.type = 'button';
      item.id = en.id;
      item.setAttribute('role', en.coche ? 'menuitemcheckbox' : 'menuitem');
      // Shown only while there are kept copies of a damaged table to export.
      if (en.selonCopies) {
        item.dataset.selonCopies = '';
        item.hidden = true;
      }
      const t = document.createElement('span');
      t.textContent = en.texte;
      item.append(t);
      if (en.raccourci) {
        const r = document.createElement('span');
        r.className = 'raccourci';
        r.textContent = en.raccourci;
        item.append(r);
      }
      item.addEventListener('click', () => { fermerMenus(); en.action(); });
      liste.append(item);
      if (en.jeu) elementsJeux[en.jeu] = { item, t };
    }
    b.addEventListener('click', (e) => {
      e.stopPropagation();
      const ouvert = !liste.hidden;
      fermerMenus();
      if (!ouvert) { liste.hidden = false; m.classList.add('ouvert'); }
    });
    b.addEventListener('mouseenter', () => {
      if (document.querySelector('.menu.ouvert') && liste.hidden) { fermerMenus(); liste.hidden = false; m.classList.add('ouvert'); }
    });
    m.append(b, liste);
    barre.append(m);
  };
  // The menus as the module describes them; "&" marks the letter of the desktop's Alt key.
  for (const m of JSON.parse(M.ccall('cg_menus', 'string', [], []))) {
    menu(m.caption.replace('&', ''), m.elements.map((en) => {
      if (!en.nom) return null;
      if (en.raccourci) raccourcis[en.raccourci] = en.commande;
      const jeu = en.cochable ? en.commande : 0;
      return { id: en.nom, texte: en.caption, raccourci: en.raccourci, coche: en.cochable, jeu,
        selonCopies: !!en.selonCopies, action: () => appel('cg_commande', [en.commande]) };
    }));
  }
  document.addEventListener('pointerdown', (e) => { if (!e.target.closest('.menu')) fermerMenus(); });
  menusConstruits = true;
}

function majMenus() {
  if (!menusConstruits) return;
  for (let t = 1; t <= 5; ++t) {
    const el = elementsJeux[t];
    const texte = fenetre.menus[t - 1] || '';
    if (el.t.textContent !== texte) el.t.textContent = texte;
    const coche = fenetre.coches[t - 1] ? 'true' : 'false';
    if (el.item.getAttribute('aria-checked') !== coche) el.item.setAttribute('aria-checked', coche);
  }
}

// ---- Export and import of the records --------------------------------------------------------

// The bytes a core call leaves for export, read in turn with the other calls.
function octetsExportes(nom, types = [], args = []) {
  return file.then(() => {
    const p = M.ccall(nom, 'number', types, args);
    const n = M.ccall('cg_taille_export', 'number', [], []);
    return M.HEAPU8.slice(p, p + n);
  });
}

async function exporter() {
  telecharger(await octetsExportes('cg_exporter'), 'scoresI');
}

function brancherImport() {
  const entree = document.getElementById('fichierImport');
  entree.addEventListener('change', async () => {
    const fichier = entree.files[0];
    entree.value = '';
    if (!fichier) return;
    // A file far larger than a score file is refused by its size alone, without reading it.
    let octets = new Uint8Array(0), erreur = '';
    try {
      if (fichier.size <= 1000000) octets = new Uint8Array(await fichier.arrayBuffer());
    } catch (e) {
      erreur = (e && e.message) || String(e);
    }
    await file;
    const p = M._malloc(Math.max(1, octets.length));
    M.HEAPU8.set(octets, p);
    try {
      await appel('cg_importer', [p, octets.length, fichier.size, erreur], 'number', ['number', 'number', 'number', 'string']);
    } finally {
      M._free(p);
    }
  });
}

// ---- Layout and start-up ---------------------------------------------------------------------

let dispositionDemarrage = null;
let ecranDemarrageModele = null;   // the start screen as the module lays it out

// The main window in the viewport: on a phone held upright as the module lays it out (the board
// at the full width, the panels below it, the page scrolling); elsewhere the design scaled whole.
function placerPrincipale(vw, vh) {
  const principale = document.getElementById('principale');
  const barre = document.getElementById('menus');
  principale.classList.toggle('portrait', !!portrait);
  if (portrait) {
    echelle = portrait.echelle;
    Object.assign(principale.style, { left: '0px', top: '0px', width: `${vw}px` });
    barre.style.height = `${portrait.hauteurMenus}px`;
    barre.style.fontSize = `${portrait.policeMenus}px`;
    return;
  }
  const hauteur = hauteurMenus + hauteurFenetre;
  echelle = Math.min(vw / largeurFenetre, vh / hauteur);
  principale.style.left = `${Math.max(0, (vw - largeurFenetre * echelle) / 2)}px`;
  principale.style.top = '0px';
  principale.style.width = `${largeurFenetre * echelle}px`;
  barre.style.height = `${hauteurMenus * echelle}px`;
  barre.style.fontSize = `${Math.max(8, 12 * facteurs.x) * echelle}px`;
}

// What the module says of the viewport's layout (cg_mise_en_page).
function regler(m, vw, vh) {
  portrait = m.portrait ? m : null;
  largeurFenetre = portrait ? m.largeur : conception.largeur;
  hauteurFenetre = portrait ? m.hauteur : conception.hauteur;
  vueDisposee = `${vw}x${vh}`;
  if (!document.getElementById('principale').hidden) placerPrincipale(vw, vh);
}

// The viewport changed its shape: the module lays the window out again, in turn with the other
// calls, and the controls it moved are read and painted.
function disposer(vw, vh) {
  vueDisposee = `${vw}x${vh}`;
  enCours++;
  const suite = file.then(() => {
    regler(JSON.parse(M.ccall('cg_mise_en_page', 'string', ['number', 'number'], [vw, vh])), vw, vh);
    appliquer(M.ccall('cg_modele', 'string', [], []));
  });
  file = suite.catch((e) => console.error(e)).finally(() => { enCours--; });
  return suite;
}

// The start screen as the module lays it out for this page: upright on a phone held upright.
let ecranDemarrageLu = '';   // the viewport the start screen was laid out for
function lireEcranDemarrage() {
  const [l, h] = ecranDeReference();
  ecranDemarrageLu = `${window.innerWidth}x${window.innerHeight}`;
  ecranDemarrageModele = JSON.parse(M.ccall('cg_ecran_demarrage', 'string', ['number', 'number', 'number', 'number', 'number'],
    [l, h, 96, window.innerWidth, window.innerHeight]));
}

function mettreEnPage() {
  const vw = window.innerWidth, vh = window.innerHeight;
  // A phone turned while the start screen shows: laid out again for its new width.
  if (!ecranDemarrage.hidden && ecranDemarrageModele && !enCours && ecranDemarrageLu !== `${vw}x${vh}`) lireEcranDemarrage();
  if (description && vueDisposee !== `${vw}x${vh}`) disposer(vw, vh);
  if (!document.getElementById('principale').hidden) {
    placerPrincipale(vw, vh);
    peindre(null);
  }
  if (!ecranDemarrage.hidden && ecranDemarrageModele) {
    dispositionDemarrage = peindreDemarrage(ecranDemarrage, vw, vh, window.devicePixelRatio || 1, enfonce, ecranDemarrageModele);
  }
}

let enfonce = 0;   // the start screen's button held down: 1 DEMARRER, 2 ENGLISH

function brancherDemarrage(pret) {
  const bouton = (e) => {
    if (!dispositionDemarrage) return 0;
    const b = ecranDemarrage.getBoundingClientRect();
    const x = e.clientX - b.left, y = e.clientY - b.top;
    for (const [langue, r] of Object.entries(dispositionDemarrage.boutons))
      if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) return Number(langue);
    return 0;
  };
  ecranDemarrage.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    enfonce = bouton(e);
    mettreEnPage();
  });
  ecranDemarrage.addEventListener('pointermove', (e) => { ecranDemarrage.style.cursor = bouton(e) ? 'pointer' : 'default'; });
  ecranDemarrage.addEventListener('pointerup', () => {
    enfonce = 0;
    mettreEnPage();
  });
  // The click, not the release, starts: the click that follows a tap then lands on the start
  // screen, not on the chooser that opens in its place.
  let demarre = false;
  ecranDemarrage.addEventListener('click', async (e) => {
    const langue = bouton(e);
    if (!langue || demarre) return;
    demarre = true;
    await pret;
    demarrer(langue);
  });
  // Enter or Space: DEMARRER, as the module says.
  window.addEventListener('keydown', async (e) => {
    if (ecranDemarrage.hidden || demarre || e.repeat || e.ctrlKey || e.altKey || e.metaKey) return;
    if (e.key !== 'Enter' && e.key !== ' ') return;
    e.preventDefault();
    demarre = true;
    await pret;
    const langue = M.ccall('cg_langue_de_la_touche', 'number', ['number'], [e.key === 'Enter' ? K.touches.entree : K.touches.espace]);
    if (langue) demarrer(langue);
    else demarre = false;
  });
}

async function demarrer(langue) {
  await appel('cg_langue', [langue]);
  ecranDemarrage.hidden = true;
  document.getElementById('principale').hidden = false;
  document.body.style.background = versCss(fenetre.couleur);
  if (!menusConstruits) construireMenus();
  majMenus();
  mettreEnPage();
  await appel('cg_activer');
  // The start timer's tick: the first game always starts from the chooser, which the module
  // asks for.
  await appel('cg_debut');
}

// The layout's screen: the browser's window, as the desktop's screen; a window smaller than the
// 800 x 600 design is laid out at the design's size and shown smaller; a phone held upright takes
// the design's screen (the module's rule).
function ecranDeReference() {
  return JSON.parse(M.ccall('cg_ecran_reference', 'string', ['number', 'number'], [window.innerWidth, window.innerHeight]));
}

// A model read before the page knows the controls (a box during the start-up) waits for them:
// each read holds only what changed since the one before.
const modelesEnAttente = [];
function recevoir(modele) {
  if (description) appliquer(modele);
  else modelesEnAttente.push(modele);
}

async function charger() {
  window.cogitelleDebutChargement = performance.now();
  M = await CreerCogitelle({
    cgBoite: async (sorte, titre, texte, modele, oui, non) => {
      recevoir(modele);
      // The box's kind by its name: "message", "question" or "erreur".
      const nom = Object.keys(K.boites).find((n) => K.boites[n] === sorte);
      if (nom === 'message' && lecteur) lecteur.annoncer(texte);
      return boite(nom, titre, texte, oui, non);
    },
    cgCouleur: async (initiale, modele) => {
      recevoir(modele);
      return choisirCouleur(initiale);
    },
    cgAide: (fichier) => window.open(`help/${fichier}`, '_blank', 'noopener'),
    cgTientLegende: tientLegende,
    cgStockage: stockage,
    cgVerrous: verrous,
  });
  window.cogitelleModulePret = performance.now();
  K = JSON.parse(M.ccall('cg_constantes', 'string', [], []));
  noyau.K = K;
  lecteur = creerLecteur(noyau);
  brancherDialogues(noyau, dialogueFerme);
  fixerBiseaux(K.biseaux);
  fixerCurseurs(K.curseurs);
  const [l, h] = ecranDeReference();
  lireEcranDemarrage();
  mettreEnPage();
  window.cogitelleDemarrageAffiche = performance.now();
  // The main window is made once the start screen is on the screen.
  await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
  // The frame holding the start screen has been produced: what a player waits for.
  window.cogitelleDemarragePeint = performance.now();
  const d = JSON.parse(await appel('cg_demarrer', [l, h, 96], 'string'));
  description = d.controles;
  facteurs = { x: d.facteurX, y: d.facteurY };
  secondeAgit = {
    mur: !!(await appel('cg_seconde_pression_agit', [K.cibles.mur], 'number')),
    panneau: !!(await appel('cg_seconde_pression_agit', [K.cibles.panneau], 'number')),
  };
  conception = { largeur: d.largeur, hauteur: d.hauteur };
  hauteurMenus = Math.max(20, Math.round(20 * facteurs.y));
  regler(JSON.parse(M.ccall('cg_mise_en_page', 'string', ['number', 'number'], [window.innerWidth, window.innerHeight])),
    window.innerWidth, window.innerHeight);
  for (const m of modelesEnAttente.splice(0)) appliquer(m);
  appliquer(M.ccall('cg_modele', 'string', [], []));
}

function principal() {
  mettreEnPage();
  window.addEventListener('resize', mettreEnPage);
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener?.('change', mettreEnPage);
  const pret = charger();
  brancherDemarrage(pret);
  brancherActivation();
  brancherSouris();
  brancherClavier();
  brancherClavierMenus();
  brancherImport();
  brancherStockage(appel, (cle) => octetsExportes('cg_exporter_copie', ['string'], [cle]));
  document.getElementById('rejouer').addEventListener('click', () => location.reload());
  surveillerVersions();
  // What the browser tests read of the game; every move still goes through the page's events.
  if (parametres.has('test')) {
    window.cogitelleTest = {
      pret,
      etat: async () => JSON.parse(await appel('cg_test_etat', [], 'string')),
      // A dialog's description at a scale, as the module serves it.
      dialogue: async (nom, f) => JSON.parse(await appel('cg_dialogue', [nom, f], 'string', ['string', 'number'])),
      // Idle: no call left to run, or one waits for the player in a box.
      inactif: async () => {
        // A message between tasks rather than a timer: a test may hold the page's clock still.
        const tache = () => new Promise((r) => { const c = new MessageChannel(); c.port1.onmessage = r; c.port2.postMessage(0); });
        while (enCours && !document.querySelector('.dialogue.boite, .dialogue.couleur')) await tache();
      },
      // A control as the page last read it, with its place on the window and the font its caption is painted in.
      controle: (nom) => {
        const i = description.findIndex((d) => d.nom === nom);
        return i < 0 ? null : { ...controles[i], abs: rectAbsolu(i), echelle, fonte: police(controles[i].pa, description[i].times, !!controles[i].g) };
      },
      caseA: (tag) => {
        const i = description.findIndex((d) => d.sorte === K.sortes.case && d.tag === tag);
        return i < 0 ? null : { ...controles[i], abs: rectAbsolu(i), echelle, fonte: police(controles[i].pa, true, false) };
      },
      fenetre: () => ({ largeur: largeurFenetre, hauteur: hauteurFenetre }),
      mur: (type, tag) => {
        const i = description.findIndex((d) => estMur(d.sorte) && typeDeMur(d.sorte) === type && d.tag === tag);
        return i < 0 ? null : { ...controles[i], abs: rectAbsolu(i), echelle };
      },
      // A full repaint, its pixels read back so the drawing is done when the time is taken.
      repeindre: () => {
        const t = performance.now();
        peindre(null);
        canvas.getContext('2d').getImageData(0, 0, 1, 1);
        return performance.now() - t;
      },
      peintures: () => peintures,
      // The keyboard's focus: the side panel's name that has it ('' for the board) and the board's cell.
      // The start screen's buttons in CSS pixels of the page, and the smallest of its texts.
      demarrage: () => {
        if (!dispositionDemarrage || !ecranDemarrageModele) return null;
        const b = ecranDemarrage.getBoundingClientRect();
        const boutons = Object.fromEntries(Object.entries(dispositionDemarrage.boutons)
          .map(([langue, r]) => [langue, { x: b.left + r.x, y: b.top + r.y, w: r.w, h: r.h }]));
        const textes = [...ecranDemarrageModele.dessin, ...ecranDemarrageModele.boutons].filter((e) => e.t)
          .map((e) => (e.police.points ? e.police.taille * 96 / 72 : e.police.taille) * dispositionDemarrage.echelle);
        return { debout: !!ecranDemarrageModele.debout, boutons, texte: Math.min(...textes) };
      },
      focus: () => ({ ...focusClavier, panneau: focusClavier.panneau < 0 ? '' : description[focusClavier.panneau].nom }),
    };
  }
}

principal();
