// The file operations on Windows: wide-character paths, the replacement of an existing file, and
// the failures the system reports when another program holds a file.
#include <gtest/gtest.h>

#include "support/Windows.h"

#include <filesystem>
#include <string>

#include "store/Cp1252.h"
#include "store/SystemeFichiers.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;
namespace fs = std::filesystem;

namespace {

std::wstring Large(const std::string& utf8)
{
    const std::u16string s = Utf8VersUtf16(utf8);
    return std::wstring(s.begin(), s.end());
}

std::string Utf8(const fs::path& p)
{
    const std::wstring w = p.wstring();
    return Utf16VersUtf8(std::u16string(w.begin(), w.end()));
}

// Holds a file open with no sharing at all, as an editor or a virus scanner may.
class FichierVerrouille {
public:
    explicit FichierVerrouille(const std::string& chemin)
        : h_(CreateFileW(Large(chemin).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
              FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~FichierVerrouille()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    bool ouvert() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

size_t FichiersDans(const fs::path& dossier)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dossier))
        ++n;
    return n;
}

} // namespace

TEST(SystemeFichiersWindows, CheminAccentueEcritRemplaceEtLu)
{
    DossierTemporaire dossier;
    SystemeFichiers& systeme = SystemeFichiersReel();
    // A UTF-8 path reaches the wide-character calls intact.
    const fs::path fichier = dossier.chemin() / fs::path(L"\u00C9t\u00E9 \u0152uvre") / L"scoresI";
    fs::create_directories(fichier.parent_path());
    const std::string chemin = Utf8(fichier);
    std::string raison, lu;
    ASSERT_TRUE(EcrireAtomiquement(systeme, chemin, "premier", raison)) << raison;
    ASSERT_TRUE(EcrireAtomiquement(systeme, chemin, std::string("second\0\r\n\x1A", 10), raison)) << raison;
    ASSERT_EQ(systeme.Lire(chemin, lu, raison), SystemeFichiers::Lecture::Ok) << raison;
    EXPECT_EQ(lu, std::string("second\0\r\n\x1A", 10));   // bytes, no text-mode translation
    EXPECT_TRUE(fs::exists(fichier));
    EXPECT_EQ(FichiersDans(fichier.parent_path()), 1u);   // no temporary file left behind

    ASSERT_TRUE(systeme.Copier(chemin, chemin + ".bak", raison)) << raison;
    ASSERT_TRUE(EcrireAtomiquement(systeme, chemin, "troisieme", raison)) << raison;
    EXPECT_FALSE(systeme.Copier(chemin, chemin + ".bak", raison));   // never over an existing copy
    ASSERT_EQ(systeme.Lire(chemin + ".bak", lu, raison), SystemeFichiers::Lecture::Ok);
    EXPECT_EQ(lu.size(), 10u);
}

TEST(SystemeFichiersWindows, AbsentOuDossierAbsent)
{
    DossierTemporaire dossier;
    SystemeFichiers& systeme = SystemeFichiersReel();
    std::string raison, lu = "avant";
    EXPECT_EQ(systeme.Lire(Utf8(dossier.chemin() / "scoresI"), lu, raison), SystemeFichiers::Lecture::Absent);
    EXPECT_EQ(systeme.Lire(Utf8(dossier.chemin() / "nulle part" / "scoresI"), lu, raison), SystemeFichiers::Lecture::Absent);
    EXPECT_TRUE(lu.empty());

    // No folder to write in: the system's reason is given, nothing is created.
    const std::string cible = Utf8(dossier.chemin() / "nulle part" / "scoresI");
    EXPECT_FALSE(EcrireAtomiquement(systeme, cible, "x", raison));
    EXPECT_FALSE(raison.empty());
    EXPECT_EQ(raison.find("Windows error"), std::string::npos) << raison;
    EXPECT_EQ(FichiersDans(dossier.chemin()), 0u);
}

TEST(SystemeFichiersWindows, CibleTenueParUnAutreProgramme)
{
    DossierTemporaire dossier;
    SystemeFichiers& systeme = SystemeFichiersReel();
    const std::string chemin = Utf8(dossier.chemin() / "scoresI");
    std::string raison, lu;
    ASSERT_TRUE(EcrireAtomiquement(systeme, chemin, "ancien", raison)) << raison;
    {
        FichierVerrouille verrou(chemin);
        ASSERT_TRUE(verrou.ouvert());
        // The old file stays whole, the temporary file goes, and the reason is the system's.
        raison.clear();
        EXPECT_FALSE(EcrireAtomiquement(systeme, chemin, "nouveau", raison));
        EXPECT_FALSE(raison.empty());
        EXPECT_EQ(FichiersDans(dossier.chemin()), 1u);
        raison.clear();
        EXPECT_EQ(systeme.Lire(chemin, lu, raison), SystemeFichiers::Lecture::Erreur);
        EXPECT_FALSE(raison.empty());
    }
    ASSERT_EQ(systeme.Lire(chemin, lu, raison), SystemeFichiers::Lecture::Ok);
    EXPECT_EQ(lu, "ancien");
    ASSERT_TRUE(EcrireAtomiquement(systeme, chemin, "nouveau", raison)) << raison;
    ASSERT_EQ(systeme.Lire(chemin, lu, raison), SystemeFichiers::Lecture::Ok);
    EXPECT_EQ(lu, "nouveau");
}

TEST(SystemeFichiersWindows, DossierALaPlaceDuFichier)
{
    DossierTemporaire dossier;
    SystemeFichiers& systeme = SystemeFichiersReel();
    const fs::path cible = dossier.chemin() / "scoresI";
    fs::create_directory(cible);
    std::string raison, lu;
    EXPECT_FALSE(EcrireAtomiquement(systeme, Utf8(cible), "x", raison));
    EXPECT_FALSE(raison.empty());
    EXPECT_TRUE(fs::is_directory(cible));
    EXPECT_EQ(FichiersDans(dossier.chemin()), 1u);
    EXPECT_NE(systeme.Lire(Utf8(cible), lu, raison), SystemeFichiers::Lecture::Ok);
}
