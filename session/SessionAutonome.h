// A whole core with no front end: for the puzzle printer, benchmarks and fuzzers. Messages are
// kept, questions answered No, timers only change the model, the options stay in memory and the
// score table is never read from or written to disk.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Contexte.h"
#include "store/MagasinOptions.h"

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
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsSilencieux ports;
    MagasinMemoire magasin;
    Contexte ctx;

    // Starts puzzle `numero` of game `type`.
    void Jouer(TTypeJeu type, int32_t numero);
};

} // namespace cogitelle
