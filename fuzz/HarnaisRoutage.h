// The core's input routing fed any sequence of events: new games of any type and puzzle (">>" and
// "<<" at the bounds included), cell presses with any tag, button and keys held, wall presses,
// releases and clicks, keys, and timer ticks, every event checked by the invariants of
// tests/support/Invariants.h. Shared by the fuzz target and by the test that replays the inputs it
// once failed on. Returns an empty string when every check holds.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "session/SessionAutonome.h"
#include "store/MeilleursScores.h"
#include "tests/support/Invariants.h"

namespace cogitelle::fuzz {

// At most this many new games and events per input, so that one input runs in a millisecond or so
// (see also Numero below).
constexpr int32_t NouvellesPartiesMax = 6;
constexpr int32_t EvenementsMax = 400;

class LecteurEvenements {
public:
    LecteurEvenements(const uint8_t* donnees, size_t taille) : d_(donnees), n_(taille) {}
    bool Fini() const { return i_ >= n_; }

    test::Evenement Suivant()
    {
        using test::Evenement;
        Evenement e;
        switch (Octet() % 17) {
        case 0:
            e.sorte = Evenement::Partie;
            e.type = Octet() % 6;
            e.numero = Numero();
            break;
        case 1: e.sorte = Evenement::Suivant; break;
        case 2: e.sorte = Evenement::Precedent; break;
        case 3: e.sorte = Evenement::Hasard; break;
        case 4:
        case 5:
        case 6: {
            e.sorte = Evenement::Case;
            e.tag = Tag();
            e.bouton = static_cast<BoutonSouris>(Octet() % 3);
            const uint8_t etat = Octet();
            // Mostly a plain left or right press, else any keys and buttons held.
            e.etat = etat < 160 ? (etat % 2 ? ssRight : ssLeft) : (etat & 0x7Fu);
            if (etat < 160)
                e.bouton = etat % 2 ? BoutonSouris::Droit : BoutonSouris::Gauche;
            break;
        }
        case 7: e.sorte = Evenement::MurEnfonce; Mur(e); break;
        case 8: e.sorte = Evenement::MurRelache; Mur(e); break;
        case 9:
        case 10: e.sorte = Evenement::MurClique; Mur(e); break;
        case 11: e.sorte = Evenement::Touche; e.fleche = static_cast<Fleche>(Octet() % 4); break;
        case 12: e.sorte = Evenement::Caractere; e.caractere = static_cast<char>(Octet()); break;
        case 13: e.sorte = Evenement::TicScore; break;
        case 14: e.sorte = Evenement::TicMemoire; break;
        case 15: e.sorte = Evenement::TicLab; break;
        default: e.sorte = Evenement::TicScore; break;
        }
        return e;
    }

private:
    uint32_t Octet() { return i_ < n_ ? d_[i_++] : 0u; }

    // A puzzle number from two bytes. A large maze takes milliseconds to draw, a small puzzle of any
    // game a tenth of that: seven first bytes in eight pick one of puzzles 1 to 20 (the smallest
    // board of every game: a 6 x 6 maze), the others any puzzle 1 to 500.
    int32_t Numero()
    {
        const uint32_t haut = Octet(), bas = Octet();
        if (haut < 0xE0)
            return 1 + static_cast<int32_t>(bas % 20);
        return 1 + static_cast<int32_t>(((haut << 8) | bas) % 500);
    }

    // A cell's tag 100 x + y with x and y in 0..15, or with 0xFF first any 16-bit signed value.
    int32_t Tag()
    {
        const uint32_t a = Octet();
        if (a == 0xFF)
            return static_cast<int16_t>(static_cast<uint16_t>((Octet() << 8) | Octet()));
        return static_cast<int32_t>(100 * (a >> 4) + (a & 15));
    }

    void Mur(test::Evenement& e)
    {
        e.mur = static_cast<TypeMur>(Octet() % 3);
        e.tag = Tag();
    }

    const uint8_t* d_;
    size_t n_;
    size_t i_ = 0;
};

// The default table of best scores, drawn once: every session starts from a copy.
inline const TableMeilleursScores& TableParDefaut()
{
    static const auto table = [] {
        SessionAutonome s;
        InitialiserMeilleursScores(s.ctx);
        return std::make_unique<TableMeilleursScores>(s.etat->MeilleursScores);
    }();
    return *table;
}

inline std::string EssayerRoutage(const uint8_t* donnees, size_t taille)
{
    SessionAutonome s;
    std::memcpy(&s.etat->MeilleursScores, &TableParDefaut(), sizeof(TableMeilleursScores));
    s.etat->NomJoueur = "ÉLODIE";
    test::Verificateur verificateur(s.ctx);
    LecteurEvenements lecteur(donnees, taille);
    int32_t nouvelles = 0;
    for (int32_t k = 0; k < EvenementsMax && !lecteur.Fini(); ++k) {
        const test::Evenement e = lecteur.Suivant();
        if (test::EstNouvellePartie(e) && ++nouvelles > NouvellesPartiesMax)
            continue;
        const std::string faute = verificateur.Jouer(e);
        if (!faute.empty())
            return "event " + std::to_string(k) + ", " + faute;
    }
    return {};
}

} // namespace cogitelle::fuzz
