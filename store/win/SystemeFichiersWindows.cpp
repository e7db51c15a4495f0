// The file-system seam on Windows: the score file's operations over the Win32 API, with UTF-8
// paths turned into the system's wide ones.
#include "store/SystemeFichiers.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "store/Cp1252.h"

namespace cogitelle {

const char* const SeparateursDossiers = "/\\";

namespace {

std::wstring Large(const std::string& utf8)
{
    const std::u16string s = Utf8VersUtf16(utf8);
    return std::wstring(s.begin(), s.end());
}

std::string Etroit(const wchar_t* w)
{
    std::u16string s;
    for (; *w; ++w)
        s.push_back(static_cast<char16_t>(*w));
    return Utf16VersUtf8(s);
}

std::filesystem::path CheminFs(const std::string& utf8) { return std::filesystem::path(Large(utf8)); }

std::string MessageSysteme(DWORD code)
{
    wchar_t* tampon = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&tampon), 0, nullptr);
    std::u16string texte;
    if (n > 0 && tampon)
        texte.assign(tampon, tampon + n);
    if (tampon)
        LocalFree(tampon);
    while (!texte.empty() && (texte.back() == u'\r' || texte.back() == u'\n' || texte.back() == u' ' || texte.back() == u'.'))
        texte.pop_back();
    if (texte.empty())
        return "Windows error " + std::to_string(code);
    return Utf16VersUtf8(texte);
}

class FluxWindows : public SystemeFichiers::Flux {
public:
    FluxWindows(HANDLE h, bool enPlace) : h_(h), enPlace_(enPlace) {}
    ~FluxWindows() override
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    bool Ecrire(const char* octets, size_t taille, std::string& raison) override
    {
        while (taille > 0) {
            const DWORD morceau = static_cast<DWORD>(std::min<size_t>(taille, 1u << 30));
            DWORD ecrits = 0;
            if (!WriteFile(h_, octets, morceau, &ecrits, nullptr)) {
                raison = MessageSysteme(GetLastError());
                return false;
            }
            octets += ecrits;
            taille -= ecrits;
        }
        return true;
    }
    bool Terminer(std::string& raison) override
    {
        bool ok = true;
        // A file written over keeps no bytes past the new ones.
        if (enPlace_ && !SetEndOfFile(h_)) {
            raison = MessageSysteme(GetLastError());
            ok = false;
        }
        if (ok && !FlushFileBuffers(h_)) {
            raison = MessageSysteme(GetLastError());
            ok = false;
        }
        if (!CloseHandle(h_) && ok) {
            raison = MessageSysteme(GetLastError());
            ok = false;
        }
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
    bool enPlace_;
};

class VerrouWindows : public SystemeFichiers::Verrou {
public:
    explicit VerrouWindows(HANDLE h) : h_(h) {}
    ~VerrouWindows() override
    {
        OVERLAPPED ov{};
        ov.OffsetHigh = PositionVerrou;
        UnlockFileEx(h_, 0, 1, 0, &ov);
        CloseHandle(h_);
    }
    // The lock is on one byte far past the end of any file: it keeps no one from reading or
    // writing the file itself.
    static constexpr DWORD PositionVerrou = 0x40000000;

private:
    HANDLE h_;
};

int64_t SecondesDepuis1970(const FILETIME& ft)
{
    const uint64_t t = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<int64_t>(t / 10000000ull) - 11644473600ll;
}

// The path a symbolic link names, from its reparse data; empty when it is no symbolic link.
std::wstring CibleDuLien(const std::wstring& lien, bool& relatif)
{
    HANDLE h = CreateFileW(lien.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    std::vector<unsigned char> donnees(16 * 1024);
    DWORD lus = 0;
    constexpr DWORD LireReparse = 0x000900A8;   // FSCTL_GET_REPARSE_POINT
    const BOOL ok = DeviceIoControl(h, LireReparse, nullptr, 0, donnees.data(), static_cast<DWORD>(donnees.size()), &lus, nullptr);
    CloseHandle(h);
    // The symbolic link's layout: tag, length, reserved, then the two names' places, flags, names.
    struct Entete {
        uint32_t etiquette;
        uint16_t longueur, reserve;
        uint16_t substitutDebut, substitutLongueur, affichageDebut, affichageLongueur;
        uint32_t drapeaux;
    } e;
    static_assert(sizeof(Entete) == 20);
    if (!ok || lus < sizeof e)
        return {};
    std::memcpy(&e, donnees.data(), sizeof e);
    constexpr uint32_t EtiquetteLien = 0xA000000C;   // IO_REPARSE_TAG_SYMLINK
    if (e.etiquette != EtiquetteLien)
        return {};
    const auto nom = [&](uint16_t debut, uint16_t longueur) {
        if (sizeof e + debut + longueur > lus)
            return std::wstring();
        std::wstring w(longueur / 2, L'\0');
        std::memcpy(w.data(), donnees.data() + sizeof e + debut, longueur);
        return w;
    };
    relatif = (e.drapeaux & 1) != 0;
    std::wstring cible = nom(e.affichageDebut, e.affichageLongueur);
    if (cible.empty()) {
        cible = nom(e.substitutDebut, e.substitutLongueur);
        if (cible.rfind(L"\\??\\", 0) == 0)
            cible.erase(0, 4);
    }
    return cible;
}

class SystemeWindows : public SystemeFichiers {
public:
    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override
    {
        octets.clear();
        HANDLE h = CreateFileW(Large(chemin).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD e = GetLastError();
            if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND)
                return Lecture::Absent;
            raison = MessageSysteme(e);
            return Lecture::Erreur;
        }
        if (GetFileType(h) != FILE_TYPE_DISK) {
            CloseHandle(h);
            raison = "not a regular file";
            return Lecture::Erreur;
        }
        char tampon[64 * 1024];
        for (;;) {
            DWORD lus = 0;
            if (!ReadFile(h, tampon, sizeof tampon, &lus, nullptr)) {
                raison = MessageSysteme(GetLastError());
                CloseHandle(h);
                return Lecture::Erreur;
            }
            if (lus == 0)
                break;
            octets.append(tampon, lus);
        }
        CloseHandle(h);
        return Lecture::Ok;
    }

    Info Etat(const std::string& chemin) override
    {
        Info info;
        WIN32_FILE_ATTRIBUTE_DATA a{};
        if (!GetFileAttributesExW(Large(chemin).c_str(), GetFileExInfoStandard, &a)) {
            const DWORD e = GetLastError();
            if (e != ERROR_FILE_NOT_FOUND && e != ERROR_PATH_NOT_FOUND) {
                info.genre = Genre::Erreur;
                info.raison = MessageSysteme(e);
            }
            return info;
        }
        info.genre = (a.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Genre::Dossier
            : (a.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)           ? Genre::Autre
                                                                     : Genre::Fichier;
        info.lectureSeule = (a.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        info.modifie = SecondesDepuis1970(a.ftLastWriteTime);
        return info;
    }

    std::string Resoudre(const std::string& chemin) override
    {
        // Only symbolic links are followed; any other path is kept as given.
        std::string courant = chemin;
        for (int saut = 0; saut < 40; ++saut) {
            const DWORD attributs = GetFileAttributesW(Large(courant).c_str());
            if (attributs == INVALID_FILE_ATTRIBUTES || !(attributs & FILE_ATTRIBUTE_REPARSE_POINT))
                return courant;
            bool relatif = false;
            const std::wstring cible = CibleDuLien(Large(courant), relatif);
            if (cible.empty())
                return courant;
            const std::string dossier = DossierDe(courant);
            courant = relatif && !dossier.empty() ? dossier + "\\" + Etroit(cible.c_str()) : Etroit(cible.c_str());
        }
        return courant;
    }

    std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) override
    {
        for (int essai = 0; essai < 100; ++essai) {
            chemin = NomTemporaire(cible, GetCurrentProcessId(), compteur_++);
            HANDLE h = CreateFileW(Large(chemin).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE)
                return std::make_unique<FluxWindows>(h, false);
            const DWORD e = GetLastError();
            if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) {
                raison = MessageSysteme(e);
                return nullptr;
            }
        }
        raison = MessageSysteme(ERROR_FILE_EXISTS);
        return nullptr;
    }

    std::unique_ptr<Flux> EcrireEnPlace(const std::string& chemin, std::string& raison) override
    {
        // Shared for writing too: the lock of this very save may be held on the file itself.
        HANDLE h = CreateFileW(Large(chemin).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            raison = MessageSysteme(GetLastError());
            return nullptr;
        }
        return std::make_unique<FluxWindows>(h, true);
    }

    // A new file takes the folder's permissions; a read-only file is never replaced.
    bool CopierAttributs(const Info&, const std::string&, std::string&) override { return true; }

    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        // Unlike rename(), MoveFileExW with this flag replaces an existing target.
        if (MoveFileExW(Large(de).c_str(), Large(vers).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        raison = MessageSysteme(GetLastError());
        return false;
    }

    bool Copier(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (!CopyFileW(Large(de).c_str(), Large(vers).c_str(), TRUE)) {
            raison = MessageSysteme(GetLastError());
            return false;
        }
        HANDLE h = CreateFileW(Large(vers).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        bool ok = h != INVALID_HANDLE_VALUE && FlushFileBuffers(h);
        if (!ok)
            raison = MessageSysteme(GetLastError());
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        return ok;
    }

    bool Deplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (MoveFileExW(Large(de).c_str(), Large(vers).c_str(), MOVEFILE_WRITE_THROUGH))
            return true;
        raison = MessageSysteme(GetLastError());
        return false;
    }

    void Supprimer(const std::string& chemin) override
    {
        std::error_code ec;
        std::filesystem::remove(CheminFs(chemin), ec);
    }

    std::vector<std::string> Lister(const std::string& dossier) override
    {
        std::vector<std::string> noms;
        WIN32_FIND_DATAW d;
        HANDLE h = FindFirstFileW(Large((dossier.empty() ? std::string(".") : dossier) + "\\*").c_str(), &d);
        if (h == INVALID_HANDLE_VALUE)
            return noms;
        do {
            const std::string nom = Etroit(d.cFileName);
            if (nom != "." && nom != "..")
                noms.push_back(nom);
        } while (FindNextFileW(h, &d));
        FindClose(h);
        return noms;
    }

    Verrouillage Verrouiller(const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou,
        std::string& raison) override
    {
        const DWORD partage = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        HANDLE h = CreateFileW(Large(chemin).c_str(), GENERIC_READ | GENERIC_WRITE, partage, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
            h = CreateFileW(Large(chemin).c_str(), GENERIC_READ, partage, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            raison = MessageSysteme(GetLastError());
            return Verrouillage::Erreur;
        }
        const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(delaiMs);
        for (;;) {
            OVERLAPPED ov{};
            ov.OffsetHigh = VerrouWindows::PositionVerrou;
            if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &ov)) {
                verrou = std::make_unique<VerrouWindows>(h);
                return Verrouillage::Ok;
            }
            const DWORD e = GetLastError();
            if (e != ERROR_LOCK_VIOLATION && e != ERROR_IO_PENDING) {
                CloseHandle(h);
                raison = MessageSysteme(e);
                return Verrouillage::Erreur;
            }
            if (std::chrono::steady_clock::now() >= limite) {
                CloseHandle(h);
                raison = MessageSysteme(e);
                return Verrouillage::Occupe;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    int64_t Maintenant() override
    {
        FILETIME ft;
        GetSystemTimeAsFileTime(&ft);
        return SecondesDepuis1970(ft);
    }

private:
    unsigned compteur_ = 0;
};

} // namespace

SystemeFichiers& SystemeFichiersReel()
{
    static SystemeWindows systeme;
    return systeme;
}

} // namespace cogitelle
