// Windows-1252, the encoding of the names in the score file.
#pragma once

#include <string>

namespace cogitelle {

// Decodes Windows-1252 bytes to UTF-8. The five undefined bytes map to the C1 control of the
// same value, so no byte is lost.
std::string Cp1252VersUtf8(const std::string& octets);
// Encodes UTF-8 as Windows-1252; false when a character has no Windows-1252 byte (it is then
// written as '?').
bool Utf8VersCp1252(const std::string& utf8, std::string& octets);
// True when every character of the UTF-8 text has a Windows-1252 byte.
bool RepresentableCp1252(const std::string& utf8);

// UTF-8 and UTF-16, for the Windows wide-character calls (registry values, file names). Invalid
// sequences become U+FFFD.
std::u16string Utf8VersUtf16(const std::string& utf8);
std::string Utf16VersUtf8(const std::u16string& utf16);

} // namespace cogitelle

namespace cogitelle {

// The player's name as the name field keeps it: upper case, only characters Windows-1252 can
// hold (the others are dropped), at most 12 characters.
std::string NormaliserNom(const std::string& utf8);

} // namespace cogitelle
