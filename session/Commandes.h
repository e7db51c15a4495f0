// The commands of the main window's menu items and clickable panels: one number each, the same
// for every front end (the web page reads them from the module).
#pragma once

#include <cstdint>

#include "core/GameState.h"

namespace cogitelle {

enum Commande : int32_t {
    cmdAucune = 0,
    // 1..5: choose that game type (its menu item or its title panel).
    cmdQuitter = 10,
    cmdDetailScores,
    cmdRecreerScores,
    cmdCouleurFond,
    cmdCouleurTableau,
    cmdSommaire,
    cmdAPropos,
    cmdExporterScores,   // the records saved as a score file, where the player cannot reach it
    cmdImporterScores,   // a score file chosen by the player replaces the records
    cmdChangerTableau = 20,
    cmdTableauAleatoire,
    cmdTableauPrecedent,
    cmdTableauIdem,
    cmdTableauSuivant,
    cmdBut,
    cmdRegles,
    cmdScores,
    cmdFermer = 30,   // the main window closes
};

constexpr Commande CommandeJeu(TTypeJeu type) { return static_cast<Commande>(type); }
constexpr TTypeJeu JeuDeLaCommande(Commande c) { return c >= 1 && c <= NbTypesJeu ? c : AucunJeu; }

} // namespace cogitelle
