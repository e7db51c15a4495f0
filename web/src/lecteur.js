// What a screen reader finds of the main window, kept beside the canvas it cannot read: the board
// as an ARIA grid (a row per board row, a cell per cell, named as the module names them), the side
// panels as buttons and texts, and a live region for the end messages and, every 10 seconds of a
// game, the score.

const INTERVALLE_SCORE = 10000;

// `noyau` runs the module's calls.
export function creerLecteur(noyau) {
  const racine = document.getElementById('lecteur');
  const grille = document.createElement('div');
  grille.setAttribute('role', 'grid');
  grille.setAttribute('aria-label', 'Tableau de jeu');
  grille.id = 'grille';
  // The keys typed on it go to the module's cursor, as on the canvas.
  grille.tabIndex = 0;
  const panneaux = document.createElement('div');
  panneaux.id = 'panneauxLus';
  racine.append(grille, panneaux);
  const annonces = document.getElementById('annonces');
  const elementsPanneaux = new Map();   // a side panel's index -> its button or text
  let focus = -1;                       // the tag of the cell that has the module's focus, or -1
  let scoreEnMarche = false;
  let score = '';

  const annoncer = (texte) => {
    // The same text again is heard again: emptied first, filled in the next task (a message, not
    // a timer the page's clock may hold).
    annonces.textContent = '';
    const c = new MessageChannel();
    c.port1.onmessage = () => { annonces.textContent = texte; };
    c.port2.postMessage(0);
  };
  setInterval(() => { if (scoreEnMarche && score) annoncer(`Score : ${score}`); }, INTERVALLE_SCORE);

  // The grid read again once the module is free (a box may be waiting for the player), however
  // many changes came meanwhile.
  let relecture = null;
  function relireGrille() {
    if (!relecture) relecture = noyau.appel('cg_cases_lues', [], 'string').then((texte) => { relecture = null; construireGrille(texte); });
  }

  // The cell the module's focus is on: selected, and the grid's active descendant.
  function montrerFocus() {
    let active = '';
    for (const c of grille.querySelectorAll('[role=gridcell]')) {
      const choisie = Number(c.dataset.tag) === focus;
      if (choisie) active = c.id;
      if (c.getAttribute('aria-selected') !== String(choisie)) c.setAttribute('aria-selected', String(choisie));
    }
    if (active) grille.setAttribute('aria-activedescendant', active);
    else grille.removeAttribute('aria-activedescendant');
  }

  // The grid from the module's rows, named as the module names each cell. A cell activated (a
  // screen reader's click) is pressed as the keys press it.
  function construireGrille(texte) {
    const { plateau, lignes } = JSON.parse(texte);
    grille.setAttribute('aria-description', plateau);
    const rangees = grille.children;
    lignes.forEach((cases, y) => {
      let rangee = rangees[y];
      if (!rangee) {
        rangee = document.createElement('div');
        rangee.setAttribute('role', 'row');
        grille.append(rangee);
      }
      cases.forEach((c, x) => {
        let cellule = rangee.children[x];
        if (!cellule) {
          cellule = document.createElement('div');
          cellule.setAttribute('role', 'gridcell');
          cellule.tabIndex = -1;
          cellule.addEventListener('click', () => noyau.appel('cg_presser_case', [Number(cellule.dataset.x), Number(cellule.dataset.y), 0]));
          rangee.append(cellule);
        }
        const tag = String(c.x * 100 + c.y);
        if (cellule.dataset.tag !== tag) {
          Object.assign(cellule.dataset, { tag, x: String(c.x), y: String(c.y) });
          cellule.id = `case-${tag}`;
        }
        if (cellule.textContent !== c.nom) cellule.textContent = c.nom;
        if ((cellule.getAttribute('aria-description') || '') !== c.etat) {
          if (c.etat) cellule.setAttribute('aria-description', c.etat);
          else cellule.removeAttribute('aria-description');
        }
      });
      while (rangee.children.length > cases.length) rangee.lastChild.remove();
    });
    while (rangees.length > lignes.length) grille.lastChild.remove();
    montrerFocus();
  }

  // The side panels: a clickable one is a button running its command, any other with a caption a
  // text; both in the window's order.
  function suivrePanneau(i, d, c, visible) {
    // The outline shape reads as nothing.
    if (d.nom === 'Shape1') return;
    let el = elementsPanneaux.get(i);
    const montre = visible && !!c.t;
    // Made on first sight, shown or not: a panel shows when its container does, which changes
    // nothing of its own.
    if (!el) {
      if (d.commande >= 0) {
        el = document.createElement('button');
        el.type = 'button';
        el.addEventListener('click', () => noyau.appel('cg_commande', [d.commande]));
      } else {
        el = document.createElement('p');
      }
      el.id = `lu-${d.nom}`;
      elementsPanneaux.set(i, el);
      // In the window's order, whatever order they first showed in.
      const suivant = [...elementsPanneaux.keys()].filter((k) => k > i).sort((a, b) => a - b)[0];
      panneaux.insertBefore(el, suivant === undefined ? null : elementsPanneaux.get(suivant));
    }
    el.hidden = !montre;
    if (el.textContent !== c.t) el.textContent = c.t;
    if (el.tagName === 'BUTTON') el.disabled = !c.e;
    if (d.nom === 'panelScoreMixte') score = c.t;
  }

  return {
    annoncer,
    // The model just read: what changed on the board or in the side panels, `visible(i)` saying
    // whether a control shows; where the keyboard's focus is.
    suivre(m, description, controles, visible, K) {
      let plateau = m.tout;
      for (const c of m.controles) {
        const d = description[c.i];
        if (d.sorte === K.sortes.panneau) suivrePanneau(c.i, d, c, visible(c.i));
        else if (d.sorte === K.sortes.case || d.sorte === K.sortes.plateau) plateau = true;
      }
      // A container shown or hidden shows or hides what lies in it.
      if (m.controles.some((c) => description[c.i].sorte === K.sortes.panneau))
        for (const [i, el] of elementsPanneaux) el.hidden = !(visible(i) && controles[i].t);
      const tag = m.focus.panneau < 0 ? m.focus.x * 100 + m.focus.y : -1;
      if (tag !== focus) {
        focus = tag;
        montrerFocus();
      }
      if (plateau) relireGrille();
    },
    minuterieScore(actif) { scoreEnMarche = actif; },
  };
}
