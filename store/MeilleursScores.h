// The table of the ten best scores of every game type and puzzle, and its file.
#pragma once

#include <string>

#include "core/Contexte.h"

namespace cogitelle {

extern const char* const NomsParDefaut[10];

// Replaces the whole table with a default table drawn from the generator as it stands.
void InitialiserMeilleursScores(Contexte& c);
// Loads the table from the score file; when it cannot be opened, draws and writes a default one.
void LireMeilleursScores(Contexte& c);
// Writes the whole table to the score file.
void EcrireMeilleursScores(Contexte& c);
// Offers a score; returns its place 1..10, or 0 when it does not enter the table.
int32_t InsererScore(Contexte& c, TTypeJeu type, int32_t numero, const std::string& nom, int32_t score);

// The name of a record, up to its first 0 byte, decoded to UTF-8.
std::string NomEnregistrement(const EnregistrementScore& e);
// Writes a name's first 12 characters, 0-padded, in Windows-1252.
void EcrireNom(EnregistrementScore& e, const std::string& nomUtf8);

// The table as the 400 000 bytes of the file, and back.
constexpr size_t TailleFichierScores = 400000;
std::string OctetsTable(const TableMeilleursScores& t);
// Reads whole records from the bytes; returns how many were complete.
size_t LireOctetsTable(TableMeilleursScores& t, const std::string& octets);

} // namespace cogitelle
