// The page's boxes: message and Yes/No boxes and the colour choice. Each is an in-page modal; what
// it shows comes from the core through the calls passed in.
import { versCss, depuisCss } from './peinture.js';

const conteneur = () => document.getElementById('dialogues');
export const ouverts = new Set();

export function ouvrir(classe, titre, transparent = false) {
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

const ICONES = { message: ['i', '#1e64c8'], question: ['?', '#1e64c8'], erreur: ['×', '#c81e1e'] };

// sorte "message": information, "question": Yes/No question (its buttons named `oui` and `non`),
// "erreur": error, "erreurExporter": error with two buttons named `oui` and `non`. Resolves 1 for
// OK, Yes or `oui`, 0 for No or `non`.
export function boite(sorte, titre, texte, oui = 'Oui', non = 'Non') {
  return new Promise((resoudre) => {
    const f = ouvrir('boite', titre);
    if (!(sorte in ICONES) && sorte !== 'erreurExporter') sorte = 'message';
    const deuxBoutons = sorte === 'question' || sorte === 'erreurExporter';
    const signe = ICONES[sorte === 'erreurExporter' ? 'erreur' : sorte];
    f.d.dataset.sorte = sorte === 'erreurExporter' ? 'erreur' : sorte;
    const icone = document.createElement('div');
    icone.className = 'icone';
    icone.textContent = signe[0];
    icone.style.background = signe[1];
    const t = document.createElement('div');
    t.className = 'texte';
    t.textContent = texte;
    f.corps.append(icone, t);
    const boutons = document.createElement('div');
    boutons.className = 'boutons';
    const finir = (r) => { f.fermer(); resoudre(r); };
    let premier;
    if (deuxBoutons) {
      premier = bouton(oui, () => finir(1));
      boutons.append(premier, bouton(non, () => finir(0)));
    } else {
      premier = bouton('OK', () => finir(1));
      boutons.append(premier);
    }
    f.d.append(boutons);
    f.d.addEventListener('keydown', (e) => {
      e.stopPropagation();
      if (e.key === 'Escape') finir(deuxBoutons ? 0 : 1);
      if (sorte === 'question' && e.key.toLowerCase() === oui[0].toLowerCase()) finir(1);
      if (sorte === 'question' && e.key.toLowerCase() === non[0].toLowerCase()) finir(0);
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
