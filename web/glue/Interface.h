// The C interface of the core in WebAssembly, for the web page (web/src). The page is a front
// end: it draws the controls model and routes events; every rule runs behind these calls.
//
// Calls that may show a box (a message, a Yes/No question, the colour choice) suspend the
// module with Asyncify until the page's dialog answers: the page calls them with
// `ccall(..., {async: true})` and makes no other call until the returned promise settles.
//
// Reading the model: cg_modele() returns a JSON text (valid until the next call) with
//   "fenetre": caption, window colour, menu captions and check marks,
//   "minuteries": the three timers (enabled, interval, starts),
//   "controles": every control whose look changed since the last read, by index into
//                cg_description()'s list, with rect, caption, colours, font, the font size its
//                caption is painted at to fit its face (Module.cgTientLegende measures), bevels,
//                cursor, hint, visibility, enabled,
//   "zones": the board rectangles to repaint, or "tout": true,
//   "actions": what the rules asked of the windows (chooser, viewer, help, close, export),
//   "attente": 1 while records the player made are not stored,
//   "copies":  the storage keys of the kept copies of a damaged table, when they changed.
#pragma once

#include <cstdint>

extern "C" {

// Starts the program: the start screen's title, then the main window built for a screen of
// `largeur` x `hauteur` pixels at `pixelsParPouce`, with the options and the records loaded from
// the browser's storage. Returns cg_description().
const char* cg_demarrer(int32_t largeur, int32_t hauteur, double pixelsParPouce);
// The start screen's scale for a screen of `largeur` x `hauteur` pixels at `pixelsParPouce`.
double cg_facteur_demarrage(int32_t largeur, int32_t hauteur, double pixelsParPouce);
// Every control the page draws, in painting order, with its kind and parent (JSON).
const char* cg_description();
const char* cg_modele();

// "DEMARRER" (1) or "ENGLISH" (2) on the start screen.
void cg_langue(int32_t langue);
// The main window became active.
void cg_activer();
// A menu item or a clickable side panel: see Commande in Interface.cpp for the numbers.
void cg_commande(int32_t commande);
// The pressed look of a clickable side panel (index into the description).
void cg_panneau(int32_t indice, int32_t enfonce);

// The board: a cell press (BoutonSouris 0 left, 1 right, 2 middle; etat is EtatSouris's bits);
// a wall (TypeMur 0 right, 1 bottom, 2 corner) pressed, released, clicked.
void cg_case(int32_t tag, int32_t bouton, uint32_t etat);
void cg_mur(int32_t type, int32_t tag, int32_t action);   // 0 press, 1 release, 2 click
// Keys: an arrow (0 left, 1 right, 2 up, 3 down) or a typed character.
void cg_fleche(int32_t fleche);
void cg_caractere(int32_t caractere);
// The memory game's refresh timer or the maze's timer (Minuterie::Id) fired.
void cg_tic(int32_t id);
// The score clock: each second that really passed since the timer started (performance.now()) is
// one tick of it, so a hidden or frozen page loses its points all the same. Returns the
// milliseconds to its next tick, or -1 while it is stopped.
double cg_horloge();

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
// Cancel: 1 when the chooser may close (never before the first game).
int32_t cg_choix_annuler();

// The high-score viewer: its activation, then one puzzle's list as JSON.
const char* cg_scores_activer();
const char* cg_scores(int32_t type, int32_t numero);

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
// A scroll bar's position after a key (0 left, 1 right, 2 up, 3 down, 4 PageUp, 5 PageDown,
// 6 Home, 7 End): Right, Down and PageDown raise it.
int32_t cg_defilement(int32_t touche, int32_t position, int32_t min, int32_t max, int32_t pasGrand);
// A digit typed on the chooser's scroll bar at `instantMs` (a steady clock): the puzzle number to
// show, or 0 while there is none. Digits within a second make one number (2, 5, 0 gives 250).
int32_t cg_saisie_chiffre(int32_t chiffre, double instantMs, int32_t max);
// The next digit starts a new number (the bar lost the keyboard, or another key was used).
void cg_saisie_oublier();
// 1 when the second press of a double click acts on that target (0 cell, 1 wall, 2 panel or
// button), 0 when only the first does.
int32_t cg_seconde_pression_agit(int32_t cible);
// The largest font size not above `taille` at which the page's Module.cgTient(size) says the text
// it is measuring fits its box, at least 1.
int32_t cg_taille_qui_tient(int32_t taille);

// For the browser tests only: what the game in play holds (JSON).
const char* cg_test_etat();

}
