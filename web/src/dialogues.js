// The page's dialogs: message and Yes/No boxes, the colour choice, the puzzle chooser and the
// high-score viewer. Each is an in-page modal; what it shows and what its buttons do come from
// the core through the calls passed in.
import { POLICE_SANS, POLICE_TIMES, versCss, depuisCss } from './peinture.js';

const conteneur = () => document.getElementById('dialogues');
export const ouverts = new Set();

function ouvrir(classe, titre, transparent = false) {
  const voile = document.createElement('div');
  voile.className = 'voile' + (transparent ? ' transparent' : '');
  const d = document.createElement('div');
  d.className = 'dialogue ' + classe;
  d.setAttribute('role', 'dialog');
  d.setAttribute('aria-modal', 'true');
  d.setAttribute('aria-label', titre);
  const barre = document.createElement('div');
  barre.className = 'titre';
  barre.textContent = titre;
  const corps = document.createElement('div');
  corps.className = 'corps';
  d.append(barre, corps);
  voile.append(d);
  // A press outside the dialog reaches nothing behind it.
  voile.addEventListener('pointerdown', (e) => { if (e.target === voile) e.preventDefault(); });
  voile.addEventListener('contextmenu', (e) => e.preventDefault());
  conteneur().append(voile);
  ouverts.add(voile);
  return { voile, d, corps, fermer() { ouverts.delete(voile); voile.remove(); } };
}

function bouton(texte, action) {
  const b = document.createElement('button');
  b.type = 'button';
  b.textContent = texte;
  b.addEventListener('click', action);
  return b;
}

const ICONES = [['i', '#1e64c8'], ['?', '#1e64c8'], ['×', '#c81e1e']];

// sorte 0: information, 1: Yes/No question, 2: error. Resolves 1 for OK or Yes, 0 for No.
export function boite(sorte, titre, texte) {
  return new Promise((resoudre) => {
    const f = ouvrir('boite', titre);
    f.d.dataset.sorte = ['message', 'question', 'erreur'][sorte] || 'message';
    const icone = document.createElement('div');
    icone.className = 'icone';
    icone.textContent = ICONES[sorte][0];
    icone.style.background = ICONES[sorte][1];
    const t = document.createElement('div');
    t.className = 'texte';
    t.textContent = texte;
    f.corps.append(icone, t);
    const boutons = document.createElement('div');
    boutons.className = 'boutons';
    const finir = (r) => { f.fermer(); resoudre(r); };
    let premier;
    if (sorte === 1) {
      premier = bouton('Oui', () => finir(1));
      boutons.append(premier, bouton('Non', () => finir(0)));
    } else {
      premier = bouton('OK', () => finir(1));
      boutons.append(premier);
    }
    f.d.append(boutons);
    f.d.addEventListener('keydown', (e) => {
      e.stopPropagation();
      if (e.key === 'Escape') finir(sorte === 1 ? 0 : 1);
      if (sorte === 1 && (e.key === 'o' || e.key === 'O')) finir(1);
      if (sorte === 1 && (e.key === 'n' || e.key === 'N')) finir(0);
    });
    premier.focus();
  });
}

// Resolves the chosen colour (the core's byte order) or -1 when cancelled.
export function choisirCouleur(initiale) {
  return new Promise((resoudre) => {
    const f = ouvrir('couleur', 'Couleur');
    const choix = document.createElement('input');
    choix.type = 'color';
    choix.value = versCss(initiale);
    const boutons = document.createElement('div');
    const finir = (r) => { f.fermer(); resoudre(r); };
    boutons.append(bouton('OK', () => finir(depuisCss(choix.value))), ' ', bouton('Annuler', () => finir(-1)));
    f.corps.append(choix, boutons);
    f.d.addEventListener('keydown', (e) => { e.stopPropagation(); if (e.key === 'Escape') finir(-1); });
    choix.focus();
  });
}

// A panel of the dialogs: a raised face with a caption.
function panneau(parent, f, x, y, w, h, couleur, texte, fonte) {
  const p = document.createElement('div');
  p.className = 'panneau';
  Object.assign(p.style, {
    left: `${Math.round(x * f)}px`, top: `${Math.round(y * f)}px`,
    width: `${Math.round(w * f)}px`, height: `${Math.round(h * f)}px`, background: couleur,
  });
  if (fonte) p.style.font = fonte;
  p.textContent = texte || '';
  parent.append(p);
  return p;
}

function panneauBouton(parent, f, x, y, w, h, texte, fonte, action) {
  const p = panneau(parent, f, x, y, w, h, '#c0c0c0', texte, fonte);
  p.classList.add('bouton');
  p.setAttribute('role', 'button');
  p.addEventListener('pointerdown', (e) => { if (e.button === 0) p.classList.add('enfonce'); });
  p.addEventListener('pointerleave', () => p.classList.remove('enfonce'));
  p.addEventListener('pointerup', () => p.classList.remove('enfonce'));
  p.addEventListener('click', action);
  return p;
}

const fonte = (px, f, famille = POLICE_SANS, gras = false) => `${gras ? 'bold ' : ''}${Math.max(1, Math.round(px * f))}px ${famille}`;

function placer(el, f, x, y, w, h) {
  Object.assign(el.style, { left: `${Math.round(x * f)}px`, top: `${Math.round(y * f)}px`,
    width: `${Math.round(w * f)}px`, height: `${Math.round(h * f)}px` });
}

function defilement(parent, f, x, y, w, h, min, max, pas) {
  const s = document.createElement('input');
  s.type = 'range';
  s.className = 'defile';
  s.min = String(min);
  s.max = String(max);
  s.step = String(pas);
  placer(s, f, x, y, w, h);
  parent.append(s);
  return s;
}

// The puzzle chooser. `noyau` gives the core's calls; resolves once it closes.
export function choixTableau(noyau, f) {
  return new Promise(async (resoudre) => {
    const fen = ouvrir('choix', 'Choix du jeu et du numéro de cogitelle', true);
    const c = fen.corps;
    Object.assign(c.style, { width: `${Math.round(370 * f)}px`, height: `${Math.round(256 * f)}px`,
      background: '#0080c0', font: fonte(11, f) });
    // The etched frame with its caption on the top line.
    const groupe = document.createElement('div');
    groupe.className = 'groupe';
    placer(groupe, f, 4, 4 + 7, 219, 139 - 7);
    groupe.style.font = fonte(13, f);
    const legende = document.createElement('span');
    legende.className = 'legende';
    Object.assign(legende.style, { left: `${Math.round(6 * f)}px`, background: '#0080c0' });
    groupe.append(legende);
    c.append(groupe);
    const tops = [0, 24, 46, 68, 90, 112];
    const radios = [];
    for (let t = 1; t <= 5; ++t) {
      const l = document.createElement('label');
      l.className = 'radio';
      placer(l, f, 14, tops[t] - 7, 200, 17);
      l.style.font = fonte(13, f, POLICE_SANS, true);
      const r = document.createElement('input');
      r.type = 'radio';
      r.name = 'typeJeu';
      r.value = String(t);
      r.id = `rbTypeJeu${t}`;
      const s = document.createElement('span');
      l.append(r, s);
      groupe.append(l);
      r.addEventListener('change', async () => { await noyau.appel('cg_choix_type', [t]); await afficher(); });
      radios[t] = { r, s };
    }
    panneau(c, f, 228, 4, 139, 27, '#80ffff', 'VOTRE NOM :');
    const nom = document.createElement('input');
    nom.className = 'nom';
    nom.id = 'editYourName';
    nom.autocomplete = 'off';
    nom.spellcheck = false;
    placer(nom, f, 226, 32, 141, 21);
    nom.style.font = fonte(11, f);
    c.append(nom);
    panneau(c, f, 226, 62, 140, 23, '#0080ff', 'RECORD', fonte(13, f, POLICE_SANS, true));
    const nomRecord = panneau(c, f, 226, 86, 140, 29, '#66b3ff', '', fonte(16, f));
    nomRecord.id = 'panelNomRecordMixte';
    const scoreRecord = panneau(c, f, 226, 116, 140, 27, '#66b3ff', '', fonte(16, f));
    scoreRecord.id = 'panelScoreRecordMixte';
    const numero = panneau(c, f, 4, 146, 360, 29, '#66b3ff', '', fonte(32, f, POLICE_TIMES));
    numero.id = 'panelNumeroTableau';
    const barre = defilement(c, f, 4, 178, 360, 19, 1, 500, 1);
    barre.id = 'scrollBarChoixTableau';
    const fb = fonte(13, f, POLICE_SANS, true);
    const hasard = panneauBouton(c, f, 4, 204, 360, 22, 'Jeu et cogitelle au hasard', fb, async () => {
      await noyau.appel('cg_choix_hasard');
      await afficher();
    });
    hasard.id = 'panelAleatoire';
    panneauBouton(c, f, 4, 230, 115, 22, 'Annuler', fb, async () => {
      if (await noyau.appel('cg_choix_annuler', [], 'number')) { fen.fermer(); resoudre(false); }
    }).id = 'buttonCancel';
    const valider = async () => {
      if (await noyau.appel('cg_choix_valider', [nom.value], 'number', ['string'])) {
        fen.fermer();
        resoudre(true);
      } else {
        nom.focus();
      }
    };
    panneauBouton(c, f, 122, 230, 243, 22, 'OK', fb, valider).id = 'buttonOK';

    async function afficher() {
      const m = JSON.parse(await noyau.appel('cg_choix', [], 'string'));
      legende.textContent = m.titreGroupe;
      for (let t = 1; t <= 5; ++t) {
        radios[t].s.textContent = m.radios[t - 1];
        radios[t].r.checked = t === m.coche;
      }
      numero.textContent = m.numero;
      barre.min = String(m.min);
      barre.max = String(m.max);
      barre.value = String(m.position);
      nomRecord.textContent = m.nomRecord;
      scoreRecord.textContent = m.scoreRecord;
      if (nom.value !== m.nom) nom.value = m.nom;
    }
    barre.addEventListener('input', async () => { await noyau.appel('cg_choix_numero', [Number(barre.value)]); await afficher(); });
    nom.addEventListener('input', async () => {
      const avant = nom.value;
      const curseur = nom.selectionStart;
      const garde = await noyau.appel('cg_choix_saisie', [avant], 'string', ['string']);
      if (garde !== avant) {
        nom.value = garde;
        const p = Math.min(curseur ?? garde.length, garde.length);
        nom.setSelectionRange(p, p);
      }
    });
    nom.addEventListener('dblclick', async () => { await noyau.appel('cg_choix_effacer_nom'); nom.value = ''; });
    fen.d.addEventListener('keydown', (e) => {
      e.stopPropagation();
      if (e.key === 'Enter') { e.preventDefault(); valider(); }
      if (e.key === 'Escape') fen.d.querySelector('#buttonCancel').click();
    });
    await noyau.appel('cg_choix_activer');
    await afficher();
    barre.focus();
  });
}

// The high-score viewer.
export function meilleursScores(noyau, f) {
  return new Promise(async (resoudre) => {
    const fen = ouvrir('scores', 'Détail des meilleurs scores', true);
    const c = fen.corps;
    Object.assign(c.style, { width: `${Math.round(430 * f)}px`, height: `${Math.round(356 * f)}px`,
      background: '#004080', font: fonte(11, f) });
    const saumon = '#ff8080';
    panneau(c, f, 6, 6, 417, 31, saumon, 'MEILLEURS SCORES', fonte(27, f, POLICE_TIMES));
    const typeJeu = panneau(c, f, 6, 40, 221, 31, saumon, '', fonte(16, f));
    typeJeu.id = 'panelTypeJeu';
    const barreType = defilement(c, f, 6, 76, 221, 13, 1, 5, 1);
    barreType.id = 'scrollBarTypeJeu';
    const numero = panneau(c, f, 234, 40, 189, 31, saumon, '', fonte(16, f));
    numero.id = 'panelNumeroTableau';
    const barreNumero = defilement(c, f, 234, 76, 189, 13, 1, 500, 1);
    barreNumero.id = 'scrollBarNumeroTableau';
    const centre = panneau(c, f, 6, 94, 417, 210, '#800000', '');
    centre.style.display = 'block';
    const W = Math.round(417 * f) - 10, h = Math.floor((Math.round(210 * f) - 10) / 10);
    const largeur = Math.floor((W - 20) / 2);
    const lignes = [];
    const fc = `${Math.round(10 * 96 / 72)}px ${POLICE_TIMES}`;
    for (let r = 1; r <= 10; ++r) {
      const top = 5 + (r - 1) * h;
      const cellule = (x, w) => {
        const p = document.createElement('div');
        p.className = 'panneau';
        Object.assign(p.style, { left: `${x}px`, top: `${top}px`, width: `${w}px`, height: `${h}px`, background: '#c0c0c0', font: fc });
        centre.append(p);
        return p;
      };
      lignes[r] = [cellule(5, 20), cellule(25, largeur), cellule(25 + largeur, largeur)];
      lignes[r][1].className += ' nom';
      lignes[r][2].className += ' score';
    }
    panneauBouton(c, f, 8, 310, 415, 41, 'OK', fonte(27, f, POLICE_TIMES, true), () => { fen.fermer(); resoudre(); })
      .id = 'panelOkHighScores';
    const afficher = (texte) => {
      const m = JSON.parse(texte);
      typeJeu.textContent = m.titreJeu;
      numero.textContent = m.titreNumero;
      barreType.value = String(m.type);
      barreNumero.max = String(m.max);
      barreNumero.value = String(m.numero);
      for (const [r, n, s] of m.rangs) {
        lignes[r][0].textContent = String(r);
        lignes[r][1].textContent = n;
        lignes[r][2].textContent = String(s);
      }
    };
    const changer = async () => afficher(await noyau.appel('cg_scores', [Number(barreType.value), Number(barreNumero.value)], 'string'));
    barreType.addEventListener('input', changer);
    barreNumero.addEventListener('input', changer);
    fen.d.addEventListener('keydown', (e) => { e.stopPropagation(); if (e.key === 'Escape' || e.key === 'Enter') { fen.fermer(); resoudre(); } });
    afficher(await noyau.appel('cg_scores_activer', [], 'string'));
    barreNumero.focus();
  });
}
