// The options on the QSettings backend: the same scenarios as in memory, the INI file's content,
// hand-edited values and write failures.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <cstdlib>
#include <filesystem>

#include "store/Options.h"
#include "app/Programme.h"
#include "store/OptionsScenarios.h"
#include "store/qt/MagasinQSettings.h"
#include "store/qt/MagasinSysteme.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;
namespace fs = std::filesystem;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct AdaptateurQSettings {
    DossierTemporaire dossier;
    QString chemin = Q((dossier.chemin() / "Ludivex" / "COGITELLE I.ini").string());
    MagasinQSettings m{chemin};

    MagasinOptions& Magasin() { return m; }
    void Planter(const std::string& nom, const std::vector<uint8_t>& octets)
    {
        QSettings s(chemin, QSettings::IniFormat);
        s.setValue(Q(nom), QByteArray(reinterpret_cast<const char*>(octets.data()), static_cast<qsizetype>(octets.size())));
    }
    void PlanterTexte(const std::string& nom, const std::string& texte)
    {
        QSettings s(chemin, QSettings::IniFormat);
        s.setValue(Q(nom), Q(texte));
    }
    void Vider()
    {
        QSettings s(chemin, QSettings::IniFormat);
        s.clear();
    }
    ValeurLue Lire(const std::string& nom)
    {
        QSettings s(chemin, QSettings::IniFormat);
        if (!s.contains(Q(nom)))
            return {};
        const QVariant v = s.value(Q(nom));
        ValeurLue l;
        l.present = true;
        l.binaire = v.typeId() == QMetaType::QByteArray;
        if (l.binaire) {
            const QByteArray o = v.toByteArray();
            l.octets.assign(o.begin(), o.end());
        } else {
            l.texte = v.toString().toStdString();
        }
        return l;
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(QSettings, ScenariosOptions, ::testing::Types<AdaptateurQSettings>);

using ScenariosQSettings = ScenariosOptions<AdaptateurQSettings>;

TEST_F(ScenariosQSettings, ContenuDuFichierIni)
{
    Banc& b = Demarrer();
    b.Jouer(Differences, 42, "ÉMILE");
    const std::string ini = LireFichierEntier(a.chemin.toStdString());
    // Numbers as byte arrays of their exact size, the name as a plain string.
    const std::string attendu =
        "[General]\n"
        "optionCouleurFondEcran=@ByteArray(\\0\\0@\\0)\n"
        "optionCouleurTableauDeJeu=@ByteArray(\\0\\0\\0\\0)\n"
        "optionNumeroTableau=@ByteArray(*\\0\\0\\0)\n"
        "optionTypeJeu=@ByteArray(\\x3\\0\\0\\0)\n"
        "optionYourName=\xC3\x89MILE\n"
        "verif=@ByteArray(\\x1)\n";
    EXPECT_EQ(ini, attendu);
}

TEST_F(ScenariosQSettings, ValeursEditeesALaMain)
{
    fs::create_directories(fs::path(a.chemin.toStdString()).parent_path());
    EcrireFichierEntier(a.chemin.toStdString(),
        "[General]\n"
        "verif=@ByteArray(\\x1)\n"
        "optionCouleurTableauDeJeu=@ByteArray(\\x1\\x2\\x3\\0\\0)\n"   // 5 bytes
        "optionNumeroTableau=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)\n"    // an int, not bytes
        "optionTypeJeu=2\n"                                           // a string
        "optionYourName=zo\xC3\xA9\n");
    Banc& b = Demarrer();
    ASSERT_EQ(b.ports.erreurs.size(), 3u);
    EXPECT_NE(b.ports.erreurs[0].find("« optionCouleurTableauDeJeu »"), std::string::npos) << b.ports.erreurs[0];
    EXPECT_NE(b.ports.erreurs[1].find("« optionNumeroTableau »"), std::string::npos) << b.ports.erreurs[1];
    EXPECT_NE(b.ports.erreurs[2].find("« optionTypeJeu »"), std::string::npos) << b.ports.erreurs[2];
    EXPECT_EQ(Trace().lectures.back(), "optionYourName");
    // Puzzle and type missing: the defaults come back and are written in the right form.
    AttendreValeursParDefaut(b.g());
    AttendreStockeParDefaut();
    Banc& suite = Demarrer();
    EXPECT_TRUE(suite.ports.erreurs.empty());
}

TEST_F(ScenariosQSettings, EcritureImpossibleSignaleeUneFoisParEpisode)
{
    // A file where the folder should be: the settings cannot be written, whoever runs the test.
    const fs::path dossier = fs::path(a.chemin.toStdString()).parent_path();
    const auto bloquer = [&](bool oui) {
        fs::remove_all(dossier);
        if (oui)
            EcrireFichierEntier(dossier.string(), "not a folder");
    };
    bloquer(true);
    Banc& b = Demarrer();   // a first run, whose save fails
    ASSERT_EQ(b.ports.erreurs.size(), 1u);
    EXPECT_NE(b.ports.erreurs[0].find("COGITELLE I.ini"), std::string::npos) << b.ports.erreurs[0];
    EXPECT_EQ(fs::file_size(b.ctx.CheminScores), TailleFichierScores);   // the records are saved all the same
    SauverOptions(b.ctx);
    EXPECT_EQ(b.ports.erreurs.size(), 1u);

    bloquer(false);
    SauverOptions(b.ctx);
    EXPECT_EQ(b.ports.erreurs.size(), 1u);
    EXPECT_EQ(a.Lire("verif").octets, std::vector<uint8_t>{1});

    bloquer(true);
    SauverOptions(b.ctx);
    EXPECT_EQ(b.ports.erreurs.size(), 2u);
}

TEST(MagasinSysteme, FichierDansLeDossierDeConfiguration)
{
    DossierTemporaire config;
    const char* avant = std::getenv("XDG_CONFIG_HOME");
    const std::string ancien = avant ? avant : "";
    ::setenv("XDG_CONFIG_HOME", config.chemin().c_str(), 1);
    const std::unique_ptr<MagasinOptions> m = CreerMagasinSysteme();
    auto* q = dynamic_cast<MagasinQSettings*>(m.get());
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->CheminFichier().toStdString(), (config.chemin() / "Ludivex" / "COGITELLE I.ini").string());
    std::string erreur;
    ASSERT_TRUE(m->Ouvrir(erreur));
    EXPECT_TRUE(m->EcrireTexte("optionYourName", "A", erreur));
    EXPECT_TRUE(m->Fermer(erreur));
    EXPECT_TRUE(fs::exists(config.chemin() / "Ludivex" / "COGITELLE I.ini"));
    if (avant)
        ::setenv("XDG_CONFIG_HOME", ancien.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST(Programme, LesOptionsDuProgrammeVontAuMagasinDuSysteme)
{
    // The objects main() makes: their settings store is the one CreerMagasinSysteme gives (the
    // registry on Windows), and the records go to "scoresI" in the current folder.
    DossierTemporaire config;
    const char* avant = std::getenv("XDG_CONFIG_HOME");
    const std::string ancien = avant ? avant : "";
    ::setenv("XDG_CONFIG_HOME", config.chemin().c_str(), 1);
    {
        ObjetsDuProgramme programme;
        EXPECT_EQ(&programme.ctx.options, programme.magasin.get());
        auto* q = dynamic_cast<MagasinQSettings*>(&programme.ctx.options);
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->CheminFichier().toStdString(), (config.chemin() / "Ludivex" / "COGITELLE I.ini").string());
        EXPECT_EQ(programme.ctx.CheminScores, "scoresI");
        EXPECT_EQ(&programme.ctx.ports, static_cast<Ports*>(&programme.ports));
    }
    if (avant)
        ::setenv("XDG_CONFIG_HOME", ancien.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
