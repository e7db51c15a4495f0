// The C interface of the session in WebAssembly, for the web page (web/src). The page is a front
// end: it draws the windows' models and routes events; every rule runs behind these calls.
//
// Calls that may show a box (a message, a Yes/No question, the colour choice) suspend the
// module with Asyncify until the page's dialog answers: the page calls them with
// `ccall(..., {async: true})` and makes no other call until the returned promise settles.
//
// The numbers the page and the module share (the kinds of the controls, the commands, the mouse
// bits and buttons, the walls' events, the keys, the timers, the boxes) are named by
// cg_constantes(); the page never writes them itself.
//
// Reading the main window: cg_modele() returns a JSON text (valid until the next call) with
//   "fenetre": caption, window colour, whether it takes input ("active"), the five game menu
//              items' captions and check marks,
//   "minuteries": the three timers (enabled, interval, starts),
//   "controles": every control whose look changed since the last read, by index into
//                cg_description()'s list, with rect, caption, colours, font, bevels, cursor,
//                hint, visibility, enabled,
//   "zones": the board rectangles to repaint, or "tout": true,
//   "actions": what the rules asked of the windows: "choix" (show the chooser), "scores" (show
//              the viewer), "fermer" (the program ends), "exporter" and "importer" (the records
//              saved as a file, a file chosen to replace them).
#pragma once

#include <cstdint>

extern "C" {

// The shared numbers, by name (JSON): "sortes" (cg_description's kinds), "commandes",
// "souris" (EtatSouris bits), "boutons", "murs", "actionsMur", "fleches", "defilement" (the
// scroll bars' keys), "touches" (Enter, Escape, Space), "cibles" (of a double click),
// "minuteries", "boites" (the kinds of cgBoite), "curseurs", "biseaux", "genres" (of a dialog's
// controls), "issues" (of a dialog's event).
const char* cg_constantes();

// The start screen for a screen of `largeur` x `hauteur` pixels at `pixelsParPouce` (JSON): its
// factor, size and colour ("fond"), what it paints in order ("dessin": controls with "police"),
// and its two buttons ("boutons": the same, with "nom" and "langue", 1 DEMARRER, 2 ENGLISH).
const char* cg_ecran_demarrage(int32_t largeur, int32_t hauteur, double pixelsParPouce);
// The language a key on the start screen starts in (a "touches" number): 1, or 0 for none.
int32_t cg_langue_de_la_touche(int32_t touche);
// The start screen's scale for a screen of `largeur` x `hauteur` pixels at `pixelsParPouce`.
double cg_facteur_demarrage(int32_t largeur, int32_t hauteur, double pixelsParPouce);

// Starts the program: the start screen's title, then the main window built for a screen of
// `largeur` x `hauteur` pixels at `pixelsParPouce`, with the options and the records loaded from
// the browser's storage. Returns cg_description().
const char* cg_demarrer(int32_t largeur, int32_t hauteur, double pixelsParPouce);
// Every control the page draws in the main window, in painting order, with its kind, parent,
// name, tag, type and command (JSON), the window's factors and its design size.
const char* cg_description();
const char* cg_modele();
// The main window's menu bar (JSON): menus with their caption ("&" before the mnemonic) and
// items (name, caption, command, shortcut text, checkable, checked; a separator has no name).
const char* cg_menus();

// "DEMARRER" (1) or "ENGLISH" (2) on the start screen.
void cg_langue(int32_t langue);
// The start timer's tick, once the main window is shown: the window waits, disabled, for the
// chooser ("choix" in the actions) to start the first game.
void cg_debut();
// The main window became active.
void cg_activer();
// A menu item or a clickable side panel: a "commandes" number, or 1..5 for a game type.
void cg_commande(int32_t commande);
// The pressed look of a clickable side panel (index into the description).
void cg_panneau(int32_t indice, int32_t enfonce);

// The board: a cell press (a "boutons" number; etat is "souris" bits); a wall (a "murs" number)
// and its event (an "actionsMur" number: press, release, click).
void cg_case(int32_t tag, int32_t bouton, uint32_t etat);
void cg_mur(int32_t type, int32_t tag, int32_t action);
// Keys: an arrow (a "fleches" number) or a typed character.
void cg_fleche(int32_t fleche);
void cg_caractere(int32_t caractere);
// A timer of the model (a "minuteries" number) fired.
void cg_tic(int32_t id);

// A dialog, "frmChoixTableau" or "frmHighScores", at the dialog's scale `facteur` (JSON): its
// name, title, design size, colours and type, then every control with its name, kind ("genres"),
// parent index, design place and place at the scale, type and size at the scale, colour, bevel,
// cursor, scroll bar range and steps, edit length, and its state now (caption, checked, position,
// range); and the tab order (control indices).
const char* cg_dialogue(const char* nom, double facteur);

// The puzzle chooser. cg_choix() returns its fields as JSON.
void cg_choix_activer();
const char* cg_choix();
void cg_choix_type(int32_t type);
void cg_choix_numero(int32_t numero);
void cg_choix_hasard();
void cg_choix_effacer_nom();
// The name field after an edit; returns the text the field keeps.
const char* cg_choix_saisie(const char* texte);
// OK: 1 when the game started and the chooser closes.
int32_t cg_choix_valider(const char* nom);
// Cancel: 1 when the chooser may close (never while the main window waits for the first game).
int32_t cg_choix_annuler();
// A key on the chooser's scroll bar (a "defilement" number); returns the puzzle number it shows.
int32_t cg_choix_touche(int32_t touche);

// The high-score viewer: its activation, one puzzle's list, a key that browses the lists (a
// "defilement" number: Left and Right the game types, the others the puzzles); each returns the
// list shown as JSON.
const char* cg_scores_activer();
const char* cg_scores(int32_t type, int32_t numero);
const char* cg_scores_touche(int32_t touche);

// The 400 000 bytes of the records, as a score file holds them.
const uint8_t* cg_exporter();
int32_t cg_taille_export();
// A score file chosen by the player, of `tailleFichier` bytes of which the first `lus` are given
// (the page does not read a file far larger than a score file): 1 when loaded and saved;
// otherwise 0, a message says why and nothing changed.
int32_t cg_importer(const uint8_t* octets, int32_t lus, double tailleFichier);

// The dialogs' scaling and keys, the rules the desktop's dialogs follow.
// The factor by which a dialog designed at `largeur` x `hauteur` is scaled whole on this screen
// (every part of it: type, radio dots, scroll bars, arrows), no more than fits it with its title
// bar in the free area; all sizes in the main window's logical pixels.
double cg_facteur_dialogue(int32_t largeur, int32_t hauteur, int32_t largeurLibre, int32_t hauteurLibre,
    int32_t hauteurTitre);
// A scroll bar's position after a key (a "defilement" number): Right, Down and PageDown raise it.
int32_t cg_defilement(int32_t touche, int32_t position, int32_t min, int32_t max, int32_t pasGrand);
// A digit typed on the chooser's scroll bar at `instantMs` (a steady clock): digits within a
// second make one number (2, 5, 0 gives 250), which the chooser selects. Returns the puzzle
// number it shows. `max` is the bar's own, which the chooser knows.
int32_t cg_saisie_chiffre(int32_t chiffre, double instantMs, int32_t max);
// The next digit starts a new number (the bar lost the keyboard, or another key was used).
void cg_saisie_oublier();
// 1 when the second press of a double click acts on that target (a "cibles" number), 0 when
// only the first does.
int32_t cg_seconde_pression_agit(int32_t cible);
// The largest font size not above `taille` at which the page's Module.cgTient(size) says the text
// it is measuring fits its box, at least 1.
int32_t cg_taille_qui_tient(int32_t taille);

// For the browser tests only: what the game in play holds (JSON).
const char* cg_test_etat();

}
