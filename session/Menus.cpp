#include "session/Menus.h"

#include "core/Controles.h"
#include "core/GameState.h"
#include "session/FenetrePrincipale.h"

namespace cogitelle {

const char* TexteRaccourci(Raccourci r)
{
    switch (r) {
    case Raccourci::F1: return "F1";
    case Raccourci::F9: return "F9";
    case Raccourci::Aucun: break;
    }
    return "";
}

std::vector<Menu> DecrireMenus(bool echangeScores)
{
    const ElementMenu separateur;
    Menu jeux{"&Cogitelle", {}};
    const char* noms[] = {"", "menuLabyrinthe", "menuCarresMagiques", "menuDifferences", "menuSerpentin", "menuMemoire"};
    for (TTypeJeu t = 1; t <= NbTypesJeu; ++t) {
        ElementMenu& e = jeux.elements.emplace_back();
        e.nom = noms[t];
        e.commande = CommandeJeu(t);
        e.cochable = true;
    }
    jeux.elements.push_back(separateur);
    jeux.elements.push_back({"Quitter1", "Quitter", cmdQuitter, Raccourci::F9});

    Menu scores{"&Meilleurs scores",
        {{"menuDetailHighScores", "Détail des meilleurs scores", cmdDetailScores},
            {"menuRecreerHighScores", "Recréer les meilleurs scores", cmdRecreerScores}}};
    if (echangeScores) {
        scores.elements.push_back(separateur);
        scores.elements.push_back({"menuExporter", "Exporter les meilleurs scores (scoresI)", cmdExporterScores});
        scores.elements.push_back({"menuImporter", "Importer des meilleurs scores…", cmdImporterScores});
    }

    Menu options{"&Options",
        {{"menuCouleurFondEcran", "Couleur du fond d'écran", cmdCouleurFond},
            {"menuCouleurTableauDeJeu", "Couleur du tableau de jeu", cmdCouleurTableau}}};
    Menu aide{"&Aide",
        {{"menuSommaire", "Sommaire", cmdSommaire, Raccourci::F1}, separateur, {"menuAPropos", "A propos", cmdAPropos}}};
    return {jeux, scores, options, aide};
}

void ActualiserMenus(std::vector<Menu>& menus, const FenetrePrincipale& fenetre, const GameState& g, const Controles& k)
{
    for (Menu& m : menus)
        for (ElementMenu& e : m.elements)
            if (const TTypeJeu t = JeuDeLaCommande(e.commande)) {
                // The titles as the window last took them when it became active; before that,
                // the titles of the texts.
                e.caption = fenetre.MenuJeux[t].empty() ? g.TitresJeux[t] : fenetre.MenuJeux[t];
                e.coche = k.MenuCoche[t];
            }
}

} // namespace cogitelle
