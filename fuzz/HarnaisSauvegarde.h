// The save of the score file under faults: the input decides, for every call a save makes to the
// in-memory file system (lock, stat, read, listing, temporary file, write, flush, attributes,
// rename, copy, removal), whether it succeeds, fails, or, for a write, keeps only part of its
// bytes. Scores enter the table one after the other, each saved at once; after each save:
//   - the file holds a whole table: its bytes before the save or the table in memory (or, where no
//     temporary file could be made and the file was written over, a failed write's mix, reported);
//   - the table in memory holds every score entered, at its place (nothing lost);
//   - a save is taken for a success only when the file holds the table, and a failed one was
//     reported, now or since the last success;
//   - no lock is left held.
// A last save with no fault must then write the table whole. Shared by the fuzz target and by the
// test that replays the inputs it once failed on. Returns an empty string when every check holds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "session/SessionAutonome.h"
#include "store/MeilleursScores.h"
#include "store/SystemeFichiersMemoire.h"

namespace cogitelle::fuzz {

namespace sauvegarde {

// Draws the fate of each call from the input's bytes; with no byte left, every call succeeds.
class FichiersDefaillants : public SystemeFichiersMemoire {
public:
    const uint8_t* pannes = nullptr;
    size_t restantes = 0;
    bool actives = false;
    bool enPlace = false;   // the score file was opened to be written over

    bool Permettre(Operation op, const std::string& chemin, size_t& taille, std::string& raison) override
    {
        if (!actives || restantes == 0 || *pannes < 0xA0) {   // most calls succeed
            if (actives && restantes > 0) {
                ++pannes;
                --restantes;
            }
            const bool ok = SystemeFichiersMemoire::Permettre(op, chemin, taille, raison);
            enPlace = enPlace || (ok && op == Operation::EcrireEnPlace);
            return ok;
        }
        const uint8_t b = *pannes++;
        --restantes;
        if (op == Operation::Ecrire && b >= 0xE0) {
            taille = taille * (b & 0x1Fu) / 32;   // a part of the bytes, then the disk is full
            raison = "No space left on device";
            return false;
        }
        raison = op == Operation::Verrouiller ? "Resource temporarily unavailable" : "Input/output error";
        return false;
    }
};

// The default table, drawn once.
inline const std::string& OctetsParDefaut()
{
    static const std::string octets = [] {
        SessionAutonome s;
        InitialiserMeilleursScores(s.ctx);
        return OctetsTable(s.etat->MeilleursScores);
    }();
    return octets;
}

// A score enters a list below every score at least as high, when it beats the tenth.
inline void Inserer(TableMeilleursScores& t, TTypeJeu type, int32_t numero, const EnregistrementScore& e)
{
    if (e.ValeurScore <= t(type, numero, PlacesParTableau).ValeurScore)
        return;
    int32_t place = 1;
    while (t(type, numero, place).ValeurScore >= e.ValeurScore)
        ++place;
    for (int32_t k = PlacesParTableau - 1; k >= place; --k)
        t(type, numero, k + 1) = t(type, numero, k);
    t(type, numero, place) = e;
}

inline bool EchecSignale(const PortsSilencieux& ports, size_t depuis)
{
    for (size_t i = depuis; i < ports.messages.size(); ++i)
        if (ports.messages[i].rfind("Les meilleurs scores n'ont pas pu être enregistrés", 0) == 0)
            return true;
    return false;
}

} // namespace sauvegarde

constexpr int32_t SauvegardesMax = 4;

// Input: a byte of set-up (bits 0-1: 1 to 4 saves; bit 2: no score file at start-up, else a whole
// table), three bytes per save (game type, puzzle, score 4 000 to 6 040), then one byte per file
// call of the saves: below 0xA0 the call succeeds; from 0xE0 a write keeps (b & 31) / 32 of its
// bytes and fails; otherwise the call fails.
inline std::string EssayerSauvegarde(const uint8_t* donnees, size_t taille)
{
    using namespace sauvegarde;
    if (taille < 4)
        return {};
    const int32_t sauvegardes = 1 + (donnees[0] & 3);
    const bool sansFichier = donnees[0] & 4;
    const size_t entete = 1 + 3 * static_cast<size_t>(sauvegardes);
    if (taille < entete)
        return {};

    const std::string chemin = "scoresI";
    FichiersDefaillants fs;
    if (!sansFichier)
        fs.Poser(chemin, OctetsParDefaut());
    fs.pannes = donnees + entete;
    fs.restantes = taille - entete;

    // One session for every input: the start-up reads or draws the whole table, and the saves
    // start from nothing of an earlier input's.
    static SessionAutonome* const s = new SessionAutonome;
    static SessionAutonome* const relue = new SessionAutonome;
    for (SessionAutonome* session : {s, relue}) {
        session->hasard = PuzzleRandom{};
        session->ports.messages.clear();
        session->ctx.Sauvegardes = SuiviSauvegardes{};
    }
    Contexte& c = s->ctx;
    c.CheminScores = chemin;
    c.Sauvegardes.fichiers = &fs;
    c.Sauvegardes.delaiVerrouMs = 0;   // a lock refused is refused at once
    // Start-up with no fault: the table is read, or drawn and written.
    LireMeilleursScores(c);
    const TableMeilleursScores& memoire = s->etat->MeilleursScores;
    if (!OctetsDeLaTable(*fs.Contenu(chemin), memoire))
        return "the start-up did not leave the table on disk";
    static auto* const attendu = new TableMeilleursScores;
    *attendu = memoire;
    bool signale = false;   // a failure was reported since the last successful save

    fs.actives = true;
    for (int32_t k = 0; k < sauvegardes; ++k) {
        const uint8_t* p = donnees + 1 + 3 * k;
        const TTypeJeu type = 1 + p[0] % NbTypesJeu;
        const int32_t numero = 1 + p[1] % NombreTableaux;
        const int32_t score = 4000 + 8 * p[2];
        static std::string avant;   // its buffer kept from one save to the next
        avant = *fs.Contenu(chemin);
        fs.enPlace = false;
        const size_t messages = s->ports.messages.size();
        EnregistrementScore e;
        EcrireNom(e, "ÉLODIE");
        e.ValeurScore = score;
        Inserer(*attendu, type, numero, e);
        const bool sauvee = InsererScore(c, type, numero, "ÉLODIE", score) > 0;   // else no save is made

        const std::string etape = "save " + std::to_string(k + 1) + ": ";
        const std::string* apres = fs.Contenu(chemin);
        if (!apres)
            return etape + "the score file is gone";
        const bool arrivee = OctetsDeLaTable(*apres, memoire);
        if (sauvee) {
            // A save is a success only when the file holds the table; a failure is reported once,
            // then again only after a success.
            const bool reussie = c.Sauvegardes.derniereSauvegardeReussie;
            const bool nouveau = EchecSignale(s->ports, messages);
            if (reussie && !arrivee)
                return etape + "a save that did not reach the file was taken for a success";
            if (reussie && nouveau)
                return etape + "a save that succeeded was reported as failed";
            if (!reussie && !signale && !nouveau)
                return etape + "a failed save was not reported";
            signale = !reussie;
        }
        // Where no temporary file could be made, the file is written over; stopped part-way, it
        // holds old and new records mixed until the next save writes it whole (checked below).
        if (!arrivee && !fs.enPlace && *apres != avant)
            return etape + "the score file holds neither its old table nor the new one";
        if (std::memcmp(&memoire, attendu, sizeof memoire) != 0)
            return etape + "the table in memory lost or moved a score";
        if (!fs.Verrouilles().empty())
            return etape + "a lock is left held";
    }

    // The faults over, the next save writes the whole table.
    fs.actives = false;
    EcrireMeilleursScores(c);
    if (!OctetsDeLaTable(*fs.Contenu(chemin), memoire))
        return "the save after the faults did not write the table";
    if (std::memcmp(&memoire, attendu, sizeof memoire) != 0)
        return "the table in memory lost a score after the faults";
    // And a new start reads it back whole.
    relue->ctx.CheminScores = chemin;
    relue->ctx.Sauvegardes.fichiers = &fs;
    if (ChargerFichierScores(relue->ctx) != EtatFichierScores::Complet ||
        std::memcmp(&relue->etat->MeilleursScores, attendu, sizeof memoire) != 0)
        return "the table read back after the faults is not the table saved";
    return {};
}

} // namespace cogitelle::fuzz
