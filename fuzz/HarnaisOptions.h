// The portable settings store read from any INI file: MagasinQSettings opens the bytes as the
// user's settings file and ChargerOptions loads them. Shared by the fuzz target and by the test
// that replays the inputs it once failed on. Returns an empty string when every check holds.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "core/SessionAutonome.h"
#include "store/Cp1252.h"
#include "store/Options.h"
#include "store/qt/MagasinQSettings.h"

namespace cogitelle::fuzz {

// A core whose settings store is the INI file at `chemin`; no score file.
struct SessionQSettings {
    explicit SessionQSettings(const QString& chemin) : magasin(chemin)
    {
        RemplirVoisins(etat->Voisins);
        etat->NumeroTableau = 1;
        etat->Langue = 1;
    }
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsSilencieux ports;
    MagasinQSettings magasin;
    Contexte ctx{*etat, hasard, *controles, ports, magasin, std::string()};
};

namespace detail {

inline size_t Caracteres(const std::string& utf8)
{
    size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace detail

// `dossier` is a folder of the fuzzer's own; each input is a new file there, so that QSettings
// never answers from what it kept of an earlier file of the same name.
inline std::string EssayerOptions(const uint8_t* donnees, size_t taille, const QString& dossier)
{
    static int compteur = 0;
    const QString chemin = dossier + QStringLiteral("/options-%1.ini").arg(++compteur);
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }
    std::string faute;
    {
        SessionQSettings s(chemin);
        const GameState& g = *s.etat;
        ChargerOptions(s.ctx);
        // Whatever the file holds, the program starts with sound options.
        if (!OptionsValides(g) || g.Verif != 1)
            faute = "options loaded are not valid";
        else if (detail::Caracteres(g.NomJoueur) > 12 || !RepresentableCp1252(g.NomJoueur) ||
            NormaliserNom(g.NomJoueur) != g.NomJoueur)
            faute = "the player's name is not a name the game can keep";
        else {
            // What is saved reads back the same.
            SauverOptions(s.ctx);
            SessionQSettings relue(chemin);
            ChargerOptions(relue.ctx);
            const GameState& r = *relue.etat;
            if (r.CouleurFondEcran != g.CouleurFondEcran || r.CouleurTableauDeJeu != g.CouleurTableauDeJeu ||
                r.NumeroTableauChoisi != g.NumeroTableauChoisi || r.TypeJeuChoisi != g.TypeJeuChoisi ||
                r.NomJoueur != g.NomJoueur || r.Verif != g.Verif)
                faute = "the options saved do not read back the same";
        }
    }
    QFile::remove(chemin);
    return faute;
}

} // namespace cogitelle::fuzz
