// The typed values of the settings store, of any type and any size, as a registry key or a damaged
// settings file may hold them, read by LireOptions from the in-memory store. Shared by the fuzz
// target and by the test that replays the inputs it once failed on. Returns an empty string when
// every check holds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "session/SessionAutonome.h"
#include "fuzz/RemiseOptions.h"
#include "store/Cp1252.h"
#include "store/MagasinOptions.h"
#include "store/Options.h"

namespace cogitelle::fuzz {

namespace valeurs {

// The values the options are read from, and one the game does not know.
inline const char* const Noms[] = {"verif", "optionCouleurFondEcran", "optionCouleurTableauDeJeu", "optionNumeroTableau",
    "optionTypeJeu", "optionYourName", "optionInconnue"};
// The largest binary each takes; 0 for the name, a string.
constexpr size_t Tailles[] = {1, 4, 4, 4, 4, 0, 0};

inline size_t Caracteres(const std::string& utf8)
{
    size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// A core whose options come from memory, made once; its options and store are put back before
// each input. No score file.
struct Session {
    SessionAutonome s;
    const std::unique_ptr<const GameState> vierge = std::make_unique<const GameState>(*s.etat);

    Contexte& Remettre()
    {
        GameState& g = *s.etat;
        RemettreOptions(g, *vierge);
        s.ports.messages.clear();
        s.magasin = MagasinMemoire{};
        s.ctx.Sauvegardes = SuiviSauvegardes{};
        return s.ctx;
    }
};

} // namespace valeurs

// Input: values one after the other, each a byte naming it (modulo 7: the six options and an
// unknown one), a byte of type and size (bit 7 a string, else a binary; bits 0-5 the size, times 16
// with bit 6), then its bytes; a string's bytes are UTF-16 code units, any of them, lone
// surrogates included. A later value of the same name replaces an earlier one.
inline std::string EssayerValeursOptions(const uint8_t* donnees, size_t taille)
{
    using valeurs::Noms;
    using valeurs::Tailles;
    static valeurs::Session lue, relue;
    Contexte& c = lue.Remettre();
    MagasinMemoire& m = lue.s.magasin;
    for (size_t i = 0; i + 2 <= taille;) {
        const size_t nom = donnees[i] % 7;
        const uint8_t sorte = donnees[i + 1];
        i += 2;
        const size_t voulu = (sorte & 0x3F) * ((sorte & 0x40) ? 16u : 1u);
        const size_t n = std::min(voulu, taille - i);
        MagasinMemoire::Valeur v;
        v.binaire = !(sorte & 0x80);
        if (v.binaire) {
            v.octets.assign(donnees + i, donnees + i + n);
        } else {
            std::u16string texte;
            for (size_t k = 0; k + 1 < n; k += 2)
                texte.push_back(static_cast<char16_t>(donnees[i + k] | (donnees[i + k + 1] << 8)));
            v.texte = Utf16VersUtf8(texte);
        }
        i += n;
        m.valeurs[Noms[nom]] = v;
    }
    // A value of the wrong type, or a binary larger than its option, is reported by name; the
    // others are read.
    size_t attendus = 0;
    for (size_t k = 0; k < 6; ++k) {
        const auto it = m.valeurs.find(Noms[k]);
        if (it != m.valeurs.end())
            attendus += Tailles[k] == 0 ? it->second.binaire : !it->second.binaire || it->second.octets.size() > Tailles[k];
    }
    const MagasinMemoire planted = m;

    LireOptions(c);
    const GameState& g = *lue.s.etat;
    size_t signales = 0;
    for (const std::string& message : lue.s.ports.messages)
        signales += message.rfind("La valeur « ", 0) == 0;
    if (signales != attendus || lue.s.ports.messages.size() != signales)
        return "a value that cannot be read is not reported by name, once";
    if (!OptionsValides(g) || g.Verif != 1)
        return "options loaded are not valid";
    if (valeurs::Caracteres(g.NomJoueur) > 12 || !RepresentableCp1252(g.NomJoueur) || NormaliserNom(g.NomJoueur) != g.NomJoueur)
        return "the player's name is not a name the game can keep";
    // Reading changes nothing in the store.
    if (m.valeurs.size() != planted.valeurs.size())
        return "reading the options changed the store";

    // What is saved reads back the same, with no message.
    SauverOptions(c);
    Contexte& r = relue.Remettre();
    relue.s.magasin.valeurs = m.valeurs;
    LireOptions(r);
    const GameState& h = *relue.s.etat;
    if (lue.s.ports.messages.size() != signales)
        return "saving the options reported a failure";
    if (!relue.s.ports.messages.empty())
        return "the options saved do not read back without a message";
    if (h.CouleurFondEcran != g.CouleurFondEcran || h.CouleurTableauDeJeu != g.CouleurTableauDeJeu ||
        h.NumeroTableauChoisi != g.NumeroTableauChoisi || h.TypeJeuChoisi != g.TypeJeuChoisi ||
        h.NomJoueur != g.NomJoueur || h.Verif != g.Verif)
        return "the options saved do not read back the same";
    return {};
}

} // namespace cogitelle::fuzz
