// The score file on Windows: the lock copies of the game share (LockFileEx), a file marked
// read-only, the replacement of the file by MoveFileExW, and the settings store the program makes.
#include <gtest/gtest.h>

#include "support/Windows.h"

#include <filesystem>
#include <string>

#include "store/MeilleursScores.h"
#include "store/SystemeFichiers.h"
#include "store/OptionsScenarios.h"
#include "store/qt/MagasinSysteme.h"
#include "store/win/MagasinRegistre.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;
namespace fs = std::filesystem;

TEST(ScoresWindows, VerrouDUneAutreCopie)
{
    Banc a;
    LireMeilleursScores(a.ctx);
    a.ctx.Sauvegardes.delaiVerrouMs = 100;
    const std::string avant = LireFichierEntier(a.ctx.CheminScores);
    {
        // Another copy of the game holds the lock file with LockFileEx.
        const std::wstring verrou = fs::path(a.ctx.CheminScores + ".lock").wstring();
        HANDLE h = CreateFileW(verrou.c_str(), GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        OVERLAPPED ov{};
        ov.OffsetHigh = 0x40000000;
        ASSERT_TRUE(LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &ov));
        EXPECT_EQ(InsererScore(a.ctx, 2, 2, "ALICE", 9000), 1);
        EcrireMeilleursScores(a.ctx);
        ASSERT_EQ(a.ports.erreurs.size(), 1u);
        EXPECT_NE(a.ports.erreurs[0].find("une autre copie du jeu"), std::string::npos) << a.ports.erreurs[0];
        EXPECT_EQ(LireFichierEntier(a.ctx.CheminScores), avant);
        // The lock keeps no one from reading the file itself.
        EXPECT_EQ(LireFichierEntier(a.ctx.CheminScores + ".lock"), "");
        UnlockFileEx(h, 0, 1, 0, &ov);
        CloseHandle(h);
    }
    EcrireMeilleursScores(a.ctx);
    EXPECT_TRUE(a.ctx.Sauvegardes.derniereSauvegardeReussie);
    EXPECT_EQ(LireFichierEntier(a.ctx.CheminScores), OctetsTable(a.g().MeilleursScores));
    EXPECT_EQ(a.g().MeilleursScores(2, 2, 1).ValeurScore, 9000);

    // Two copies: each one's record survives the other's save.
    Banc b;
    b.ctx.CheminScores = a.ctx.CheminScores;
    LireMeilleursScores(b.ctx);
    EXPECT_EQ(InsererScore(a.ctx, 1, 1, "ALICE", 9500), 1);
    EXPECT_EQ(InsererScore(b.ctx, 1, 2, "BOB", 9400), 1);
    auto table = std::make_unique<TableMeilleursScores>();
    LireOctetsTable(*table, LireFichierEntier(a.ctx.CheminScores));
    EXPECT_EQ((*table)(1, 1, 1).ValeurScore, 9500);
    EXPECT_EQ((*table)(1, 2, 1).ValeurScore, 9400);
    EXPECT_EQ(a.ports.erreurs.size(), 1u);
    EXPECT_TRUE(b.ports.erreurs.empty());
}

TEST(ScoresWindows, FichierEnLectureSeule)
{
    Banc banc;
    LireMeilleursScores(banc.ctx);
    const std::wstring chemin = fs::path(banc.ctx.CheminScores).wstring();
    const std::string avant = LireFichierEntier(banc.ctx.CheminScores);
    ASSERT_TRUE(SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(InsererScore(banc.ctx, 1, 1, "ALICE", 9000), 1);
    EcrireMeilleursScores(banc.ctx);
    ASSERT_EQ(banc.ports.erreurs.size(), 1u);
    EXPECT_NE(banc.ports.erreurs[0].find("le fichier des scores est en lecture seule"), std::string::npos)
        << banc.ports.erreurs[0];
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), avant);
    EXPECT_TRUE(GetFileAttributesW(chemin.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(banc.g().MeilleursScores(1, 1, 1).ValeurScore, 9000);

    // The player clears the mark: the record kept in memory is saved.
    ASSERT_TRUE(SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL));
    EcrireMeilleursScores(banc.ctx);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), OctetsTable(banc.g().MeilleursScores));
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);
}

TEST(ScoresWindows, RemplaceParMoveFileExPendantUneLecture)
{
    Banc banc;
    LireMeilleursScores(banc.ctx);
    // A reader that lets others delete and rename (as a backup tool does) does not stop the save.
    const std::wstring chemin = fs::path(banc.ctx.CheminScores).wstring();
    HANDLE lecteur = CreateFileW(chemin.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lecteur, INVALID_HANDLE_VALUE);
    EXPECT_EQ(InsererScore(banc.ctx, 5, 5, "ALICE", 9000), 1);
    CloseHandle(lecteur);
    if (!banc.ctx.Sauvegardes.derniereSauvegardeReussie)
        EcrireMeilleursScores(banc.ctx);   // where the system refuses it, the next save does it
    EXPECT_TRUE(banc.ctx.Sauvegardes.derniereSauvegardeReussie);
    EXPECT_EQ(LireFichierEntier(banc.ctx.CheminScores), OctetsTable(banc.g().MeilleursScores));
    for (const auto& e : fs::directory_iterator(banc.dossier.chemin()))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

TEST(ScoresWindows, LeProgrammePrendLeRegistre)
{
    // The store main() makes through CreerMagasinSysteme is the registry's.
    const std::unique_ptr<MagasinOptions> m = CreerMagasinSysteme();
    EXPECT_NE(dynamic_cast<MagasinRegistre*>(m.get()), nullptr);
}

TEST(ScoresWindows, LienSymboliqueSuivi)
{
    Banc banc;
    const fs::path partage = banc.dossier.chemin() / "partage";
    fs::create_directory(partage);
    const fs::path cible = partage / "scoresI.commun";
    EcrireFichierEntier(cible.string(), std::string(TailleFichierScores, '\0'));
    const std::wstring lien = fs::path(banc.ctx.CheminScores).wstring();
    if (!CreateSymbolicLinkW(lien.c_str(), cible.wstring().c_str(), 0x2 /* unprivileged */))
        GTEST_SKIP() << "this system makes no symbolic link here (error " << GetLastError() << ")";
    if (!(GetFileAttributesW(lien.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "this system does not show the link it made as a reparse point";
    // Wine makes its links as Unix ones, which it cannot open as reparse points: nothing to follow.
    if (SystemeFichiersReel().Resoudre(banc.ctx.CheminScores) == banc.ctx.CheminScores)
        GTEST_SKIP() << "this system does not give the target of the link it made";
    LireMeilleursScores(banc.ctx);
    EXPECT_EQ(InsererScore(banc.ctx, 2, 2, "ALICE", 9000), 1);
    EXPECT_TRUE(GetFileAttributesW(lien.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);   // still a link
    auto table = std::make_unique<TableMeilleursScores>();
    ASSERT_EQ(LireOctetsTable(*table, LireFichierEntier(cible.string())), TailleFichierScores / 16);
    EXPECT_EQ(NomEnregistrement((*table)(2, 2, 1)), "ALICE");
    EXPECT_TRUE(banc.ports.erreurs.empty());
}
