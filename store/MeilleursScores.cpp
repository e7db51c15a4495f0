#include "store/MeilleursScores.h"

#include <array>
#include <bit>
#include <cstring>
#include <functional>
#include <memory>

#include "core/Score.h"
#include "store/Cp1252.h"
#include "store/MagasinOptions.h"
#include "store/SystemeFichiers.h"

namespace cogitelle {

const char* const NomsParDefaut[10] = {
    "JOHN", "ALBERT", "ORVALIN", "EDOUARD", "PHILIPPE", "BILL", "MARYLIN", "MARIE", "NATACHA", "BORIS"};

std::string NomEnregistrement(const EnregistrementScore& e)
{
    size_t longueur = 0;
    while (longueur < sizeof e.NomScore && e.NomScore[longueur] != 0)
        ++longueur;
    return Cp1252VersUtf8(std::string(e.NomScore, longueur));
}

void EcrireNom(EnregistrementScore& e, const std::string& nomUtf8)
{
    std::string octets;
    Utf8VersCp1252(nomUtf8, octets);
    std::memset(e.NomScore, 0, sizeof e.NomScore);
    std::memcpy(e.NomScore, octets.data(), std::min(octets.size(), sizeof e.NomScore));
}

void InitialiserMeilleursScores(Contexte& c)
{
    // The ten default names, encoded once: the table takes 25 000 of them.
    static const std::array<EnregistrementScore, 10> noms = [] {
        std::array<EnregistrementScore, 10> n{};
        for (size_t i = 0; i < n.size(); ++i)
            EcrireNom(n[i], NomsParDefaut[i]);
        return n;
    }();
    // The records in file order: type, puzzle, place.
    EnregistrementScore* e = &c.etat.MeilleursScores.e[0][0][0];
    for (int32_t type = 1; type <= NbTypesJeu; ++type)
        for (int32_t p = 1; p <= NombreTableaux; ++p)
            for (int32_t r = 1; r <= PlacesParTableau; ++r, ++e) {
                std::memcpy(e->NomScore, noms[static_cast<size_t>(c.hasard.Draw(10) - 1)].NomScore, sizeof e->NomScore);
                if (r == 1)
                    e->ValeurScore = 4650 - c.hasard.Draw(50) - 2 * p;
                else
                    e->ValeurScore = e[-1].ValeurScore - c.hasard.Draw(99);
            }
    // The table as a whole replaces the one on disk at the next save.
    c.Sauvegardes.scoresAEnregistrer.clear();
    c.Sauvegardes.tableEntiereAEcrire = true;
    c.Sauvegardes.tableParDefaut = false;
}

// A record in memory is its 16 bytes in the file on a little-endian machine: the table is then
// copied whole.
constexpr bool MemoireCommeFichier = std::endian::native == std::endian::little && sizeof(TableMeilleursScores) == TailleFichierScores;

std::string OctetsTable(const TableMeilleursScores& t)
{
    if constexpr (MemoireCommeFichier)
        return std::string(reinterpret_cast<const char*>(&t), TailleFichierScores);
    std::string octets(TailleFichierScores, '\0');
    size_t i = 0;
    for (const auto& type : t.e)
        for (const auto& puzzle : type)
            for (const EnregistrementScore& e : puzzle) {
                std::memcpy(&octets[i], e.NomScore, 12);
                const uint32_t v = static_cast<uint32_t>(e.ValeurScore);
                for (int b = 0; b < 4; ++b)
                    octets[i + 12 + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
                i += 16;
            }
    return octets;
}

bool OctetsDeLaTable(const std::string& octets, const TableMeilleursScores& t)
{
    if constexpr (MemoireCommeFichier)
        return octets.size() == TailleFichierScores && std::memcmp(octets.data(), &t, TailleFichierScores) == 0;
    return octets == OctetsTable(t);
}

size_t LireOctetsTable(TableMeilleursScores& t, const std::string& octets)
{
    const size_t complets = std::min(octets.size() / 16, TailleFichierScores / 16);
    if constexpr (MemoireCommeFichier) {
        std::memcpy(&t, octets.data(), 16 * complets);
        return complets;
    }
    EnregistrementScore* e = &t.e[0][0][0];
    for (size_t k = 0; k < complets; ++k) {
        const char* src = octets.data() + 16 * k;
        std::memcpy(e[k].NomScore, src, 12);
        uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= static_cast<uint32_t>(static_cast<uint8_t>(src[12 + b])) << (8 * b);
        e[k].ValeurScore = static_cast<int32_t>(v);
    }
    return complets;
}

bool LireFichierImporte(const std::string& octets, TableMeilleursScores& table, std::string& raison)
{
    if (octets.size() != TailleFichierScores) {
        raison = "un fichier des meilleurs scores a " + std::to_string(TailleFichierScores) + " octets, celui-ci en a " +
            std::to_string(octets.size());
        return false;
    }
    LireOctetsTable(table, octets);
    for (int t = 1; t <= NbTypesJeu; ++t)
        for (int p = 1; p <= NombreTableaux; ++p)
            for (int r = 1; r <= PlacesParTableau; ++r) {
                const EnregistrementScore& e = table(t, p, r);
                bool fin = false;
                for (const char ch : e.NomScore) {
                    const auto c = static_cast<unsigned char>(ch);
                    const bool indefini = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
                    if (fin ? c != 0 : (c != 0 && (c < 0x20 || c == 0x7F || indefini))) {
                        raison = "il ne contient pas des noms de joueurs";
                        return false;
                    }
                    fin = fin || c == 0;
                }
                if (r > 1 && e.ValeurScore > table(t, p, r - 1).ValeurScore) {
                    raison = "ses scores ne sont pas rangés du meilleur au moins bon";
                    return false;
                }
            }
    return true;
}

namespace {

SystemeFichiers& Fichiers(Contexte& c)
{
    return c.Sauvegardes.fichiers ? *c.Sauvegardes.fichiers : SystemeFichiersReel();
}

std::string Joindre(const std::string& dossier, const std::string& nom)
{
    if (dossier.empty())
        return nom;
    const char fin = dossier.back();
    return fin == '/' || fin == '\\' ? dossier + nom : dossier + "/" + nom;
}

size_t Empreinte(const std::string& octets) { return std::hash<std::string>{}(octets); }

// The place a score takes in a list, 1..10, or 0 when it does not enter: just below the last entry
// whose score is at least as high.
int32_t PlaceDe(const TableMeilleursScores& t, TTypeJeu type, int32_t numero, int32_t score)
{
    if (score <= t(type, numero, 10).ValeurScore)
        return 0;
    int32_t r = 10;
    do
        --r;
    while (!(t(type, numero, r).ValeurScore >= score || r == 1));
    return t(type, numero, r).ValeurScore >= score ? r + 1 : 1;
}

int32_t InsererDans(TableMeilleursScores& t, TTypeJeu type, int32_t numero, const EnregistrementScore& e)
{
    const int32_t place = PlaceDe(t, type, numero, e.ValeurScore);
    if (place == 0)
        return 0;
    for (int32_t k = 9; k >= place; --k)
        t(type, numero, k + 1) = t(type, numero, k);
    t(type, numero, place) = e;
    return place;
}

// The first of "<file>.bak", "<file>.bak.2", "<file>.bak.3"... that names nothing yet.
std::string CheminCopieLibre(SystemeFichiers& fs, const std::string& cible)
{
    for (int k = 1;; ++k) {
        const std::string chemin = cible + ".bak" + (k == 1 ? std::string() : "." + std::to_string(k));
        if (k >= 9999 || fs.Etat(chemin).genre == SystemeFichiers::Genre::Absent)
            return chemin;
    }
}

// Keeps a damaged score file under a name that was free, never over another file: a copy flushed
// to the disk, or, when it cannot even be read, the file itself moved aside. True once nothing is
// left to protect; `copie` names the file that holds it.
bool GarderCopie(Contexte& c, SystemeFichiers& fs, const std::string& cible, bool lisible, const std::string& octets,
    std::string& copie, std::string& raison)
{
    copie = CheminCopieLibre(fs, cible);
    std::string ignoree;
    if (lisible && fs.Copier(cible, copie, raison)) {
        c.Sauvegardes.copieGardee = true;
        c.Sauvegardes.tailleCopie = octets.size();
        c.Sauvegardes.empreinteCopie = Empreinte(octets);
        return true;
    }
    return fs.Deplacer(cible, copie, lisible ? ignoree : raison);
}

bool DejaGardee(const SuiviSauvegardes& s, const std::string& octets)
{
    return s.copieGardee && s.tailleCopie == octets.size() && s.empreinteCopie == Empreinte(octets);
}

// Takes the lock that keeps two copies of the game from saving at once: on "<file>.lock" beside
// the score file or, where no such file can be made (a folder the player may not write to), on
// the score file itself, which is then only ever written in place. False when another copy held
// it too long; a file system without locks saves without one.
bool Verrouiller(Contexte& c, SystemeFichiers& fs, const std::string& cible, std::unique_ptr<SystemeFichiers::Verrou>& verrou,
    std::string& raison)
{
    using V = SystemeFichiers::Verrouillage;
    const std::string fichierVerrou = cible + ".lock";
    std::string r;
    V v = fs.Verrouiller(fichierVerrou, c.Sauvegardes.delaiVerrouMs, verrou, r);
    if (v == V::Erreur && fs.Etat(cible).genre == SystemeFichiers::Genre::Fichier)
        v = fs.Verrouiller(cible, c.Sauvegardes.delaiVerrouMs, verrou, r);
    if (v != V::Occupe)
        return true;
    raison = "une autre copie du jeu est en train de les enregistrer (le verrou « " + fichierVerrou +
        " » n'a pas été obtenu en " + std::to_string((c.Sauvegardes.delaiVerrouMs + 999) / 1000) + " s)";
    return false;
}

// Removes the temporary files a save killed part-way left beside the score file: only names of
// our own pattern, and only once they are old enough that no save can still be writing them.
void NettoyerTemporaires(Contexte& c, SystemeFichiers& fs, const std::string& cible)
{
    const std::string dossier = DossierDe(cible), nom = NomDe(cible);
    for (const std::string& entree : fs.Lister(dossier)) {
        if (!EstTemporaireDe(entree, nom))
            continue;
        const std::string chemin = Joindre(dossier, entree);
        const SystemeFichiers::Info info = fs.Etat(chemin);
        if (info.genre == SystemeFichiers::Genre::Fichier &&
            fs.Maintenant() - info.modifie >= c.Sauvegardes.ageTemporairesOublies)
            fs.Supprimer(chemin);
    }
}

std::string PasUnFichier(const std::string& chemin)
{
    return "« " + chemin + " » n'est pas un fichier (un dossier ou un autre objet porte ce nom) : il est laissé tel quel";
}

// One save under the lock. False with the reason when the table could not be written.
bool Sauvegarder(Contexte& c, std::string& raison)
{
    SuiviSauvegardes& suivi = c.Sauvegardes;
    SystemeFichiers& fs = Fichiers(c);
    // A link is followed: its target is saved, in the target's folder.
    const std::string cible = fs.Resoudre(c.CheminScores);
    std::unique_ptr<SystemeFichiers::Verrou> verrou;
    if (!Verrouiller(c, fs, cible, verrou, raison))
        return false;
    NettoyerTemporaires(c, fs, cible);

    using G = SystemeFichiers::Genre;
    const SystemeFichiers::Info info = fs.Etat(cible);
    if (info.genre == G::Erreur) {
        raison = info.raison;
        return false;
    }
    if (info.genre == G::Dossier || info.genre == G::Autre) {
        raison = PasUnFichier(cible);
        return false;
    }
    if (info.genre == G::Fichier && info.lectureSeule) {
        raison = "le fichier des scores est en lecture seule";
        return false;
    }

    TableMeilleursScores& memoire = c.etat.MeilleursScores;
    if (info.genre == G::Fichier) {
        std::string disque, raisonLecture;
        const auto lecture = fs.Lire(cible, disque, raisonLecture);
        if (lecture == SystemeFichiers::Lecture::Ok && disque.size() >= TailleFichierScores && suivi.tableParDefaut) {
            // The default table of a start that found no file never reached the disk, and another
            // copy has written a file since: its records stay, with those entered here on them.
            LireOctetsTable(memoire, disque);
            for (const ScoreInsere& s : suivi.scoresAEnregistrer)
                InsererDans(memoire, s.type, s.numero, s.enregistrement);
            suivi.tableLue = std::make_shared<TableMeilleursScores>();
            LireOctetsTable(*suivi.tableLue, disque);
            suivi.tableEntiereAEcrire = false;
            suivi.tableParDefaut = false;
            AfficherMeilleursScores(c);
        } else if (lecture == SystemeFichiers::Lecture::Ok && disque.size() >= TailleFichierScores) {
            // Another copy may have saved since: this copy's own changes go onto what is on disk,
            // and that becomes the table in memory. With one copy running, both are the same.
            // A file that still holds the table as this copy last read or wrote it has nothing to
            // merge: the table in memory goes to disk as it stands.
            if (!suivi.tableEntiereAEcrire && suivi.tableLue && !OctetsDeLaTable(disque, *suivi.tableLue)) {
                auto disqueLu = std::make_shared<TableMeilleursScores>();
                LireOctetsTable(*disqueLu, disque);
                auto fusion = std::make_unique<TableMeilleursScores>(*disqueLu);
                auto attendu = std::make_unique<TableMeilleursScores>(*suivi.tableLue);
                for (const ScoreInsere& s : suivi.scoresAEnregistrer) {
                    InsererDans(*fusion, s.type, s.numero, s.enregistrement);
                    InsererDans(*attendu, s.type, s.numero, s.enregistrement);
                }
                // A list changed here otherwise than by entering scores is kept as it stands.
                for (int32_t t = 0; t < NbTypesJeu; ++t)
                    for (int32_t p = 0; p < NombreTableaux; ++p)
                        if (std::memcmp(memoire.e[t][p], attendu->e[t][p], sizeof memoire.e[t][p]) != 0)
                            std::memcpy(fusion->e[t][p], memoire.e[t][p], sizeof memoire.e[t][p]);
                suivi.tableLue = disqueLu;
                if (std::memcmp(fusion->e, memoire.e, sizeof memoire.e) != 0) {
                    memoire = *fusion;
                    AfficherMeilleursScores(c);
                }
            }
        } else if (lecture == SystemeFichiers::Lecture::Erreur) {
            // A file that does not read now may be sound: moved aside, and the write then failing,
            // there would be no score file at all. The save fails and is tried again; a file that
            // stays unreadable is kept aside at the next start.
            raison = "le fichier des scores n'a pas pu être relu (" + raisonLecture + ")";
            return false;
        } else if (lecture == SystemeFichiers::Lecture::Ok && !DejaGardee(suivi, disque)) {
            // A damaged file not yet kept: it goes aside before this save may replace it.
            std::string copie, raisonCopie;
            if (!GarderCopie(c, fs, cible, lecture == SystemeFichiers::Lecture::Ok, disque, copie, raisonCopie)) {
                raison = "le fichier abîmé n'a pas pu être gardé dans « " + copie + " » (" + raisonCopie + ")";
                return false;
            }
            c.ports.Erreur("Le fichier des meilleurs scores « " + cible + " » était abîmé (" +
                (lecture == SystemeFichiers::Lecture::Ok ? std::to_string(disque.size()) + " octets au lieu de " +
                            std::to_string(TailleFichierScores)
                                                         : raisonLecture) +
                ") : il est gardé dans « " + copie + " ».");
        }
    }

    // Where the table in memory is laid out as the file, it is written as it stands.
    std::string encodee;
    std::string_view octets;
    if constexpr (MemoireCommeFichier)
        octets = std::string_view(reinterpret_cast<const char*>(&memoire), TailleFichierScores);
    else
        octets = encodee = OctetsTable(memoire);
    bool creationImpossible = false;
    if (EcrireAtomiquement(fs, cible, octets, raison, &info, &creationImpossible))
        return true;
    if (!creationImpossible || info.genre != G::Fichier)
        return false;
    // No new file can be made in that folder, but the file itself may be written: it is written
    // over, whole, then flushed.
    std::string raisonEnPlace;
    bool commence = false;
    if (EcrireEnPlace(fs, cible, octets, raisonEnPlace, &commence))
        return true;
    if (!commence)
        return false;
    // Stopped part-way, the file may hold old and new records mixed: the next save writes the
    // whole table again.
    suivi.tableEntiereAEcrire = true;
    suivi.tableParDefaut = false;
    raison = raisonEnPlace;
    return false;
}

} // namespace

EtatFichierScores ChargerFichierScores(Contexte& c)
{
    if (c.CheminScores.empty())
        return EtatFichierScores::Absent;
    SystemeFichiers& fs = Fichiers(c);
    const std::string cible = fs.Resoudre(c.CheminScores);
    // Read under the lock, so that no other copy's save is read half-done.
    std::unique_ptr<SystemeFichiers::Verrou> verrou;
    std::string occupe, raison;
    Verrouiller(c, fs, cible, verrou, occupe);   // held by another copy for long: read all the same

    const SystemeFichiers::Info info = fs.Etat(cible);
    if (info.genre == SystemeFichiers::Genre::Dossier || info.genre == SystemeFichiers::Genre::Autre) {
        c.Sauvegardes.echecScoresSignale = true;   // this message stands for the saves that fail too
        c.ports.Erreur("Le fichier des meilleurs scores ne peut pas être lu : " + PasUnFichier(c.CheminScores) +
            ". Les meilleurs scores restent en mémoire pendant cette partie.");
        return EtatFichierScores::Illisible;
    }
    std::string octets;
    const auto lecture = fs.Lire(cible, octets, raison);
    if (lecture == SystemeFichiers::Lecture::Absent)
        return EtatFichierScores::Absent;
    const size_t lus = lecture == SystemeFichiers::Lecture::Ok ? LireOctetsTable(c.etat.MeilleursScores, octets) : 0;
    if (lus == TailleFichierScores / 16) {
        c.Sauvegardes.tableLue = std::make_shared<TableMeilleursScores>(c.etat.MeilleursScores);
        c.Sauvegardes.scoresAEnregistrer.clear();
        return EtatFichierScores::Complet;
    }

    const std::string fichier = "Le fichier des meilleurs scores « " + c.CheminScores + " »";
    std::string texte;
    if (lecture != SystemeFichiers::Lecture::Ok)
        texte = fichier + " n'a pas pu être lu (" + raison + ").";
    else
        texte = fichier + " est incomplet (" + std::to_string(octets.size()) + " octets au lieu de " +
            std::to_string(TailleFichierScores) + ").";
    if (lus > 0)
        texte += " Ses " + std::to_string(lus) + " premiers scores ont été lus.";
    else
        texte += " Des meilleurs scores par défaut le remplacent.";
    std::string copie, raisonCopie;
    if (GarderCopie(c, fs, cible, lecture == SystemeFichiers::Lecture::Ok, octets, copie, raisonCopie))
        texte += " Le fichier abîmé est gardé dans « " + copie + " ».";
    else
        texte += " Il n'a pas pu être gardé dans « " + copie + " » (" + raisonCopie + ") : il ne sera pas remplacé.";
    c.ports.Erreur(texte);
    return lus > 0 ? EtatFichierScores::Partiel : EtatFichierScores::Illisible;
}

void LireMeilleursScores(Contexte& c)
{
    const EtatFichierScores etat = ChargerFichierScores(c);
    if (etat == EtatFichierScores::Absent || etat == EtatFichierScores::Illisible) {
        InitialiserMeilleursScores(c);
        c.Sauvegardes.tableParDefaut = true;
        EcrireMeilleursScores(c);
    }
}

void EcrireMeilleursScores(Contexte& c)
{
    if (c.CheminScores.empty())
        return;
    SuiviSauvegardes& suivi = c.Sauvegardes;
    std::string raison;
    suivi.derniereSauvegardeReussie = Sauvegarder(c, raison);
    if (suivi.derniereSauvegardeReussie) {
        // The table last written, in the block the previous save kept when no one else holds it.
        if (suivi.tableLue && suivi.tableLue.use_count() == 1)
            *suivi.tableLue = c.etat.MeilleursScores;
        else
            suivi.tableLue = std::make_shared<TableMeilleursScores>(c.etat.MeilleursScores);
        suivi.echecScoresSignale = false;
        suivi.scoresAEnregistrer.clear();
        suivi.tableEntiereAEcrire = false;
        suivi.tableDuJoueur = false;
        suivi.tableParDefaut = false;
    } else if (!suivi.echecScoresSignale) {
        suivi.echecScoresSignale = true;
        c.ports.Erreur("Les meilleurs scores n'ont pas pu être enregistrés dans « " + c.CheminScores + " » : " + raison +
            ". Ils restent en mémoire et seront enregistrés de nouveau à la prochaine occasion.");
    }
}

void PrendreTableDuFichier(Contexte& c)
{
    const SuiviSauvegardes& suivi = c.Sauvegardes;
    if (!suivi.scoresAEnregistrer.empty() || suivi.tableEntiereAEcrire)
        EcrireMeilleursScores(c);
    else
        ChargerFichierScores(c);
    if (c.controles.superPanelDroite.Visible())
        AfficherMeilleursScores(c);
}

void EnregistrerScoresEnAttente(Contexte& c)
{
    const SuiviSauvegardes& suivi = c.Sauvegardes;
    if (!suivi.scoresAEnregistrer.empty() || suivi.tableEntiereAEcrire)
        EcrireMeilleursScores(c);
}

int32_t InsererScore(Contexte& c, TTypeJeu type, int32_t numero, const std::string& nom, int32_t score)
{
    EnregistrementScore e;
    EcrireNom(e, nom);
    e.ValeurScore = score;
    const int32_t place = InsererDans(c.etat.MeilleursScores, type, numero, e);
    if (place == 0)
        return 0;
    c.Sauvegardes.scoresAEnregistrer.push_back({type, numero, e});
    AfficherMeilleursScores(c);
    EcrireMeilleursScores(c);
    return place;
}

} // namespace cogitelle
