#include "store/Cp1252.h"

#include <cstdint>

namespace cogitelle {

namespace cp1252_detail {

// Code points of the bytes 0x80..0x9F; the five undefined bytes keep their C1 value.
constexpr char32_t Table80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AjouterUtf8(std::string& s, char32_t cp)
{
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Next code point of a UTF-8 string; an invalid sequence yields U+FFFD and skips one byte.
char32_t LireUtf8(const std::string& s, size_t& i)
{
    const auto octet = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t b0 = octet(i);
    auto suite = [&](size_t k) { return k < s.size() && (octet(k) & 0xC0) == 0x80; };
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2 && suite(i + 1)) {
        const char32_t cp = ((b0 & 0x1Fu) << 6) | (octet(i + 1) & 0x3Fu);
        i += 2;
        return cp;
    }
    if ((b0 & 0xF0) == 0xE0 && suite(i + 1) && suite(i + 2)) {
        const char32_t cp = ((b0 & 0x0Fu) << 12) | ((octet(i + 1) & 0x3Fu) << 6) | (octet(i + 2) & 0x3Fu);
        if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
            i += 3;
            return cp;
        }
    }
    if ((b0 & 0xF8) == 0xF0 && suite(i + 1) && suite(i + 2) && suite(i + 3)) {
        const char32_t cp = ((b0 & 0x07u) << 18) | ((octet(i + 1) & 0x3Fu) << 12) |
            ((octet(i + 2) & 0x3Fu) << 6) | (octet(i + 3) & 0x3Fu);
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            i += 4;
            return cp;
        }
    }
    ++i;
    return 0xFFFD;
}

// The Windows-1252 byte of a code point, or -1.
int OctetCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int k = 0; k < 32; ++k)
        if (Table80[k] == cp)
            return 0x80 + k;
    return -1;
}

} // namespace cp1252_detail

using namespace cp1252_detail;

std::string Cp1252VersUtf8(const std::string& octets)
{
    std::string s;
    s.reserve(octets.size() * 2);
    for (char ch : octets) {
        const uint8_t b = static_cast<uint8_t>(ch);
        AjouterUtf8(s, b >= 0x80 && b <= 0x9F ? Table80[b - 0x80] : static_cast<char32_t>(b));
    }
    return s;
}

bool Utf8VersCp1252(const std::string& utf8, std::string& octets)
{
    octets.clear();
    bool complet = true;
    for (size_t i = 0; i < utf8.size();) {
        const int b = OctetCp1252(LireUtf8(utf8, i));
        if (b < 0) {
            complet = false;
            octets += '?';
        } else {
            octets += static_cast<char>(b);
        }
    }
    return complet;
}

bool RepresentableCp1252(const std::string& utf8)
{
    std::string octets;
    return Utf8VersCp1252(utf8, octets);
}

std::u16string Utf8VersUtf16(const std::string& utf8)
{
    std::u16string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = LireUtf8(utf8, i);
        if (cp >= 0x10000) {
            s += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            s += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            s += static_cast<char16_t>(cp);
        }
    }
    return s;
}

std::string Utf16VersUtf8(const std::u16string& utf16)
{
    std::string s;
    s.reserve(utf16.size() * 2);
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;   // a lone surrogate
        }
        AjouterUtf8(s, cp);
    }
    return s;
}

} // namespace cogitelle

namespace cogitelle {

using namespace cp1252_detail;

namespace {

// Upper case within Windows-1252: ASCII, Latin-1 letters, and the four lower-case letters of
// 0x80..0x9F whose capitals are there too.
char32_t Majuscule(char32_t cp)
{
    if (cp >= U'a' && cp <= U'z')
        return cp - 32;
    if ((cp >= 0xE0 && cp <= 0xFE && cp != 0xF7))
        return cp - 32;
    switch (cp) {
    case 0x0153: return 0x0152;   // œ
    case 0x0161: return 0x0160;   // š
    case 0x017E: return 0x017D;   // ž
    case 0x00FF: return 0x0178;   // ÿ
    default: return cp;
    }
}

} // namespace

std::string NormaliserNom(const std::string& utf8)
{
    std::string resultat;
    int caracteres = 0;
    for (size_t i = 0; i < utf8.size() && caracteres < 12;) {
        const char32_t cp = Majuscule(LireUtf8(utf8, i));
        if (cp < 0x20 || cp == 0x7F || OctetCp1252(cp) < 0 || (cp >= 0x80 && cp <= 0x9F))
            continue;
        AjouterUtf8(resultat, cp);
        ++caracteres;
    }
    return resultat;
}

} // namespace cogitelle
