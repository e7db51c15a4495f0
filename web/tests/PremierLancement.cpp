// Writes the score file of the desktop game's first run, as the game's own start-up writes it:
// the main window's creation with no options and no score file. With a second path, also writes
// that table with one record added, as a desktop player's file would hold it.
#include <cstdio>
#include <memory>

#include "session/FenetrePrincipale.h"
#include "session/SessionAutonome.h"
#include "store/MeilleursScores.h"

using namespace cogitelle;

namespace {

class SansFenetres : public ActionsFenetres {
public:
    void MontrerChoixTableau() override {}
    void MontrerMeilleursScores() override {}
    void FermerEcranDemarrage() override {}
    bool ChoisirCouleur(Couleur, Couleur&) override { return false; }
    void MontrerAide(const std::string&) override {}
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: premier-lancement SCORES [SCORES-WITH-A-RECORD]\n");
        return 2;
    }
    // The objects of the desktop program's start, one of each.
    auto etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    auto controles = std::make_unique<Controles>();
    PortsSilencieux ports;
    MagasinMemoire magasin;
    Contexte ctx{*etat, hasard, *controles, ports, magasin, argv[1]};
    SansFenetres actions;
    FenetrePrincipale fenetre(ctx, actions);
    CreerEcranDemarrage(ctx);
    fenetre.FormCreate(800, 600, 96);
    if (argc > 2) {
        ctx.CheminScores = argv[2];
        InsererScore(ctx, CarreMagique, 7, "DESKTOP", 9999);
    }
    for (const std::string& m : ports.messages)
        std::fprintf(stderr, "%s\n", m.c_str());
    return ports.messages.empty() ? 0 : 1;
}
