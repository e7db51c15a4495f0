// A core for the widget tests of the dialogs: state, generator, controls, recorded ports and a
// settings store in memory. The score table stays in memory: no file is written.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "session/Textes.h"
#include "core/Contexte.h"
#include "store/MagasinOptions.h"
#include "store/MeilleursScores.h"

namespace cogitelle::test {

class PortsDialogues : public Ports {
public:
    std::vector<std::string> messages;
    std::vector<std::string> erreurs;
    int millisecondes = 43210000;
    // Called after a message is recorded, to show a real box when a test wants one.
    std::function<void(const std::string&)> surMessage;

    void Message(const std::string& texte) override
    {
        messages.push_back(texte);
        if (surMessage)
            surMessage(texte);
    }
    bool Question(const std::string&, const std::string&) override { return false; }
    void Erreur(const std::string& texte) override { erreurs.push_back(texte); }
    int MillisecondesDuJour() override { return millisecondes; }
};

struct BancDialogues {
    explicit BancDialogues(double facteur = 1.0)
    {
        RemplirVoisins(etat->Voisins);
        etat->FacteurEcranX = etat->FacteurEcranY = facteur;
        etat->Langue = 1;
        etat->Verif = 1;
        etat->NumeroTableau = 1;
        etat->TypeJeuChoisi = 1;
        etat->NumeroTableauChoisi = 1;
        PreparerTextes(ctx);
        InitialiserMeilleursScores(ctx);
    }
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsDialogues ports;
    MagasinMemoire magasin;
    Contexte ctx{*etat, hasard, *controles, ports, magasin, ""};

    GameState& g() { return *etat; }
};

} // namespace cogitelle::test
