// Random play: hundreds of puzzles of every game played by a seeded mix of useful moves and random,
// mostly illegal, inputs until they end or a move budget runs out, every event checked by the
// invariants of support/Invariants.h. COGITELLE_SOAK_EVENTS sets the events played across the five
// games (100 000 by default, split evenly; scripts/soak plays a million).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/Plateau.h"
#include "games/Disposition.h"
#include "session/SessionAutonome.h"
#include "games/CarreMagique.h"
#include "store/MeilleursScores.h"
#include "support/Invariants.h"
#include "support/Solutions.h"

using namespace cogitelle;
using cogitelle::test::Evenement;
using cogitelle::test::Verificateur;

namespace {

// A player: moves that make progress in the game in play, and noise of every kind. The choices
// come from a seeded mt19937, whose output is the same on every machine.
class Joueur {
public:
    explicit Joueur(uint32_t graine) : alea_(graine) {}

    uint32_t Tirer(uint32_t n) { return static_cast<uint32_t>(alea_() % n); }
    bool Chance(uint32_t pourcent) { return Tirer(100) < pourcent; }

    // Any input at all: cells and walls anywhere (and off the board), any button and keys held,
    // any key, ticks.
    Evenement Bruit()
    {
        Evenement e;
        e.sorte = static_cast<Evenement::Sorte>(Evenement::Case + Tirer(Evenement::TicLab - Evenement::Case + 1));
        e.tag = Chance(80) ? static_cast<int32_t>(100 * (Tirer(16)) + Tirer(16)) : static_cast<int32_t>(Tirer(2000)) - 200;
        e.bouton = static_cast<BoutonSouris>(Tirer(3));
        static const uint32_t etats[] = {ssLeft, ssRight, ssMiddle, ssLeft | ssShift, ssLeft | ssCtrl, ssLeft | ssAlt,
            ssLeft | ssDouble, ssRight | ssShift, ssLeft | ssRight, 0};
        e.etat = etats[Tirer(10)];
        e.mur = static_cast<TypeMur>(Tirer(3));
        e.fleche = static_cast<Fleche>(Tirer(4));
        static const char caracteres[] = "24680x ";
        e.caractere = caracteres[Tirer(7)];
        return e;
    }

    // A move that brings the game in play nearer to its end.
    Evenement Coup(const GameState& g)
    {
        switch (g.TypeJeu) {
        case Labyrinthe: return CoupLabyrinthe(g);
        case CarreMagique: return CoupCarre(g);
        case Differences: return CoupDifferences(g);
        case Serpentin: return CoupSerpentin(g);
        case Memoire: return CoupMemoire(g);
        default: return Bruit();
        }
    }

private:
    static Evenement Clic(int32_t x, int32_t y, bool droit = false)
    {
        Evenement e;
        e.sorte = Evenement::Case;
        e.tag = 100 * x + y;
        e.bouton = droit ? BoutonSouris::Droit : BoutonSouris::Gauche;
        e.etat = droit ? ssRight : ssLeft;
        return e;
    }

    static Evenement Mur(TypeMur mur, int32_t x, int32_t y)
    {
        Evenement e;
        e.sorte = Evenement::MurClique;
        e.mur = mur;
        e.tag = 100 * x + y;
        return e;
    }

    // Towards the exit along the maze's one path, or now and then to any open neighbour.
    Evenement CoupLabyrinthe(const GameState& g)
    {
        std::pair<int32_t, int32_t> cible{-1, -1};
        const auto voisins = test::detail::VoisinsOuverts(g, g.PosX, g.PosY);
        if (Chance(25) && !voisins.empty()) {
            auto it = voisins.begin();
            std::advance(it, Tirer(static_cast<uint32_t>(voisins.size())));
            cible = *it;
        } else {
            // Breadth-first from the exit: the neighbour one step nearer.
            const std::vector<int32_t> distance = test::DistancesALaSortie(g);
            for (const auto& v : voisins)
                if (distance[v.first * 16 + v.second] < distance[g.PosX * 16 + g.PosY])
                    cible = v;
        }
        Evenement e;
        const int32_t dx = cible.first - g.PosX, dy = cible.second - g.PosY;
        const bool caractere = Chance(50);
        e.sorte = caractere ? Evenement::Caractere : Evenement::Touche;
        e.fleche = dx > 0 ? Fleche::Droite : dx < 0 ? Fleche::Gauche : dy > 0 ? Fleche::Bas : Fleche::Haut;
        e.caractere = dx > 0 ? '6' : dx < 0 ? '4' : dy > 0 ? '2' : '8';
        return e;
    }

public:
    // The magic square a puzzle was scrambled from, drawn again as the new game draws it: the
    // player then swaps numbers back towards it.
    void ApprendreCarre(int32_t numero)
    {
        for (const auto& [valeur, place] : test::CarreDOrigine(numero))
            ouCarre_[valeur] = place;
    }

private:
    // The swap across a wall that brings the numbers nearest to their places in the magic square,
    // or, when none brings them nearer, any swap now and then.
    Evenement CoupCarre(const GameState& g)
    {
        const int32_t n = g.NbColonnes;
        const auto distance = [&](int32_t v, int32_t x, int32_t y) {
            return std::abs(ouCarre_[v].first - x) + std::abs(ouCarre_[v].second - y);
        };
        int32_t meilleur = 0;
        std::vector<Evenement> meilleurs;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                for (const TypeMur mur : {TypeMur::Droit, TypeMur::Bas}) {
                    const int32_t vx = x + (mur == TypeMur::Droit), vy = y + (mur == TypeMur::Bas);
                    if (vx > n || vy > n)
                        continue;
                    const int32_t a = g.Valeur[x][y], b = g.Valeur[vx][vy];
                    const int32_t gain = distance(a, x, y) + distance(b, vx, vy) - distance(a, vx, vy) - distance(b, x, y);
                    if (gain > meilleur) {
                        meilleur = gain;
                        meilleurs.clear();
                    }
                    if (gain == meilleur && gain > 0)
                        meilleurs.push_back(Mur(mur, x, y));
                }
        if (meilleurs.empty() || Chance(5))
            return Mur(static_cast<TypeMur>(Tirer(2)), 1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n - 1))),
                1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n - 1))));
        return meilleurs[Tirer(static_cast<uint32_t>(meilleurs.size()))];
    }

    // A green cell, or now and then an exchange between cells in play.
    Evenement CoupDifferences(const GameState& g)
    {
        const int32_t n = g.NbColonnes;
        std::vector<std::pair<int32_t, int32_t>> verts;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                if (g.Etat[x][y] == 0)
                    verts.push_back({x, y});
        if (verts.empty() || Chance(15))
            return Mur(static_cast<TypeMur>(Tirer(3)), 1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n))),
                1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n))));
        const auto& v = verts[Tirer(static_cast<uint32_t>(verts.size()))];
        return Clic(v.first, v.second);
    }

    // How near the board is to a run: the longest run of consecutive numbers through neighbouring
    // cells first, then the number of neighbouring consecutive pairs.
    static int32_t Avancement(const int32_t (&v)[16][16], int32_t n, int32_t trouX, int32_t trouY)
    {
        std::pair<int32_t, int32_t> ou[64];
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                if (!(x == trouX && y == trouY))
                    ou[v[x][y]] = {x, y};
        int32_t meilleur = 1, courant = 1, paires = 0;
        for (int32_t k = 1; k + 1 <= n * n - 1; ++k) {
            const bool voisins = std::max(std::abs(ou[k].first - ou[k + 1].first),
                                     std::abs(ou[k].second - ou[k + 1].second)) == 1;
            paires += voisins;
            courant = voisins ? courant + 1 : 1;
            meilleur = std::max(meilleur, courant);
        }
        return meilleur * 1000 + paires;
    }

    // The right click that brings a run nearest, or a slide of the hole.
    Evenement CoupSerpentin(const GameState& g)
    {
        const int32_t n = g.NbColonnes;
        const int32_t hx = g.TrouPrincipalX, hy = g.TrouPrincipalY;
        if (Chance(25)) {
            // A free or cheap slide along the hole's row, column or diagonal.
            const int32_t x = 1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n)));
            const int32_t y = Chance(50) ? hy : 1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n)));
            return Clic(x, y);
        }
        int32_t v[16][16];
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                v[x][y] = g.Valeur[x][y];
        int32_t meilleur = Avancement(v, n, hx, hy), bx = 0, by = 0;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                if (x == hx && y == hy)
                    continue;
                v[hx][hy] = v[x][y];
                const int32_t a = Avancement(v, n, x, y);
                v[hx][hy] = g.Valeur[hx][hy];
                if (a > meilleur) {
                    meilleur = a;
                    bx = x;
                    by = y;
                }
            }
        if (bx == 0)
            return Clic(1 + static_cast<int32_t>(Tirer(static_cast<uint32_t>(n))), hy);
        return Clic(bx, by, true);
    }

    // A face-down card of the run being shown, or any face-down card.
    Evenement CoupMemoire(const GameState& g)
    {
        const int32_t n = g.NbColonnes;
        std::vector<std::pair<int32_t, int32_t>> cachees, suite;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                if (g.Etat[x][y] == 0) {
                    cachees.push_back({x, y});
                    if (g.Valeur[x][y] == g.ValeurSerie)
                        suite.push_back({x, y});
                }
        if (cachees.empty()) {
            Evenement e;
            e.sorte = Evenement::TicMemoire;
            return e;
        }
        const auto& choix = !suite.empty() && Chance(85) ? suite : cachees;
        const auto& c = choix[Tirer(static_cast<uint32_t>(choix.size()))];
        return Clic(c.first, c.second);
    }

    std::mt19937 alea_;
    std::pair<int32_t, int32_t> ouCarre_[122] = {};   // the place of each number in the magic square
};

struct Bilan {
    int64_t evenements = 0;
    int32_t parties = 0, finies = 0, victoires = 0, entrees = 0, defaites = 0;
};

// The events each game type plays: a fifth of COGITELLE_SOAK_EVENTS, at least two puzzles' worth.
int64_t EvenementsParType()
{
    const char* v = std::getenv("COGITELLE_SOAK_EVENTS");
    const long long total = v ? std::atoll(v) : 100000;
    return std::max<int64_t>(1, static_cast<int64_t>(total) / 5);
}

} // namespace

// Every game type, its puzzles chosen at random (puzzles 1 and 500 always among them), some reached
// by ">>" and "<<" from the previous one.
TEST(PartiesAleatoires, ToutesLesReglesTiennentApresChaqueEvenement)
{
    const int64_t quota = EvenementsParType();
    constexpr int32_t BudgetCoups = 400;
    int64_t total = 0;
    for (TTypeJeu type = 1; type <= 5; ++type) {
        SessionAutonome s;
        Contexte& c = s.ctx;
        GameState& g = *s.etat;
        g.NomJoueur = "JOSÉPHINE-ÉLODIE";   // longer than 12 characters, accented
        InitialiserMeilleursScores(c);
        Joueur joueur(static_cast<uint32_t>(1000 + type));
        Verificateur verificateur(c);
        Bilan bilan;
        // Puzzles 1 and 500 always, then more until the type has played its share of events.
        for (int32_t i = 0; i < 2 || bilan.evenements < quota; ++i) {
            Evenement debut;
            debut.type = type;
            debut.numero = i == 0 ? 1 : i == 1 ? 500 : 1 + static_cast<int32_t>(joueur.Tirer(500));
            if (i >= 2 && joueur.Chance(20) && g.NumeroTableau < 500)
                debut.sorte = Evenement::Suivant;
            else if (i >= 2 && joueur.Chance(20) && g.NumeroTableau > 1)
                debut.sorte = Evenement::Precedent;
            std::string faute = verificateur.Jouer(debut);
            ASSERT_EQ(faute, "") << "type " << type << ", game " << i;
            ++bilan.parties;
            ++bilan.evenements;
            const int32_t numero = g.NumeroTableau;
            if (type == CarreMagique)
                joueur.ApprendreCarre(numero);
            for (int32_t coup = 0; coup < BudgetCoups && !g.PartieTerminee; ++coup) {
                Evenement e = joueur.Chance(70) ? joueur.Coup(g) : joueur.Bruit();
                if (joueur.Chance(10)) {
                    e = Evenement{};
                    e.sorte = Evenement::TicScore;
                }
                faute = verificateur.Jouer(e);
                ++bilan.evenements;
                ASSERT_EQ(faute, "") << "type " << type << " n° " << numero << ", event " << coup;
            }
            // After the end, nothing but a new game changes anything.
            if (g.PartieTerminee) {
                ++bilan.finies;
                for (int32_t k = 0; k < 20; ++k) {
                    faute = verificateur.Jouer(joueur.Chance(50) ? joueur.Coup(g) : joueur.Bruit());
                    ++bilan.evenements;
                    ASSERT_EQ(faute, "") << "type " << type << " n° " << numero << " after the end";
                }
            }
        }
        bilan.victoires = verificateur.Victoires();
        bilan.entrees = verificateur.Entrees();
        bilan.defaites = verificateur.Defaites();
        total += bilan.evenements;
        std::printf("[ soak     ] type %d: %d puzzles, %lld events, %d ended (%d won, %d lost), %d entered the top ten\n",
            type, bilan.parties, static_cast<long long>(bilan.evenements), bilan.finies, bilan.victoires,
            bilan.defaites, bilan.entrees);
        std::fflush(stdout);
        // The player must reach the end of many games, or the end-of-game checks go untried.
        EXPECT_GT(bilan.finies, bilan.parties / 5) << "type " << type;
        if (type != Labyrinthe) {
            EXPECT_EQ(bilan.defaites, 0) << "only the maze can be lost";
        }
        EXPECT_GE(bilan.evenements, quota) << "type " << type;
    }
    std::printf("[ soak     ] %lld events in all\n", static_cast<long long>(total));
}
