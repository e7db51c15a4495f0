// The score file's loader fed any bytes through an in-memory file system whose reads, copies,
// temporary files and renames fail as the input says. Shared by the fuzz target and by the test
// that replays the inputs it once failed on. Returns an empty string when every check holds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

#include "core/SessionAutonome.h"
#include "store/Cp1252.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/SystemeFichiersMemoire.h"

namespace cogitelle::fuzz {

// The in-memory file system with the input's switches.
class FichiersEnMemoire : public SystemeFichiersMemoire {
public:
    bool lectureEnErreur = false, echecCopie = false, echecCreation = false, echecRemplacement = false;

    bool Permettre(Operation op, const std::string& chemin, size_t& taille, std::string& raison) override
    {
        const bool echec = (op == Operation::Lire && lectureEnErreur) || (op == Operation::Copier && echecCopie) ||
            (op == Operation::CreerTemporaire && echecCreation) ||
            ((op == Operation::Remplacer || op == Operation::Deplacer) && echecRemplacement);
        if (echec) {
            raison = "Input/output error";
            return false;
        }
        return SystemeFichiersMemoire::Permettre(op, chemin, taille, raison);
    }
};

namespace detail {

inline bool Utf8Valide(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += n;
    }
    return true;
}

} // namespace detail

// Input: one byte of switches, then the file's bytes.
//   bits 0-1: 0 or 1 the file is read, 2 there is no file, 3 reading it fails;
//   bit 2: copies fail; bit 3: temporary files cannot be created; bit 4: renames fail;
//   bit 5: the file's bytes are repeated up to 400 000 bytes and a few more (a whole table);
//   bit 6: loaded by ChargerOptions (a first run) instead of LireMeilleursScores.
inline std::string EssayerFichierScores(const uint8_t* donnees, size_t taille)
{
    if (taille == 0)
        return {};
    const uint8_t commandes = donnees[0];
    std::string octets(reinterpret_cast<const char*>(donnees + 1), taille - 1);
    if ((commandes & 0x20) && !octets.empty()) {
        std::string complet;
        const size_t voulu = TailleFichierScores + octets.size() % 17;
        complet.reserve(voulu);
        while (complet.size() < voulu)
            complet.append(octets, 0, std::min(octets.size(), voulu - complet.size()));
        octets.swap(complet);
    }

    const std::string chemin = "scoresI";
    FichiersEnMemoire fs;
    const int lecture = commandes & 3;
    if (lecture != 2)
        fs.Poser(chemin, octets);
    fs.lectureEnErreur = lecture == 3;
    fs.echecCopie = commandes & 0x04;
    fs.echecCreation = commandes & 0x08;
    fs.echecRemplacement = commandes & 0x10;

    SessionAutonome s;
    Contexte& c = s.ctx;
    c.CheminScores = chemin;
    c.Sauvegardes.fichiers = &fs;
    GameState& g = *s.etat;
    const size_t messagesAvant = s.ports.messages.size();
    if (commandes & 0x40)
        ChargerOptions(c);
    else
        LireMeilleursScores(c);

    // What the table must hold: every complete record of a readable file, in file order, or, where
    // no record can be read, a default table whose every list strictly decreases.
    const size_t complets = lecture <= 1 ? std::min(octets.size() / 16, TailleFichierScores / 16) : 0;
    if (complets > 0) {
        const EnregistrementScore* e = &g.MeilleursScores.e[0][0][0];
        for (size_t k = 0; k < TailleFichierScores / 16; ++k) {
            uint32_t v = 0;
            char nom[12] = {};
            if (k < complets) {
                std::memcpy(nom, octets.data() + 16 * k, 12);
                for (int b = 0; b < 4; ++b)
                    v |= static_cast<uint32_t>(static_cast<uint8_t>(octets[16 * k + 12 + b])) << (8 * b);
            }
            // A record past a short file keeps what it held before: nothing, at start-up.
            if (std::memcmp(e[k].NomScore, nom, 12) != 0 || static_cast<uint32_t>(e[k].ValeurScore) != v)
                return k < complets ? "the table does not hold the file's records"
                                    : "the records past a short file are not left as they were";
        }
    } else {
        for (int32_t t = 1; t <= NbTypesJeu; ++t)
            for (int32_t p = 1; p <= NombreTableaux; ++p)
                for (int32_t r = 2; r <= PlacesParTableau; ++r)
                    if (g.MeilleursScores(t, p, r).ValeurScore >= g.MeilleursScores(t, p, r - 1).ValeurScore)
                        return "a default list does not decrease";
    }
    // A damaged file is reported and, when it can be, kept beside itself before any save.
    const bool endommage = lecture == 3 || (lecture <= 1 && complets < TailleFichierScores / 16);
    bool signale = false;
    for (size_t i = messagesAvant; i < s.ports.messages.size(); ++i)
        signale = signale || s.ports.messages[i].rfind("Le fichier des meilleurs scores", 0) == 0;
    if (endommage != signale)
        return endommage ? "a damaged score file is not reported" : "a sound score file is reported";
    const bool copiable = !fs.echecCopie || !fs.echecRemplacement;
    const std::string* copie = fs.Contenu(chemin + ".bak");
    if (endommage && copiable && (!copie || *copie != octets))
        return "the damaged file is not kept as scoresI.bak";
    // Whatever was saved is a whole table, never a part of one.
    const std::string* fichier = fs.Contenu(chemin);
    if (fichier && *fichier != octets && *fichier != OctetsTable(g.MeilleursScores))
        return "the score file holds neither its old bytes nor the table";
    for (const auto& [nom, noeud] : fs.noeuds)
        if (nom.find(".tmp") != std::string::npos)
            return "a temporary file is left behind";

    // Every name reads as UTF-8 and writes back as the same bytes, up to its first 0 byte.
    for (const EnregistrementScore& e : std::initializer_list<EnregistrementScore>{
             g.MeilleursScores(1, 1, 1), g.MeilleursScores(1, 1, 2), g.MeilleursScores(5, 500, 10)}) {
        const std::string nom = NomEnregistrement(e);
        if (!detail::Utf8Valide(nom))
            return "a name does not decode to UTF-8";
        EnregistrementScore relu;
        EcrireNom(relu, nom);
        size_t longueur = 0;
        while (longueur < 12 && e.NomScore[longueur] != 0)
            ++longueur;
        for (size_t i = 0; i < 12; ++i)
            if (relu.NomScore[i] != (i < longueur ? e.NomScore[i] : 0))
                return "a name does not write back as its bytes";
    }
    for (size_t k = 0; k < complets && k < 4096; ++k) {
        const EnregistrementScore& e = (&g.MeilleursScores.e[0][0][0])[k];
        if (!detail::Utf8Valide(NomEnregistrement(e)))
            return "a name does not decode to UTF-8";
    }
    return {};
}

} // namespace cogitelle::fuzz
