// The Import of a score file: a file the game could not have written is refused with the reason
// and changes nothing; a sound one replaces the records only once the player says so, and the
// player is told it was imported only when it was saved.
#include <gtest/gtest.h>

#include "session/Importation.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"
#include "support/FichiersDefaillants.h"

using namespace cogitelle;
using namespace cogitelle::test;

namespace {

std::string SurDisque(const Banc& b)
{
    std::string octets, raison;
    EXPECT_EQ(SystemeFichiersReel().Lire(b.ctx.CheminScores, octets, raison), SystemeFichiers::Lecture::Ok) << raison;
    return octets;
}

// A score file of the desktop's whose best score of memory 5 is `nom`'s.
std::string FichierAvecRecord(const std::string& nom, int32_t score)
{
    Banc autre;
    InitialiserMeilleursScores(autre.ctx);
    EXPECT_EQ(InsererScore(autre.ctx, Memoire, 5, nom, score), 1);
    return OctetsTable(autre.g().MeilleursScores);
}

struct Joueur : Banc {
    Joueur()
    {
        LireMeilleursScores(ctx);
        Jouer(Memoire, 5, "ANNE");
        EXPECT_EQ(InsererScore(ctx, Memoire, 5, "ANNE", 9000), 1);
    }
};

} // namespace

TEST(Importation, UnFichierRefuseNeChangeRienEtDitPourquoi)
{
    Joueur j;
    const std::string avant = SurDisque(j);
    const std::string sain = FichierAvecRecord("DESKTOP", 9999);
    std::string etranger = sain;
    etranger[16 * 40 + 2] = '\x01';   // a name with a control character
    const struct {
        std::string octets;
        uint64_t taille;
        std::string erreurLecture, attendu;
    } cas[] = {
        {"", 400000, "NotReadableError: the file was moved", "il n'a pas pu être lu (NotReadableError: the file was moved)"},
        {sain.substr(0, 1000), 1000, "", "un fichier des meilleurs scores a 400000 octets, celui-ci en a 1000"},
        // Too large: the page reads none of it.
        {"", 2500000, "", "un fichier des meilleurs scores a 400000 octets, celui-ci en a 2500000"},
        {etranger, 400000, "", "il ne contient pas des noms de joueurs"},
    };
    for (const auto& c : cas) {
        j.ports.erreurs.clear();
        EXPECT_EQ(ImporterMeilleursScores(j.ctx, c.octets, c.taille, c.erreurLecture), ResultatImport::Refuse);
        ASSERT_EQ(j.ports.erreurs.size(), 1u) << c.attendu;
        EXPECT_EQ(j.ports.erreurs[0],
            "Ce fichier n'a pas été importé : " + c.attendu + ". Les meilleurs scores sont restés tels qu'ils étaient.");
    }
    EXPECT_TRUE(j.ports.questions.empty());
    EXPECT_TRUE(j.ports.messages.empty());
    EXPECT_EQ(SurDisque(j), avant);
    EXPECT_EQ(OctetsTable(j.g().MeilleursScores), avant);
    EXPECT_EQ(j.k().panelPremierMeilleurScore.Caption(), "9000");
}

TEST(Importation, DemandeAvantDeRemplacerEtNeDitImportesQuUneFoisEnregistre)
{
    Joueur j;
    const std::string avant = SurDisque(j);
    const std::string fichier = FichierAvecRecord("DESKTOP", 9999);
    const std::string question = "COGITELLE I|Etes-vous sûr de vouloir remplacer les scores par ceux de ce fichier "
                                 "(vos records disparaîtront) ?";

    // No: the records stay, and nothing is said.
    j.ports.reponses = {false};
    EXPECT_EQ(ImporterMeilleursScores(j.ctx, fichier, fichier.size()), ResultatImport::Annule);
    EXPECT_EQ(j.ports.questions, std::vector<std::string>{question});
    EXPECT_TRUE(j.ports.messages.empty());
    EXPECT_EQ(SurDisque(j), avant);
    EXPECT_EQ(OctetsTable(j.g().MeilleursScores), avant);

    // Yes: the file's table is the table, saved whole, and its record on show.
    j.ports.reponses = {true};
    EXPECT_EQ(ImporterMeilleursScores(j.ctx, fichier, fichier.size()), ResultatImport::Importe);
    EXPECT_EQ(j.ports.messages, std::vector<std::string>{"Les meilleurs scores du fichier ont été importés."});
    EXPECT_EQ(SurDisque(j), fichier);
    EXPECT_EQ(OctetsTable(j.g().MeilleursScores), fichier);
    EXPECT_EQ(j.k().panelPremierMeilleurScore.Caption(), "9999");

    // Yes, but the save fails: the player is told the records are in memory only, not that they
    // were imported; the next save that succeeds writes them whole.
    FichiersDefaillants panne;
    panne.echecRemplacement = true;
    j.ctx.Sauvegardes.fichiers = &panne;
    j.ports.messages.clear();
    const std::string second = FichierAvecRecord("PORTABLE", 9500);
    j.ports.reponses = {true};
    EXPECT_EQ(ImporterMeilleursScores(j.ctx, second, second.size()), ResultatImport::NonEnregistre);
    EXPECT_TRUE(j.ports.messages.empty());
    ASSERT_EQ(j.ports.erreurs.size(), 2u);
    EXPECT_NE(j.ports.erreurs[0].find("n'ont pas pu être enregistrés"), std::string::npos) << j.ports.erreurs[0];
    EXPECT_EQ(j.ports.erreurs[1], "Les meilleurs scores du fichier sont chargés, mais n'ont pas pu être enregistrés : "
                                  "ils restent en mémoire et seront enregistrés de nouveau à la prochaine occasion.");
    EXPECT_EQ(SurDisque(j), fichier);
    EXPECT_EQ(j.k().panelPremierMeilleurScore.Caption(), "9500");
    panne.echecRemplacement = false;
    j.Jouer(Memoire, 6);
    EXPECT_EQ(SurDisque(j), second);
}
