// The score file as players' machines have it: two copies of the game saving in one folder, a
// player's own backup beside the file, links, permissions, a folder of that name, temporary files
// left by a killed save. All on the real file system.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/OptionsScenarios.h"
#include "support/Banc.h"
#include "support/FichiersDefaillants.h"
#include "support/UtilisateurOrdinaire.h"

using namespace cogitelle;
using namespace cogitelle::test;
namespace fs = std::filesystem;

namespace {

// A second copy of the game, in its own process memory, saving to the same score file as `autre`.
struct AutreCopie : Banc {
    explicit AutreCopie(const Banc& autre) { ctx.CheminScores = autre.ctx.CheminScores; }
};

// The name and score at a place of the file's table.
std::pair<std::string, int32_t> SurDisque(const std::string& chemin, TTypeJeu t, int32_t p, int32_t r)
{
    auto table = std::make_unique<TableMeilleursScores>();
    const std::string octets = LireFichierEntier(chemin);
    EXPECT_EQ(LireOctetsTable(*table, octets), TailleFichierScores / 16);
    return {NomEnregistrement((*table)(t, p, r)), (*table)(t, p, r).ValeurScore};
}

std::vector<std::string> Entrees(const fs::path& dossier)
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier))
        noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

} // namespace

TEST(DeuxCopies, ChacuneGardeLesRecordsDeLAutre)
{
    Banc a;
    LireMeilleursScores(a.ctx);   // the first start: a default table drawn and written
    AutreCopie b(a);
    LireMeilleursScores(b.ctx);
    const int32_t dixieme = a.g().MeilleursScores(1, 3, 10).ValeurScore;

    // A wins puzzle 3; B, which read the file before, then starts a game, which saves its table.
    EXPECT_EQ(InsererScore(a.ctx, 1, 3, "ALICE", 9000), 1);
    b.Jouer(Labyrinthe, 7);
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 1, 3, 1), std::make_pair(std::string("ALICE"), 9000));
    // B's table is now the file's: its viewer shows A's record.
    EXPECT_EQ(NomEnregistrement(b.g().MeilleursScores(1, 3, 1)), "ALICE");

    // B wins the same puzzle with less, and another puzzle; A saves at its next game.
    EXPECT_EQ(InsererScore(b.ctx, 1, 3, "BOB", 8000), 2);
    EXPECT_EQ(InsererScore(b.ctx, 2, 9, "BOB", 7000), 1);
    a.Jouer(Labyrinthe, 3);
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 1, 3, 1), std::make_pair(std::string("ALICE"), 9000));
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 1, 3, 2), std::make_pair(std::string("BOB"), 8000));
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 2, 9, 1), std::make_pair(std::string("BOB"), 7000));
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 1, 3, 10).second, a.g().MeilleursScores(1, 3, 10).ValeurScore);
    EXPECT_NE(a.g().MeilleursScores(1, 3, 10).ValeurScore, dixieme);   // two old scores went down and out
    // A shows what is on disk, B's records included, and so do its best-score panels.
    EXPECT_EQ(OctetsTable(a.g().MeilleursScores), LireFichierEntier(a.ctx.CheminScores));
    EXPECT_EQ(a.k().panelPremierMeilleurScore.Caption(), "9000");

    // Both insert while the other has not saved: both records end on disk, each at its place.
    EXPECT_EQ(InsererScore(a.ctx, 4, 1, "ALICE", 6000), 1);
    EXPECT_EQ(InsererScore(b.ctx, 4, 1, "BOB", 6500), 1);
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 4, 1, 1), std::make_pair(std::string("BOB"), 6500));
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 4, 1, 2), std::make_pair(std::string("ALICE"), 6000));

    // "Recréer les meilleurs scores" in A replaces the whole table, B's records too, as asked.
    InitialiserMeilleursScores(a.ctx);
    EcrireMeilleursScores(a.ctx);
    const std::string recree = LireFichierEntier(a.ctx.CheminScores);
    EXPECT_EQ(recree, OctetsTable(a.g().MeilleursScores));
    b.Jouer(Labyrinthe, 7);   // B has nothing of its own to add: it writes the disk's table back
    EXPECT_EQ(LireFichierEntier(a.ctx.CheminScores), recree);
    EXPECT_EQ(OctetsTable(b.g().MeilleursScores), recree);
    EXPECT_TRUE(a.ports.erreurs.empty());
    EXPECT_TRUE(b.ports.erreurs.empty());
}

// A first start whose default table could not be saved (another copy held the file) never
// writes that table over the records the other copy has saved since: its own go on top of them.
TEST(DeuxCopies, LaTableParDefautNonEnregistreeNEcrasePasLAutre)
{
    Banc a;
    a.ctx.Sauvegardes.delaiVerrouMs = 100;
    {
        std::unique_ptr<SystemeFichiers::Verrou> tenu;
        std::string raison;
        ASSERT_EQ(SystemeFichiersReel().Verrouiller(a.ctx.CheminScores + ".lock", 0, tenu, raison),
            SystemeFichiers::Verrouillage::Ok) << raison;
        LireMeilleursScores(a.ctx);
        ASSERT_FALSE(a.ctx.Sauvegardes.derniereSauvegardeReussie);
    }
    AutreCopie b(a);
    LireMeilleursScores(b.ctx);
    EXPECT_EQ(InsererScore(b.ctx, 1, 3, "BOB", 9000), 1);
    EXPECT_EQ(InsererScore(a.ctx, 2, 9, "ALICE", 8000), 1);
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 1, 3, 1), std::make_pair(std::string("BOB"), 9000));
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 2, 9, 1), std::make_pair(std::string("ALICE"), 8000));
    EXPECT_EQ(OctetsTable(a.g().MeilleursScores), LireFichierEntier(a.ctx.CheminScores));
}

TEST(DeuxCopies, VerrouTenuSignaleUneFoisPuisReessaye)
{
    Banc a;
    LireMeilleursScores(a.ctx);
    a.ctx.Sauvegardes.delaiVerrouMs = 100;
    const std::string avant = LireFichierEntier(a.ctx.CheminScores);
    {
        // Another copy holds the lock, and keeps it past the delay.
        std::unique_ptr<SystemeFichiers::Verrou> tenu;
        std::string raison;
        ASSERT_EQ(SystemeFichiersReel().Verrouiller(a.ctx.CheminScores + ".lock", 0, tenu, raison),
            SystemeFichiers::Verrouillage::Ok) << raison;
        EXPECT_EQ(InsererScore(a.ctx, 5, 500, "ALICE", 9999), 1);
        a.Jouer(Memoire, 2);
        ASSERT_EQ(a.ports.erreurs.size(), 1u);
        EXPECT_NE(a.ports.erreurs[0].find("une autre copie du jeu"), std::string::npos) << a.ports.erreurs[0];
        EXPECT_NE(a.ports.erreurs[0].find("scoresI.lock"), std::string::npos) << a.ports.erreurs[0];
        EXPECT_EQ(LireFichierEntier(a.ctx.CheminScores), avant);
        EXPECT_EQ(a.g().MeilleursScores(5, 500, 1).ValeurScore, 9999);   // kept in memory
    }
    // The lock is free again: the next save writes the record.
    a.Jouer(Memoire, 3);
    EXPECT_EQ(SurDisque(a.ctx.CheminScores, 5, 500, 1), std::make_pair(std::string("ALICE"), 9999));
    EXPECT_EQ(a.ports.erreurs.size(), 1u);
}

TEST(DeuxCopies, SeuleLaCopieEcritLesOctetsDeSaTable)
{
    // One copy running: every file written is its table's bytes, the same table a copy keeping its
    // records in memory only reaches by the same play.
    Banc fichier, memoire;
    memoire.ctx.CheminScores.clear();
    const auto verifier = [&](const char* etape) {
        SCOPED_TRACE(etape);
        const std::string octets = OctetsTable(memoire.g().MeilleursScores);
        EXPECT_EQ(LireFichierEntier(fichier.ctx.CheminScores), octets);
        EXPECT_EQ(OctetsTable(fichier.g().MeilleursScores), octets);
    };
    for (Banc* b : {&fichier, &memoire})
        ChargerOptions(b->ctx);   // a first run: defaults drawn and written
    verifier("first run");
    const struct {
        TTypeJeu type;
        int32_t numero, score;
        const char* nom;
    } parties[] = {{1, 1, 4700, "ANNE"}, {1, 1, 4700, "BRUNO"}, {1, 1, 100, "CLAIRE"}, {3, 42, 4000, "DENIS"},
        {1, 1, 5000, "ÉLODIE"}, {5, 500, 3000, "FRANÇOIS LONG NOM"}};
    for (const auto& p : parties) {
        for (Banc* b : {&fichier, &memoire}) {
            b->Jouer(p.type, p.numero, p.nom);
            InsererScore(b->ctx, p.type, p.numero, p.nom, p.score);
        }
        verifier(p.nom);
    }
    for (Banc* b : {&fichier, &memoire}) {
        InitialiserMeilleursScores(b->ctx);   // "Recréer les meilleurs scores"
        EcrireMeilleursScores(b->ctx);
        InsererScore(b->ctx, 2, 2, "GUY", 4999);
        SauverOptions(b->ctx);
    }
    verifier("re-created");
    EXPECT_TRUE(fichier.ports.erreurs.empty());
}

TEST(CopiesDeSecours, UneCopieNeRemplaceJamaisUnAutreFichier)
{
    Banc banc;
    FichiersDefaillants seam;
    banc.ctx.Sauvegardes.fichiers = &seam;
    const std::string& chemin = banc.ctx.CheminScores;
    // The player's own copy of a good table, beside the file.
    std::string bon(TailleFichierScores, '\0');
    bon.replace(0, 4, "GOOD");
    EcrireFichierEntier(chemin + ".bak", bon);

    // First incident: a file that cannot be read is moved aside under a free name.
    const std::string illisible(400000, 'U');
    EcrireFichierEntier(chemin, illisible);
    seam.cheminIllisible = chemin;
    LireMeilleursScores(banc.ctx);
    seam.cheminIllisible.clear();
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("scoresI.bak.2 »"), std::string::npos) << banc.ports.erreurs[0];
    EXPECT_EQ(LireFichierEntier(chemin + ".bak.2"), illisible);

    // Second incident: a truncated file at the next start.
    const std::string court(1000, 'T');
    EcrireFichierEntier(chemin, court);
    Banc suivant;
    suivant.ctx.CheminScores = chemin;
    LireMeilleursScores(suivant.ctx);
    suivant.Jouer(Labyrinthe, 1);   // a save replaces the short file
    ASSERT_EQ(suivant.ports.erreurs.size(), 1u);
    EXPECT_NE(suivant.ports.erreurs[0].find("scoresI.bak.3 »"), std::string::npos) << suivant.ports.erreurs[0];

    // Every copy is intact.
    EXPECT_EQ(LireFichierEntier(chemin + ".bak"), bon);
    EXPECT_EQ(LireFichierEntier(chemin + ".bak.2"), illisible);
    EXPECT_EQ(LireFichierEntier(chemin + ".bak.3"), court);
    EXPECT_EQ(fs::file_size(chemin), TailleFichierScores);

    // A file damaged while the game runs is kept too, before the save replaces it.
    const std::string abime(500, 'D');
    EcrireFichierEntier(chemin, abime);
    suivant.Jouer(Labyrinthe, 2);
    ASSERT_EQ(suivant.ports.erreurs.size(), 2u);
    EXPECT_NE(suivant.ports.erreurs[1].find("scoresI.bak.4 »"), std::string::npos) << suivant.ports.erreurs[1];
    EXPECT_EQ(LireFichierEntier(chemin + ".bak.4"), abime);
    EXPECT_EQ(LireFichierEntier(chemin), OctetsTable(suivant.g().MeilleursScores));
}

TEST(FichierScores, UnDossierNommeScoresINEstPasTouche)
{
    Banc banc;
    const fs::path dossier = banc.ctx.CheminScores;
    fs::create_directory(dossier);
    EcrireFichierEntier((dossier / "a moi").string(), "mes fichiers");

    ChargerOptions(banc.ctx);
    banc.Jouer(Labyrinthe, 4);
    EXPECT_EQ(InsererScore(banc.ctx, 1, 4, "ALICE", 9000), 1);
    banc.Jouer(Labyrinthe, 5);

    // Reported once; the folder keeps its contents and its name; the records live in memory.
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("n'est pas un fichier"), std::string::npos) << banc.ports.erreurs[0];
    EXPECT_TRUE(fs::is_directory(dossier));
    EXPECT_EQ(LireFichierEntier((dossier / "a moi").string()), "mes fichiers");
    EXPECT_EQ(Entrees(dossier.parent_path()), (std::vector<std::string>{"scoresI", "scoresI.lock"}));
    EXPECT_EQ(banc.g().MeilleursScores(1, 4, 1).ValeurScore, 9000);
    EXPECT_EQ(banc.hasard.Tirages() > 0, true);   // a default table was drawn for the session
}

TEST(FichierScores, TemporairesOubliesEnleves)
{
    Banc banc;
    LireMeilleursScores(banc.ctx);
    const fs::path dossier = banc.dossier.chemin();
    const auto poser = [&](const std::string& nom, std::chrono::minutes age) {
        EcrireFichierEntier((dossier / nom).string(), std::string(1000, 'x'));
        fs::last_write_time(dossier / nom, fs::file_time_type::clock::now() - age);
    };
    // Left by saves killed part-way ten minutes ago, and one being written right now.
    poser("scoresI.4242-0.tmp", std::chrono::minutes(10));
    poser("scoresI.77-12.tmp", std::chrono::minutes(60));
    poser("scoresI.4243-0.tmp", std::chrono::minutes(0));
    // Not ours, however old.
    for (const char* nom : {"scoresI.notes.tmp", "scoresI.1-2.tmp.keep", "autre.1-2.tmp", "scoresI.-2.tmp"})
        poser(nom, std::chrono::minutes(60));

    EXPECT_EQ(InsererScore(banc.ctx, 1, 1, "ALICE", 9000), 1);
    EXPECT_EQ(Entrees(dossier), (std::vector<std::string>{"autre.1-2.tmp", "scoresI", "scoresI.-2.tmp",
                                    "scoresI.1-2.tmp.keep", "scoresI.4243-0.tmp", "scoresI.lock", "scoresI.notes.tmp"}));
    EXPECT_TRUE(banc.ports.erreurs.empty());
}

#ifndef _WIN32

TEST(FichierScores, LienSymboliqueSuivi)
{
    Banc banc;
    // The file is a link to a synced folder's copy.
    const fs::path partage = banc.dossier.chemin() / "partage";
    fs::create_directory(partage);
    const fs::path cible = partage / "scoresI.commun";
    fs::create_symlink("partage/scoresI.commun", banc.ctx.CheminScores);
    LireMeilleursScores(banc.ctx);
    EXPECT_EQ(InsererScore(banc.ctx, 2, 2, "ALICE", 9000), 1);

    EXPECT_TRUE(fs::is_symlink(banc.ctx.CheminScores));
    EXPECT_EQ(fs::read_symlink(banc.ctx.CheminScores), "partage/scoresI.commun");
    EXPECT_EQ(SurDisque(cible.string(), 2, 2, 1), std::make_pair(std::string("ALICE"), 9000));
    // Written beside the target; nothing left behind.
    EXPECT_EQ(Entrees(partage), (std::vector<std::string>{"scoresI.commun", "scoresI.commun.lock"}));
    EXPECT_EQ(Entrees(banc.dossier.chemin()), (std::vector<std::string>{"partage", "scoresI"}));

    // A damaged target is kept beside it.
    EcrireFichierEntier(cible.string(), "court");
    Banc suivant;
    suivant.ctx.CheminScores = banc.ctx.CheminScores;
    LireMeilleursScores(suivant.ctx);
    EXPECT_EQ(LireFichierEntier((partage / "scoresI.commun.bak").string()), "court");
    EXPECT_TRUE(fs::is_symlink(banc.ctx.CheminScores));
}

TEST(FichierScores, ModeEtProprietaireGardes)
{
    Banc banc;
    LireMeilleursScores(banc.ctx);
    const std::string& chemin = banc.ctx.CheminScores;
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
             fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
             fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_all | fs::perms::others_read}) {
        fs::permissions(chemin, mode);
        banc.Jouer(Labyrinthe, 1);
        EXPECT_EQ(fs::status(chemin).permissions(), mode);
    }
    if (::geteuid() == 0) {
        // The administrator gives the new file the old one's owner.
        ASSERT_EQ(::chown(chemin.c_str(), 65534, 65534), 0);
        banc.Jouer(Labyrinthe, 2);
        struct stat st;
        ASSERT_EQ(::stat(chemin.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
    EXPECT_EQ(fs::file_size(chemin), TailleFichierScores);
    EXPECT_TRUE(banc.ports.erreurs.empty());
}

TEST(FichierScores, LectureSeuleGardeEtSignaleeUneFois)
{
    Banc banc;
    LireMeilleursScores(banc.ctx);
    const std::string& chemin = banc.ctx.CheminScores;
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string avant = LireFichierEntier(chemin);
    EnUtilisateurOrdinaire(banc.dossier.chemin(), [&] {
        EXPECT_EQ(InsererScore(banc.ctx, 1, 1, "ALICE", 9000), 1);
        banc.Jouer(Labyrinthe, 2);
        banc.Jouer(Labyrinthe, 3);
        ASSERT_EQ(banc.ports.erreurs.size(), 1u);
        EXPECT_NE(banc.ports.erreurs[0].find("le fichier des scores est en lecture seule"), std::string::npos)
            << banc.ports.erreurs[0];
        EXPECT_EQ(LireFichierEntier(chemin), avant);
        EXPECT_EQ(fs::status(chemin).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(banc.g().MeilleursScores(1, 1, 1).ValeurScore, 9000);   // kept for the session
    });
}

TEST(FichierScores, DossierEnLectureSeuleFichierEcritEnPlace)
{
    // A shared score file in a folder the player may not write to, the file itself writable.
    Banc banc;
    LireMeilleursScores(banc.ctx);
    const fs::path dossier = banc.dossier.chemin();
    const std::string& chemin = banc.ctx.CheminScores;
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(chemin.c_str(), 65534, 65534), 0);
    }
    // No lock file can be made there: the file itself is locked.
    fs::remove(chemin + ".lock");
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    EnUtilisateurOrdinaire(dossier, [&] {
        ASSERT_NE(::access(dossier.c_str(), W_OK), 0) << "the folder must be read-only for this test";
        EXPECT_EQ(InsererScore(banc.ctx, 3, 3, "ALICE", 9000), 1);
        EXPECT_TRUE(banc.ports.erreurs.empty()) << banc.ports.erreurs[0];
        EXPECT_EQ(SurDisque(chemin, 3, 3, 1), std::make_pair(std::string("ALICE"), 9000));
        EXPECT_EQ(LireFichierEntier(chemin), OctetsTable(banc.g().MeilleursScores));
        EXPECT_EQ(Entrees(dossier), std::vector<std::string>{"scoresI"});
    });
    fs::permissions(dossier, fs::perms::owner_all);
}

#endif
