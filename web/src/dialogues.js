// The puzzle chooser and the high-score viewer: what they show and what their controls do come
// from the core through the calls passed in.
import { POLICE_SANS, POLICE_TIMES } from './peinture.js';
import { ouvrir } from './boites.js';

// The keys of the scroll bars, numbered as the core's rule takes them.
// The keys of the scroll bars, by the module's numbers.
const touchesDefilement = ({ defilement: d }) => ({ ArrowLeft: d.gauche, ArrowRight: d.droite, ArrowUp: d.haut,
  ArrowDown: d.bas, PageUp: d.pagePrecedente, PageDown: d.pageSuivante, Home: d.debut, End: d.fin });

// The second press of a double click: the browser counts the presses of a run of clicks, the
// desktop calls every second one double.
const secondePression = (e) => e.detail >= 2 && e.detail % 2 === 0;

// A dialog's fonts: a design size in pixels brought to the dialog's scale.
const police = (px, f, famille = POLICE_SANS, gras = false) => ({ taille: Math.max(1, Math.round(px * f)), famille, gras });
const css = (p, taille = p.taille) => `${p.gras ? 'bold ' : ''}${taille}px ${p.famille}`;

// Runs the dialog's actions one after another, each after the calls of the one before: keys
// typed quickly, then Enter, reach the core in the order they were typed.
function sequence() {
  let suite = Promise.resolve();
  return (action) => {
    suite = suite.then(action).catch((e) => console.error(e));
    return suite;
  };
}

// The factor a dialog designed at largeur x hauteur is drawn at, in CSS pixels per design pixel:
// the core's factor for the window's free area under the dialog's title bar.
async function facteurDialogue(noyau, fen, echelle, largeur, hauteur) {
  const titre = fen.d.querySelector('.titre').getBoundingClientRect().height + 2;
  // The page keeps a small margin around a dialog (the dialogs' largest size is 96 % of it).
  const libre = (cote) => Math.floor(0.96 * cote / echelle);
  const f = await noyau.appel('cg_facteur_dialogue',
    [largeur, hauteur, libre(window.innerWidth), libre(window.innerHeight), Math.ceil(titre / echelle)], 'number');
  return f * echelle;
}

function placer(el, f, x, y, w, h) {
  Object.assign(el.style, { left: `${Math.round(x * f)}px`, top: `${Math.round(y * f)}px`,
    width: `${Math.round(w * f)}px`, height: `${Math.round(h * f)}px` });
}

// A panel of the dialogs: a raised face with a caption.
function panneau(parent, f, x, y, w, h, couleur, texte, pol) {
  const p = document.createElement('div');
  p.className = 'panneau';
  placer(p, f, x, y, w, h);
  p.style.background = couleur;
  p.style.borderWidth = `${Math.max(1, Math.round(f))}px`;
  p.police = pol;
  if (pol) p.style.font = css(pol);
  p.textContent = texte || '';
  parent.append(p);
  return p;
}

const mesure = document.createElement('canvas').getContext('2d');

// A panel's caption, at the largest size up to its design's at which it fits the panel whole
// (the core's rule; the page measures).
async function legender(noyau, p, texte) {
  p.textContent = texte;
  if (!p.police) return;
  if (!texte) { p.style.font = css(p.police); return; }
  const w = p.clientWidth, h = p.clientHeight;
  const taille = await noyau.tailleQuiTient(p.police.taille, (t) => {
    mesure.font = css(p.police, t);
    const m = mesure.measureText(texte);
    return m.width <= w + 0.5 && m.fontBoundingBoxAscent + m.fontBoundingBoxDescent <= h + 0.5;
  });
  p.style.font = css(p.police, taille);
}

// A button panel: acts on a left click (once per double click, as the core says), and on Enter
// or Space while it has the keyboard.
function panneauBouton(parent, f, x, y, w, h, texte, pol, secondeAgit, action) {
  const p = panneau(parent, f, x, y, w, h, '#c0c0c0', texte, pol);
  p.classList.add('bouton');
  p.setAttribute('role', 'button');
  p.tabIndex = 0;
  p.style.borderWidth = `${Math.max(2, Math.round(2 * f))}px`;
  p.addEventListener('pointerdown', (e) => { if (e.button === 0 && (!secondePression(e) || secondeAgit)) p.classList.add('enfonce'); });
  p.addEventListener('pointerleave', () => p.classList.remove('enfonce'));
  p.addEventListener('pointerup', () => p.classList.remove('enfonce'));
  p.addEventListener('click', (e) => {
    if (secondePression(e) && !secondeAgit) return;
    action();
  });
  p.addEventListener('keydown', (e) => {
    if (!['Enter', ' '].includes(e.key) || e.repeat || e.ctrlKey || e.altKey || e.metaKey || e.shiftKey) return;
    e.preventDefault();
    e.stopPropagation();
    action();
  });
  return p;
}

// A horizontal scroll bar drawn as the classic one with every part at the dialog's scale: a
// square arrow button at each end, a square thumb on a dotted track. The arrows and the track
// step by the core's rule for the keys; `changer` receives each new position; `ordre` runs the
// steps in turn.
function defilement(parent, f, x, y, w, h, pasGrand, noyau, ordre, changer) {
  const s = document.createElement('div');
  s.className = 'defile';
  s.setAttribute('role', 'scrollbar');
  s.setAttribute('aria-orientation', 'horizontal');
  placer(s, f, x, y, w, h);
  parent.append(s);
  const W = Math.round(w * f), H = Math.round(h * f);
  const bout = Math.min(H, Math.floor(W / 2));
  const biseau = `${Math.max(1, Math.round(f))}px`;
  const fleche = (sens) => {
    const b = document.createElement('div');
    b.className = `fleche ${sens}`;
    const trait = sens === 'gauche' ? 'M10 3.5 L5.5 8 L10 12.5 Z' : 'M6 3.5 L10.5 8 L6 12.5 Z';
    b.innerHTML = `<svg viewBox="0 0 16 16"><path d="${trait}"/></svg>`;
    Object.assign(b.style, { width: `${bout}px`, height: `${H}px`, left: sens === 'gauche' ? '0px' : `${W - bout}px`, borderWidth: biseau });
    s.append(b);
    return b;
  };
  const gauche = fleche('gauche'), droite = fleche('droite');
  const curseur = document.createElement('div');
  curseur.className = 'curseur';
  const longueur = Math.max(0, Math.min(H, W - 2 * bout));
  Object.assign(curseur.style, { width: `${longueur}px`, height: `${H}px`, borderWidth: biseau });
  s.append(curseur);
  const course = Math.max(0, W - 2 * bout - longueur);

  const etat = { min: 1, max: 1, valeur: 1 };
  s.regler = (min, max, valeur) => {
    Object.assign(etat, { min, max, valeur });
    const part = max > min ? (valeur - min) / (max - min) : 0;
    curseur.style.left = `${bout + Math.round(part * course)}px`;
    s.setAttribute('aria-valuemin', String(min));
    s.setAttribute('aria-valuemax', String(max));
    s.setAttribute('aria-valuenow', String(valeur));
  };
  Object.defineProperty(s, 'valeur', { get: () => etat.valeur });
  // The position `calcul` gives from the bar's current state, once the steps before it are done.
  s.aller = (calcul) => ordre(async () => {
    const v = await calcul(etat);
    if (Number.isInteger(v) && v >= etat.min && v <= etat.max && v !== etat.valeur) await changer(v);
  });
  s.toucher = (touche) => s.aller((e) => noyau.appel('cg_defilement', [touche, e.valeur, e.min, e.max, pasGrand], 'number'));

  // An arrow or the track held down steps again and again, as a held key would.
  let repetition = null;
  const arreter = () => {
    clearTimeout(repetition);
    repetition = null;
    gauche.classList.remove('enfonce');
    droite.classList.remove('enfonce');
  };
  const tenir = (pas) => {
    pas();
    repetition = setTimeout(function encore() { pas(); repetition = setTimeout(encore, 50); }, 400);
  };
  let saisie = null;   // where the thumb was taken, while it is dragged
  s.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    e.preventDefault();
    s.focus();
    s.setPointerCapture?.(e.pointerId);
    const b = s.getBoundingClientRect();
    const px = e.clientX - b.left;
    const debutCurseur = parseFloat(curseur.style.left) || bout;
    const D = noyau.K.defilement;
    if (px < bout) { gauche.classList.add('enfonce'); tenir(() => s.toucher(D.gauche)); }
    else if (px >= W - bout) { droite.classList.add('enfonce'); tenir(() => s.toucher(D.droite)); }
    else if (px < debutCurseur) tenir(() => s.toucher(D.pagePrecedente));
    else if (px >= debutCurseur + longueur) tenir(() => s.toucher(D.pageSuivante));
    else saisie = px - debutCurseur;
  });
  s.addEventListener('pointermove', (e) => {
    if (saisie === null || course <= 0) return;
    const b = s.getBoundingClientRect();
    const part = Math.min(1, Math.max(0, (e.clientX - b.left - saisie - bout) / course));
    const v = etat.min + Math.round(part * (etat.max - etat.min));
    s.aller(() => v);
  });
  const lacher = () => { saisie = null; arreter(); };
  s.addEventListener('pointerup', lacher);
  s.addEventListener('pointercancel', lacher);
  s.addEventListener('lostpointercapture', lacher);
  return s;
}

// The puzzle chooser. `noyau` gives the core's calls, `echelle` the page's CSS pixels per logical
// pixel; resolves once it closes.
export function choixTableau(noyau, echelle) {
  return new Promise(async (resoudre) => {
    const fen = ouvrir('choix', 'Choix du jeu et du numéro de cogitelle', true);
    const c = fen.corps;
    const f = await facteurDialogue(noyau, fen, echelle, 370, 256);
    c.dataset.facteur = String(f);
    const secondeAgit = await noyau.appel('cg_seconde_pression_agit', [noyau.K.cibles.panneau], 'number');
    const ordre = sequence();
    const base = police(11, f);
    Object.assign(c.style, { width: `${Math.round(370 * f)}px`, height: `${Math.round(256 * f)}px`,
      background: '#0080c0', font: css(base) });
    // The etched frame with its caption on the top line.
    const groupe = document.createElement('div');
    groupe.className = 'groupe';
    placer(groupe, f, 4, 4 + 7, 219, 139 - 7);
    groupe.style.font = css(police(13, f));
    groupe.style.borderWidth = `${Math.max(2, Math.round(2 * f))}px`;
    const legende = document.createElement('span');
    legende.className = 'legende';
    Object.assign(legende.style, { left: `${Math.round(6 * f)}px`, background: '#0080c0' });
    groupe.append(legende);
    c.append(groupe);
    const tops = [0, 24, 46, 68, 90, 112];
    const point = Math.max(1, Math.round(13 * f));
    const radios = [];
    for (let t = 1; t <= 5; ++t) {
      const l = document.createElement('label');
      l.className = 'radio';
      placer(l, f, 14, tops[t] - 7, 200, 17);
      l.style.font = css(police(13, f, POLICE_SANS, true));
      l.style.gap = `${Math.round(4 * f)}px`;
      const r = document.createElement('input');
      r.type = 'radio';
      r.name = 'typeJeu';
      r.value = String(t);
      r.id = `rbTypeJeu${t}`;
      Object.assign(r.style, { width: `${point}px`, height: `${point}px`, borderWidth: `${Math.max(1, Math.round(f))}px` });
      const s = document.createElement('span');
      l.append(r, s);
      groupe.append(l);
      r.addEventListener('change', () => ordre(async () => { await noyau.appel('cg_choix_type', [t]); await afficher(); }));
      radios[t] = { r, s };
    }
    const titreNom = panneau(c, f, 228, 4, 139, 27, '#80ffff', '', base);
    const nom = document.createElement('input');
    nom.className = 'nom';
    nom.id = 'editYourName';
    nom.autocomplete = 'off';
    nom.spellcheck = false;
    placer(nom, f, 226, 32, 141, 21);
    nom.style.font = css(base);
    nom.style.borderWidth = `${Math.max(2, Math.round(2 * f))}px`;
    c.append(nom);
    const record = panneau(c, f, 226, 62, 140, 23, '#0080ff', '', police(13, f, POLICE_SANS, true));
    const nomRecord = panneau(c, f, 226, 86, 140, 29, '#66b3ff', '', police(16, f));
    nomRecord.id = 'panelNomRecordMixte';
    const scoreRecord = panneau(c, f, 226, 116, 140, 27, '#66b3ff', '', police(16, f));
    scoreRecord.id = 'panelScoreRecordMixte';
    const numero = panneau(c, f, 4, 146, 360, 29, '#66b3ff', '', police(32, f, POLICE_TIMES));
    numero.id = 'panelNumeroTableau';
    const barre = defilement(c, f, 4, 178, 360, 19, 10, noyau, ordre, async (v) => {
      await noyau.appel('cg_choix_numero', [v]);
      await afficher();
    });
    barre.id = 'scrollBarChoixTableau';
    barre.tabIndex = 0;
    const fb = police(13, f, POLICE_SANS, true);
    const hasard = panneauBouton(c, f, 4, 204, 360, 22, 'Jeu et cogitelle au hasard', fb, secondeAgit, () => ordre(async () => {
      await noyau.appel('cg_choix_hasard');
      await afficher();
    }));
    hasard.id = 'panelAleatoire';
    const annuler = panneauBouton(c, f, 4, 230, 115, 22, 'Annuler', fb, secondeAgit, () => ordre(async () => {
      if (await noyau.appel('cg_choix_annuler', [], 'number')) { fen.fermer(); resoudre(false); }
    }));
    annuler.id = 'buttonCancel';
    const valider = () => ordre(async () => {
      if (!fen.voile.isConnected) return;
      if (await noyau.appel('cg_choix_valider', [nom.value], 'number', ['string'])) {
        fen.fermer();
        resoudre(true);
      } else {
        nom.focus();
      }
    });
    const ok = panneauBouton(c, f, 122, 230, 243, 22, 'OK', fb, secondeAgit, valider);
    ok.id = 'buttonOK';

    async function afficher() {
      const m = JSON.parse(await noyau.appel('cg_choix', [], 'string'));
      legende.textContent = m.titreGroupe;
      for (let t = 1; t <= 5; ++t) {
        radios[t].s.textContent = m.radios[t - 1];
        radios[t].r.checked = t === m.coche;
      }
      barre.regler(m.min, m.max, m.position);
      if (nom.value !== m.nom) nom.value = m.nom;
      await legender(noyau, numero, m.numero);
      await legender(noyau, nomRecord, m.nomRecord);
      await legender(noyau, scoreRecord, m.scoreRecord);
    }
    // The bar's keys: the core's direction for the arrows and pages; digits typed within a
    // second of each other make one puzzle number.
    barre.addEventListener('keydown', (e) => {
      if (e.ctrlKey || e.altKey || e.metaKey) return;
      const touches = touchesDefilement(noyau.K);
      if (e.key in touches) {
        e.preventDefault();
        noyau.appel('cg_saisie_oublier');
        barre.toucher(touches[e.key]);
      } else if (/^[0-9]$/.test(e.key)) {
        e.preventDefault();
        const chiffre = Number(e.key), instant = performance.now();
        barre.aller((s) => noyau.appel('cg_saisie_chiffre', [chiffre, instant, s.max], 'number'));
      }
    });
    // Digits typed before the bar lost the keyboard do not join those typed after.
    barre.addEventListener('blur', () => noyau.appel('cg_saisie_oublier'));
    nom.addEventListener('input', () => ordre(async () => {
      const avant = nom.value;
      const curseur = nom.selectionStart;
      const garde = await noyau.appel('cg_choix_saisie', [avant], 'string', ['string']);
      if (garde !== avant) {
        nom.value = garde;
        const p = Math.min(curseur ?? garde.length, garde.length);
        nom.setSelectionRange(p, p);
      }
    }));
    nom.addEventListener('dblclick', () => ordre(async () => { await noyau.appel('cg_choix_effacer_nom'); nom.value = ''; }));
    // Tab goes through the controls that act, in the window's order: the bar, the name, the
    // random pick, OK, Annuler, then the game types (the checked one; the arrows move in them).
    const ordreTab = () => [barre, nom, hasard, ok, annuler, (radios.find((x) => x && x.r.checked) || radios[1]).r];
    fen.d.addEventListener('keydown', (e) => {
      e.stopPropagation();
      if (e.key === 'Enter' && !e.repeat) { e.preventDefault(); valider(); }
      if (e.key === 'Escape') { e.preventDefault(); annuler.click(); }
      if (e.key === 'Tab') {
        e.preventDefault();
        const liste = ordreTab();
        let i = liste.indexOf(document.activeElement);
        if (i < 0 && document.activeElement?.name === 'typeJeu') i = liste.length - 1;
        liste[(i + (e.shiftKey ? -1 : 1) + liste.length) % liste.length].focus();
      }
    });
    await noyau.appel('cg_choix_activer');
    await legender(noyau, titreNom, 'VOTRE NOM :');
    await legender(noyau, record, 'RECORD');
    for (const b of [hasard, annuler, ok]) await legender(noyau, b, b.textContent);
    await afficher();
    barre.focus();
  });
}

// The high-score viewer, scaled as the chooser is.
export function meilleursScores(noyau, echelle) {
  return new Promise(async (resoudre) => {
    const fen = ouvrir('scores', 'Détail des meilleurs scores', true);
    const c = fen.corps;
    const f = await facteurDialogue(noyau, fen, echelle, 430, 356);
    c.dataset.facteur = String(f);
    const secondeAgit = await noyau.appel('cg_seconde_pression_agit', [noyau.K.cibles.panneau], 'number');
    const ordre = sequence();
    Object.assign(c.style, { width: `${Math.round(430 * f)}px`, height: `${Math.round(356 * f)}px`,
      background: '#004080', font: css(police(11, f)) });
    const saumon = '#ff8080';
    const titre = panneau(c, f, 6, 6, 417, 31, saumon, '', police(27, f, POLICE_TIMES));
    const typeJeu = panneau(c, f, 6, 40, 221, 31, saumon, '', police(16, f));
    typeJeu.id = 'panelTypeJeu';
    // Runs inside the bars' own turn (their steps go through `ordre`).
    const changer = async (type, numero) => afficher(await noyau.appel('cg_scores', [type, numero], 'string'));
    const barreType = defilement(c, f, 6, 76, 221, 13, 1, noyau, ordre, (v) => changer(v, barreNumero.valeur));
    barreType.id = 'scrollBarTypeJeu';
    const numero = panneau(c, f, 234, 40, 189, 31, saumon, '', police(16, f));
    numero.id = 'panelNumeroTableau';
    const barreNumero = defilement(c, f, 234, 76, 189, 13, 10, noyau, ordre, (v) => changer(barreType.valeur, v));
    barreNumero.id = 'scrollBarNumeroTableau';
    const centre = panneau(c, f, 6, 94, 417, 210, '#800000', '');
    centre.style.display = 'block';
    // The rows fill the panel; the margins, the rank column and the type are the design's,
    // scaled with the rest.
    const marge = Math.round(5 * f), largeurRang = Math.round(20 * f);
    const W = Math.round(417 * f) - 2 * marge, h = Math.floor((Math.round(210 * f) - 2 * marge) / 10);
    centre.style.height = `${2 * marge + 10 * h}px`;
    const largeur = Math.floor((W - largeurRang) / 2);
    const pc = { taille: Math.max(1, Math.round(Math.round(10 * f) * 96 / 72)), famille: POLICE_TIMES, gras: false };
    const lignes = [];
    for (let r = 1; r <= 10; ++r) {
      const top = marge + (r - 1) * h;
      const cellule = (x, w) => {
        const p = document.createElement('div');
        p.className = 'panneau';
        Object.assign(p.style, { left: `${x}px`, top: `${top}px`, width: `${w}px`, height: `${h}px`, background: '#c0c0c0',
          font: css(pc), borderWidth: `${Math.max(1, Math.round(f))}px` });
        p.police = pc;
        centre.append(p);
        return p;
      };
      lignes[r] = [cellule(marge, largeurRang), cellule(marge + largeurRang, largeur), cellule(marge + largeurRang + largeur, largeur)];
      lignes[r][0].className += ' rang';
      lignes[r][1].className += ' nom';
      lignes[r][2].className += ' score';
    }
    // Another tab's records reach the table: the list on show is read again.
    const relire = () => ordre(() => changer(barreType.valeur, barreNumero.valeur));
    document.addEventListener('cogitelle-scores', relire);
    const fermer = () => { if (fen.voile.isConnected) { document.removeEventListener('cogitelle-scores', relire); fen.fermer(); resoudre(); } };
    const ok = panneauBouton(c, f, 8, 310, 415, 41, 'OK', police(27, f, POLICE_TIMES, true), secondeAgit, fermer);
    ok.id = 'panelOkHighScores';
    async function afficher(texte) {
      const m = JSON.parse(texte);
      barreType.regler(1, 5, m.type);
      barreNumero.regler(1, m.max, m.numero);
      await legender(noyau, typeJeu, m.titreJeu);
      await legender(noyau, numero, m.titreNumero);
      for (const [r, n, s] of m.rangs) {
        await legender(noyau, lignes[r][0], String(r));
        await legender(noyau, lignes[r][1], n);
        await legender(noyau, lignes[r][2], String(s));
      }
    }
    // The window takes the keys itself: Left and Right step through the game types; Up, Down,
    // the pages, Home and End through the puzzle numbers; Enter and Escape close it.
    fen.d.tabIndex = -1;
    fen.d.addEventListener('keydown', (e) => {
      e.stopPropagation();
      if (e.key === 'Escape' || e.key === 'Enter') { e.preventDefault(); fermer(); return; }
      const touches = touchesDefilement(noyau.K);
      if (e.ctrlKey || e.altKey || e.metaKey || !(e.key in touches)) return;
      e.preventDefault();
      const touche = touches[e.key];
      const D = noyau.K.defilement;
      (touche === D.gauche || touche === D.droite ? barreType : barreNumero).toucher(touche);
    });
    await legender(noyau, titre, 'MEILLEURS SCORES');
    await legender(noyau, ok, 'OK');
    await afficher(await noyau.appel('cg_scores_activer', [], 'string'));
    fen.d.focus();
  });
}
