// The in-memory file system stands in for the disk in the browser, in the fuzz targets and in the
// save tests: what it answers is only worth anything if the machine's own file system answers the
// same. The same refusals and results are asked of both here: what the save path meets on a real
// disk (a name taken, a folder in the way, a link, a lock held) and what it is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "store/SystemeFichiers.h"
#include "store/SystemeFichiersMemoire.h"

using namespace cogitelle;
using G = SystemeFichiers::Genre;
using L = SystemeFichiers::Lecture;
using V = SystemeFichiers::Verrouillage;

namespace {

// Puts files, folders and links where a case needs them, and names the paths.
class Banc {
public:
    virtual ~Banc() = default;
    virtual SystemeFichiers& Fs() = 0;
    virtual std::string Chemin(const std::string& nom) = 0;
    virtual void Fichier(const std::string& nom, const std::string& octets) = 0;
    virtual void Dossier(const std::string& nom) = 0;
    virtual void Lien(const std::string& nom, const std::string& cible) = 0;
};

class BancMemoire : public Banc {
public:
    SystemeFichiers& Fs() override { return fs; }
    std::string Chemin(const std::string& nom) override { return "jeu/" + nom; }
    void Fichier(const std::string& nom, const std::string& octets) override { fs.Poser(Chemin(nom), octets); }
    void Dossier(const std::string& nom) override { fs.noeuds[Chemin(nom)].genre = G::Dossier; }
    void Lien(const std::string& nom, const std::string& cible) override { fs.noeuds[Chemin(nom)].lien = cible; }
    SystemeFichiersMemoire fs;
};

class BancDisque : public Banc {
public:
    BancDisque()
    {
        dossier = std::filesystem::temp_directory_path() /
            ("cogitelle-contrat-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }
    ~BancDisque() override { std::filesystem::remove_all(dossier); }
    SystemeFichiers& Fs() override { return SystemeFichiersReel(); }
    std::string Chemin(const std::string& nom) override { return (dossier / nom).string(); }
    void Fichier(const std::string& nom, const std::string& octets) override
    {
        std::ofstream(dossier / nom, std::ios::binary) << octets;
    }
    void Dossier(const std::string& nom) override { std::filesystem::create_directory(dossier / nom); }
    void Lien(const std::string& nom, const std::string& cible) override
    {
        std::filesystem::create_symlink(cible, dossier / nom);
    }
    std::filesystem::path dossier;
};

template <class B>
class ContratSystemeFichiers : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        if constexpr (std::is_same_v<B, BancDisque>)
            GTEST_SKIP() << "the disk's answers are compared on POSIX systems; Windows has its own save tests";
#endif
        banc = std::make_unique<B>();
    }
    std::string Lu(const std::string& nom)
    {
        std::string octets, raison;
        return banc->Fs().Lire(banc->Chemin(nom), octets, raison) == L::Ok ? octets : "<" + raison + ">";
    }
    std::unique_ptr<Banc> banc;
};

using Bancs = ::testing::Types<BancMemoire, BancDisque>;
TYPED_TEST_SUITE(ContratSystemeFichiers, Bancs);

} // namespace

TYPED_TEST(ContratSystemeFichiers, LectureLiensEtListe)
{
    Banc& b = *this->banc;
    SystemeFichiers& fs = b.Fs();
    b.Fichier("scoresI", "table");
    b.Dossier("sauvegardes");
    b.Lien("raccourci", "relais");   // a link to a link to the file, both relative
    b.Lien("relais", "scoresI");
    std::string octets, raison;

    EXPECT_EQ(fs.Lire(b.Chemin("absent"), octets, raison), L::Absent);
    EXPECT_EQ(fs.Etat(b.Chemin("absent")).genre, G::Absent);
    EXPECT_EQ(fs.Lire(b.Chemin("sauvegardes"), octets, raison), L::Erreur);
    EXPECT_EQ(raison, "Is a directory");
    EXPECT_EQ(fs.Etat(b.Chemin("sauvegardes")).genre, G::Dossier);

    EXPECT_EQ(fs.Resoudre(b.Chemin("raccourci")), b.Chemin("scoresI"));
    EXPECT_EQ(fs.Resoudre(b.Chemin("scoresI")), b.Chemin("scoresI"));
    EXPECT_EQ(this->Lu("raccourci"), "table");
    EXPECT_EQ(fs.Etat(b.Chemin("raccourci")).genre, G::Fichier);

    // A link that leads round in a loop is an error, not a missing file to create.
    b.Lien("boucle", "boucle");
    EXPECT_EQ(fs.Lire(b.Chemin("boucle"), octets, raison), L::Erreur);
    EXPECT_EQ(raison, "Too many levels of symbolic links");
    EXPECT_EQ(fs.Etat(b.Chemin("boucle")).genre, G::Erreur);
    b.Lien("perdu", "absent");   // a link to nothing is a missing file
    EXPECT_EQ(fs.Lire(b.Chemin("perdu"), octets, raison), L::Absent);
    EXPECT_EQ(fs.Etat(b.Chemin("perdu")).genre, G::Absent);

    auto noms = fs.Lister(DossierDe(b.Chemin("scoresI")));
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"boucle", "perdu", "raccourci", "relais", "sauvegardes", "scoresI"}));
}

TYPED_TEST(ContratSystemeFichiers, UnNomPrisOuUnDossierEnTraversNeChangentRien)
{
    Banc& b = *this->banc;
    SystemeFichiers& fs = b.Fs();
    b.Fichier("scoresI", "ancienne");
    b.Fichier("scoresI.bak", "copie du joueur");
    b.Dossier("dossier");
    std::string raison;

    // Each refusal says why, in the system's words.
    const auto refus = [&](bool fait, const std::string& attendu) {
        EXPECT_FALSE(fait);
        EXPECT_EQ(raison, attendu);
        raison.clear();
    };
    // A backup never goes over another file, by copy or by move.
    refus(fs.Copier(b.Chemin("scoresI"), b.Chemin("scoresI.bak"), raison), "File exists");
    refus(fs.Deplacer(b.Chemin("scoresI"), b.Chemin("scoresI.bak"), raison), "File exists");
    // A file never takes a folder's place.
    refus(fs.Remplacer(b.Chemin("scoresI"), b.Chemin("dossier"), raison), "Is a directory");
    // Nothing to move, copy or write over.
    refus(fs.Remplacer(b.Chemin("absent"), b.Chemin("scoresI"), raison), "No such file or directory");
    refus(fs.Copier(b.Chemin("absent"), b.Chemin("neuf"), raison), "No such file or directory");
    refus(fs.EcrireEnPlace(b.Chemin("absent"), raison) != nullptr, "No such file or directory");
    EXPECT_EQ(fs.EcrireEnPlace(b.Chemin("dossier"), raison), nullptr);
    EXPECT_FALSE(raison.empty());
    EXPECT_FALSE(fs.CopierAttributs(fs.Etat(b.Chemin("scoresI")), b.Chemin("absent"), raison));

    EXPECT_EQ(this->Lu("scoresI"), "ancienne");
    EXPECT_EQ(this->Lu("scoresI.bak"), "copie du joueur");
    EXPECT_EQ(fs.Etat(b.Chemin("dossier")).genre, G::Dossier);
    EXPECT_EQ(fs.Etat(b.Chemin("neuf")).genre, G::Absent);

    // What may be done is done: a free name takes the copy, a rename replaces.
    EXPECT_TRUE(fs.Copier(b.Chemin("scoresI"), b.Chemin("scoresI.bak.2"), raison)) << raison;
    EXPECT_TRUE(fs.Remplacer(b.Chemin("scoresI.bak"), b.Chemin("scoresI"), raison)) << raison;
    EXPECT_EQ(this->Lu("scoresI"), "copie du joueur");
    EXPECT_EQ(this->Lu("scoresI.bak.2"), "ancienne");
    EXPECT_EQ(fs.Etat(b.Chemin("scoresI.bak")).genre, G::Absent);
}

TYPED_TEST(ContratSystemeFichiers, EcritureEnPlaceEtTemporaire)
{
    Banc& b = *this->banc;
    SystemeFichiers& fs = b.Fs();
    b.Fichier("scoresI", "une longue table ancienne");
    std::string raison, temporaire;

    // Written over from its first byte and cut at the last byte written.
    auto flux = fs.EcrireEnPlace(b.Chemin("scoresI"), raison);
    ASSERT_NE(flux, nullptr) << raison;
    EXPECT_TRUE(flux->Ecrire("neuve", 5, raison));
    EXPECT_TRUE(flux->Terminer(raison)) << raison;
    flux.reset();
    EXPECT_EQ(this->Lu("scoresI"), "neuve");

    flux = fs.CreerTemporaire(b.Chemin("scoresI"), temporaire, raison);
    ASSERT_NE(flux, nullptr) << raison;
    EXPECT_TRUE(EstTemporaireDe(NomDe(temporaire), "scoresI"));
    EXPECT_EQ(DossierDe(temporaire), DossierDe(b.Chemin("scoresI")));
    EXPECT_TRUE(flux->Ecrire("remplaçante", 12, raison));
    EXPECT_TRUE(flux->Terminer(raison)) << raison;
    flux.reset();
    EXPECT_TRUE(fs.Remplacer(temporaire, b.Chemin("scoresI"), raison)) << raison;
    EXPECT_EQ(this->Lu("scoresI"), "remplaçante");
}

TYPED_TEST(ContratSystemeFichiers, UnVerrouTenuEstRefuseAUnSecond)
{
    Banc& b = *this->banc;
    SystemeFichiers& fs = b.Fs();
    b.Dossier("dossier");
    std::unique_ptr<SystemeFichiers::Verrou> premier, second;
    std::string raison;

    ASSERT_EQ(fs.Verrouiller(b.Chemin("scoresI.lock"), 0, premier, raison), V::Ok) << raison;
    EXPECT_EQ(fs.Etat(b.Chemin("scoresI.lock")).genre, G::Fichier);   // made when missing
    EXPECT_EQ(fs.Verrouiller(b.Chemin("scoresI.lock"), 0, second, raison), V::Occupe);
    EXPECT_EQ(second, nullptr);
    premier.reset();
    EXPECT_EQ(fs.Verrouiller(b.Chemin("scoresI.lock"), 0, second, raison), V::Ok) << raison;
    EXPECT_EQ(fs.Verrouiller(b.Chemin("dossier"), 0, premier, raison), V::Erreur);
}
