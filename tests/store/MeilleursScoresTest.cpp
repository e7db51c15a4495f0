#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <iterator>

#include "store/Cp1252.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

std::string LireFichier(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void EcrireFichier(const std::string& chemin, const std::string& octets)
{
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

uint64_t Fnv1a(const std::string& s)
{
    uint64_t h = 1469598103934665603ull;
    for (unsigned char ch : s) {
        h ^= ch;
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace

TEST(FichierScores, DispositionDesOctets)
{
    Banc banc;
    TableMeilleursScores& t = banc.g().MeilleursScores;
    EcrireNom(t(2, 1, 1), "JOHN");
    t(2, 1, 1).ValeurScore = 0x01020304;
    EcrireNom(t(5, 500, 10), "ABCDEFGHIJKL");
    t(5, 500, 10).ValeurScore = -2;
    EcrireMeilleursScores(banc.ctx);
    const std::string o = LireFichier(banc.ctx.CheminScores);
    ASSERT_EQ(o.size(), 400000u);
    EXPECT_EQ(o.substr(80000, 16), std::string("JOHN\0\0\0\0\0\0\0\0\x04\x03\x02\x01", 16));
    EXPECT_EQ(o.substr(399984, 16), std::string("ABCDEFGHIJKL\xFE\xFF\xFF\xFF", 16));
    EXPECT_EQ(o.substr(79984, 16), std::string(16, '\0'));
}

TEST(FichierScores, NomSuiviDeZeroEtDeDechets)
{
    Banc banc;
    std::string o(400000, '\0');
    const std::string champ("JOHN\0\x41\xFF\x12QRS", 12);
    o.replace(0, 12, champ);
    o.replace(16, 12, "ABCDEFGHIJKL");
    EcrireFichier(banc.ctx.CheminScores, o);
    LireMeilleursScores(banc.ctx);
    EXPECT_EQ(NomEnregistrement(banc.g().MeilleursScores(1, 1, 1)), "JOHN");
    EXPECT_EQ(NomEnregistrement(banc.g().MeilleursScores(1, 1, 2)), "ABCDEFGHIJKL");
    EXPECT_TRUE(banc.ports.erreurs.empty());
}

TEST(FichierScores, TableParDefautSansFichier)
{
    Banc banc;   // the generator in its start state, as at a first run
    LireMeilleursScores(banc.ctx);
    const std::string o = LireFichier(banc.ctx.CheminScores);
    ASSERT_EQ(o.size(), 400000u);
    EXPECT_EQ(banc.hasard.Tirages(), 50000u);   // a name then a score per record
    const TableMeilleursScores& t = banc.g().MeilleursScores;
    for (int type = 1; type <= 5; ++type)
        for (int p = 1; p <= 500; ++p) {
            const int32_t premier = t(type, p, 1).ValeurScore;
            ASSERT_GE(premier, 4650 - 50 - 2 * p);
            ASSERT_LE(premier, 4650 - 1 - 2 * p);
            for (int r = 2; r <= 10; ++r) {
                const int32_t ecart = t(type, p, r - 1).ValeurScore - t(type, p, r).ValeurScore;
                ASSERT_GE(ecart, 1);
                ASSERT_LE(ecart, 99);
            }
            const std::string nom = NomEnregistrement(t(type, p, 1));
            ASSERT_NE(std::find_if(std::begin(NomsParDefaut), std::end(NomsParDefaut),
                          [&](const char* n) { return nom == n; }),
                std::end(NomsParDefaut));
        }
    // The same on every machine: pinned by the bytes' fingerprint.
    EXPECT_EQ(Fnv1a(o), Fnv1a(OctetsTable(t)));
    EXPECT_EQ(Fnv1a(o), 0x9fdf739fd2c85e3bull) << std::hex << Fnv1a(o);
}

TEST(FichierScores, FichierCourtEtOctetsEnTrop)
{
    Banc banc;
    TableMeilleursScores& t = banc.g().MeilleursScores;
    t(1, 1, 2).ValeurScore = 77;   // beyond what the short file holds: kept
    std::string o(20, '\0');
    o.replace(0, 4, "ZOE");
    o[12] = 5;
    EcrireFichier(banc.ctx.CheminScores, o);
    LireMeilleursScores(banc.ctx);
    EXPECT_EQ(NomEnregistrement(t(1, 1, 1)), "ZOE");
    EXPECT_EQ(t(1, 1, 1).ValeurScore, 5);
    EXPECT_EQ(t(1, 1, 2).ValeurScore, 77);
    EXPECT_EQ(banc.ports.erreurs.size(), 1u);

    Banc autre;
    std::string long_(400000, '\0');
    long_ += "JUNK AFTER THE TABLE";
    long_[12] = 9;
    EcrireFichier(autre.ctx.CheminScores, long_);
    LireMeilleursScores(autre.ctx);
    EXPECT_EQ(autre.g().MeilleursScores(1, 1, 1).ValeurScore, 9);
    EXPECT_TRUE(autre.ports.erreurs.empty());
    EcrireMeilleursScores(autre.ctx);
    EXPECT_EQ(std::filesystem::file_size(autre.ctx.CheminScores), 400000u);
}

TEST(FichierScores, InsertionAuxBornes)
{
    Banc banc;
    banc.g().TypeJeu = 3;
    banc.g().NumeroTableau = 9;
    TableMeilleursScores& t = banc.g().MeilleursScores;
    for (int r = 1; r <= 10; ++r)
        t(3, 9, r).ValeurScore = 50;   // all equal
    EXPECT_EQ(InsererScore(banc.ctx, 3, 9, "A", 50), 0);
    EXPECT_EQ(InsererScore(banc.ctx, 3, 9, "B", 51), 1);
    EXPECT_EQ(InsererScore(banc.ctx, 3, 9, "C", 51), 2);
    EXPECT_EQ(InsererScore(banc.ctx, 3, 9, "D", 50), 0);   // equal to the tenth
    EXPECT_EQ(NomEnregistrement(t(3, 9, 1)), "B");
    EXPECT_EQ(NomEnregistrement(t(3, 9, 2)), "C");
    EXPECT_EQ(t(3, 9, 10).ValeurScore, 50);
}

TEST(Cp1252, LesDeuxCentCinquanteSixOctets)
{
    for (int b = 0; b < 256; ++b) {
        const std::string octet(1, static_cast<char>(b));
        const std::string utf8 = Cp1252VersUtf8(octet);
        std::string retour;
        EXPECT_TRUE(Utf8VersCp1252(utf8, retour)) << b;
        EXPECT_EQ(retour, octet) << b;
    }
    EXPECT_EQ(Cp1252VersUtf8("\x80\x8C\x8A\xC9\x9F"), "€ŒŠÉŸ");
    EXPECT_EQ(Cp1252VersUtf8("\x81"), "\xC2\x81");   // undefined: kept as its C1 control
    std::string o;
    EXPECT_FALSE(Utf8VersCp1252("A\xE4\xB8\xADZ", o));   // a CJK character has no byte
    EXPECT_EQ(o, "A?Z");
    EXPECT_TRUE(RepresentableCp1252("ŒUVRE ÉTÉ"));
    EXPECT_FALSE(RepresentableCp1252("Ω"));
}

TEST(FichierScores, NomAvecLettresWindows1252)
{
    Banc banc;
    EcrireNom(banc.g().MeilleursScores(1, 2, 3), "ŒDIPE ÉMILE");
    EcrireMeilleursScores(banc.ctx);
    const std::string o = LireFichier(banc.ctx.CheminScores);
    EXPECT_EQ(o.substr((10 + 2) * 16, 12), std::string("\x8C" "DIPE \xC9MILE\0", 12));
    Banc autre;
    autre.ctx.CheminScores = banc.ctx.CheminScores;
    LireMeilleursScores(autre.ctx);
    EXPECT_EQ(NomEnregistrement(autre.g().MeilleursScores(1, 2, 3)), "ŒDIPE ÉMILE");
}

TEST(Cp1252, NomNormalise)
{
    EXPECT_EQ(NormaliserNom("élodie"), "ÉLODIE");
    EXPECT_EQ(NormaliserNom("œdipe ÿves"), "ŒDIPE ŸVES");
    EXPECT_EQ(NormaliserNom("abcdefghijklmnop"), "ABCDEFGHIJKL");
    EXPECT_EQ(NormaliserNom("a\xCE\xA9" "b\tc"), "ABC");   // Omega has no byte; tab is a control
    EXPECT_EQ(NormaliserNom("ßé€"), "ßÉ€");   // no single-letter capital of ß in Windows-1252
}

TEST(Cp1252, NomNormaliseCompteLesCaracteres)
{
    EXPECT_EQ(NormaliserNom("ééééééééééééé"), "ÉÉÉÉÉÉÉÉÉÉÉÉ");   // 12 characters, 24 bytes of UTF-8
    EXPECT_EQ(NormaliserNom("\xC2\x81" "a\xC2\x9F" "b"), "AB");   // C1 controls are no characters to keep
    EXPECT_EQ(NormaliserNom("ÿ"), "Ÿ");
    EXPECT_EQ(NormaliserNom("\xFF\xFEzoé"), "ZOÉ");   // invalid UTF-8 dropped
    EXPECT_EQ(NormaliserNom(""), "");
    // What the name field keeps, the score file holds byte for byte.
    EnregistrementScore e;
    EcrireNom(e, NormaliserNom("œuvre d'été šž"));
    EXPECT_EQ(std::string(e.NomScore, 12), "\x8CUVRE D'\xC9T\xC9 ");
    EXPECT_EQ(NomEnregistrement(e), "ŒUVRE D'ÉTÉ ");
}

TEST(Cp1252, Utf16)
{
    const std::string texte = "AÉ€\xF0\x9F\x98\x80";   // the last one needs a surrogate pair
    const std::u16string large = Utf8VersUtf16(texte);
    EXPECT_EQ(large, (std::u16string{u'A', 0x00C9, 0x20AC, 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16VersUtf8(large), texte);
    EXPECT_EQ(Utf16VersUtf8(std::u16string{u'a', 0xD800, u'b'}), "a\xEF\xBF\xBD" "b");
}

// The browser's Import: a file is taken only when the game could have written it; each refusal
// says why, and the table it was read into is a scratch table the caller throws away.
TEST(MeilleursScores, ImportNAccepteQueCeQueLeJeuPeutEcrire)
{
    Banc banc;
    InitialiserMeilleursScores(banc.ctx);
    ASSERT_EQ(InsererScore(banc.ctx, Differences, 250, "ÉLODIE", 9999), 1);
    const std::string sain = OctetsTable(banc.g().MeilleursScores);
    auto table = std::make_unique<TableMeilleursScores>();
    std::string raison;
    ASSERT_TRUE(LireFichierImporte(sain, *table, raison)) << raison;
    EXPECT_EQ(OctetsTable(*table), sain);
    EXPECT_EQ(NomEnregistrement((*table)(Differences, 250, 1)), "ÉLODIE");

    const auto refuse = [&](std::string octets, const std::string& attendue) {
        std::string r;
        EXPECT_FALSE(LireFichierImporte(octets, *table, r));
        EXPECT_NE(r.find(attendue), std::string::npos) << r;
    };
    refuse(sain.substr(0, TailleFichierScores - 1), "celui-ci en a 399999");
    refuse(sain + "x", "celui-ci en a 400001");
    // A name with a control character, one with bytes after its end, a byte Windows-1252 lacks.
    const size_t nom = 16 * 1234;
    std::string controle = sain;
    controle[nom + 1] = '\x07';
    refuse(controle, "noms de joueurs");
    std::string apresLaFin = sain;
    std::memset(&apresLaFin[nom], 0, 12);
    apresLaFin[nom] = 'A';
    apresLaFin[nom + 5] = 'B';
    refuse(apresLaFin, "noms de joueurs");
    std::string indefini = sain;
    indefini[nom] = '\x81';
    refuse(indefini, "noms de joueurs");
    // A list whose second score beats its first.
    std::string desordre = sain;
    const size_t second = 16 * (10 * 777 + 1) + 12;
    desordre[second + 3] = 0x7F;
    refuse(desordre, "rangés");
    // A name of all twelve bytes, with no 0 after it, is one the game writes.
    std::string plein = sain;
    std::memcpy(&plein[nom], "ABCDEFGHIJKL", 12);
    EXPECT_TRUE(LireFichierImporte(plein, *table, raison)) << raison;
}
