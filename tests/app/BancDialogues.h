// A session for the widget tests of the dialogs: recorded ports and a settings store in memory.
// The score table stays in memory: no file is written.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "session/Session.h"
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
        GameState* etat = &session.etat;
        etat->FacteurEcranX = etat->FacteurEcranY = facteur;
        etat->Langue = 1;
        etat->Verif = 1;
        etat->NumeroTableau = 1;
        etat->TypeJeuChoisi = 1;
        etat->NumeroTableauChoisi = 1;
        PreparerTextes(ctx);
        InitialiserMeilleursScores(ctx);
    }
    PortsDialogues ports;
    MagasinMemoire magasin;
    Session session{ports, magasin, ""};
    Contexte& ctx = session.ctx;

    GameState& g() { return session.etat; }
};

} // namespace cogitelle::test
