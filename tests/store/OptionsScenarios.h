// Loading and saving the options, run on every settings backend. A test file includes this,
// defines an adapter for its backend and instantiates the suite with it. An adapter gives:
//   MagasinOptions& Magasin();                    the backend under test
//   void Planter(nom, std::vector<uint8_t>);      stores a binary value behind the program's back
//   void PlanterTexte(nom, std::string);          stores a string value
//   ValeurLue Lire(nom);                          what the backend holds now
//   void Vider();                                 removes every value
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "session/NouvellePartie.h"
#include "store/MagasinOptions.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "support/Banc.h"

namespace cogitelle::test {

struct ValeurLue {
    bool present = false;
    bool binaire = false;
    std::vector<uint8_t> octets;
    std::string texte;
};

inline std::vector<uint8_t> Octets32(uint32_t v)
{
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
}

inline std::string LireFichierEntier(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline void EcrireFichierEntier(const std::string& chemin, const std::string& octets)
{
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

inline uint64_t Empreinte(const std::string& s)
{
    uint64_t h = 1469598103934665603ull;   // FNV-1a
    for (unsigned char ch : s) {
        h ^= ch;
        h *= 1099511628211ull;
    }
    return h;
}

// The fingerprint of the default table drawn from the generator in its start state.
constexpr uint64_t EmpreinteTableParDefaut = 0x9fdf739fd2c85e3bull;

// Passes everything to another store and notes the names read, to see that loading goes on.
class MagasinTrace : public MagasinOptions {
public:
    explicit MagasinTrace(MagasinOptions& m) : m_(m) {}
    std::vector<std::string> lectures;
    int ouvertures = 0, fermetures = 0;

    bool Ouvrir(std::string& e) override { ++ouvertures; return m_.Ouvrir(e); }
    bool Fermer(std::string& e) override { ++fermetures; return m_.Fermer(e); }
    Lecture LireBinaire(const std::string& n, void* d, size_t t, size_t& l, std::string& e) override
    {
        lectures.push_back(n);
        return m_.LireBinaire(n, d, t, l, e);
    }
    Lecture LireTexte(const std::string& n, std::string& v, std::string& e) override
    {
        lectures.push_back(n);
        return m_.LireTexte(n, v, e);
    }
    bool EcrireBinaire(const std::string& n, const void* s, size_t t, std::string& e) override { return m_.EcrireBinaire(n, s, t, e); }
    bool EcrireTexte(const std::string& n, const std::string& v, std::string& e) override { return m_.EcrireTexte(n, v, e); }

private:
    MagasinOptions& m_;
};

template <class Adaptateur>
class ScenariosOptions : public ::testing::Test {
protected:
    Adaptateur a;
    // One start of the program: its own state, generator and store object, on the shared
    // settings and score file.
    struct Lancement {
        explicit Lancement(MagasinOptions& m) : trace(m), banc(&trace) {}
        MagasinTrace trace;
        Banc banc;
    };
    std::vector<std::unique_ptr<Lancement>> lancements;
    std::string cheminScores;

    // Starts the program once more and loads the options, as the main window's creation does.
    Banc& Demarrer()
    {
        lancements.push_back(std::make_unique<Lancement>(a.Magasin()));
        Banc& b = lancements.back()->banc;
        if (cheminScores.empty())
            cheminScores = b.ctx.CheminScores;
        b.ctx.CheminScores = cheminScores;
        b.g().Verif = 0;   // the state of a program just started
        ChargerOptions(b.ctx);
        return b;
    }
    MagasinTrace& Trace() { return lancements.back()->trace; }

    // The score file's path before the first start, to plant a file there.
    const std::string& CheminScores()
    {
        if (cheminScores.empty()) {
            lancements.push_back(std::make_unique<Lancement>(a.Magasin()));
            cheminScores = lancements.back()->banc.ctx.CheminScores;
        }
        return cheminScores;
    }

    // A table of records that no default draw would give, written as the score file.
    std::string PlanterTable()
    {
        auto t = std::make_unique<TableMeilleursScores>();
        for (int p = 1; p <= NombreTableaux; ++p)
            for (int r = 1; r <= PlacesParTableau; ++r) {
                EcrireNom((*t)(3, p, r), "ÉLODIE");
                (*t)(3, p, r).ValeurScore = 6000 - r;
            }
        EcrireNom((*t)(1, 1, 1), "ŒDIPE");
        (*t)(1, 1, 1).ValeurScore = 4999;
        const std::string octets = OctetsTable(*t);
        EcrireFichierEntier(CheminScores(), octets);
        return octets;
    }

    void PlanterOptionsValides()
    {
        a.Planter("verif", {1});
        a.Planter("optionCouleurFondEcran", Octets32(0x00112233));
        a.Planter("optionCouleurTableauDeJeu", Octets32(0x00445566));
        a.Planter("optionNumeroTableau", Octets32(42));
        a.Planter("optionTypeJeu", Octets32(3));
        a.PlanterTexte("optionYourName", "ÉLODIE");
    }

    void AttendreValeursParDefaut(const GameState& g)
    {
        EXPECT_EQ(g.Verif, 1);
        EXPECT_EQ(g.CouleurFondEcran, 4194304u);
        EXPECT_EQ(g.CouleurTableauDeJeu, 0u);
        EXPECT_EQ(g.NumeroTableauChoisi, 1);
        EXPECT_EQ(g.TypeJeuChoisi, 1);
        EXPECT_EQ(g.NomJoueur, "");
    }

    void AttendreStockeParDefaut()
    {
        EXPECT_EQ(a.Lire("verif").octets, std::vector<uint8_t>{1});
        EXPECT_EQ(a.Lire("optionCouleurFondEcran").octets, (std::vector<uint8_t>{0, 0, 0x40, 0}));
        EXPECT_EQ(a.Lire("optionCouleurTableauDeJeu").octets, Octets32(0));
        EXPECT_EQ(a.Lire("optionNumeroTableau").octets, Octets32(1));
        EXPECT_EQ(a.Lire("optionTypeJeu").octets, Octets32(1));
        const ValeurLue nom = a.Lire("optionYourName");
        EXPECT_TRUE(nom.present && !nom.binaire);
        EXPECT_EQ(nom.texte, "");
    }
};

TYPED_TEST_SUITE_P(ScenariosOptions);

TYPED_TEST_P(ScenariosOptions, PremierLancementSansFichierTireLaTableParDefaut)
{
    Banc& b = this->Demarrer();
    this->AttendreValeursParDefaut(b.g());
    this->AttendreStockeParDefaut();
    for (const char* nom : {"verif", "optionCouleurFondEcran", "optionCouleurTableauDeJeu", "optionNumeroTableau", "optionTypeJeu"})
        EXPECT_TRUE(this->a.Lire(nom).binaire) << nom;
    const std::string octets = LireFichierEntier(b.ctx.CheminScores);
    ASSERT_EQ(octets.size(), TailleFichierScores);
    EXPECT_EQ(Empreinte(octets), EmpreinteTableParDefaut) << std::hex << Empreinte(octets);
    EXPECT_EQ(b.hasard.Tirages(), 50000u);
    EXPECT_TRUE(b.ports.erreurs.empty());
    EXPECT_EQ(b.k().CouleurFenetre, 4194304u);
    EXPECT_EQ(b.k().panelTitreDernierMeilleurScore.Caption(), "Score n° 10");
    EXPECT_EQ(this->Trace().ouvertures, this->Trace().fermetures);   // the key is released after each use
}

TYPED_TEST_P(ScenariosOptions, PremierLancementGardeUnFichierExistant)
{
    for (const bool verifAZero : {false, true}) {
        SCOPED_TRACE(verifAZero ? "verif = 0" : "no key");
        this->a.Vider();
        if (verifAZero) {
            this->PlanterOptionsValides();
            this->a.Planter("verif", {0});
        }
        const std::string table = this->PlanterTable();
        Banc& b = this->Demarrer();
        this->AttendreValeursParDefaut(b.g());
        this->AttendreStockeParDefaut();
        EXPECT_EQ(NomEnregistrement(b.g().MeilleursScores(1, 1, 1)), "ŒDIPE");
        EXPECT_EQ(b.g().MeilleursScores(3, 500, 10).ValeurScore, 5990);
        EXPECT_EQ(b.hasard.Tirages(), 0u);   // nothing drawn over the records
        EXPECT_EQ(LireFichierEntier(b.ctx.CheminScores), table);
        EXPECT_TRUE(b.ports.erreurs.empty());
    }
}

TYPED_TEST_P(ScenariosOptions, OptionsInvalidesRendentLesDefautsEtGardentLesRecords)
{
    struct Cas {
        const char* nom;
        std::vector<uint8_t> octets;
    };
    const Cas cas[] = {{"optionTypeJeu", Octets32(6)}, {"optionTypeJeu", Octets32(0)},
        {"optionNumeroTableau", Octets32(0)}, {"optionNumeroTableau", Octets32(501)}, {"verif", {2}}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " = " + std::to_string(c.octets[0]));
        this->a.Vider();
        this->PlanterOptionsValides();
        this->a.Planter(c.nom, c.octets);
        const std::string table = this->PlanterTable();
        Banc& b = this->Demarrer();
        this->AttendreValeursParDefaut(b.g());
        this->AttendreStockeParDefaut();
        EXPECT_EQ(NomEnregistrement(b.g().MeilleursScores(1, 1, 1)), "ŒDIPE");
        EXPECT_EQ(b.hasard.Tirages(), 0u);
        EXPECT_EQ(LireFichierEntier(b.ctx.CheminScores), table);
        EXPECT_TRUE(b.ports.erreurs.empty());

        // The repair is made once: the player's later choices survive the next start.
        this->a.Planter("optionTypeJeu", Octets32(4));
        this->a.PlanterTexte("optionYourName", "ZOÉ");
        Banc& suite = this->Demarrer();
        EXPECT_EQ(suite.g().TypeJeuChoisi, 4);
        EXPECT_EQ(suite.g().NomJoueur, "ZOÉ");
        EXPECT_EQ(suite.g().Verif, 1);
        EXPECT_EQ(LireFichierEntier(b.ctx.CheminScores), table);
    }
}

TYPED_TEST_P(ScenariosOptions, ValeurDeMauvaisTypeSignaleeEtIgnoree)
{
    // A string where a number is expected: that value alone is lost.
    this->PlanterOptionsValides();
    this->a.PlanterTexte("optionCouleurFondEcran", "1122867");
    this->PlanterTable();
    Banc& b = this->Demarrer();
    ASSERT_EQ(b.ports.erreurs.size(), 1u);
    EXPECT_NE(b.ports.erreurs[0].find("« optionCouleurFondEcran »"), std::string::npos) << b.ports.erreurs[0];
    EXPECT_EQ(b.g().CouleurFondEcran, 0u);   // missing: left as it was at start-up
    EXPECT_EQ(b.g().CouleurTableauDeJeu, 0x00445566u);
    EXPECT_EQ(b.g().NumeroTableauChoisi, 42);
    EXPECT_EQ(b.g().TypeJeuChoisi, 3);
    EXPECT_EQ(b.g().NomJoueur, "ÉLODIE");
    EXPECT_EQ(NomEnregistrement(b.g().MeilleursScores(1, 1, 1)), "ŒDIPE");

    // A 5-byte game type: reported by name, reading goes on to the name, and the defaults that
    // a missing game type brings back repair the value.
    this->a.Vider();
    this->PlanterOptionsValides();
    this->a.Planter("optionTypeJeu", {3, 0, 0, 0, 0});
    Banc& c = this->Demarrer();
    ASSERT_EQ(c.ports.erreurs.size(), 1u);
    EXPECT_NE(c.ports.erreurs[0].find("« optionTypeJeu »"), std::string::npos) << c.ports.erreurs[0];
    EXPECT_EQ(this->Trace().lectures.back(), "optionYourName");
    this->AttendreValeursParDefaut(c.g());
    EXPECT_EQ(this->a.Lire("optionTypeJeu").octets, Octets32(1));
    EXPECT_EQ(NomEnregistrement(c.g().MeilleursScores(1, 1, 1)), "ŒDIPE");

    // A number where the name is expected.
    this->a.Vider();
    this->PlanterOptionsValides();
    this->a.Planter("optionYourName", {'A', 'B'});
    Banc& d = this->Demarrer();
    ASSERT_EQ(d.ports.erreurs.size(), 1u);
    EXPECT_NE(d.ports.erreurs[0].find("« optionYourName »"), std::string::npos) << d.ports.erreurs[0];
    EXPECT_EQ(d.g().NomJoueur, "");
    EXPECT_EQ(d.g().TypeJeuChoisi, 3);
}

TYPED_TEST_P(ScenariosOptions, NomLuNormalise)
{
    this->PlanterOptionsValides();
    this->a.PlanterTexte("optionYourName", "œdipe\tété Ω le grand roi");
    Banc& b = this->Demarrer();
    EXPECT_EQ(b.g().NomJoueur, "ŒDIPEÉTÉ  LE");
}

TYPED_TEST_P(ScenariosOptions, CouleurAnnuleeEnregistreToutDeMeme)
{
    this->PlanterOptionsValides();
    Banc& b = this->Demarrer();
    std::filesystem::remove(b.ctx.CheminScores);
    this->a.Vider();
    // The colour dialog was cancelled: nothing changed, yet everything is written.
    AppliquerOptions(b.ctx);
    SauverOptions(b.ctx);
    EXPECT_EQ(this->a.Lire("verif").octets, std::vector<uint8_t>{1});
    EXPECT_EQ(this->a.Lire("optionCouleurFondEcran").octets, Octets32(0x00112233));
    EXPECT_EQ(this->a.Lire("optionCouleurTableauDeJeu").octets, Octets32(0x00445566));
    EXPECT_EQ(this->a.Lire("optionNumeroTableau").octets, Octets32(42));
    EXPECT_EQ(this->a.Lire("optionTypeJeu").octets, Octets32(3));
    EXPECT_EQ(this->a.Lire("optionYourName").texte, "ÉLODIE");
    EXPECT_EQ(std::filesystem::file_size(b.ctx.CheminScores), TailleFichierScores);
    EXPECT_EQ(b.k().CouleurFenetre, 0x00112233u);
    EXPECT_EQ(b.k().panelCentral.couleur(), 0x00445566u);
    EXPECT_TRUE(b.ports.erreurs.empty());
}

TYPED_TEST_P(ScenariosOptions, NouvellePartieEnregistreLeJeuEtLeTableau)
{
    Banc& b = this->Demarrer();
    b.Jouer(Differences, 42, "ÉMILE");
    EXPECT_EQ(this->a.Lire("optionTypeJeu").octets, Octets32(3));
    EXPECT_EQ(this->a.Lire("optionNumeroTableau").octets, Octets32(42));
    EXPECT_EQ(this->a.Lire("optionYourName").texte, "ÉMILE");
    Banc& suite = this->Demarrer();
    EXPECT_EQ(suite.g().TypeJeuChoisi, 3);
    EXPECT_EQ(suite.g().NumeroTableauChoisi, 42);
    EXPECT_EQ(suite.g().NomJoueur, "ÉMILE");
    EXPECT_TRUE(suite.ports.erreurs.empty());
}

REGISTER_TYPED_TEST_SUITE_P(ScenariosOptions, PremierLancementSansFichierTireLaTableParDefaut,
    PremierLancementGardeUnFichierExistant, OptionsInvalidesRendentLesDefautsEtGardentLesRecords,
    ValeurDeMauvaisTypeSignaleeEtIgnoree, NomLuNormalise, CouleurAnnuleeEnregistreToutDeMeme,
    NouvellePartieEnregistreLeJeuEtLeTableau);

} // namespace cogitelle::test
