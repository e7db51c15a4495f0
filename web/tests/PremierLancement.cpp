// Writes the score file of the desktop game's first run, as the game's own start-up writes it:
// the main window's creation with no options and no score file. With a second path, also writes
// that table with one record added, as a desktop player's file would hold it.
#include <cstdio>

#include "session/SessionAutonome.h"
#include "store/MeilleursScores.h"

using namespace cogitelle;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: premier-lancement SCORES [SCORES-WITH-A-RECORD]\n");
        return 2;
    }
    // The session of the desktop program's start, with no windows.
    PortsSilencieux ports;
    MagasinMemoire magasin;
    Session session(ports, magasin, argv[1]);
    session.CreerEcranDemarrage(800, 600, 96);
    session.CreerFenetrePrincipale(800, 600, 96);
    if (argc > 2) {
        session.ctx.CheminScores = argv[2];
        InsererScore(session.ctx, CarreMagique, 7, "DESKTOP", 9999);
    }
    for (const std::string& m : ports.messages)
        std::fprintf(stderr, "%s\n", m.c_str());
    return ports.messages.empty() ? 0 : 1;
}
