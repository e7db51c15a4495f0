// The main window's menu bar as data: its menus, their items with the command each runs, the
// mnemonics, the shortcut keys, the separators and the check marks.
#pragma once

#include <string>
#include <vector>

#include "session/Commandes.h"

namespace cogitelle {

class FenetrePrincipale;
struct GameState;
class Controles;

enum class Raccourci : uint8_t { Aucun, F1, F9 };
const char* TexteRaccourci(Raccourci r);   // "F1", "F9", or ""

struct ElementMenu {
    std::string nom;                 // its name, also its object name; empty for a separator
    std::string caption;
    Commande commande = cmdAucune;
    Raccourci raccourci = Raccourci::Aucun;
    bool cochable = false;
    bool coche = false;
    bool Separateur() const { return nom.empty(); }
};

struct Menu {
    std::string caption;   // "&" before the letter that opens it with Alt
    std::vector<ElementMenu> elements;
};

// The menu bar as designed. With `echangeScores` the "Meilleurs scores" menu also exports the
// records and imports a score file, for a front end whose score file the player cannot reach.
std::vector<Menu> DecrireMenus(bool echangeScores);

// The captions of the five game items (the game titles) and their check marks (the game in play),
// as the window shows them now.
void ActualiserMenus(std::vector<Menu>& menus, const FenetrePrincipale& fenetre, const GameState& g, const Controles& k);

} // namespace cogitelle
