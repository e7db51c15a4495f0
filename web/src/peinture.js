// Painting the controls model on a canvas: bevels, backgrounds, captions and outline shapes, in
// logical pixels, with one-pixel lines snapped to the device's pixels so they stay crisp at any
// scale and device pixel ratio.

export const POLICE_TIMES = '"Times New Roman", "Liberation Serif", Tinos, "DejaVu Serif", serif';
export const POLICE_SANS = '"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, "DejaVu Sans", sans-serif';

const LUMIERE = '#ffffff';
const OMBRE = '#808080';

// The module's numbers of the bevels (cg_constantes), given once it is loaded.
export const BISEAUX = { aucun: 0, releve: 0, abaisse: 0 };
export function fixerBiseaux(biseaux) { Object.assign(BISEAUX, biseaux); }

// The cursors by the module's numbers (cg_constantes), given once it is loaded.
const FLECHE_HAUT =
  "url(\"data:image/svg+xml,%3Csvg xmlns='http://www.w3.org/2000/svg' width='16' height='24'%3E%3Cpath d='M8 1 L15 9 L10 9 L10 23 L6 23 L6 9 L1 9 Z' fill='white' stroke='black'/%3E%3C/svg%3E\") 8 1, default";
const CURSEURS = [];
export function fixerCurseurs(curseurs) {
  for (const [nom, n] of Object.entries(curseurs))
    CURSEURS[n] = { defaut: 'default', main: 'pointer', interdit: 'not-allowed', flecheHaut: FLECHE_HAUT }[nom];
}
export const curseurCss = (n) => CURSEURS[n] || 'default';

// The core's colours hold red in the low byte.
export function versCss(c) {
  const r = c & 0xff, g = (c >> 8) & 0xff, b = (c >> 16) & 0xff;
  return '#' + [r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('');
}

export function depuisCss(hex) {
  const v = parseInt(hex.slice(1), 16);
  return ((v >> 16) & 0xff) | (((v >> 8) & 0xff) << 8) | ((v & 0xff) << 16);
}

// Snaps logical coordinates to device pixels for a context drawn at `echelle` device pixels per
// logical pixel.
export class Aligneur {
  constructor(echelle) { this.s = echelle > 0 ? echelle : 1; }
  X(x) { return Math.round(x * this.s) / this.s; }
  aligner(r) {
    const g = this.X(r.x), h = this.X(r.y);
    return { x: g, y: h, w: this.X(r.x + r.w) - g, h: this.X(r.y + r.h) - h };
  }
  trait(largeur) { return Math.max(1, Math.round(largeur * this.s)) / this.s; }
}

// A raised or lowered bevel of `largeur` lines; shrinks `r` to the face inside it.
export function peindreBiseau(ctx, r, biseau, largeur, a) {
  if (biseau === BISEAUX.aucun) return;
  const haut = biseau === BISEAUX.releve ? LUMIERE : OMBRE;
  const bas = biseau === BISEAUX.releve ? OMBRE : LUMIERE;
  const t = a.trait(1);
  for (let i = 0; i < largeur && r.w > 0 && r.h > 0; ++i) {
    ctx.fillStyle = haut;
    ctx.fillRect(r.x, r.y, r.w - t, t);
    ctx.fillRect(r.x, r.y, t, r.h - t);
    ctx.fillStyle = bas;
    ctx.fillRect(r.x + r.w - t, r.y, t, r.h);
    ctx.fillRect(r.x, r.y + r.h - t, r.w, t);
    r.x += t; r.y += t; r.w -= 2 * t; r.h -= 2 * t;
  }
}

export function police(points, times, gras) {
  const px = Math.max(1, points) * 96 / 72;
  return `${gras ? 'bold ' : ''}${px}px ${times ? POLICE_TIMES : POLICE_SANS}`;
}

// The words of `texte` in lines no wider than `largeur`.
function couper(ctx, texte, largeur) {
  const lignes = [];
  for (const paragraphe of texte.split('\n')) {
    let ligne = '';
    for (const mot of paragraphe.split(' ')) {
      const essai = ligne ? ligne + ' ' + mot : mot;
      if (ligne && ctx.measureText(essai).width > largeur) {
        lignes.push(ligne);
        ligne = mot;
      } else {
        ligne = essai;
      }
    }
    lignes.push(ligne);
  }
  return lignes;
}

function fondEtTexte(ctx, zone, c, fonte, retour) {
  ctx.fillStyle = versCss(c.k);
  ctx.fillRect(zone.x, zone.y, zone.w, zone.h);
  if (!c.t) return;
  ctx.save();
  ctx.beginPath();
  ctx.rect(zone.x, zone.y, zone.w, zone.h);
  ctx.clip();
  ctx.font = fonte;
  ctx.fillStyle = versCss(c.kp);
  ctx.textAlign = 'center';
  ctx.textBaseline = 'middle';
  const cx = zone.x + zone.w / 2;
  if (!retour) {
    ctx.fillText(c.t, cx, zone.y + zone.h / 2);
  } else {
    const lignes = couper(ctx, c.t, zone.w);
    const m = ctx.measureText('Mg');
    const hauteur = (m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) || c.p * 1.6;
    let y = zone.y + zone.h / 2 - (lignes.length - 1) * hauteur / 2;
    for (const l of lignes) {
      ctx.fillText(l, cx, y);
      y += hauteur;
    }
  }
  ctx.restore();
}

const mesure = document.createElement('canvas').getContext('2d');

// Whether a caption fits a face of largeur x hauteur at `points`: one line, centred as it is
// painted, with all its ink inside the face; or, wrapped, every line's width and whole height.
// Half a pixel of leeway for the metrics' rounding.
export function tientLegende(texte, points, times, gras, largeur, hauteur, lignes) {
  mesure.font = police(points, times, gras);
  mesure.textAlign = 'center';
  mesure.textBaseline = 'middle';
  if (!lignes) {
    const m = mesure.measureText(texte);
    return Math.max(m.actualBoundingBoxLeft, m.actualBoundingBoxRight) <= largeur / 2 + 0.5 &&
      Math.max(m.actualBoundingBoxAscent, m.actualBoundingBoxDescent) <= hauteur / 2 + 0.5;
  }
  const toutes = couper(mesure, texte, largeur);
  const m = mesure.measureText('Mg');
  const hauteurLigne = (m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) || points * 1.6;
  return toutes.every((l) => mesure.measureText(l).width <= largeur + 0.5) && toutes.length * hauteurLigne <= hauteur + 0.5;
}

export function peindrePanneau(ctx, r, c, fonte, a) {
  const zone = a.aligner(r);
  peindreBiseau(ctx, zone, c.be, c.lb, a);
  peindreBiseau(ctx, zone, c.bi, c.lb, a);
  if (zone.w <= 0 || zone.h <= 0) return;
  fondEtTexte(ctx, zone, c, fonte, false);
}

export function peindreEtiquette(ctx, r, c, fonte, a) {
  fondEtTexte(ctx, a.aligner(r), c, fonte, true);
}

// A ring `t` wide along the inside of the zone `z`.
function anneau(ctx, z, t, couleur) {
  ctx.fillStyle = versCss(couleur);
  ctx.fillRect(z.x, z.y, z.w, t);
  ctx.fillRect(z.x, z.y + z.h - t, z.w, t);
  ctx.fillRect(z.x, z.y + t, t, z.h - 2 * t);
  ctx.fillRect(z.x + z.w - t, z.y + t, t, z.h - 2 * t);
}

export function peindreCadre(ctx, r, c, a) {
  const z = a.aligner(r);
  const t = Math.min(a.trait(Math.max(1, c.ls)), z.w / 2, z.h / 2);
  if (t > 0) anneau(ctx, z, t, c.ks);
}

// The keyboard's focus: a ring of `exterieur` and one of `interieur` inside it, each `largeur`
// wide (no wider than a quarter of the frame).
export function peindreFocus(ctx, r, largeur, exterieur, interieur, a) {
  const z = a.aligner(r);
  const t = Math.min(a.trait(Math.max(1, largeur)), z.w / 4, z.h / 4);
  if (t <= 0) return;
  anneau(ctx, z, t, exterieur);
  anneau(ctx, { x: z.x + t, y: z.y + t, w: z.w - 2 * t, h: z.h - 2 * t }, t, interieur);
}

// The size of a canvas's bitmap for `largeur` x `hauteur` logical pixels shown at `echelle` on
// a screen of `dpr` device pixels per CSS pixel, and the transform that draws in logical pixels.
export function dimensionner(canvas, largeur, hauteur, echelle, dpr) {
  const s = echelle * dpr;
  const w = Math.max(1, Math.round(largeur * s)), h = Math.max(1, Math.round(hauteur * s));
  if (canvas.width !== w) canvas.width = w;
  if (canvas.height !== h) canvas.height = h;
  canvas.style.width = `${w / dpr}px`;
  canvas.style.height = `${h / dpr}px`;
  const ctx = canvas.getContext('2d');
  ctx.setTransform(s, 0, 0, s, 0, 0);
  return { ctx, a: new Aligneur(s) };
}
