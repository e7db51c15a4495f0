#include "store/Options.h"

#include <string>
#include <type_traits>

#include "store/Cp1252.h"
#include "store/MagasinOptions.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

namespace {

// Little-endian bytes of a 32-bit value, as the registry keeps a 4-byte binary.
void VersOctets(uint32_t v, uint8_t (&o)[4])
{
    for (int b = 0; b < 4; ++b)
        o[b] = static_cast<uint8_t>((v >> (8 * b)) & 0xFF);
}

uint32_t DepuisOctets(const uint8_t (&o)[4])
{
    return static_cast<uint32_t>(o[0]) | (static_cast<uint32_t>(o[1]) << 8) |
        (static_cast<uint32_t>(o[2]) << 16) | (static_cast<uint32_t>(o[3]) << 24);
}

// Reads a 4-byte binary into v; a shorter value replaces only its low bytes, as a raw read would.
MagasinOptions::Lecture Lire32(MagasinOptions& m, const std::string& nom, uint32_t& v, std::string& erreur)
{
    uint8_t o[4];
    VersOctets(v, o);
    size_t lus = 0;
    const auto r = m.LireBinaire(nom, o, 4, lus, erreur);
    if (r == MagasinOptions::Lecture::Ok)
        v = DepuisOctets(o);
    return r;
}

bool Ecrire32(MagasinOptions& m, const std::string& nom, uint32_t v, std::string& erreur)
{
    uint8_t o[4];
    VersOctets(v, o);
    return m.EcrireBinaire(nom, o, 4, erreur);
}

// Reports a failed settings save, once until a save succeeds again.
void SignalerEchecOptions(Contexte& c, bool ok, const std::string& erreur)
{
    bool& signale = c.Sauvegardes.echecOptionsSignale;
    if (ok) {
        signale = false;
    } else if (!signale) {
        signale = true;
        c.ports.Erreur("Les options n'ont pas pu être enregistrées : " + erreur + ".");
    }
}

// Reads every value into the game state. A value that cannot be read is reported by name and
// treated as missing, and the reading goes on: the program always starts.
void LireValeurs(Contexte& c)
{
    GameState& g = c.etat;
    MagasinOptions& m = c.options;
    using L = MagasinOptions::Lecture;
    std::string erreur;
    if (!m.Ouvrir(erreur)) {
        c.ports.Erreur("Les options n'ont pas pu être lues : " + erreur + ".");
        return;
    }
    const auto signaler = [&](const char* nom, L r) {
        if (r == L::Erreur)
            c.ports.Erreur("La valeur « " + std::string(nom) + " » des options n'a pas pu être lue : " + erreur +
                ". Elle est ignorée.");
    };
    size_t lus = 0;
    signaler("verif", m.LireBinaire("verif", &g.Verif, 1, lus, erreur));
    const auto lire32 = [&](const char* nom, auto& variable) {
        uint32_t v = static_cast<uint32_t>(variable);
        const L r = Lire32(m, nom, v, erreur);
        if (r == L::Ok)
            variable = static_cast<std::remove_reference_t<decltype(variable)>>(v);
        signaler(nom, r);
    };
    lire32("optionCouleurFondEcran", g.CouleurFondEcran);
    lire32("optionCouleurTableauDeJeu", g.CouleurTableauDeJeu);
    lire32("optionNumeroTableau", g.NumeroTableauChoisi);
    lire32("optionTypeJeu", g.TypeJeuChoisi);
    std::string nom;
    const L r = m.LireTexte("optionYourName", nom, erreur);
    if (r != L::Erreur)
        g.NomJoueur = NormaliserNom(r == L::Ok ? nom : std::string());
    signaler("optionYourName", r);
    m.Fermer(erreur);
}

void ValeursParDefaut(GameState& g)
{
    g.CouleurFondEcran = CouleurFondParDefaut;
    g.CouleurTableauDeJeu = 0;
    g.NumeroTableauChoisi = 1;
    g.TypeJeuChoisi = 1;
    g.NomJoueur.clear();
}

} // namespace

bool OptionsValides(const GameState& g)
{
    return g.Verif <= 1 && g.NumeroTableauChoisi >= 1 && g.NumeroTableauChoisi <= g.NumeroTableauMax &&
        g.TypeJeuChoisi >= 1 && g.TypeJeuChoisi <= NbTypesJeu;
}

bool LireOptions(Contexte& c)
{
    GameState& g = c.etat;
    LireValeurs(c);
    // A first run, or options that cannot be right, bring back the default options.
    const bool parDefaut = g.Verif == 0 || !OptionsValides(g);
    if (parDefaut) {
        g.Verif = 1;   // also repairs a bad marker, so the repair is not made again
        ValeursParDefaut(g);
    }
    return parDefaut;
}

void ChargerOptions(Contexte& c)
{
    // The player's records are kept even when the options are not.
    const bool parDefaut = LireOptions(c);
    // The default table is drawn only where no table can be read. Nothing has drawn from the
    // generator yet, so it is the same table on every machine.
    const EtatFichierScores etat = ChargerFichierScores(c);
    const bool tableTiree = etat == EtatFichierScores::Absent || etat == EtatFichierScores::Illisible;
    if (tableTiree)
        InitialiserMeilleursScores(c);
    if (parDefaut)
        SauverOptions(c);   // writes the table too
    else if (tableTiree)
        EcrireMeilleursScores(c);
    AppliquerOptions(c);
}

void SauverOptions(Contexte& c)
{
    GameState& g = c.etat;
    MagasinOptions& m = c.options;
    std::string erreur;
    bool ok = m.Ouvrir(erreur);
    if (ok)
        ok = m.EcrireBinaire("verif", &g.Verif, 1, erreur) &&
            Ecrire32(m, "optionCouleurFondEcran", g.CouleurFondEcran, erreur) &&
            Ecrire32(m, "optionCouleurTableauDeJeu", g.CouleurTableauDeJeu, erreur) &&
            Ecrire32(m, "optionNumeroTableau", static_cast<uint32_t>(g.NumeroTableauChoisi), erreur) &&
            Ecrire32(m, "optionTypeJeu", static_cast<uint32_t>(g.TypeJeuChoisi), erreur);
    // The records do not depend on the settings store: they are written whatever became of it.
    EcrireMeilleursScores(c);
    if (ok)
        ok = m.EcrireTexte("optionYourName", g.NomJoueur, erreur);
    std::string erreurFermeture;
    const bool ferme = m.Fermer(erreurFermeture);
    if (ok && !ferme) {
        ok = false;
        erreur = erreurFermeture;
    }
    SignalerEchecOptions(c, ok, erreur);
}

void OptionsParDefaut(Contexte& c)
{
    ValeursParDefaut(c.etat);
    SauverOptions(c);
}

void AppliquerOptions(Contexte& c)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    k.CouleurFenetre = g.CouleurFondEcran;
    k.panelCentral.SetCouleur(g.CouleurTableauDeJeu);
    k.panelTitreMeilleurScore.SetCaption("Meilleur score");
    k.panelTitreDernierMeilleurScore.SetCaption("Score n° " + std::to_string(10));
    for (int t = 1; t <= NbTypesJeu; ++t)
        k.MenuCoche[t] = t == g.TypeJeu;
}

} // namespace cogitelle
