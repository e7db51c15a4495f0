// The start screen as the module lays it out (cg_ecran_demarrage): its framed box, its title, the
// two small pictures and the buttons "DEMARRER" (French) and "ENGLISH", painted at the screen's
// factor and centred in the page.
import { BISEAUX, dimensionner, peindrePanneau, POLICE_SANS, POLICE_TIMES, versCss } from './peinture.js';

// A font of the module's model: its family, its size in pixels or points, its weight.
function police(p) {
  const px = p.points ? Math.max(1, p.taille) * 96 / 72 : Math.max(1, p.taille);
  return `${p.gras ? 'bold ' : ''}${px}px ${p.times ? POLICE_TIMES : POLICE_SANS}`;
}

const rect = (r) => ({ x: r[0], y: r[1], w: r[2], h: r[3] });

// Paints the start screen `ecran` for a page of vw x vh CSS pixels; returns the buttons' places in
// the canvas's CSS pixels, by language. `enfonce` is the button held down.
export function peindreDemarrage(canvas, vw, vh, dpr, enfonce, ecran) {
  const largeur = ecran.largeur, hauteur = ecran.hauteur;
  // A page narrower than the screen shows it smaller.
  const s = Math.min(1, vw / largeur, vh / hauteur);
  canvas.style.left = `${Math.max(0, (vw - largeur * s) / 2)}px`;
  canvas.style.top = `${Math.max(0, (vh - hauteur * s) / 2)}px`;
  const { ctx, a } = dimensionner(canvas, largeur, hauteur, s, dpr);
  ctx.fillStyle = versCss(ecran.fond);
  ctx.fillRect(0, 0, largeur, hauteur);
  for (const e of ecran.dessin) peindrePanneau(ctx, rect(e.r), e, police(e.police), a);
  const boutons = {};
  for (const b of ecran.boutons) {
    const r = rect(b.r);
    // Held down, the button's outer bevel is lowered.
    const vue = b.langue === enfonce ? { ...b, be: BISEAUX.abaisse } : b;
    peindrePanneau(ctx, r, vue, police(b.police), a);
    boutons[b.langue] = { x: r.x * s, y: r.y * s, w: r.w * s, h: r.h * s };
  }
  return { boutons, echelle: s };
}
