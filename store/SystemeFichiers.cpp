#include "store/SystemeFichiers.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "store/Cp1252.h"
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cogitelle {

bool EcrireAtomiquement(SystemeFichiers& fs, const std::string& chemin, const std::string& octets, std::string& raison)
{
    std::string temporaire;
    std::unique_ptr<SystemeFichiers::Flux> flux = fs.CreerTemporaire(chemin, temporaire, raison);
    if (!flux)
        return false;
    // Written in pieces so that a failing disk stops the write where it fails.
    constexpr size_t Bloc = 64 * 1024;
    bool ok = true;
    for (size_t i = 0; ok && i < octets.size(); i += Bloc)
        ok = flux->Ecrire(octets.data() + i, std::min(Bloc, octets.size() - i), raison);
    if (ok)
        ok = flux->Terminer(raison);
    flux.reset();
    if (ok)
        ok = fs.Remplacer(temporaire, chemin, raison);
    if (!ok)
        fs.Supprimer(temporaire);
    return ok;
}

namespace {

#ifdef _WIN32

std::wstring Large(const std::string& utf8)
{
    const std::u16string s = Utf8VersUtf16(utf8);
    return std::wstring(s.begin(), s.end());
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
    explicit FluxWindows(HANDLE h) : h_(h) {}
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
        if (!FlushFileBuffers(h_)) {
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
};

class SystemeWindows : public SystemeFichiers {
public:
    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override
    {
        octets.clear();
        HANDLE h = CreateFileW(Large(chemin).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD e = GetLastError();
            if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND)
                return Lecture::Absent;
            raison = MessageSysteme(e);
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

    std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) override
    {
        for (int essai = 0; essai < 100; ++essai) {
            chemin = cible + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(compteur_++) + ".tmp";
            HANDLE h = CreateFileW(Large(chemin).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE)
                return std::make_unique<FluxWindows>(h);
            const DWORD e = GetLastError();
            if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) {
                raison = MessageSysteme(e);
                return nullptr;
            }
        }
        raison = MessageSysteme(ERROR_FILE_EXISTS);
        return nullptr;
    }

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
        if (CopyFileW(Large(de).c_str(), Large(vers).c_str(), FALSE))
            return true;
        raison = MessageSysteme(GetLastError());
        return false;
    }

    void Supprimer(const std::string& chemin) override
    {
        std::error_code ec;
        std::filesystem::remove(CheminFs(chemin), ec);
    }

private:
    unsigned compteur_ = 0;
};

#else

std::string MessageSysteme(int code) { return std::strerror(code); }

class FluxPosix : public SystemeFichiers::Flux {
public:
    explicit FluxPosix(int fd) : fd_(fd) {}
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
        }
        return true;
    }
    bool Terminer(std::string& raison) override
    {
        bool ok = true;
        int r = -1;
#ifdef F_FULLFSYNC
        // On macOS fsync stops at the drive's cache; this reaches the medium.
        r = ::fcntl(fd_, F_FULLFSYNC);
#endif
        if (r != 0)
            r = ::fsync(fd_);
        if (r != 0 && errno != EINVAL && errno != ENOTSUP) {
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
};

class SystemePosix : public SystemeFichiers {
public:
    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override
    {
        octets.clear();
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT)
                return Lecture::Absent;
            raison = MessageSysteme(errno);
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

    std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) override
    {
        for (int essai = 0; essai < 100; ++essai) {
            chemin = cible + "." + std::to_string(::getpid()) + "-" + std::to_string(compteur_++) + ".tmp";
            const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                return std::make_unique<FluxPosix>(fd);
            if (errno != EEXIST) {
                raison = MessageSysteme(errno);
                return nullptr;
            }
        }
        raison = MessageSysteme(EEXIST);
        return nullptr;
    }

    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (::rename(de.c_str(), vers.c_str()) != 0) {
            raison = MessageSysteme(errno);
            return false;
        }
        // Makes the new name itself durable; a folder that cannot be synced is no failure.
        const std::string dossier = std::filesystem::path(vers).parent_path().string();
        const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
        return true;
    }

    bool Copier(const std::string& de, const std::string& vers, std::string& raison) override
    {
        std::error_code ec;
        std::filesystem::copy_file(de, vers, std::filesystem::copy_options::overwrite_existing, ec);
        if (ec)
            raison = ec.message();
        return !ec;
    }

    void Supprimer(const std::string& chemin) override { ::unlink(chemin.c_str()); }

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
