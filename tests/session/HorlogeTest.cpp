// The score clock of a page whose timers the browser holds back: every second that really passed
// is a point lost at the next wake-up, however late it comes; each start counts anew, and a
// stopped timer counts nothing.
#include <gtest/gtest.h>

#include "core/Score.h"
#include "session/Horloge.h"
#include "session/NouvellePartie.h"
#include "session/Session.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::PortsEnregistres;

namespace {

// A page: its ports hand every timer change to its clock, at the time the page reads then.
struct Page {
    double maintenant = 0;
    HorlogeScore horloge;
    struct Ports : PortsEnregistres {
        Page* page = nullptr;
        void MinuterieChangee(const Minuterie& m) override { page->horloge.MinuterieChangee(m, page->maintenant); }
    } ports;
    Session session{ports, nullptr, ""};

    Page() { ports.page = this; }
    void Jouer(TTypeJeu type, int32_t numero)
    {
        session.etat.Langue = 1;
        session.etat.TypeJeu = type;
        session.etat.NumeroTableau = numero;
        session.etat.NomJoueur = "HORLOGE";
        NouvellePartie(session.ctx);
    }
    // The page wakes its clock at `ms`.
    double Reveil(double ms)
    {
        maintenant = ms;
        return horloge.Avancer(session.controles.timerScore, ms, [this] { session.Tic(Minuterie::Score); });
    }
};

} // namespace

TEST(HorlogeScore, UneMinuteCacheeCouteSoixantePointsAuReveil)
{
    Page p;
    p.maintenant = 5000;
    p.Jouer(Labyrinthe, 1);
    const int32_t depart = p.session.etat.Score;
    EXPECT_DOUBLE_EQ(p.Reveil(5999), 1);
    EXPECT_EQ(p.session.etat.Score, depart);
    // A hidden tab woken once after a minute and a half second: sixty points, the half second kept.
    EXPECT_DOUBLE_EQ(p.Reveil(65500), 500);
    EXPECT_EQ(p.session.etat.Score, depart - 60);
    EXPECT_DOUBLE_EQ(p.Reveil(65600), 400);
    EXPECT_EQ(p.session.etat.Score, depart - 60);

    // A new game counts from its own start, not from the first's.
    p.maintenant = 65700;
    p.Jouer(Memoire, 3);
    const int32_t second = p.session.etat.Score;
    EXPECT_DOUBLE_EQ(p.Reveil(67000), 700);
    EXPECT_EQ(p.session.etat.Score, second - 1);

    // Stopped (the game's end), the clock takes nothing however long the page sleeps.
    ArreterMinuteries(p.session.ctx);
    EXPECT_DOUBLE_EQ(p.Reveil(900000), -1);
    EXPECT_EQ(p.session.etat.Score, second - 1);
}

TEST(HorlogeScore, UnTicQuiArreteOuRelanceLaMinuterieArreteLeCompte)
{
    HorlogeScore h;
    Minuterie m{Minuterie::Score, true, 1000};
    h.MinuterieChangee(m, 0);
    // Another timer's change is not the score clock's.
    h.MinuterieChangee(Minuterie{Minuterie::Lab, true, 1000}, 4000);
    int tics = 0;
    EXPECT_DOUBLE_EQ(h.Avancer(m, 10000, [&] {
        if (++tics == 3)
            m.Enabled = false;
    }), -1);
    EXPECT_EQ(tics, 3);

    // Started again at 20 s; its second tick restarts it (as a new game would): the count begins
    // anew there, and the seconds before are not taken twice.
    m.Enabled = true;
    h.MinuterieChangee(m, 20000);
    tics = 0;
    EXPECT_DOUBLE_EQ(h.Avancer(m, 30000, [&] {
        if (++tics == 2)
            h.MinuterieChangee(m, 30000);
    }), 1000);
    EXPECT_EQ(tics, 2);
    EXPECT_DOUBLE_EQ(h.Avancer(m, 31500, [&] { ++tics; }), 500);
    EXPECT_EQ(tics, 3);
}
