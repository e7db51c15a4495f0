// The page's windows beside the main one, the puzzle chooser and the high-score viewer, each made
// from the module's description of it (cg_dialogue): every control of its kind at its place on the
// dialog's scale, every event of a control given to the window's rules (cg_dialogue_evenement)
// and the state the rules give back shown. As on the desktop they block nothing: the menus, the
// board and the other dialog stay usable, and each press in one makes it the active window.
import { POLICE_SANS, POLICE_TIMES, curseurCss, versCss } from './peinture.js';

let noyau = null;           // the module's calls and numbers
let quandFermee = null;     // the main window's turn once a dialog closes
const ouvertes = new Map(); // the dialogs on show, by the name the model's actions give them
let active = null;          // the dialog that is the active window, or null for the main window
let dessus = 0;             // the stacking order of the last dialog raised

// `n` runs the module's calls; `fermee()` is called whenever a dialog closes.
export function brancherDialogues(n, fermee) {
  noyau = n;
  quandFermee = fermee;
  // Another tab stored the records: what the open dialogs show of them is read again.
  document.addEventListener('cogitelle-scores', () => { for (const d of ouvertes.values()) d.pret.then(() => d.evenement('relire')); });
  window.addEventListener('resize', () => { for (const d of ouvertes.values()) d.garderVisible(); });
}

// The main window became the active one; true when a dialog was.
export function activerPrincipale() {
  const avant = active;
  active = null;
  return avant !== null;
}

// Shows the dialog `nom` ("choix", "scores") at `echelle` CSS pixels per logical pixel (`debout`:
// laid out for a phone held upright), or, open already, brings it to the front and activates it
// again.
export async function montrerDialogue(nom, echelle, debout = false) {
  const ouverte = ouvertes.get(nom);
  if (ouverte) {
    await ouverte.pret;
    active = null;
    ouverte.activer();
    return;
  }
  const d = new Dialogue(nom);
  ouvertes.set(nom, d);
  d.pret = d.construire(echelle, debout);
  await d.pret;
}

// The second press of a double click: the browser counts the presses of a run of clicks, the
// desktop calls every second one double.
const secondePression = (e) => e.detail >= 2 && e.detail % 2 === 0;

const px = (v) => `${v}px`;
function placer(el, [x, y, w, h]) {
  Object.assign(el.style, { left: px(x), top: px(y), width: px(w), height: px(h) });
}

// A control's type at the dialog's scale: its size in pixels (a size in points at 96 pixels per
// inch), its family and weight.
function police(p, taille) {
  return { taille: p.points ? Math.round(taille * 96 / 72) : taille, famille: p.times ? POLICE_TIMES : POLICE_SANS, gras: !!p.gras };
}
const css = (p, taille = p.taille) => `${p.gras ? 'bold ' : ''}${taille}px ${p.famille}`;

const mesure = document.createElement('canvas').getContext('2d');
const taillesVues = new Map();

// A panel's caption at the largest size up to its type's at which it fits the panel whole (the
// module's rule; the page measures).
async function legender(p, texte) {
  if (p.legende.data === texte && p.dataset.ajuste) return;
  p.legende.data = texte;
  delete p.dataset.ajuste;
  if (!texte) { p.style.font = css(p.police); return; }
  const w = p.clientWidth, h = p.clientHeight;
  const cle = `${css(p.police)}|${w}|${h}|${texte}`;
  let taille = taillesVues.get(cle);
  if (taille === undefined) {
    taille = await noyau.tailleQuiTient(p.police.taille, (t) => {
      mesure.font = css(p.police, t);
      const m = mesure.measureText(texte);
      return m.width <= w + 0.5 && m.fontBoundingBoxAscent + m.fontBoundingBoxDescent <= h + 0.5;
    });
    taillesVues.set(cle, taille);
  }
  // A later caption may have come meanwhile: it is sized by its own turn.
  if (p.legende.data !== texte) return;
  p.style.font = css(p.police, taille);
  p.dataset.ajuste = '1';
}

class Dialogue {
  constructor(nom) {
    this.nom = nom;
    this.els = [];
  }

  // Gives an event to the window's rules, in turn with every other call, and shows what they say.
  async evenement(sorte, indice = -1, valeur = 0, texte = '') {
    const r = JSON.parse(await noyau.appel('cg_dialogue_evenement',
      [this.nom, noyau.K.evenements[sorte], indice, valeur, texte, performance.now()], 'string',
      ['string', 'number', 'number', 'number', 'string', 'number']));
    if (!this.cadre.isConnected) return;
    if (r.issue !== noyau.K.issues.rien) {
      this.fermer();
      return;
    }
    this.afficher(r.etats);
    // Made, it is shown once its rules have given it its state.
    this.cadre.style.visibility = '';
    const focus = this.els[r.focus];
    // A press that activated the window has put the keyboard where it pressed.
    if (focus && !(sorte === 'activer' && this.cadre.contains(document.activeElement) && document.activeElement !== this.cadre))
      (focus.entree || focus).focus();
    else if (sorte === 'activer' && !this.cadre.contains(document.activeElement)) this.cadre.focus();
  }

  // The window becomes the active one: in front of the others, its rules told.
  activer() {
    this.cadre.style.zIndex = String(++dessus);
    if (active === this.nom) return Promise.resolve();
    active = this.nom;
    return this.evenement('activer');
  }

  fermer() {
    this.cadre.remove();
    ouvertes.delete(this.nom);
    if (active === this.nom) active = null;
    quandFermee();
  }

  async construire(echelle, debout) {
    const K = noyau.K;
    const cadre = this.cadre = document.createElement('div');
    cadre.className = `dialogue fenetre ${this.nom}`;
    cadre.setAttribute('role', 'dialog');
    cadre.tabIndex = -1;
    cadre.style.visibility = 'hidden';
    cadre.style.setProperty('--f', '1');
    const barre = document.createElement('div');
    barre.className = 'titre';
    const corps = this.corps = document.createElement('div');
    corps.className = 'corps';
    cadre.append(barre, corps);
    document.getElementById('fenetres').append(cadre);

    // The whole dialog, its title bar included, at the screen's factor, no larger than the page's
    // free area (a small margin kept around it): in CSS pixels per design pixel.
    // Upright on a phone, the module lays the dialog out as wide as the phone, in CSS pixels.
    let f = 1, d;
    if (debout) {
      d = this.description = JSON.parse(await noyau.appel('cg_dialogue_portrait', [this.nom, window.innerWidth], 'string',
        ['string', 'number']));
      cadre.classList.add('debout');
    } else {
      const titre = barre.getBoundingClientRect().height;
      const conception = JSON.parse(await noyau.appel('cg_dialogue', [this.nom, 1], 'string', ['string', 'number']));
      const libre = (cote) => Math.floor(0.96 * cote / echelle);
      f = echelle * await noyau.appel('cg_facteur_dialogue', [conception.largeur, Math.ceil(conception.hauteur + titre),
        libre(window.innerWidth), libre(window.innerHeight), Math.ceil(2 / echelle)], 'number');
      d = this.description = JSON.parse(await noyau.appel('cg_dialogue', [this.nom, f], 'string', ['string', 'number']));
    }
    this.secondeAgit = !!await noyau.appel('cg_seconde_pression_agit', [K.cibles.panneau], 'number');
    cadre.style.setProperty('--f', String(f));
    cadre.setAttribute('aria-label', d.titre);
    barre.textContent = d.titre;
    corps.dataset.facteur = String(f);
    Object.assign(corps.style, { width: px(Math.round(d.largeur * f)), height: px(Math.round(d.hauteur * f)),
      background: versCss(d.couleur), color: versCss(d.couleurTexte), font: css(police(d.police, d.taille)) });
    const fabriques = {
      [K.genres.panneau]: this.panneau, [K.genres.etiquette]: this.panneau, [K.genres.cadre]: this.panneau,
      [K.genres.boutonPanneau]: this.bouton, [K.genres.radio]: this.radio, [K.genres.saisie]: this.saisie,
      [K.genres.defilement]: this.defilement, [K.genres.groupe]: this.groupe,
    };
    d.controles.forEach((c, i) => {
      const el = fabriques[c.genre].call(this, c, i, f);
      el.id = c.nom;
      // The controls of a numbered family (panelNom1 .. panelNom10) share its name as a class.
      const famille = /^[a-z]*([A-Z]\w*?)\d+$/.exec(c.nom);
      if (famille) el.classList.add(famille[1][0].toLowerCase() + famille[1].slice(1));
      (c.parent >= 0 ? this.els[c.parent] : corps).append(el.enveloppe || el);
      this.els[i] = el;
      // An edit box or a scroll bar is named by the panel made just before it, its title.
      const titre = d.controles[i - 1];
      el.titre = (c.genre === K.genres.saisie || c.genre === K.genres.defilement) && titre &&
        [K.genres.panneau, K.genres.etiquette].includes(titre.genre) ? i - 1 : -1;
    });
    this.brancherClavier();
    this.brancherBarre(barre);
    cadre.addEventListener('pointerdown', () => this.activer(), true);
    cadre.addEventListener('focusin', () => this.activer());
    this.afficher(d.controles.map((c) => c.etat));
    this.placerAuCentre();
    await this.activer();
  }

  // Centred on the page, its top-left corner inside, as on the screen.
  async placerAuCentre() {
    const b = this.cadre.getBoundingClientRect();
    const [x, y] = JSON.parse(await noyau.appel('cg_place_dialogue',
      [Math.ceil(b.width), Math.ceil(b.height), window.innerWidth, window.innerHeight], 'string'));
    Object.assign(this.cadre.style, { left: px(x), top: px(y) });
  }

  // Its title bar stays on the page, where the player can take it.
  garderVisible() {
    const b = this.cadre.getBoundingClientRect();
    const titre = this.cadre.querySelector('.titre').getBoundingClientRect().height;
    const x = Math.min(Math.max(b.left, 48 - b.width), window.innerWidth - 48);
    const y = Math.min(Math.max(b.top, 0), window.innerHeight - titre);
    Object.assign(this.cadre.style, { left: px(x), top: px(y) });
  }

  // The title bar moves the window, as the desktop's does.
  brancherBarre(barre) {
    let prise = null;
    barre.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      e.preventDefault();
      barre.setPointerCapture?.(e.pointerId);
      const b = this.cadre.getBoundingClientRect();
      prise = { x: e.clientX - b.left, y: e.clientY - b.top };
    });
    barre.addEventListener('pointermove', (e) => {
      if (!prise) return;
      Object.assign(this.cadre.style, { left: px(e.clientX - prise.x), top: px(e.clientY - prise.y) });
      this.garderVisible();
    });
    const lacher = () => { prise = null; };
    barre.addEventListener('pointerup', lacher);
    barre.addEventListener('pointercancel', lacher);
  }

  // What the rules say each control shows.
  afficher(etats) {
    const G = noyau.K.genres;
    etats.forEach((e, i) => {
      const el = this.els[i];
      if (el.titre >= 0 && el.getAttribute('aria-label') !== etats[el.titre].caption) el.setAttribute('aria-label', etats[el.titre].caption);
      switch (this.description.controles[i].genre) {
        case G.radio:
          if (el.legende.textContent !== e.caption) el.legende.textContent = e.caption;
          if (e.coche) el.entree.checked = true;
          break;
        case G.saisie:
          if (el.value !== e.caption) el.value = e.caption;
          break;
        case G.defilement:
          el.regler(e.min, e.max, e.position);
          break;
        case G.groupe:
          if (el.legende.textContent !== e.caption) el.legende.textContent = e.caption;
          break;
        default:
          legender(el, e.caption);
      }
    });
  }

  // A panel: a raised face of its colour, its bevel as wide as the dialog's scale makes it, its
  // caption centred.
  panneau(c, i, f) {
    const p = document.createElement('div');
    p.className = 'panneau';
    placer(p, c.place);
    p.style.background = versCss(c.couleur);
    // A label has no bevel; its caption wraps.
    if (c.genre === noyau.K.genres.etiquette) p.classList.add('etiquette');
    else p.style.borderWidth = px(Math.max(c.largeurBiseau, Math.round(c.largeurBiseau * f)));
    p.police = police(c.police, c.taille);
    p.style.font = css(p.police);
    // Its caption, beside the controls that lie in it.
    p.legende = document.createTextNode('');
    p.append(p.legende);
    return p;
  }

  // A panel used as a button: lowered while the left button holds it, acting on the click (once
  // per double click, as the module says), and on Enter or Space while it has the keyboard.
  bouton(c, i, f) {
    const p = this.panneau(c, i, f);
    p.classList.add('bouton');
    p.setAttribute('role', 'button');
    p.tabIndex = 0;
    p.style.cursor = curseurCss(c.curseur);
    const agit = (e) => !secondePression(e) || this.secondeAgit;
    p.addEventListener('pointerdown', (e) => { if (e.button === 0 && agit(e)) p.classList.add('enfonce'); });
    p.addEventListener('pointerleave', () => p.classList.remove('enfonce'));
    p.addEventListener('pointerup', () => p.classList.remove('enfonce'));
    p.addEventListener('click', (e) => { if (agit(e)) this.evenement('clic', i); });
    p.addEventListener('keydown', (e) => {
      if (!['Enter', ' '].includes(e.key) || e.repeat || e.ctrlKey || e.altKey || e.metaKey || e.shiftKey) return;
      e.preventDefault();
      e.stopPropagation();
      this.evenement('clic', i);
    });
    return p;
  }

  // A radio button, its dot as large as its type; the arrows move through its group.
  radio(c, i, f) {
    const l = document.createElement('label');
    l.className = 'radio';
    placer(l, c.place);
    const p = police(c.police, c.taille);
    l.style.font = css(p);
    l.style.gap = px(Math.round(4 * f));
    const r = document.createElement('input');
    r.type = 'radio';
    r.name = `${this.nom}-${c.parent}`;
    Object.assign(r.style, { width: px(p.taille), height: px(p.taille), borderWidth: px(Math.max(1, Math.round(f))) });
    const s = document.createElement('span');
    l.append(r, s);
    r.addEventListener('change', () => this.evenement('clic', i));
    // The input takes the control's name; the label is what is placed.
    Object.assign(r, { enveloppe: l, legende: s, entree: r });
    return r;
  }

  // A one-line edit box: each edit goes to the rules, which say what it keeps.
  saisie(c, i, f) {
    const e = document.createElement('input');
    e.className = 'saisie';
    e.autocomplete = 'off';
    e.spellcheck = false;
    placer(e, c.place);
    e.style.font = css(police(c.police, c.taille));
    e.style.background = versCss(c.couleur);
    e.style.borderWidth = px(Math.max(2, Math.round(2 * f)));
    e.addEventListener('input', async () => {
      const avant = e.value, curseur = e.selectionStart;
      await this.evenement('saisie', i, 0, avant);
      if (e.value !== avant) {
        const p = Math.min(curseur ?? e.value.length, e.value.length);
        e.setSelectionRange(p, p);
      }
    });
    e.addEventListener('dblclick', () => this.evenement('doubleClic', i));
    return e;
  }

  // A group box: an etched frame with its caption on the top line.
  groupe(c, i, f) {
    const g = document.createElement('div');
    g.className = 'groupe';
    placer(g, c.place);
    g.style.font = css(police(c.police, c.taille));
    const trait = document.createElement('div');
    trait.className = 'trait';
    Object.assign(trait.style, { top: px(Math.round(7 * f)), borderWidth: px(Math.max(2, Math.round(2 * f))) });
    const legende = document.createElement('span');
    legende.className = 'legende';
    Object.assign(legende.style, { left: px(Math.round(6 * f)), background: versCss(c.couleur) });
    trait.append(legende);
    g.append(trait);
    g.legende = legende;
    // Its legend names the group of radio buttons it holds.
    legende.id = `${this.nom}-legende-${i}`;
    g.setAttribute('role', 'radiogroup');
    g.setAttribute('aria-labelledby', legende.id);
    return g;
  }

  // A horizontal scroll bar drawn as the classic one with every part at the dialog's scale: a
  // square arrow button at each end, a square thumb on a dotted track. An arrow or the track steps
  // as the key of the same move would; the thumb drags.
  defilement(c, i, f) {
    const D = noyau.K.defilement;
    const s = document.createElement('div');
    s.className = 'defile';
    s.setAttribute('role', 'scrollbar');
    s.setAttribute('aria-orientation', 'horizontal');
    placer(s, c.place);
    if (c.ordreTab >= 0) s.tabIndex = 0;
    const [, , W, H] = c.place;
    const bout = Math.min(H, Math.floor(W / 2));
    const biseau = px(Math.max(1, Math.round(f)));
    const fleche = (sens) => {
      const b = document.createElement('div');
      b.className = `fleche ${sens}`;
      const trait = sens === 'gauche' ? 'M10 3.5 L5.5 8 L10 12.5 Z' : 'M6 3.5 L10.5 8 L6 12.5 Z';
      b.innerHTML = `<svg viewBox="0 0 16 16"><path d="${trait}"/></svg>`;
      Object.assign(b.style, { width: px(bout), height: px(H), left: px(sens === 'gauche' ? 0 : W - bout), borderWidth: biseau });
      s.append(b);
      return b;
    };
    const gauche = fleche('gauche'), droite = fleche('droite');
    const curseur = document.createElement('div');
    curseur.className = 'curseur';
    const longueur = Math.max(0, Math.min(H, W - 2 * bout));
    Object.assign(curseur.style, { width: px(longueur), height: px(H), borderWidth: biseau });
    s.append(curseur);
    const course = Math.max(0, W - 2 * bout - longueur);

    const etat = { min: 1, max: 1, valeur: 1 };
    s.regler = (min, max, valeur) => {
      Object.assign(etat, { min, max, valeur });
      const part = max > min ? (valeur - min) / (max - min) : 0;
      curseur.style.left = px(bout + Math.round(part * course));
      s.setAttribute('aria-valuemin', String(min));
      s.setAttribute('aria-valuemax', String(max));
      s.setAttribute('aria-valuenow', String(valeur));
    };

    // An arrow or the track held down steps again and again, as a held key would.
    let repetition = null;
    const arreter = () => {
      clearTimeout(repetition);
      repetition = null;
      gauche.classList.remove('enfonce');
      droite.classList.remove('enfonce');
    };
    const tenir = (touche) => {
      const pas = () => this.evenement('pas', i, touche);
      pas();
      repetition = setTimeout(function encore() { pas(); repetition = setTimeout(encore, 50); }, 400);
    };
    let prise = null;   // where the thumb was taken, while it is dragged
    s.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      e.preventDefault();
      if (s.tabIndex >= 0) s.focus();
      s.setPointerCapture?.(e.pointerId);
      const x = e.clientX - s.getBoundingClientRect().left;
      const debutCurseur = parseFloat(curseur.style.left) || bout;
      if (x < bout) { gauche.classList.add('enfonce'); tenir(D.gauche); }
      else if (x >= W - bout) { droite.classList.add('enfonce'); tenir(D.droite); }
      else if (x < debutCurseur) tenir(D.pagePrecedente);
      else if (x >= debutCurseur + longueur) tenir(D.pageSuivante);
      else prise = x - debutCurseur;
    });
    s.addEventListener('pointermove', (e) => {
      if (prise === null || course <= 0) return;
      const part = Math.min(1, Math.max(0, (e.clientX - s.getBoundingClientRect().left - prise - bout) / course));
      const v = etat.min + Math.round(part * (etat.max - etat.min));
      if (v !== etat.valeur) {
        etat.valeur = v;
        this.evenement('change', i, v);
      }
    });
    const lacher = () => { prise = null; arreter(); };
    s.addEventListener('pointerup', lacher);
    s.addEventListener('pointercancel', lacher);
    s.addEventListener('lostpointercapture', lacher);
    // With the keyboard: the scroll bars' keys, and digits typed within a second of each other
    // make one number. Any other key starts the next number anew, as leaving the bar does.
    s.addEventListener('keydown', (e) => {
      if (e.ctrlKey || e.altKey || e.metaKey || ['Shift', 'Control', 'Alt', 'Meta'].includes(e.key)) return;
      const touche = touchesDefilement()[e.key];
      if (touche !== undefined) this.evenement('defiler', i, touche);
      else if (/^[0-9]$/.test(e.key)) this.evenement('chiffre', i, Number(e.key));
      else {
        this.evenement('oublier', i);
        return;
      }
      e.preventDefault();
      e.stopPropagation();
    });
    s.addEventListener('blur', () => this.evenement('oublier', i));
    return s;
  }

  // The dialog's keys: Tab through the controls that act, in the window's order (a group's radio
  // buttons one stop, at the checked one); Enter and Escape to the rules from any control; the
  // scroll bars' keys to the rules from any control when the window's scroll bars take no
  // keyboard of their own (the window takes their keys itself).
  brancherClavier() {
    const { controles, ordreTab } = this.description;
    const G = noyau.K.genres;
    const etapes = [];
    for (const i of ordreTab) {
      const c = controles[i];
      const precedente = etapes[etapes.length - 1];
      if (c.genre === G.radio && precedente && controles[precedente[0]].genre === G.radio && controles[precedente[0]].parent === c.parent)
        precedente.push(i);
      else etapes.push([i]);
    }
    const element = (etape) => {
      const radios = etape.map((i) => this.els[i]);
      return radios.find((r) => r.checked) || radios[0];
    };
    const fenetrePrendLesDefilements = controles.some((c) => c.genre === G.defilement && c.ordreTab < 0);
    this.cadre.addEventListener('keydown', (e) => {
      e.stopPropagation();
      const K = noyau.K;
      if (e.key === 'Tab') {
        e.preventDefault();
        if (!etapes.length) return;
        let n = etapes.findIndex((etape) => etape.some((i) => this.els[i] === document.activeElement));
        if (n < 0 && e.shiftKey) n = 0;
        element(etapes[(n + (e.shiftKey ? -1 : 1) + etapes.length) % etapes.length]).focus();
      } else if ((e.key === 'Enter' || e.key === 'Escape') && !e.repeat) {
        e.preventDefault();
        this.evenement('touche', -1, e.key === 'Enter' ? K.touches.entree : K.touches.echappement);
      } else if (fenetrePrendLesDefilements && !e.ctrlKey && !e.altKey && !e.metaKey && e.key in touchesDefilement()) {
        e.preventDefault();
        this.evenement('defiler', -1, touchesDefilement()[e.key]);
      }
    });
  }
}

// The keys of the scroll bars, by the module's numbers.
function touchesDefilement() {
  const d = noyau.K.defilement;
  return { ArrowLeft: d.gauche, ArrowRight: d.droite, ArrowUp: d.haut, ArrowDown: d.bas, PageUp: d.pagePrecedente,
    PageDown: d.pageSuivante, Home: d.debut, End: d.fin };
}
