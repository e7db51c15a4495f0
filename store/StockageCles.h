// The browser keeps text under string keys only: the score file and the options are kept there as
// text, the file's bytes in base64 and the options one value a line.
#pragma once

#include <map>
#include <string>

#include "store/MagasinOptions.h"

namespace cogitelle {

// Base64, with its padding.
std::string EnBase64(const std::string& octets);
// False when the text is not base64; `octets` then holds nothing useful.
bool DepuisBase64(const std::string& texte, std::string& octets);

// The options as text: one value a line, "b" or "s", the name, the bytes in hexadecimal,
// separated by tabs.
std::string OptionsEnTexte(const std::map<std::string, MagasinMemoire::Valeur>& valeurs);
// A line that cannot be read is left out: the value is then missing.
void OptionsDepuisTexte(const std::string& texte, std::map<std::string, MagasinMemoire::Valeur>& valeurs);

} // namespace cogitelle
