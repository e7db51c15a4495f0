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
//   "fenetre": caption, window colour, whether its board and keys take input ("active": not while
//              it waits for the first game; its menu bar stays usable, the records' Export and
//              Import with it), the five game menu items' captions and check marks,
//   "minuteries": the three timers (enabled, interval, starts),
//   "controles": every control whose look changed since the last read, by index into
//                cg_description()'s list, with rect, caption, colours, font, the font size its
//                caption is painted at to fit its face ("pa", Module.cgTientLegende measures),
//                bevels, cursor, hint, visibility, enabled,
//   "zones": the board rectangles to repaint, or "tout": true,
//   "actions": what the rules asked of the windows: "choix" (show the chooser), "scores" (show
//              the viewer), "fermer" (the program ends), "exporter" and "importer" (the records
//              saved as a file, a file chosen to replace them), "exporterCopies" (the kept copies
//              of a damaged table saved as files),
//   "attente": 1 while records the player made are not stored,
//   "copies":  the storage keys of the kept copies of a damaged table, when they changed.
#pragma once

#include <cstdint>

extern "C" {

// The shared numbers, by name (JSON): "sortes" (cg_description's kinds), "commandes",
// "souris" (EtatSouris bits), "boutons", "murs", "actionsMur", "fleches", "defilement" (the
// scroll bars' keys), "touches" (Enter, Escape, Space), "cibles" (of a double click),
// "minuteries", "boites" (the kinds of cgBoite), "curseurs", "biseaux", "genres" (of a dialog's
// controls), "evenements" (of a dialog's controls), "issues" (of a dialog's event).
const char* cg_constantes();

// The start screen for a screen of `largeur` x `hauteur` pixels at `pixelsParPouce` (JSON): its
// factor, size and colour ("fond"), what it paints in order ("dessin": controls with "police"),
// and its two buttons ("boutons": the same, with "nom" and "langue", 1 DEMARRER, 2 ENGLISH).
// A viewport of `largeurCss` x `hauteurCss` CSS pixels that is a phone held upright gets the
// upright screen instead, laid out in CSS pixels at the phone's width ("debout": 1).
const char* cg_ecran_demarrage(int32_t largeur, int32_t hauteur, double pixelsParPouce, int32_t largeurCss,
    int32_t hauteurCss);
// The language a key on the start screen starts in (a "touches" number): 1, or 0 for none.
int32_t cg_langue_de_la_touche(int32_t touche);

// Starts the program: the start screen's title, then the main window built for a screen of
// `largeur` x `hauteur` pixels at `pixelsParPouce`, with the options and the records loaded from
// the browser's storage. Returns cg_description().
const char* cg_demarrer(int32_t largeur, int32_t hauteur, double pixelsParPouce);
// Every control the page draws in the main window, in painting order, with its kind, parent,
// name, tag, type and command (JSON), the window's factors and its design size.
const char* cg_description();
// The screen the main window is made for in a viewport of `largeurCss` x `hauteurCss` CSS pixels
// (JSON: [width, height]): a phone held upright takes the design screen.
const char* cg_ecran_reference(int32_t largeurCss, int32_t hauteurCss);
// How the main window is laid out in a viewport of `largeurCss` x `hauteurCss` (JSON): "portrait"
// 1 on a phone held upright, with the scale ("echelle", CSS pixels per window pixel), the window's
// size and the menu bar's height and type in CSS pixels; the next cg_modele() then gives every
// control at its place in that layout. 0 elsewhere: the design, scaled by the page to fit.
const char* cg_mise_en_page(int32_t largeurCss, int32_t hauteurCss);
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
// A finger's tap on a cell: beside the maze's glutton the arrow to it, elsewhere a left press.
void cg_toucher(int32_t tag);
// A cell pressed as a screen reader presses it (1-based x, y; a "boutons" number): the cursor goes
// there, then the press as the keys make it.
void cg_presser_case(int32_t x, int32_t y, int32_t bouton);
// The board as a screen reader reads it (JSON): "plateau", the game and puzzle on it; "lignes",
// its rows from the top, each of its cells from the left with its "x", "y", "nom" (what it shows)
// and "etat" (what more it says). No rows while no game is on show.
const char* cg_cases_lues();
void cg_mur(int32_t type, int32_t tag, int32_t action);
// Keys: an arrow (a "fleches" number) or a typed character.
void cg_fleche(int32_t fleche);
void cg_caractere(int32_t caractere);
// A key of the main window (a "clavier" number) with the keys held ("souris" shift, ctrl, alt):
// the board's cursor, the walls beside it, Tab through the side panels, the maze's arrows. 1 when
// it was used; the page then does nothing more with it.
int32_t cg_touche(int32_t touche, uint32_t etat);
// The memory game's refresh timer or the maze's timer (a "minuteries" number) fired.
void cg_tic(int32_t id);
// The score clock: each second that really passed since the timer started (performance.now()) is
// one tick of it, so a hidden or frozen page loses its points all the same. Returns the
// milliseconds to its next tick, or -1 while it is stopped.
double cg_horloge();

// The dialogs: the chooser ("frmChoixTableau", or "choix" as the model's actions name it) and the
// viewer ("frmHighScores", or "scores"). The page makes each from its description and gives every
// event of its controls to the dialog's rules.
//
// A dialog at the dialog's scale `facteur` (JSON): its name, title, design size, colours and type
// (with its size at the scale), then every control with its name, kind ("genres"), parent index,
// design place and place at the scale, type and size at the scale, colour, bevel, cursor, place in
// the tab order as designed, scroll bar steps, edit length and its state now ("etat": caption,
// checked, position, range); and the tab order (control indices, a group box's radio buttons in
// its place).
const char* cg_dialogue(const char* nom, double facteur);
// The same laid out for a phone `largeurCss` wide held upright: the places, sizes and types in CSS
// pixels, at a factor of 1.
const char* cg_dialogue_portrait(const char* nom, int32_t largeurCss);
// An event of the dialog `nom` (an "evenements" number) on its control `indice` (-1: the window):
//   activer    the dialog became active (it was shown, or the player came back to it),
//   clic       a button panel or a radio button clicked,
//   change     a scroll bar moved to `valeur` (its thumb dragged),
//   pas        a scroll bar's arrow or track pressed: the step of the key `valeur` ("defilement"),
//   doubleClic an edit box double-clicked,
//   saisie     the edit box's text after an edit (`texte`),
//   touche     Enter, Escape or Space in the dialog (`valeur`, a "touches" number),
//   defiler    a key of the scroll bars (`valeur`, a "defilement" number) on the scroll bar
//              `indice`, or in a window that takes them itself,
//   chiffre    a digit `valeur` typed on the scroll bar at `instantMs` (a steady clock),
//   oublier    the next digit typed starts a new number,
//   relire     another tab stored the records: what the dialog shows of them is read again.
// Returns what the dialog shows after it (JSON): "issue" (an "issues" number: it stays, it closes,
// or the confirmed game started), "focus" (the control the rules give the keyboard to, or -1) and
// "etats", every control's state.
const char* cg_dialogue_evenement(const char* nom, int32_t evenement, int32_t indice, int32_t valeur,
    const char* texte, double instantMs);
// Where a dialog of `largeur` x `hauteur` (with its frame) lies in an area of `largeurZone` x
// `hauteurZone`: centred, its top-left corner inside (JSON: [left, top]).
const char* cg_place_dialogue(int32_t largeur, int32_t hauteur, int32_t largeurZone, int32_t hauteurZone);

// The 400 000 bytes of the records, as a score file holds them.
const uint8_t* cg_exporter();
int32_t cg_taille_export();
// A score file chosen by the player, of `tailleFichier` bytes of which the first `lus` are given
// (the page does not read a file far larger than a score file), or the reason it could not be read
// (`erreurLecture`, else empty): the rules of session/Importation. 1 when imported and saved.
int32_t cg_importer(const uint8_t* octets, int32_t lus, double tailleFichier, const char* erreurLecture);
// A kept copy of a damaged table (a key of the model's "copies"): its bytes, or its text when it is
// not base64. Its size is cg_taille_export().
const uint8_t* cg_exporter_copie(const char* chemin);
// Another tab stored the table: this tab takes it, its own unsaved scores added by a save.
void cg_scores_stockes();

// The dialogs' scaling and keys, the rules the desktop's dialogs follow.
// The factor by which a dialog designed at `largeur` x `hauteur` is scaled whole on this screen
// (every part of it: type, radio dots, scroll bars, arrows), no more than fits it with its title
// bar in the free area; all sizes in the main window's logical pixels.
double cg_facteur_dialogue(int32_t largeur, int32_t hauteur, int32_t largeurLibre, int32_t hauteurLibre,
    int32_t hauteurTitre);
// 1 when the second press of a double click acts on that target (a "cibles" number), 0 when
// only the first does.
int32_t cg_seconde_pression_agit(int32_t cible);
// The largest font size not above `taille` at which the page's Module.cgTient(size) says the text
// it is measuring fits its box, at least 1.
int32_t cg_taille_qui_tient(int32_t taille);

// For the browser tests only: what the game in play holds (JSON).
const char* cg_test_etat();

}
