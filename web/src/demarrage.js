// The start screen: the title in its frame, two small pictures of the games, and the two
// buttons "DEMARRER" (French) and "ENGLISH", laid out on the 425 x 304 design at the screen's
// factor and centred in the page.
import { Aligneur, dimensionner, peindreBiseau, peindrePanneau, police, POLICE_TIMES } from './peinture.js';

const TURQUOISE = '#12acc7';
const BOITE = { x: 14, y: 12, w: 397, h: 280 };
const ZONE_TITRE = { x: 26, y: 22, w: 373, h: 50 };
const IMAGE_LABYRINTHE = { x: 62, y: 84, w: 112, h: 112 };
const IMAGE_CARRE = { x: 251, y: 84, w: 112, h: 112 };
export const BOUTONS_DEMARRAGE = {
  1: { x: 26, y: 212, w: 373, h: 33, texte: 'DEMARRER', pixels: 21 },
  2: { x: 309, y: 256, w: 90, h: 22, texte: 'ENGLISH', pixels: 11 },
};

const arrondi = (v) => Math.round(v);
const rgb = (r, g, b) => r | (g << 8) | (b << 16);

function echelle(r, f) {
  return { x: arrondi(r.x * f), y: arrondi(r.y * f), w: arrondi(r.w * f), h: arrondi(r.h * f) };
}

function petiteCase(ctx, a, r, fond, texte, fonte, interieur = 0) {
  peindrePanneau(ctx, r, { k: fond, kp: 0, t: texte, be: 1, bi: interieur, lb: 1 }, fonte, a);
}

// A black picture of 5 x 5 cells `ecartBase` apart at factor 1; `caseEn(x, y)` is a cell's place.
function grille(ctx, zone, f, ecartBase) {
  ctx.fillStyle = '#000';
  ctx.fillRect(zone.x, zone.y, zone.w, zone.h);
  const n = 5, ecart = Math.max(2, arrondi(ecartBase * f));
  const cote = Math.floor((zone.w - (n - 1) * ecart) / n);
  const caseEn = (x, y) => ({ x: zone.x + x * (cote + ecart), y: zone.y + y * (cote + ecart), w: cote, h: cote });
  return { n, ecart, cote, caseEn };
}

function labyrinthe(ctx, a, zone, f) {
  const { n, ecart, cote, caseEn } = grille(ctx, zone, f, 5);
  const fonte = police(Math.max(5, arrondi(8 * f)), true, false);
  const nombres = [['50', '', '', '7', ''], ['', '', '12', '', ''], ['', '9', '', '', '4'], ['', '', '', '15', ''], ['3', '', '', '', 'A']];
  for (let y = 0; y < n; ++y)
    for (let x = 0; x < n; ++x) {
      const t = nombres[y][x];
      if ((x === 0 && y === 0) || (x === n - 1 && y === n - 1)) petiteCase(ctx, a, caseEn(x, y), rgb(255, 255, 0), t, fonte);
      else if (t) petiteCase(ctx, a, caseEn(x, y), rgb(0xb4 + 6 * x, 0xc0 - 5 * y, 0xaa + 9 * ((x + y) % 3)), t, fonte);
    }
  const passages = [[0, 0, 1, 0], [1, 0, 2, 0], [2, 0, 3, 0], [3, 0, 4, 0], [4, 0, 4, 1], [0, 0, 0, 1], [0, 1, 1, 1],
    [1, 1, 2, 1], [2, 1, 2, 2], [0, 1, 0, 2], [0, 2, 0, 3], [0, 3, 1, 3], [1, 3, 1, 2], [2, 2, 3, 2], [3, 2, 3, 1],
    [3, 2, 4, 2], [4, 2, 4, 3], [4, 3, 3, 3], [3, 3, 2, 3], [2, 3, 2, 4], [2, 4, 1, 4], [1, 4, 0, 4], [2, 4, 3, 4], [3, 4, 4, 4]];
  const ouvert = (x1, y1, x2, y2) => passages.some((q) => (q[0] === x1 && q[1] === y1 && q[2] === x2 && q[3] === y2) ||
    (q[0] === x2 && q[1] === y2 && q[2] === x1 && q[3] === y1));
  const murDroit = (x, y) => x < n - 1 && y >= 0 && y < n && !ouvert(x, y, x + 1, y);
  const murBas = (x, y) => y < n - 1 && x >= 0 && x < n && !ouvert(x, y, x, y + 1);
  ctx.fillStyle = '#5a7db4';
  const remplir = (r) => { const z = a.aligner(r); ctx.fillRect(z.x, z.y, z.w, z.h); };
  for (let x = 0; x < n; ++x)
    for (let y = 0; y < n; ++y) {
      const c = caseEn(x, y);
      if (murDroit(x, y)) remplir({ x: c.x + c.w, y: c.y, w: ecart, h: cote });
      if (murBas(x, y)) remplir({ x: c.x, y: c.y + c.h, w: cote, h: ecart });
      if (x < n - 1 && y < n - 1 && (murDroit(x, y) || murDroit(x, y + 1) || murBas(x, y) || murBas(x + 1, y)))
        remplir({ x: c.x + c.w, y: c.y + c.h, w: ecart, h: ecart });
    }
}

function carre(ctx, a, zone, f) {
  const { n, caseEn } = grille(ctx, zone, f, 4);
  const fonte = police(Math.max(5, arrondi(10 * f)), true, false);
  const petite = police(Math.max(4, arrondi(6 * f)), true, false);
  const valeurs = [['2', '7', '6'], ['9', '5', '1'], ['4', '3', '8']];
  for (let y = 0; y < n; ++y)
    for (let x = 0; x < n; ++x) {
      const r = caseEn(x, y);
      const anneau = x === 0 || y === 0 || x === n - 1 || y === n - 1;
      const coin = (x === 0 || x === n - 1) && (y === 0 || y === n - 1);
      if (coin) continue;
      if (anneau) petiteCase(ctx, a, r, rgb(0xc0, 0xc0, 0xc0), '15', petite, 2);
      else petiteCase(ctx, a, r, rgb(0xa0 + 12 * x, 0xb4 + 8 * y, 0xaa), valeurs[y - 1][x - 1], fonte);
    }
}

// Paints the start screen for a page of vw x vh CSS pixels at factor `f`; returns the buttons'
// places in the canvas's CSS pixels. `enfonce` is the button held down.
export function peindreDemarrage(canvas, vw, vh, dpr, enfonce, f) {
  const largeur = arrondi(425 * f), hauteur = arrondi(304 * f);
  // A page narrower than the screen shows it smaller.
  const s = Math.min(1, vw / largeur, vh / hauteur);
  canvas.style.left = `${Math.max(0, (vw - largeur * s) / 2)}px`;
  canvas.style.top = `${Math.max(0, (vh - hauteur * s) / 2)}px`;
  const { ctx, a } = dimensionner(canvas, largeur, hauteur, s, dpr);
  ctx.fillStyle = TURQUOISE;
  ctx.fillRect(0, 0, largeur, hauteur);
  const bord = Math.max(1, arrondi(f));
  const boite = a.aligner(echelle(BOITE, f));
  peindreBiseau(ctx, boite, 2, bord, a);
  peindreBiseau(ctx, boite, 1, bord, a);
  ctx.fillStyle = '#0e8fa8';
  ctx.fillRect(boite.x, boite.y, boite.w, boite.h);
  const titre = a.aligner(echelle(ZONE_TITRE, f));
  peindreBiseau(ctx, titre, 2, bord, a);
  ctx.fillStyle = '#004080';
  ctx.fillRect(titre.x, titre.y, titre.w, titre.h);
  ctx.font = `bold ${Math.max(8, arrondi(32 * f))}px ${POLICE_TIMES}`;
  ctx.fillStyle = '#80ff80';
  ctx.textAlign = 'center';
  ctx.textBaseline = 'middle';
  ctx.fillText('COGITELLE I', titre.x + titre.w / 2, titre.y + titre.h / 2);
  labyrinthe(ctx, a, echelle(IMAGE_LABYRINTHE, f), f);
  carre(ctx, a, echelle(IMAGE_CARRE, f), f);
  const boutons = {};
  for (const [langue, b] of Object.entries(BOUTONS_DEMARRAGE)) {
    const r = echelle(b, f);
    const points = arrondi(b.pixels * f * 72 / 96);
    peindrePanneau(ctx, r, { k: rgb(0xc0, 0xc0, 0xc0), kp: 0, t: b.texte, be: Number(langue) === enfonce ? 2 : 1, bi: 0, lb: 2 },
      `bold ${points * 96 / 72}px "MS Sans Serif", "Liberation Sans", Arial, sans-serif`, a);
    boutons[langue] = { x: r.x * s, y: r.y * s, w: r.w * s, h: r.h * s };
  }
  return { boutons };
}
