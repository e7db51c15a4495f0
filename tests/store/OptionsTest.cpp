#include <gtest/gtest.h>

#include "store/MagasinOptions.h"
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
