// The browser's tabs: each its own copy of the game, all sharing one local storage that holds the
// options and the score file as text. Their saves lock, re-read what another tab stored and add
// their own records to it, as copies of the desktop game sharing one file do.
#include <gtest/gtest.h>

#include "session/NouvellePartie.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/StockageCles.h"
#include "support/Banc.h"
#include "support/MagasinClesMemoire.h"

using namespace cogitelle;
using namespace cogitelle::test;

namespace {

const std::string CleOptions = "Ludivex/COGITELLE I";
const std::string CleScores = CleOptions + "/scoresI";

struct StockageOnglet {
    explicit StockageOnglet(MagasinCles& stockage) : fichiers(stockage, CleScores), options(stockage, CleOptions) {}
    SystemeFichiersCles fichiers;
    MagasinOptionsCles options;
};

// A tab of the browser, started as the page starts it.
struct Onglet : StockageOnglet, Banc {
    explicit Onglet(MagasinCles& stockage) : StockageOnglet(stockage), Banc(&options)
    {
        ctx.CheminScores = CleScores;
        ctx.Sauvegardes.fichiers = &fichiers;
        etat->Verif = 0;
        ChargerOptions(ctx);
    }
};

// The table the storage holds.
std::unique_ptr<TableMeilleursScores> TableStockee(MagasinClesMemoire& stockage)
{
    auto table = std::make_unique<TableMeilleursScores>();
    std::string octets;
    EXPECT_TRUE(DepuisBase64(stockage.valeurs.at(CleScores), octets));
    EXPECT_EQ(LireOctetsTable(*table, octets), TailleFichierScores / 16);
    return table;
}

std::pair<std::string, int32_t> Record(const TableMeilleursScores& t, TTypeJeu type, int32_t numero, int32_t place)
{
    return {NomEnregistrement(t(type, numero, place)), t(type, numero, place).ValeurScore};
}

} // namespace

TEST(StockageNavigateur, DeuxOngletsGardentChacunLesRecordsDeLAutre)
{
    MagasinClesMemoire stockage;
    Onglet a(stockage), b(stockage);
    // The first visit's table is the desktop's first run's, drawn alike in both tabs.
    EXPECT_EQ(OctetsTable(a.g().MeilleursScores), OctetsTable(b.g().MeilleursScores));
    a.Jouer(Labyrinthe, 3, "ALICE");
    b.Jouer(Memoire, 1, "BOB");

    // A wins; B, which read the table before, starts a new game, which saves its table.
    ASSERT_EQ(InsererScore(a.ctx, Labyrinthe, 3, "ALICE", 9000), 1);
    b.Jouer(Memoire, 1, "BOB");
    EXPECT_EQ(Record(*TableStockee(stockage), Labyrinthe, 3, 1), std::make_pair(std::string("ALICE"), 9000));
    EXPECT_EQ(Record(b.g().MeilleursScores, Labyrinthe, 3, 1), std::make_pair(std::string("ALICE"), 9000));

    // B wins; A hears of it (the storage event) and its panels show B's record.
    ASSERT_EQ(InsererScore(b.ctx, Labyrinthe, 3, "BOB", 9100), 1);
    PrendreTableDuFichier(a.ctx);
    EXPECT_EQ(a.k().panelPremierMeilleurScore.Caption(), "9100");
    EXPECT_EQ(Record(a.g().MeilleursScores, Labyrinthe, 3, 2), std::make_pair(std::string("ALICE"), 9000));

    // A wins while another tab holds the lock: kept in memory and reported once, then added to
    // what B stored meanwhile when A hears of B's save.
    stockage.verrous.insert(CleScores + ".lock");
    ASSERT_EQ(InsererScore(a.ctx, Memoire, 1, "ALICE", 9200), 1);
    ASSERT_EQ(a.ports.erreurs.size(), 1u);
    EXPECT_NE(a.ports.erreurs[0].find("une autre copie du jeu"), std::string::npos) << a.ports.erreurs[0];
    stockage.verrous.clear();
    ASSERT_EQ(InsererScore(b.ctx, Memoire, 1, "BOB", 9300), 1);
    PrendreTableDuFichier(a.ctx);
    const auto stockee = TableStockee(stockage);
    EXPECT_EQ(Record(*stockee, Memoire, 1, 1), std::make_pair(std::string("BOB"), 9300));
    EXPECT_EQ(Record(*stockee, Memoire, 1, 2), std::make_pair(std::string("ALICE"), 9200));
    EXPECT_EQ(Record(*stockee, Labyrinthe, 3, 1), std::make_pair(std::string("BOB"), 9100));
    EXPECT_EQ(OctetsTable(a.g().MeilleursScores), OctetsTable(*stockee));
    EXPECT_EQ(a.k().panelPremierMeilleurScore.Caption(), "9100");   // A still plays the maze 3
    PrendreTableDuFichier(b.ctx);
    EXPECT_EQ(OctetsTable(b.g().MeilleursScores), OctetsTable(*stockee));

    // Nothing but the options and the table is stored: no temporary value, no lock left.
    EXPECT_EQ(stockage.valeurs.size(), 2u);
    EXPECT_TRUE(stockage.verrous.empty());
    EXPECT_EQ(a.ports.erreurs.size(), 1u);
    EXPECT_TRUE(b.ports.erreurs.empty());
}

TEST(StockageNavigateur, UnOngletNEcritQueLesOptionsQuIlAChangees)
{
    MagasinClesMemoire stockage;
    Onglet a(stockage), b(stockage);
    // A picks a colour; B then starts a game of its own: both changes are kept.
    a.g().CouleurFondEcran = 0x123456;
    SauverOptions(a.ctx);
    b.Jouer(Differences, 42, "BOB");
    Onglet c(stockage);
    EXPECT_EQ(c.g().CouleurFondEcran, 0x123456u);
    EXPECT_EQ(c.g().TypeJeuChoisi, Differences);
    EXPECT_EQ(c.g().NumeroTableauChoisi, 42);
    EXPECT_EQ(c.g().NomJoueur, "BOB");
    // The last to change a value wins it.
    a.Jouer(Serpentin, 7, "ALICE");
    Onglet d(stockage);
    EXPECT_EQ(d.g().TypeJeuChoisi, Serpentin);
    EXPECT_EQ(d.g().NomJoueur, "ALICE");
    EXPECT_EQ(d.g().CouleurFondEcran, 0x123456u);
    EXPECT_TRUE(a.ports.erreurs.empty());
    EXPECT_TRUE(b.ports.erreurs.empty());
}

TEST(StockageNavigateur, UneTableAbimeeEstGardeeSousSaCleAvantToutRemplacement)
{
    MagasinClesMemoire stockage;
    // Text that is not base64 (a value edited by hand, or cut).
    stockage.valeurs[CleScores] = "AAAA*pas du base64";
    Onglet a(stockage);
    ASSERT_EQ(a.ports.erreurs.size(), 1u);
    EXPECT_NE(a.ports.erreurs[0].find("n'est pas en base64"), std::string::npos) << a.ports.erreurs[0];
    EXPECT_NE(a.ports.erreurs[0].find("« " + CleScores + ".bak »"), std::string::npos) << a.ports.erreurs[0];
    EXPECT_EQ(stockage.valeurs.at(CleScores + ".bak"), "AAAA*pas du base64");
    // A default table replaced it, and is stored.
    EXPECT_EQ(OctetsTable(*TableStockee(stockage)), OctetsTable(a.g().MeilleursScores));

    // A short table: its records are read, and it is kept under the next free key.
    const std::string court = OctetsTable(a.g().MeilleursScores).substr(0, 1000);
    stockage.valeurs[CleScores] = EnBase64(court);
    Onglet b(stockage);
    ASSERT_EQ(b.ports.erreurs.size(), 1u);
    EXPECT_NE(b.ports.erreurs[0].find("1000 octets au lieu de 400000"), std::string::npos) << b.ports.erreurs[0];
    EXPECT_NE(b.ports.erreurs[0].find("« " + CleScores + ".bak.2 »"), std::string::npos) << b.ports.erreurs[0];
    EXPECT_EQ(stockage.valeurs.at(CleScores + ".bak.2"), EnBase64(court));
    EXPECT_EQ(stockage.valeurs.at(CleScores + ".bak"), "AAAA*pas du base64");
    EXPECT_EQ(b.fichiers.Copies(), (std::vector<std::string>{CleScores + ".bak", CleScores + ".bak.2"}));
    EXPECT_EQ(OctetsTable(b.g().MeilleursScores).substr(0, 992), court.substr(0, 992));
    // Its first save replaces it whole.
    b.Jouer(CarreMagique, 1);
    EXPECT_EQ(OctetsTable(*TableStockee(stockage)), OctetsTable(b.g().MeilleursScores));
    EXPECT_EQ(b.ports.erreurs.size(), 1u);
}

TEST(StockageNavigateur, Base64)
{
    for (const std::string& octets : {std::string(), std::string("a"), std::string("ab"), std::string("abc"),
             std::string("\0\xff\x80z", 4)}) {
        std::string relus;
        ASSERT_TRUE(DepuisBase64(EnBase64(octets), relus)) << EnBase64(octets);
        EXPECT_EQ(relus, octets);
    }
    EXPECT_EQ(EnBase64("abcd"), "YWJjZA==");
    std::string r;
    for (const char* faux : {"YWJjZA=", "YW=j", "Y===", "YWJj ZA==", "YWJ=ZA=="})
        EXPECT_FALSE(DepuisBase64(faux, r)) << faux;
}
