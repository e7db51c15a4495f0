// The browser's side of the records: its local storage and Web Locks as the core uses them, the
// other tabs' saves taken as they happen, the storage asked to persist, and the page kept open
// while records could not be stored. The rules of the save (lock, re-read, merge) run in the core.

const parametres = new URLSearchParams(location.search);
const CLE_SCORES = 'Ludivex/COGITELLE I/scoresI';

// For the tests, `?stockage=refuse` makes every write fail as a full storage does,
// `?stockage=bloque` every read and write as a blocked one does.
function verifier(ecriture) {
  if (parametres.get('stockage') === 'bloque') throw new DOMException("L'accès au stockage est bloqué", 'SecurityError');
  if (ecriture && parametres.get('stockage') === 'refuse') throw new DOMException('Le quota de stockage est dépassé', 'QuotaExceededError');
}

// The storage as the core reads and writes it (Module.cgStockage).
export const stockage = {
  lire(cle) {
    verifier(false);
    return window.localStorage.getItem(cle);
  },
  ecrire(cle, valeur) {
    verifier(true);
    window.localStorage.setItem(cle, valeur);
  },
  effacer(cle) {
    verifier(true);
    window.localStorage.removeItem(cle);
  },
  cles(prefixe) {
    verifier(false);
    const cles = [];
    for (let i = 0; i < window.localStorage.length; ++i) {
      const cle = window.localStorage.key(i);
      if (cle !== null && cle.startsWith(prefixe)) cles.push(cle);
    }
    return cles;
  },
};

// The locks of the core's saves (Module.cgVerrous): one Web Lock per name, shared by every tab of
// the site, held until the core lets it go.
const tenus = new Map();
let suivant = 1;
export const verrous = {
  // Resolves the lock's number once held, 0 when another tab kept it past `delai` ms, -1 where
  // the browser has no locks (the core then saves without one).
  prendre(nom, delai) {
    if (!navigator.locks) return Promise.resolve(-1);
    return new Promise((resoudre) => {
      const abandon = new AbortController();
      const minuteur = setTimeout(() => abandon.abort(), Math.max(0, delai));
      navigator.locks.request(nom, { signal: abandon.signal }, () => {
        clearTimeout(minuteur);
        const numero = suivant++;
        resoudre(numero);
        return new Promise((liberer) => tenus.set(numero, liberer));
      }).catch((e) => {
        clearTimeout(minuteur);
        resoudre(e && e.name === 'AbortError' ? 0 : -1);
      });
    });
  },
  liberer(numero) {
    const liberer = tenus.get(numero);
    tenus.delete(numero);
    if (liberer) liberer();
  },
};

let enAttente = false;   // records the player made are not stored
let copies = [];         // the keys of the kept copies of a damaged table
let copieEnOctets = null;

// What the model says of the records: whether some are not stored, and the kept copies, which
// the menu offers to export while there are any.
export function suivreStockage(modele) {
  enAttente = !!modele.attente;
  if (modele.copies) copies = modele.copies;
  for (const entree of document.querySelectorAll('[data-selon-copies]')) entree.hidden = !copies.length;
}

// Each kept copy as a file of its key's last part ("scoresI.bak", "scoresI.bak.2"...).
export async function exporterCopies() {
  for (const cle of copies) telecharger(await copieEnOctets(cle), cle.slice(cle.lastIndexOf('/') + 1));
}

// `appel` runs a core call in turn; `octetsCopie(cle)` resolves a kept copy's bytes.
export function brancherStockage(appel, octetsCopie) {
  copieEnOctets = octetsCopie;
  // Another tab stored the table: this one takes it, and an open viewer shows it again.
  window.addEventListener('storage', (e) => {
    if (e.storageArea !== window.localStorage || (e.key !== null && e.key !== CLE_SCORES)) return;
    appel('cg_scores_stockes').then(() => document.dispatchEvent(new CustomEvent('cogitelle-scores')));
  });
  // Closing or reloading the page while records are not stored asks first.
  window.addEventListener('beforeunload', (e) => {
    if (!enAttente) return;
    e.preventDefault();
    e.returnValue = '';
  });
  // A persistent storage is not cleared by the browser when the disk runs short.
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
}

// Offers bytes to the player as a file.
export function telecharger(octets, nom) {
  const lien = document.createElement('a');
  lien.href = URL.createObjectURL(new Blob([octets], { type: 'application/octet-stream' }));
  lien.download = nom;
  document.body.append(lien);
  lien.click();
  lien.remove();
  setTimeout(() => URL.revokeObjectURL(lien.href), 10000);
}
