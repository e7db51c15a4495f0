// A whole session with no front end: for the puzzle printer, benchmarks and fuzzers. Messages are
// kept, questions answered No, timers only change the model, the options stay in memory and the
// score table is never read from or written to disk.
#pragma once

#include <string>
#include <vector>

#include "session/Session.h"

namespace cogitelle {

class PortsSilencieux : public Ports {
public:
    std::vector<std::string> messages;
    void Message(const std::string& texte) override { messages.push_back(texte); }
    bool Question(const std::string&, const std::string&) override { return false; }
    void Erreur(const std::string& texte) override { messages.push_back(texte); }
    int MillisecondesDuJour() override { return 0; }
};

struct SessionAutonome {
    SessionAutonome();
    PortsSilencieux ports;
    MagasinMemoire magasin;
    Session session;
    // The session's objects, by the names the tools use.
    GameState* const etat;
    PuzzleRandom& hasard;
    Controles* const controles;
    Contexte& ctx;

    // Starts puzzle `numero` of game `type`.
    void Jouer(TTypeJeu type, int32_t numero);
};

} // namespace cogitelle
