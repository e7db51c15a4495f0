#include "store/win/MagasinRegistre.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstring>
#include <vector>

#include "store/Cp1252.h"

namespace cogitelle {

namespace {

std::wstring Large(const std::string& utf8)
{
    const std::u16string s = Utf8VersUtf16(utf8);
    return std::wstring(s.begin(), s.end());
}

std::string Etroit(const std::wstring& s) { return Utf16VersUtf8(std::u16string(s.begin(), s.end())); }

std::string MessageSysteme(LONG code)
{
    wchar_t* tampon = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&tampon), 0, nullptr);
    std::wstring texte;
    if (n > 0 && tampon)
        texte.assign(tampon, n);
    if (tampon)
        LocalFree(tampon);
    while (!texte.empty() && (texte.back() == L'\r' || texte.back() == L'\n' || texte.back() == L' ' || texte.back() == L'.'))
        texte.pop_back();
    if (texte.empty())
        return "Windows error " + std::to_string(code);
    return Etroit(texte);
}

HKEY Cle(void* cle) { return static_cast<HKEY>(cle); }

} // namespace

MagasinRegistre::MagasinRegistre(const std::string& titre) : sousCle_(L"Software\\Ludivex\\" + Large(titre)) {}

MagasinRegistre::~MagasinRegistre()
{
    std::string ignoree;
    Fermer(ignoree);
}

bool MagasinRegistre::Ouvrir(std::string& erreur)
{
    std::string ignoree;
    Fermer(ignoree);
    HKEY h = nullptr;
    const LONG r = RegCreateKeyExW(HKEY_CURRENT_USER, sousCle_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &h, nullptr);
    if (r != ERROR_SUCCESS) {
        erreur = MessageSysteme(r);
        return false;
    }
    cle_ = h;
    return true;
}

bool MagasinRegistre::Fermer(std::string& erreur)
{
    if (!cle_)
        return true;
    const LONG r = RegCloseKey(Cle(cle_));
    cle_ = nullptr;
    if (r != ERROR_SUCCESS) {
        erreur = MessageSysteme(r);
        return false;
    }
    return true;
}

MagasinOptions::Lecture MagasinRegistre::LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur)
{
    lus = 0;
    if (!cle_) {
        erreur = MessageSysteme(ERROR_INVALID_HANDLE);
        return Lecture::Erreur;
    }
    const std::wstring n = Large(nom);
    DWORD type = 0, octets = 0;
    LONG r = RegQueryValueExW(Cle(cle_), n.c_str(), nullptr, &type, nullptr, &octets);
    if (r == ERROR_FILE_NOT_FOUND)
        return Lecture::Absent;
    if (r == ERROR_SUCCESS && (type != REG_BINARY || octets > taille))
        r = ERROR_INVALID_DATATYPE;
    if (r != ERROR_SUCCESS) {
        erreur = MessageSysteme(r);
        return Lecture::Erreur;
    }
    std::vector<BYTE> tampon(taille > 0 ? taille : 1);
    octets = static_cast<DWORD>(taille);
    r = RegQueryValueExW(Cle(cle_), n.c_str(), nullptr, &type, tampon.data(), &octets);
    // The value may have changed since it was measured.
    if (r == ERROR_MORE_DATA || (r == ERROR_SUCCESS && type != REG_BINARY))
        r = ERROR_INVALID_DATATYPE;
    if (r == ERROR_FILE_NOT_FOUND)
        return Lecture::Absent;
    if (r != ERROR_SUCCESS) {
        erreur = MessageSysteme(r);
        return Lecture::Erreur;
    }
    if (octets > 0)
        std::memcpy(dst, tampon.data(), octets);
    lus = octets;
    return Lecture::Ok;
}

MagasinOptions::Lecture MagasinRegistre::LireTexte(const std::string& nom, std::string& valeur, std::string& erreur)
{
    if (!cle_) {
        erreur = MessageSysteme(ERROR_INVALID_HANDLE);
        return Lecture::Erreur;
    }
    const std::wstring n = Large(nom);
    for (int essai = 0; essai < 4; ++essai) {
        DWORD type = 0, octets = 0;
        LONG r = RegQueryValueExW(Cle(cle_), n.c_str(), nullptr, &type, nullptr, &octets);
        if (r == ERROR_FILE_NOT_FOUND)
            return Lecture::Absent;
        if (r == ERROR_SUCCESS && type != REG_SZ)
            r = ERROR_INVALID_DATATYPE;
        if (r != ERROR_SUCCESS) {
            erreur = MessageSysteme(r);
            return Lecture::Erreur;
        }
        std::wstring tampon(octets / sizeof(wchar_t) + 1, L'\0');
        DWORD lus = static_cast<DWORD>(tampon.size() * sizeof(wchar_t));
        r = RegQueryValueExW(Cle(cle_), n.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(tampon.data()), &lus);
        if (r == ERROR_MORE_DATA)
            continue;   // grew in between: measure again
        if (r == ERROR_FILE_NOT_FOUND)
            return Lecture::Absent;
        if (r == ERROR_SUCCESS && type != REG_SZ)
            r = ERROR_INVALID_DATATYPE;
        if (r != ERROR_SUCCESS) {
            erreur = MessageSysteme(r);
            return Lecture::Erreur;
        }
        // A REG_SZ need not end with its terminator, and may hold several.
        tampon.resize(lus / sizeof(wchar_t));
        const size_t fin = tampon.find(L'\0');
        if (fin != std::wstring::npos)
            tampon.resize(fin);
        valeur = Etroit(tampon);
        return Lecture::Ok;
    }
    erreur = MessageSysteme(ERROR_MORE_DATA);
    return Lecture::Erreur;
}

bool MagasinRegistre::EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur)
{
    LONG r = ERROR_INVALID_HANDLE;
    if (cle_)
        r = RegSetValueExW(Cle(cle_), Large(nom).c_str(), 0, REG_BINARY, static_cast<const BYTE*>(src), static_cast<DWORD>(taille));
    if (r != ERROR_SUCCESS) {
        erreur = MessageSysteme(r);
        return false;
    }
    return true;
}

bool MagasinRegistre::EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur)
{
    LONG r = ERROR_INVALID_HANDLE;
    if (cle_) {
        const std::wstring texte = Large(valeur);
        r = RegSetValueExW(Cle(cle_), Large(nom).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(texte.c_str()),
            static_cast<DWORD>((texte.size() + 1) * sizeof(wchar_t)));
    }
    if (r != ERROR_SUCCESS) {
        erreur = MessageSysteme(r);
        return false;
    }
    return true;
}

} // namespace cogitelle
