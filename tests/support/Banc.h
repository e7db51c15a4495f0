// A complete core without a display: state, generator, controls, recorded ports, a settings
// store in memory and a private folder for the score file.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/Contexte.h"
#include "session/Session.h"
#include "store/MagasinOptions.h"

namespace cogitelle::test {

// Records the message boxes and answers the questions instead of showing them, over any ports.
template <class Base>
class BoitesEnregistrees : public Base {
public:
    using Base::Base;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> reponses;   // answers to the next questions; No when empty

    void Message(const std::string& texte) override { messages.push_back(texte); }
    std::vector<std::string> boutons;   // the two answers' names, "Oui|Non", of each question that has them

    bool QuestionOuiNon(const std::string& titre, const std::string& texte, const std::string& oui,
        const std::string& non) override
    {
        boutons.push_back(oui + "|" + non);
        return Question(titre, texte);
    }
    bool Question(const std::string& titre, const std::string& texte) override
    {
        questions.push_back(titre + "|" + texte);
        if (reponses.empty())
            return false;
        const bool r = reponses.front();
        reponses.pop_front();
        return r;
    }
};

class PortsEnregistres : public BoitesEnregistrees<Ports> {
public:
    std::vector<std::string> erreurs;
    int millisecondes = 12345678;
    int changementsMinuteries = 0;

    void Erreur(const std::string& texte) override { erreurs.push_back(texte); }
    void MinuterieChangee(const Minuterie&) override { ++changementsMinuteries; }
    int MillisecondesDuJour() override { return millisecondes; }
};

// A private temporary folder, removed with its contents at the end of the test.
class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

// A session with recorded ports, its options in memory and its score file in a private folder.
struct Banc {
    // The session uses `autreMagasin` as its settings store when one is given.
    explicit Banc(MagasinOptions* autreMagasin = nullptr);
    PortsEnregistres ports;
    MagasinMemoire magasin;
    DossierTemporaire dossier;
    Session session;
    // The session's objects.
    GameState* const etat;
    PuzzleRandom& hasard;
    Controles* const controles;
    Contexte& ctx;

    GameState& g() { return *etat; }
    Controles& k() { return *controles; }

    // Starts puzzle `numero` of game `type` as the chooser would, the name set.
    void Jouer(TTypeJeu type, int32_t numero, const std::string& nom = "TEST");
};

} // namespace cogitelle::test
