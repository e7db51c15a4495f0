// The score file's loader fed any bytes through an in-memory file system whose reads, copies,
// temporary files and renames fail as the input says. Shared by the fuzz target and by the test
// that replays the inputs it once failed on. Returns an empty string when every check holds.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "session/SessionAutonome.h"
#include "fuzz/RemiseOptions.h"
#include "store/Cp1252.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/SystemeFichiersMemoire.h"

// The harness's own checks need no coverage feedback: only the code under test guides the fuzzer.
#if defined(__clang__)
#define COGITELLE_SANS_COUVERTURE __attribute__((no_sanitize("coverage")))
#else
#define COGITELLE_SANS_COUVERTURE
#endif

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

COGITELLE_SANS_COUVERTURE inline bool Utf8Valide(const std::string& s)
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

// One session for every input, put back as it started before each: a fresh one would allocate and
// clear 600 kB per input. Loading the table touches only the table and the options; of the table,
// only the records the last input wrote are cleared again. The controls model is kept from one input
// to the next; no check reads it.
struct BancFichierScores {
    SessionAutonome s;
    const std::unique_ptr<const GameState> vierge = std::make_unique<const GameState>(*s.etat);
    size_t ecrits = 0;   // records of the table that may not be 0

    void Remettre()
    {
        GameState& g = *s.etat;
        std::memset(static_cast<void*>(&g.MeilleursScores), 0, sizeof(EnregistrementScore) * ecrits);
        ecrits = 0;
        RemettreOptions(g, *vierge);
        s.hasard = PuzzleRandom{};
        s.ports.messages.clear();
        s.magasin = MagasinMemoire{};
        s.ctx.Sauvegardes = SuiviSauvegardes{};
    }
};

namespace detail {

// True when the bytes are all 0. A plain loop: libFuzzer watches every memcmp, at a cost.
COGITELLE_SANS_COUVERTURE inline bool Nuls(const void* debut, size_t taille)
{
    const char* p = static_cast<const char*>(debut);
    uint64_t ou = 0;
    size_t i = 0;
    for (; i + 8 <= taille; i += 8) {
        uint64_t mot;
        std::memcpy(&mot, p + i, 8);
        ou |= mot;
    }
    for (; i < taille; ++i)
        ou |= static_cast<unsigned char>(p[i]);
    return ou == 0;
}

// The same bytes: one memcmp for a whole table, not one per record.
COGITELLE_SANS_COUVERTURE inline bool Egaux(const void* a, const void* b, size_t taille)
{
    return taille == 0 || std::memcmp(a, b, taille) == 0;
}

COGITELLE_SANS_COUVERTURE inline bool Memes(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && Egaux(a.data(), b.data(), a.size());
}

} // namespace detail

// The browser's Import: the player's file is accepted only when the game could have written it,
// and then replaces the table and is saved whole. The table in play is the default one, read from
// a sound file; the file system's switches are off.
COGITELLE_SANS_COUVERTURE inline std::string EssayerImport(BancFichierScores& banc, FichiersEnMemoire& fs, const std::string& octets)
{
    SessionAutonome& s = banc.s;
    Contexte& c = s.ctx;
    GameState& g = *s.etat;
    static const std::string defaut = [] {
        SessionAutonome d;
        InitialiserMeilleursScores(d.ctx);
        return OctetsTable(d.etat->MeilleursScores);
    }();
    // The saves under faults are the Sauvegarde target's: here every call succeeds.
    fs.lectureEnErreur = fs.echecCopie = fs.echecCreation = fs.echecRemplacement = false;
    fs.Poser(c.CheminScores, defaut);
    LireMeilleursScores(c);
    static auto* const importee = new TableMeilleursScores;
    std::string raison;
    if (!LireFichierImporte(octets, *importee, raison)) {
        if (raison.empty())
            return "an Import refused gives no reason";
        if (!detail::Memes(OctetsTable(g.MeilleursScores), defaut) || !detail::Memes(*fs.Contenu(c.CheminScores), defaut))
            return "an Import refused changed the table";
        return {};
    }
    if (octets.size() != TailleFichierScores || !detail::Memes(OctetsTable(*importee), octets))
        return "an Import accepted is not the file's whole table";
    // Every list is in order and every name is one the game could have written: it reads as
    // UTF-8 and writes back as its bytes (the first and last records; all 25 000 would cost a
    // hundred runs).
    const EnregistrementScore* const e = &importee->e[0][0][0];
    for (size_t k = 0; k < TailleFichierScores / 16; ++k)
        if (k % PlacesParTableau != 0 && e[k].ValeurScore > e[k - 1].ValeurScore)
            return "an Import accepted a list out of order";
    for (size_t k = 0; k < TailleFichierScores / 16; k = k == 63 ? TailleFichierScores / 16 - 64 : k + 1) {
        EnregistrementScore relu;
        EcrireNom(relu, NomEnregistrement(e[k]));
        if (std::memcmp(relu.NomScore, e[k].NomScore, sizeof relu.NomScore) != 0)
            return "an Import accepted a name the game cannot write back";
    }
    g.MeilleursScores = *importee;
    EcrireMeilleursScores(c);
    if (!detail::Memes(*fs.Contenu(c.CheminScores), octets))
        return "an imported table is not saved whole";
    return {};
}

// Input: one byte of switches, then the file's bytes. A whole table costs a hundred times a short
// file, so most switch values read the file as it is:
//   bits 0-2: 0 to 3 the file is read; 4 the next two bytes give its length, 0 to 420 000 bytes, and
//   the rest is repeated to fill it; 5 the bytes are repeated up to 400 000 bytes and a few more (a
//   whole table); 6 there is no file; 7 reading it fails;
//   bit 3: copies fail; bit 4: temporary files cannot be created; bit 5: renames fail;
//   bits 6-7: 0 loaded by LireMeilleursScores; 1 by ChargerOptions, a first run; 3 by ChargerOptions
//   after a run that saved sound options; 2 the bytes are a file the player imports (the browser's
//   Import), the table then read from a sound score file.
// Inputs themselves stay short (scripts/fuzz bounds them at 4 096 bytes): mutating a 400 000-byte
// input would cost more than loading it.
COGITELLE_SANS_COUVERTURE inline std::string EssayerFichierScores(const uint8_t* donnees, size_t taille)
{
    if (taille == 0)
        return {};
    const uint8_t commandes = donnees[0];
    std::string octets(reinterpret_cast<const char*>(donnees + 1), taille - 1);
    const int mode = commandes & 7;
    if ((mode == 4 && octets.size() > 2) || (mode == 5 && !octets.empty())) {
        size_t voulu = TailleFichierScores + octets.size() % 17;
        if (mode == 4) {
            voulu = std::min<size_t>(420000, ((static_cast<uint8_t>(octets[0]) << 8) | static_cast<uint8_t>(octets[1])) * 7u);
            octets.erase(0, 2);
            if (octets.size() > voulu)
                octets.resize(voulu);
        }
        octets.reserve(voulu);
        while (octets.size() < voulu)
            octets.append(octets, 0, std::min(octets.size(), voulu - octets.size()));
    }

    const std::string chemin = "scoresI";
    FichiersEnMemoire fs;
    // 0 the file is read, 2 there is no file, 3 reading it fails.
    const int lecture = mode <= 5 ? 0 : mode == 6 ? 2 : 3;
    if (lecture != 2)
        fs.Poser(chemin, octets);
    fs.lectureEnErreur = lecture == 3;
    fs.echecCopie = commandes & 0x08;
    fs.echecCreation = commandes & 0x10;
    fs.echecRemplacement = commandes & 0x20;

    static BancFichierScores banc;
    banc.Remettre();
    banc.ecrits = TailleFichierScores / 16;   // until the checks below know better
    SessionAutonome& s = banc.s;
    Contexte& c = s.ctx;
    c.CheminScores = chemin;
    c.Sauvegardes.fichiers = &fs;
    if ((commandes & 0xC0) == 0xC0) {
        const auto binaire = [&](const char* nom, std::vector<uint8_t> octets) { s.magasin.valeurs[nom].octets = octets; };
        binaire("verif", {1});
        binaire("optionCouleurFondEcran", {0, 0, 0x40, 0});
        binaire("optionCouleurTableauDeJeu", {0, 0, 0, 0});
        binaire("optionNumeroTableau", {0xF4, 1, 0, 0});
        binaire("optionTypeJeu", {5, 0, 0, 0});
        s.magasin.valeurs["optionYourName"].binaire = false;
        s.magasin.valeurs["optionYourName"].texte = "ÉLODIE";
    }
    GameState& g = *s.etat;
    if ((commandes & 0xC0) == 0x80)
        return EssayerImport(banc, fs, octets);
    if (commandes & 0x40)
        ChargerOptions(c);
    else
        LireMeilleursScores(c);

    // What the table must hold: every complete record of a readable file, in file order, or, where
    // no record can be read, a default table whose every list strictly decreases.
    const size_t complets = lecture == 0 ? std::min(octets.size() / 16, TailleFichierScores / 16) : 0;
    const EnregistrementScore* const e = &g.MeilleursScores.e[0][0][0];
    if (complets > 0) {
        // A record in memory is its 16 bytes in the file, on the little-endian machines that fuzz.
        static_assert(std::endian::native == std::endian::little);
        if (!detail::Egaux(e, octets.data(), 16 * complets))
            return "the table does not hold the file's records";
        // A record past a short file keeps what it held before: nothing, at start-up.
        if (!detail::Nuls(e + complets, sizeof(EnregistrementScore) * (TailleFichierScores / 16 - complets)))
            return "the records past a short file are not left as they were";
        banc.ecrits = complets;
    } else {
        // The first, second, middle and last lists of every game type (the table is drawn by one
        // loop, the same for every list).
        for (int32_t t = 1; t <= NbTypesJeu; ++t)
            for (const int32_t p : {1, 2, NombreTableaux / 2, NombreTableaux})
                for (int32_t r = 2; r <= PlacesParTableau; ++r)
                    if (g.MeilleursScores(t, p, r).ValeurScore >= g.MeilleursScores(t, p, r - 1).ValeurScore)
                        return "a default list does not decrease";
    }
    // A damaged file is reported and, when it can be, kept beside itself before any save.
    const bool endommage = lecture == 3 || (lecture == 0 && complets < TailleFichierScores / 16);
    bool signale = false;
    for (const std::string& m : s.ports.messages)
        signale = signale || m.rfind("Le fichier des meilleurs scores", 0) == 0;
    if (endommage != signale)
        return endommage ? "a damaged score file is not reported" : "a sound score file is reported";
    // A file that reads is copied, or else moved aside; one that does not can only be moved.
    const bool copiable = lecture == 0 ? !fs.echecCopie || !fs.echecRemplacement : !fs.echecRemplacement;
    const std::string* copie = fs.Contenu(chemin + ".bak");
    if (endommage && copiable && (!copie || !detail::Memes(*copie, octets)))
        return "the damaged file is not kept as scoresI.bak";
    // Whatever was saved is a whole table, never a part of one.
    const std::string* fichier = fs.Contenu(chemin);
    if (fichier && !detail::Memes(*fichier, octets) && !detail::Memes(*fichier, OctetsTable(g.MeilleursScores)))
        return "the score file holds neither its old bytes nor the table";
    for (const auto& [nom, noeud] : fs.noeuds)
        if (nom.find(".tmp") != std::string::npos)
            return "a temporary file is left behind";

    // Every name reads as UTF-8 and writes back as the same bytes, up to its first 0 byte.
    for (const EnregistrementScore& r : std::initializer_list<EnregistrementScore>{
             g.MeilleursScores(1, 1, 1), g.MeilleursScores(1, 1, 2), g.MeilleursScores(5, 500, 10)}) {
        const std::string nom = NomEnregistrement(r);
        if (!detail::Utf8Valide(nom))
            return "a name does not decode to UTF-8";
        EnregistrementScore relu;
        EcrireNom(relu, nom);
        size_t longueur = 0;
        while (longueur < 12 && r.NomScore[longueur] != 0)
            ++longueur;
        for (size_t i = 0; i < 12; ++i)
            if (relu.NomScore[i] != (i < longueur ? r.NomScore[i] : 0))
                return "a name does not write back as its bytes";
    }
    // The first names of the file decode too (all 25 000 would cost more than the rest of a run).
    for (size_t k = 0; k < complets && k < 32; ++k)
        if (!detail::Utf8Valide(NomEnregistrement(e[k])))
            return "a name does not decode to UTF-8";
    return {};
}

} // namespace cogitelle::fuzz
