// The file-system seam on Linux and macOS: the score file's operations over POSIX calls.
#include "store/SystemeFichiers.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace cogitelle {

const char* const SeparateursDossiers = "/";

namespace {

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

} // namespace

SystemeFichiers& SystemeFichiersReel()
{
    static SystemePosix systeme;
    return systeme;
}

} // namespace cogitelle
