// Saving the score file: atomic replacement, failures reported once per episode, damaged files
// kept aside.
#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "store/MeilleursScores.h"
#include "store/OptionsScenarios.h"
#include "store/Options.h"
#include "support/Banc.h"
#include "support/FichiersDefaillants.h"

using namespace cogitelle;
using namespace cogitelle::test;
namespace fs = std::filesystem;

namespace {

// A table whose bytes differ from an empty one's, to tell old and new files apart.
void MarquerTable(GameState& g, int32_t valeur)
{
    EcrireNom(g.MeilleursScores(2, 1, 1), "MARQUE");
    g.MeilleursScores(2, 1, 1).ValeurScore = valeur;
}

std::vector<std::string> Contenu(const fs::path& dossier)
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier))
        noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

} // namespace

TEST(EnregistrementScores, InterrompuLaisseLAncienFichierIntact)
{
    Banc banc;
    FichiersDefaillants panne;
    banc.ctx.Sauvegardes.fichiers = &panne;
    MarquerTable(banc.g(), 111);
    EcrireMeilleursScores(banc.ctx);
    const std::string ancien = LireFichierEntier(banc.ctx.CheminScores);
    ASSERT_EQ(ancien.size(), TailleFichierScores);

    MarquerTable(banc.g(), 222);
    struct Panne {
        const char* quoi;
        void (*regler)(FichiersDefaillants&);
    };
    const Panne pannes[] = {
        {"disk full after 100 000 bytes", [](FichiersDefaillants& f) { f.octetsAvantPanne = 100000; }},
        {"disk full after 399 999 bytes", [](FichiersDefaillants& f) { f.octetsAvantPanne = 399999; }},
        {"flush fails", [](FichiersDefaillants& f) { f.echecSynchronisation = true; }},
        {"rename fails", [](FichiersDefaillants& f) { f.echecRemplacement = true; }},
    };
    for (const Panne& p : pannes) {
        SCOPED_TRACE(p.quoi);
        panne = FichiersDefaillants();
        p.regler(panne);
        EcrireMeilleursScores(banc.ctx);
        EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), ancien);
        ASSERT_EQ(panne.temporaires.size(), 1u);
        EXPECT_EQ(fs::path(panne.temporaires[0]).parent_path(), banc.dossier.chemin());   // beside the file
        // No leftover; the lock file that copies of the game share stays.
        EXPECT_EQ(Contenu(banc.dossier.chemin()), (std::vector<std::string>{"scoresI", "scoresI.lock"}));
    }
    // One message for the whole episode, with the reason.
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("No space left on device"), std::string::npos) << banc.ports.erreurs[0];

    panne = FichiersDefaillants();
    EcrireMeilleursScores(banc.ctx);
    const std::string nouveau = LireFichierEntier(banc.ctx.CheminScores);
    EXPECT_EQ(nouveau, OctetsTable(banc.g().MeilleursScores));
    EXPECT_EQ(nouveau.substr(80000, 16), std::string("MARQUE\0\0\0\0\0\0\xDE\0\0\0", 16));
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);
}

TEST(EnregistrementScores, DossierEnLectureSeule)
{
    Banc banc;
    FichiersDefaillants seam;
    banc.ctx.Sauvegardes.fichiers = &seam;
    const fs::path dossier = banc.dossier.chemin();
    // Root writes through any permission: then the seam plays the read-only folder.
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
#ifdef _WIN32
    // A read-only folder on Windows still takes new files: the seam plays it there too.
    const bool permissionsRespectees = false;
#else
    const bool permissionsRespectees = ::access(dossier.c_str(), W_OK) != 0;
#endif
    const auto lectureSeule = [&](bool oui) {
        fs::permissions(dossier, oui ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
        if (!permissionsRespectees)
            seam.refuserCreation = oui;
    };
    if (!permissionsRespectees)
        std::cout << "[ info ] running as root: the read-only folder is simulated\n";

    lectureSeule(true);
    MarquerTable(banc.g(), 1);
    EcrireMeilleursScores(banc.ctx);
    InsererScore(banc.ctx, 2, 1, "X", 5000);
    SauverOptions(banc.ctx);
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("Permission denied"), std::string::npos) << banc.ports.erreurs[0];
    EXPECT_FALSE(fs::exists(banc.ctx.CheminScores));
    EXPECT_EQ(banc.g().MeilleursScores(2, 1, 1).ValeurScore, 5000);   // the table in memory is intact

    lectureSeule(false);
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), OctetsTable(banc.g().MeilleursScores));
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);

    // The file exists now and may be written: it is written over in place, without a message.
    lectureSeule(true);
    MarquerTable(banc.g(), 2);
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), OctetsTable(banc.g().MeilleursScores));
    EXPECT_EQ(banc.g().MeilleursScores(2, 1, 1).ValeurScore, 2);
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);
    lectureSeule(false);
}

TEST(EnregistrementScores, DossierSansFichierDeVerrouEcritEnPlace)
{
    // A folder where nothing can be created, holding a writable score file and no lock file: the
    // file itself is locked and written over in place.
    Banc banc;
    LireMeilleursScores(banc.ctx);
    std::filesystem::remove(banc.ctx.CheminScores + ".lock");
    FichiersDefaillants seam;
    seam.refuserCreation = true;
    banc.ctx.Sauvegardes.fichiers = &seam;
    EXPECT_EQ(InsererScore(banc.ctx, 4, 4, "ALICE", 9000), 1);
    EXPECT_TRUE(banc.ports.erreurs.empty()) << banc.ports.erreurs[0];
    EXPECT_TRUE(LireFichierEntier(banc.ctx.CheminScores) == OctetsTable(banc.g().MeilleursScores));
    EXPECT_EQ(banc.g().MeilleursScores(4, 4, 1).ValeurScore, 9000);
    EXPECT_EQ(Contenu(banc.dossier.chemin()), std::vector<std::string>{"scoresI"});
}

TEST(LectureScores, FichierCourtGardeDeCoteEtLu)
{
    Banc banc;
    std::string court(1000, '\0');
    court.replace(0, 5, "ALICE");
    court[12] = 0x10;
    court[13] = 0x27;   // 10000
    court.replace(976, 3, "BOB");   // record 62 (type 1, puzzle 7, place 2), the last complete one
    court[988] = 7;
    court.replace(992, 8, "PARTIAL!");   // 8 bytes of a record that is not read
    EcrireFichierEntier(banc.ctx.CheminScores, court);
    banc.magasin.valeurs["verif"] = {true, {1}, {}};
    banc.magasin.valeurs["optionNumeroTableau"] = {true, Octets32(9), {}};
    banc.magasin.valeurs["optionTypeJeu"] = {true, Octets32(1), {}};
    banc.g().Verif = 0;
    ChargerOptions(banc.ctx);

    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    const std::string& m = banc.ports.erreurs[0];
    EXPECT_NE(m.find("1000 octets au lieu de 400000"), std::string::npos) << m;
    EXPECT_NE(m.find("scoresI.bak"), std::string::npos) << m;
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores + ".bak"), court);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), court);   // not replaced at load
    const TableMeilleursScores& t = banc.g().MeilleursScores;
    EXPECT_EQ(NomEnregistrement(t(1, 1, 1)), "ALICE");
    EXPECT_EQ(t(1, 1, 1).ValeurScore, 10000);
    EXPECT_EQ(NomEnregistrement(t(1, 7, 2)), "BOB");
    EXPECT_EQ(t(1, 7, 2).ValeurScore, 7);
    EXPECT_EQ(banc.hasard.Tirages(), 0u);

    banc.Jouer(Labyrinthe, 9);   // a new game saves
    const std::string complet = LireFichierEntier(banc.ctx.CheminScores);
    ASSERT_EQ(complet.size(), TailleFichierScores);
    EXPECT_EQ(complet.substr(0, 992), court.substr(0, 992));
    EXPECT_EQ(complet.substr(992, 16), std::string(16, '\0'));
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores + ".bak"), court);
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);
}

TEST(LectureScores, FichierIllisibleRemplaceParDefautApresCopie)
{
    Banc banc;
    FichiersDefaillants seam;
    banc.ctx.Sauvegardes.fichiers = &seam;
    const std::string ancien(400000, 'Z');
    EcrireFichierEntier(banc.ctx.CheminScores, ancien);
    seam.cheminIllisible = banc.ctx.CheminScores;
    LireMeilleursScores(banc.ctx);
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("Input/output error"), std::string::npos) << banc.ports.erreurs[0];
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores + ".bak"), ancien);
    EXPECT_EQ(Empreinte(LireFichierEntier(banc.ctx.CheminScores)), EmpreinteTableParDefaut);
}

TEST(LectureScores, SansCopiePossibleLeFichierAbimeNEstPasRemplace)
{
    Banc banc;
    FichiersDefaillants seam;
    banc.ctx.Sauvegardes.fichiers = &seam;
    const std::string court(40, 'Q');
    EcrireFichierEntier(banc.ctx.CheminScores, court);
    seam.echecCopie = true;
    seam.echecRemplacement = true;
    LireMeilleursScores(banc.ctx);
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("ne sera pas remplacé"), std::string::npos) << banc.ports.erreurs[0];
    EcrireMeilleursScores(banc.ctx);
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), court);
    EXPECT_EQ(banc.ports.erreurs.size(), 2u);   // the refused save, once

    seam.echecCopie = false;
    seam.echecRemplacement = false;
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores + ".bak"), court);
    EXPECT_EQ(fs::file_size(banc.ctx.CheminScores), TailleFichierScores);
}

TEST(LectureScores, OctetsEnTropIgnoresPuisEffaces)
{
    Banc banc;
    std::string long_(400000, '\0');
    long_[399984] = 'Z';
    long_ += "TRAILING BYTES";
    EcrireFichierEntier(banc.ctx.CheminScores, long_);
    LireMeilleursScores(banc.ctx);
    EXPECT_TRUE(banc.ports.erreurs.empty());
    EXPECT_EQ(NomEnregistrement(banc.g().MeilleursScores(5, 500, 10)), "Z");
    EXPECT_EQ(banc.hasard.Tirages(), 0u);
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), long_.substr(0, 400000));
    EXPECT_FALSE(fs::exists(banc.ctx.CheminScores + ".bak"));
}

TEST(LectureScores, MemoireSeulementSansChemin)
{
    // The puzzle printer keeps its table in memory: no file is read or written.
    Banc banc;
    banc.ctx.CheminScores.clear();
    LireMeilleursScores(banc.ctx);
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(banc.hasard.Tirages(), 50000u);
    EXPECT_TRUE(Contenu(banc.dossier.chemin()).empty());
    EXPECT_TRUE(banc.ports.erreurs.empty());
}
