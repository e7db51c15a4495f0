// The portable settings store read from any INI file: MagasinQSettings opens the bytes as the
// user's settings file and LireOptions loads them; typed values (@ByteArray, @Variant of any type)
// are decoded by QSettings as the game's own file would be. Shared by the fuzz target and by the test
// that replays the inputs it once failed on. Returns an empty string when every check holds.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "session/SessionAutonome.h"
#include "fuzz/RemiseOptions.h"
#include "store/Cp1252.h"
#include "store/Options.h"
#include "store/qt/MagasinQSettings.h"

namespace cogitelle::fuzz {

// The settings file's store, counting what is written to it.
class MagasinCompte : public MagasinQSettings {
public:
    using MagasinQSettings::MagasinQSettings;
    bool EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur) override
    {
        ++ecritures;
        return MagasinQSettings::EcrireBinaire(nom, src, taille, erreur);
    }
    bool EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur) override
    {
        ++ecritures;
        return MagasinQSettings::EcrireTexte(nom, valeur, erreur);
    }
    int ecritures = 0;
};

// A core whose settings store is an INI file, made once and its options put back as they started
// before each input: a fresh core would allocate and clear 600 kB per input. No score file: the
// options are read by LireOptions, the part of the start-up that reads them.
class SessionQSettings {
public:
    SessionQSettings()
    {
        RemplirVoisins(etat->Voisins);
        etat->NumeroTableau = 1;
        etat->Langue = 1;
        vierge = std::make_unique<const GameState>(*etat);
    }
    // Starts again on the INI file at `chemin`.
    Contexte& Ouvrir(const QString& chemin)
    {
        // Only the options are read and written: they alone are put back.
        RemettreOptions(*etat, *vierge);
        hasard = PuzzleRandom{};
        ports.messages.clear();
        ctx.reset();
        magasin.emplace(chemin);
        ctx.emplace(Contexte{*etat, hasard, *controles, ports, *magasin, std::string()});
        return *ctx;
    }
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsSilencieux ports;
    std::optional<MagasinCompte> magasin;
    std::optional<Contexte> ctx;

private:
    std::unique_ptr<const GameState> vierge;
};

namespace detail {

inline size_t Caracteres(const std::string& utf8)
{
    size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The options a start-up keeps must be sound whatever the store held; an empty string when they are.
inline std::string VerifierOptionsLues(const GameState& g)
{
    if (!OptionsValides(g) || g.Verif != 1)
        return "options loaded are not valid";
    if (detail::Caracteres(g.NomJoueur) > 12 || !RepresentableCp1252(g.NomJoueur) || NormaliserNom(g.NomJoueur) != g.NomJoueur)
        return "the player's name is not a name the game can keep";
    return {};
}

} // namespace detail

// `dossier` is a folder of the fuzzer's own (in memory, /dev/shm, where there is one); each input is
// a new file there, so that QSettings never answers from what it kept of an earlier file of the
// same name. Only reading is fuzzed: a save goes through QSettings' lock file, temporary file and
// rename, ten times the cost of the read, and writes back only the five options read, whose round
// trip through the INI text the store's tests and the typed-values target check.
inline std::string EssayerOptions(const uint8_t* donnees, size_t taille, const QString& dossier)
{
    static int compteur = 0;
    const QString chemin = dossier + QStringLiteral("/o%1.ini").arg(++compteur);
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }
    static SessionQSettings lue;
    std::string faute;
    {
        Contexte& c = lue.Ouvrir(chemin);
        LireOptions(c);
        // Whatever the file holds, the program starts with sound options, and reading wrote nothing.
        faute = detail::VerifierOptionsLues(c.etat);
        if (faute.empty() && lue.magasin->ecritures != 0)
            faute = "reading the options changed the settings file";
        lue.magasin.reset();
    }
    QFile::remove(chemin);
    return faute;
}

} // namespace cogitelle::fuzz
