#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "store/MagasinOptions.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/OptionsScenarios.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;

namespace {

struct AdaptateurMemoire {
    MagasinMemoire m;
    MagasinOptions& Magasin() { return m; }
    void Planter(const std::string& nom, const std::vector<uint8_t>& octets) { m.valeurs[nom] = {true, octets, {}}; }
    void PlanterTexte(const std::string& nom, const std::string& texte) { m.valeurs[nom] = {false, {}, texte}; }
    void Vider() { m.valeurs.clear(); }
    ValeurLue Lire(const std::string& nom)
    {
        const auto it = m.valeurs.find(nom);
        if (it == m.valeurs.end())
            return {};
        return {true, it->second.binaire, it->second.octets, it->second.texte};
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Memoire, ScenariosOptions, ::testing::Types<AdaptateurMemoire>);

TEST(Options, EcritureImpossibleSignaleeUneFoisParEpisode)
{
    Banc banc;
    banc.magasin.echecEcriture = true;
    SauverOptions(banc.ctx);
    SauverOptions(banc.ctx);
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("options"), std::string::npos);
    // The records do not wait for the settings store.
    EXPECT_EQ(std::filesystem::file_size(banc.ctx.CheminScores), TailleFichierScores);

    banc.magasin.echecEcriture = false;
    SauverOptions(banc.ctx);
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_EQ(banc.magasin.valeurs.count("optionYourName"), 1u);
    banc.magasin.echecEcriture = true;
    SauverOptions(banc.ctx);
    EXPECT_EQ(banc.ports.erreurs.size(), 2u);
    EXPECT_FALSE(banc.magasin.ouverte);
}

TEST(Options, Validite)
{
    Banc banc;
    GameState& g = banc.g();
    g.Verif = 1;
    g.TypeJeuChoisi = 5;
    g.NumeroTableauChoisi = 500;
    EXPECT_TRUE(OptionsValides(g));
    g.Verif = 0;
    EXPECT_TRUE(OptionsValides(g));
    g.Verif = 255;
    EXPECT_FALSE(OptionsValides(g));
    g.Verif = 1;
    g.TypeJeuChoisi = -1;
    EXPECT_FALSE(OptionsValides(g));
    g.TypeJeuChoisi = 1;
    g.NumeroTableauChoisi = 501;
    EXPECT_FALSE(OptionsValides(g));
}

TEST(Options, ValeurCourteRemplaceLesOctetsBas)
{
    // A binary shorter than its size replaces only its first bytes, as a raw registry read does.
    Banc banc;
    banc.magasin.valeurs["verif"] = {true, {1}, {}};
    banc.magasin.valeurs["optionCouleurFondEcran"] = {true, {0xFF}, {}};
    banc.magasin.valeurs["optionNumeroTableau"] = {true, {7, 1}, {}};
    banc.magasin.valeurs["optionTypeJeu"] = {true, {2}, {}};
    banc.g().Verif = 0;
    banc.g().CouleurFondEcran = 0x00AABBCC;
    ChargerOptions(banc.ctx);
    EXPECT_EQ(banc.g().CouleurFondEcran, 0x00AABBFFu);
    EXPECT_EQ(banc.g().NumeroTableauChoisi, 263);
    EXPECT_EQ(banc.g().TypeJeuChoisi, 2);
    EXPECT_TRUE(banc.ports.erreurs.empty());
}

TEST(Options, AppliquerCocheLeJeuEnCours)
{
    Banc banc;
    banc.g().TypeJeu = Serpentin;
    banc.g().CouleurTableauDeJeu = 0x00123456;
    AppliquerOptions(banc.ctx);
    for (int t = 1; t <= NbTypesJeu; ++t)
        EXPECT_EQ(banc.k().MenuCoche[t], t == Serpentin) << t;
    EXPECT_EQ(banc.k().panelCentral.couleur(), 0x00123456u);
    EXPECT_EQ(banc.k().panelTitreMeilleurScore.Caption(), "Meilleur score");
}

namespace {

// A settings store that cannot be opened (a registry key or settings file the player may not
// read), or whose values cannot be kept when it is closed (a full disk under the settings file).
class MagasinDefaillant : public MagasinMemoire {
public:
    bool echecOuverture = false, echecFermeture = false;
    bool Ouvrir(std::string& erreur) override
    {
        if (echecOuverture) {
            erreur = "accès refusé";
            return false;
        }
        return MagasinMemoire::Ouvrir(erreur);
    }
    bool Fermer(std::string& erreur) override
    {
        MagasinMemoire::Fermer(erreur);
        if (echecFermeture) {
            erreur = "plus de place sur le disque";
            return false;
        }
        return true;
    }
};

} // namespace

// A store that cannot be opened: the game starts with the default options, says so, and the
// player's records are read from their file and kept all the same.
TEST(Options, MagasinIllisibleDemarreAvecLesOptionsParDefaut)
{
    MagasinDefaillant magasin;
    Banc banc(&magasin);
    InitialiserMeilleursScores(banc.ctx);
    ASSERT_EQ(InsererScore(banc.ctx, Serpentin, 42, "ÉLODIE", 9999), 1);
    banc.ports.erreurs.clear();
    std::memset(static_cast<void*>(&banc.g().MeilleursScores), 0, sizeof banc.g().MeilleursScores);

    magasin.echecOuverture = true;
    banc.g().Verif = 0;
    banc.g().CouleurFondEcran = 0x123456;
    ChargerOptions(banc.ctx);
    EXPECT_TRUE(OptionsValides(banc.g()));
    EXPECT_EQ(banc.g().Verif, 1);
    EXPECT_EQ(banc.g().CouleurFondEcran, CouleurFondParDefaut);
    EXPECT_EQ(banc.g().NumeroTableauChoisi, 1);
    EXPECT_EQ(banc.g().TypeJeuChoisi, 1);
    ASSERT_EQ(banc.ports.erreurs.size(), 2u);
    EXPECT_EQ(banc.ports.erreurs[0], "Les options n'ont pas pu être lues : accès refusé.");
    EXPECT_EQ(banc.ports.erreurs[1], "Les options n'ont pas pu être enregistrées : accès refusé.");
    EXPECT_EQ(banc.g().MeilleursScores(Serpentin, 42, 1).ValeurScore, 9999);
    EXPECT_EQ(NomEnregistrement(banc.g().MeilleursScores(Serpentin, 42, 1)), "ÉLODIE");
}

// Values that cannot be kept at the close are a failed save, reported once with the close's
// reason, and again after a save has succeeded.
TEST(Options, FermetureImpossibleSignaleeAvecSaRaison)
{
    MagasinDefaillant magasin;
    Banc banc(&magasin);
    banc.ctx.CheminScores.clear();
    magasin.echecFermeture = true;
    SauverOptions(banc.ctx);
    SauverOptions(banc.ctx);
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_EQ(banc.ports.erreurs[0], "Les options n'ont pas pu être enregistrées : plus de place sur le disque.");
    magasin.echecFermeture = false;
    SauverOptions(banc.ctx);
    magasin.echecFermeture = true;
    SauverOptions(banc.ctx);
    EXPECT_EQ(banc.ports.erreurs.size(), 2u);
}

// The default options bring back the colours, the first puzzle of the first game and no name, in
// memory and in the store; the records stay as they are and are written.
TEST(Options, OptionsParDefautGardentLesRecords)
{
    Banc banc;
    GameState& g = banc.g();
    InitialiserMeilleursScores(banc.ctx);
    ASSERT_EQ(InsererScore(banc.ctx, Memoire, 7, "JOSÉ", 9000), 1);
    g.CouleurFondEcran = 0x00FF00;
    g.CouleurTableauDeJeu = 0x0000FF;
    g.NumeroTableauChoisi = 321;
    g.TypeJeuChoisi = Memoire;
    g.NomJoueur = "JOSÉ";
    SauverOptions(banc.ctx);

    OptionsParDefaut(banc.ctx);
    EXPECT_EQ(g.CouleurFondEcran, CouleurFondParDefaut);
    EXPECT_EQ(g.CouleurTableauDeJeu, 0u);
    EXPECT_EQ(g.NumeroTableauChoisi, 1);
    EXPECT_EQ(g.TypeJeuChoisi, 1);
    EXPECT_EQ(g.NomJoueur, "");
    EXPECT_EQ(banc.magasin.valeurs["optionNumeroTableau"].octets, (std::vector<uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(banc.magasin.valeurs["optionYourName"].texte, "");
    // A new start reads the records back from their file.
    Banc relu;
    relu.ctx.CheminScores = banc.ctx.CheminScores;
    ASSERT_EQ(ChargerFichierScores(relu.ctx), EtatFichierScores::Complet);
    EXPECT_EQ(relu.g().MeilleursScores(Memoire, 7, 1).ValeurScore, 9000);
    EXPECT_EQ(NomEnregistrement(relu.g().MeilleursScores(Memoire, 7, 1)), "JOSÉ");
    EXPECT_TRUE(banc.ports.erreurs.empty());
}
