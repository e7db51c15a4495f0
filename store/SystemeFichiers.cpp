#include "store/SystemeFichiers.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "store/Cp1252.h"
#else
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cogitelle {

namespace {

// Where the path's last folder separator stands, npos where it has none.
size_t DerniereSeparation(const std::string& chemin)
{
#ifdef _WIN32
    return chemin.find_last_of("/\\");
#else
    return chemin.find_last_of('/');
#endif
}

} // namespace

std::string DossierDe(const std::string& chemin)
{
    const size_t k = DerniereSeparation(chemin);
    if (k == std::string::npos)
        return {};
    return k == 0 ? chemin.substr(0, 1) : chemin.substr(0, k);
}

std::string NomDe(const std::string& chemin)
{
    const size_t k = DerniereSeparation(chemin);
    return k == std::string::npos ? chemin : chemin.substr(k + 1);
}

std::string CheminDuLien(const std::string& chemin, const std::string& lien)
{
    const std::string dossier = DossierDe(chemin);
    return lien[0] == '/' || dossier.empty() ? lien : dossier + "/" + lien;
}

std::string NomTemporaire(const std::string& cible, unsigned long processus, unsigned numero)
{
    return cible + "." + std::to_string(processus) + "-" + std::to_string(numero) + ".tmp";
}

bool EstTemporaireDe(const std::string& nom, const std::string& nomCible)
{
    // "<nomCible>." then digits, "-", digits, ".tmp"
    if (nom.size() <= nomCible.size() + 1 || nom.compare(0, nomCible.size(), nomCible) != 0 || nom[nomCible.size()] != '.')
        return false;
    const std::string reste = nom.substr(nomCible.size() + 1);
    if (reste.size() < 7 || reste.compare(reste.size() - 4, 4, ".tmp") != 0)
        return false;
    const std::string milieu = reste.substr(0, reste.size() - 4);
    const size_t tiret = milieu.find('-');
    if (tiret == std::string::npos || tiret == 0 || tiret + 1 == milieu.size())
        return false;
    for (size_t i = 0; i < milieu.size(); ++i)
        if (i != tiret && (milieu[i] < '0' || milieu[i] > '9'))
            return false;
    return true;
}

namespace {

bool EcrireFlux(SystemeFichiers::Flux& flux, std::string_view octets, std::string& raison)
{
    // Written in pieces so that a failing disk stops the write where it fails.
    constexpr size_t Bloc = 64 * 1024;
    for (size_t i = 0; i < octets.size(); i += Bloc)
        if (!flux.Ecrire(octets.data() + i, std::min(Bloc, octets.size() - i), raison))
            return false;
    return flux.Terminer(raison);
}

} // namespace

bool EcrireAtomiquement(SystemeFichiers& fs, const std::string& chemin, std::string_view octets, std::string& raison,
    const SystemeFichiers::Info* modele, bool* creationImpossible)
{
    if (creationImpossible)
        *creationImpossible = false;
    std::string temporaire;
    std::unique_ptr<SystemeFichiers::Flux> flux = fs.CreerTemporaire(chemin, temporaire, raison);
    if (!flux) {
        if (creationImpossible)
            *creationImpossible = true;
        return false;
    }
    bool ok = EcrireFlux(*flux, octets, raison);
    flux.reset();
    // The new file takes the place of the old one with its permissions and owner.
    if (ok && modele && modele->genre == SystemeFichiers::Genre::Fichier)
        ok = fs.CopierAttributs(*modele, temporaire, raison);
    if (ok)
        ok = fs.Remplacer(temporaire, chemin, raison);
    if (!ok)
        fs.Supprimer(temporaire);
    return ok;
}

bool EcrireEnPlace(SystemeFichiers& fs, const std::string& chemin, std::string_view octets, std::string& raison,
    bool* commence)
{
    std::unique_ptr<SystemeFichiers::Flux> flux = fs.EcrireEnPlace(chemin, raison);
    if (commence)
        *commence = flux != nullptr;
    return flux && EcrireFlux(*flux, octets, raison);
}

namespace {

#ifdef _WIN32

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

#else

std::string MessageSysteme(int code) { return std::strerror(code); }

class FluxPosix : public SystemeFichiers::Flux {
public:
    FluxPosix(int fd, bool enPlace) : fd_(fd), enPlace_(enPlace) {}
    ~FluxPosix() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool Ecrire(const char* octets, size_t taille, std::string& raison) override
    {
        while (taille > 0) {
            const ssize_t k = ::write(fd_, octets, taille);
            if (k < 0) {
                if (errno == EINTR)
                    continue;
                raison = MessageSysteme(errno);
                return false;
            }
            octets += k;
            taille -= static_cast<size_t>(k);
            ecrits_ += k;
        }
        return true;
    }
    bool Terminer(std::string& raison) override
    {
        bool ok = true;
        // A file written over keeps no bytes past the new ones.
        if (enPlace_ && ::ftruncate(fd_, ecrits_) != 0) {
            raison = MessageSysteme(errno);
            ok = false;
        }
        int r = -1;
#ifdef F_FULLFSYNC
        // On macOS fsync stops at the drive's cache; this reaches the medium.
        r = ::fcntl(fd_, F_FULLFSYNC);
#endif
        if (r != 0)
            r = ::fsync(fd_);
        if (ok && r != 0 && errno != EINVAL && errno != ENOTSUP) {
            raison = MessageSysteme(errno);
            ok = false;
        }
        if (::close(fd_) != 0 && ok) {
            raison = MessageSysteme(errno);
            ok = false;
        }
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
    bool enPlace_;
    off_t ecrits_ = 0;
};

class VerrouPosix : public SystemeFichiers::Verrou {
public:
    explicit VerrouPosix(int fd) : fd_(fd) {}
    ~VerrouPosix() override { ::close(fd_); }   // closing releases the lock

private:
    int fd_;
};

// Makes a change of names in a folder durable; a folder that cannot be synced is no failure.
void SynchroniserDossier(const std::string& fichier)
{
    const std::string dossier = DossierDe(fichier);
    const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class SystemePosix : public SystemeFichiers {
public:
    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override
    {
        octets.clear();
        // Non-blocking, so that a pipe of that name cannot hold the program.
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            if (errno == ENOENT)
                return Lecture::Absent;
            raison = MessageSysteme(errno);
            return Lecture::Erreur;
        }
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            raison = S_ISDIR(st.st_mode) ? MessageSysteme(EISDIR) : std::string("not a regular file");
            ::close(fd);
            return Lecture::Erreur;
        }
        char tampon[64 * 1024];
        for (;;) {
            const ssize_t k = ::read(fd, tampon, sizeof tampon);
            if (k < 0) {
                if (errno == EINTR)
                    continue;
                raison = MessageSysteme(errno);
                ::close(fd);
                return Lecture::Erreur;
            }
            if (k == 0)
                break;
            octets.append(tampon, static_cast<size_t>(k));
        }
        ::close(fd);
        return Lecture::Ok;
    }

    Info Etat(const std::string& chemin) override
    {
        Info info;
        struct stat st;
        if (::stat(chemin.c_str(), &st) != 0) {
            if (errno != ENOENT && errno != ENOTDIR) {
                info.genre = Genre::Erreur;
                info.raison = MessageSysteme(errno);
            }
            return info;
        }
        info.genre = S_ISREG(st.st_mode) ? Genre::Fichier : S_ISDIR(st.st_mode) ? Genre::Dossier : Genre::Autre;
        info.mode = st.st_mode & 07777;
        info.proprietaire = st.st_uid;
        info.groupe = st.st_gid;
        info.modifie = st.st_mtime;
        // A file with no write permission at all is read-only even for the administrator.
        info.lectureSeule = (st.st_mode & 0222) == 0 || ::access(chemin.c_str(), W_OK) != 0;
        return info;
    }

    std::string Resoudre(const std::string& chemin) override
    {
        std::string courant = chemin;
        for (int saut = 0; saut < 40; ++saut) {
            struct stat st;
            if (::lstat(courant.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
                return courant;
            char cible[PATH_MAX];
            const ssize_t n = ::readlink(courant.c_str(), cible, sizeof cible - 1);
            if (n <= 0)
                return courant;
            courant = CheminDuLien(courant, std::string(cible, static_cast<size_t>(n)));
        }
        return courant;
    }

    std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) override
    {
        for (int essai = 0; essai < 100; ++essai) {
            chemin = NomTemporaire(cible, static_cast<unsigned long>(::getpid()), compteur_++);
            const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                return std::make_unique<FluxPosix>(fd, false);
            if (errno != EEXIST) {
                raison = MessageSysteme(errno);
                return nullptr;
            }
        }
        raison = MessageSysteme(EEXIST);
        return nullptr;
    }

    std::unique_ptr<Flux> EcrireEnPlace(const std::string& chemin, std::string& raison) override
    {
        const int fd = ::open(chemin.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            raison = MessageSysteme(errno);
            return nullptr;
        }
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            raison = "not a regular file";
            return nullptr;
        }
        return std::make_unique<FluxPosix>(fd, true);
    }

    bool CopierAttributs(const Info& modele, const std::string& chemin, std::string& raison) override
    {
        // The owner first: giving it may clear the set-id bits that chmod then puts back.
        if (modele.proprietaire >= 0 && modele.groupe >= 0 &&
            (static_cast<uid_t>(modele.proprietaire) != ::geteuid() || static_cast<gid_t>(modele.groupe) != ::getegid())) {
            // Only the administrator may give a file away; the group alone is the next best thing.
            if (::chown(chemin.c_str(), static_cast<uid_t>(modele.proprietaire), static_cast<gid_t>(modele.groupe)) != 0 &&
                ::chown(chemin.c_str(), static_cast<uid_t>(-1), static_cast<gid_t>(modele.groupe)) != 0) {
                // The file stays this process's own.
            }
        }
        // A file system that keeps no modes (a FAT key, some network shares) refuses; the save
        // goes on, the file taking the modes that file system gives.
        if (::chmod(chemin.c_str(), static_cast<mode_t>(modele.mode)) != 0 && errno != EPERM && errno != ENOTSUP &&
            errno != EOPNOTSUPP) {
            raison = MessageSysteme(errno);
            return false;
        }
        return true;
    }

    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (::rename(de.c_str(), vers.c_str()) != 0) {
            raison = MessageSysteme(errno);
            return false;
        }
        SynchroniserDossier(vers);
        return true;
    }

    bool Copier(const std::string& de, const std::string& vers, std::string& raison) override
    {
        std::string octets;
        if (Lire(de, octets, raison) != Lecture::Ok) {
            if (raison.empty())
                raison = MessageSysteme(ENOENT);
            return false;
        }
        struct stat st;
        const mode_t mode = ::stat(de.c_str(), &st) == 0 ? (st.st_mode & 0777) : 0666;
        const int fd = ::open(vers.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            raison = MessageSysteme(errno);
            return false;
        }
        FluxPosix flux(fd, false);
        if (!flux.Ecrire(octets.data(), octets.size(), raison) || !flux.Terminer(raison)) {
            ::unlink(vers.c_str());
            return false;
        }
        SynchroniserDossier(vers);
        return true;
    }

    bool Deplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        int r = -1;
        errno = ENOSYS;
#ifdef RENAME_NOREPLACE
        r = ::renameat2(AT_FDCWD, de.c_str(), AT_FDCWD, vers.c_str(), RENAME_NOREPLACE);
#endif
        if (r != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without that flag: the name is checked just before.
            struct stat st;
            if (::lstat(vers.c_str(), &st) == 0)
                errno = EEXIST;
            else
                r = ::rename(de.c_str(), vers.c_str());
        }
        if (r != 0) {
            raison = MessageSysteme(errno);
            return false;
        }
        SynchroniserDossier(vers);
        return true;
    }

    void Supprimer(const std::string& chemin) override { ::unlink(chemin.c_str()); }

    std::vector<std::string> Lister(const std::string& dossier) override
    {
        std::vector<std::string> noms;
        DIR* d = ::opendir(dossier.empty() ? "." : dossier.c_str());
        if (!d)
            return noms;
        while (const dirent* e = ::readdir(d)) {
            const std::string nom = e->d_name;
            if (nom != "." && nom != "..")
                noms.push_back(nom);
        }
        ::closedir(d);
        return noms;
    }

    Verrouillage Verrouiller(const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou,
        std::string& raison) override
    {
        int fd = ::open(chemin.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
            fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            raison = MessageSysteme(errno);
            return Verrouillage::Erreur;
        }
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            raison = "not a regular file";
            return Verrouillage::Erreur;
        }
        const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(delaiMs);
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                verrou = std::make_unique<VerrouPosix>(fd);
                return Verrouillage::Ok;
            }
            const int e = errno;
            if (e != EWOULDBLOCK && e != EINTR) {
                ::close(fd);
                raison = MessageSysteme(e);
                return Verrouillage::Erreur;
            }
            if (std::chrono::steady_clock::now() >= limite) {
                ::close(fd);
                raison = MessageSysteme(e);
                return Verrouillage::Occupe;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    int64_t Maintenant() override { return static_cast<int64_t>(::time(nullptr)); }

private:
    unsigned compteur_ = 0;
};

#endif

} // namespace

SystemeFichiers& SystemeFichiersReel()
{
#ifdef _WIN32
    static SystemeWindows systeme;
#else
    static SystemePosix systeme;
#endif
    return systeme;
}

} // namespace cogitelle
