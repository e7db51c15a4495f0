#include "store/StockageCles.h"

#include <algorithm>
#include <cstdint>

namespace cogitelle {

namespace {

const char Hex[] = "0123456789abcdef";

std::string EnHexa(const std::string& s)
{
    std::string r;
    for (const char c : s) {
        r += Hex[(static_cast<unsigned char>(c) >> 4) & 15];
        r += Hex[static_cast<unsigned char>(c) & 15];
    }
    return r;
}

bool DepuisHexa(const std::string& s, std::string& r)
{
    if (s.size() % 2)
        return false;
    r.clear();
    for (size_t i = 0; i < s.size(); i += 2) {
        const auto chiffre = [](char c) {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            return -1;
        };
        const int h = chiffre(s[i]), l = chiffre(s[i + 1]);
        if (h < 0 || l < 0)
            return false;
        r += static_cast<char>(h * 16 + l);
    }
    return true;
}

} // namespace

std::string OptionsEnTexte(const std::map<std::string, MagasinMemoire::Valeur>& valeurs)
{
    std::string s;
    for (const auto& [nom, v] : valeurs) {
        s += v.binaire ? "b\t" : "s\t";
        s += nom + "\t";
        s += v.binaire ? EnHexa(std::string(v.octets.begin(), v.octets.end())) : EnHexa(v.texte);
        s += "\n";
    }
    return s;
}

void OptionsDepuisTexte(const std::string& texte, std::map<std::string, MagasinMemoire::Valeur>& valeurs)
{
    size_t debut = 0;
    while (debut < texte.size()) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        const std::string ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        const size_t t1 = ligne.find('\t');
        const size_t t2 = t1 == std::string::npos ? t1 : ligne.find('\t', t1 + 1);
        if (t2 == std::string::npos || (ligne[0] != 'b' && ligne[0] != 's') || t1 != 1)
            continue;
        std::string octets;
        if (!DepuisHexa(ligne.substr(t2 + 1), octets))
            continue;
        MagasinMemoire::Valeur v;
        v.binaire = ligne[0] == 'b';
        if (v.binaire)
            v.octets.assign(octets.begin(), octets.end());
        else
            v.texte = octets;
        valeurs[ligne.substr(t1 + 1, t2 - t1 - 1)] = v;
    }
}

std::string EnBase64(const std::string& octets)
{
    static const char A[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string r;
    r.reserve((octets.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < octets.size(); i += 3) {
        const uint32_t v = (uint8_t(octets[i]) << 16) | (uint8_t(octets[i + 1]) << 8) | uint8_t(octets[i + 2]);
        r += A[v >> 18];
        r += A[(v >> 12) & 63];
        r += A[(v >> 6) & 63];
        r += A[v & 63];
    }
    if (i < octets.size()) {
        const bool deux = i + 1 < octets.size();
        const uint32_t v = (uint8_t(octets[i]) << 16) | (deux ? uint8_t(octets[i + 1]) << 8 : 0);
        r += A[v >> 18];
        r += A[(v >> 12) & 63];
        r += deux ? A[(v >> 6) & 63] : '=';
        r += '=';
    }
    return r;
}

bool DepuisBase64(const std::string& texte, std::string& octets)
{
    if (texte.size() % 4)
        return false;
    octets.clear();
    octets.reserve(texte.size() / 4 * 3);
    const auto valeur = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    for (size_t i = 0; i < texte.size(); i += 4) {
        int v[4];
        int n = 4;
        for (int k = 0; k < 4; ++k) {
            v[k] = texte[i + k] == '=' && i + 4 == texte.size() && k >= 2 ? 0 : valeur(texte[i + k]);
            if (v[k] < 0)
                return false;
            if (texte[i + k] == '=')
                n = std::min(n, k);
        }
        const uint32_t x = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
        octets += static_cast<char>(x >> 16);
        if (n > 2)
            octets += static_cast<char>((x >> 8) & 0xFF);
        if (n > 3)
            octets += static_cast<char>(x & 0xFF);
    }
    return true;
}

} // namespace cogitelle
