// The windows' actions recorded instead of done: each call's name, the colour dialog answered as
// the test says.
#pragma once

#include <string>
#include <vector>

#include "session/FenetrePrincipale.h"

namespace cogitelle::test {

class ActionsEnregistrees : public ActionsFenetres {
public:
    std::vector<std::string> appels;
    bool confirmerCouleur = false;
    Couleur couleurChoisie = 0;
    Couleur couleurInitiale = 0xFFFFFFFF;

    void MontrerChoixTableau() override { appels.push_back("choix"); }
    void MontrerMeilleursScores() override { appels.push_back("scores"); }
    void FermerEcranDemarrage() override { appels.push_back("fin"); }
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override
    {
        appels.push_back("couleur");
        couleurInitiale = initiale;
        if (confirmerCouleur)
            choisie = couleurChoisie;
        return confirmerCouleur;
    }
    void MontrerAide(const std::string& fichier) override { appels.push_back("aide " + fichier); }
    void ExporterMeilleursScores() override { appels.push_back("exporter"); }
    void ImporterMeilleursScores() override { appels.push_back("importer"); }
};

} // namespace cogitelle::test
