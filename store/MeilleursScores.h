// The table of the ten best scores of every game type and puzzle, and its file.
#pragma once

#include <string>

#include "core/Contexte.h"

namespace cogitelle {

extern const char* const NomsParDefaut[10];

// Replaces the whole table with a default table drawn from the generator as it stands.
void InitialiserMeilleursScores(Contexte& c);
// What reading the score file found.
enum class EtatFichierScores {
    Complet,     // the whole table was read (bytes past the table are ignored)
    Absent,      // there is no score file (or the table lives in memory only)
    Partiel,     // a short file: its complete records were read
    Illisible,   // a file that cannot be read, or holds not one complete record
};
// Reads the table from the score file (a link followed) and draws nothing. A short or unreadable
// file is reported to the player and kept beside itself under a name that was free ("<file>.bak",
// "<file>.bak.2"...) before any save may replace it. Anything but a file of that name is reported
// and left alone: the table then lives in memory only.
EtatFichierScores ChargerFichierScores(Contexte& c);
// Loads the table; when no table can be read, draws the default one and writes it.
void LireMeilleursScores(Contexte& c);
// Saves the table: under a lock shared by every copy of the game, re-reads the file and applies
// this copy's own changes since its last save to it (a score entered goes in at its place; a
// table drawn anew replaces the whole), then writes that, which becomes the table in memory. The
// file is replaced at once (never a partly written file), keeping its mode and owner; where no
// new file can be made in its folder it is written over in place. A read-only file or a folder of
// that name is left alone. A failure is reported once, then again only after a save has succeeded;
// the changes not saved are tried again at the next save.
void EcrireMeilleursScores(Contexte& c);
// Another copy of the game saved the score file: the table in memory becomes the file's, with this
// copy's own changes not saved yet applied onto it by a save, and the best-score panels show it
// when they are on show.
void PrendreTableDuFichier(Contexte& c);
// At the end of the program: saves once more when scores entered in this session (or a table
// drawn anew) are not on disk yet because their save failed. Writes nothing otherwise.
void EnregistrerScoresEnAttente(Contexte& c);
// Offers a score; returns its place 1..10, or 0 when it does not enter the table.
int32_t InsererScore(Contexte& c, TTypeJeu type, int32_t numero, const std::string& nom, int32_t score);

// The name of a record, up to its first 0 byte, decoded to UTF-8.
std::string NomEnregistrement(const EnregistrementScore& e);
// Writes a name's first 12 characters, 0-padded, in Windows-1252.
void EcrireNom(EnregistrementScore& e, const std::string& nomUtf8);

// The table as the 400 000 bytes of the file, and back.
constexpr size_t TailleFichierScores = 400000;
std::string OctetsTable(const TableMeilleursScores& t);
// True when the bytes are exactly the table's file.
bool OctetsDeLaTable(const std::string& octets, const TableMeilleursScores& t);
// Reads whole records from the bytes; returns how many were complete.
size_t LireOctetsTable(TableMeilleursScores& t, const std::string& octets);
// A score file chosen by the player (the browser's Import): accepted only when it is a whole table
// whose names and scores could have been written by the game. `raison` says why not.
bool LireFichierImporte(const std::string& octets, TableMeilleursScores& table, std::string& raison);

} // namespace cogitelle
