#include "store/Options.h"

#include <cstring>

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

} // namespace

bool OptionsValides(const GameState& g)
{
    return g.Verif <= 1 && g.NumeroTableauChoisi >= 1 && g.NumeroTableauChoisi <= g.NumeroTableauMax &&
        g.TypeJeuChoisi >= 1 && g.TypeJeuChoisi <= NbTypesJeu;
}

void ChargerOptions(Contexte& c)
{
    GameState& g = c.E;
    MagasinOptions& m = c.O;
    std::string erreur;
    if (!m.Ouvrir(erreur)) {
        c.P.Erreur(erreur);
    } else {
        using L = MagasinOptions::Lecture;
        bool arret = false;
        size_t lus = 0;
        if (m.LireBinaire("verif", &g.Verif, 1, lus, erreur) == L::Erreur)
            arret = true;
        uint32_t v = 0;
        if (!arret) {
            v = g.CouleurFondEcran;
            arret = Lire32(m, "optionCouleurFondEcran", v, erreur) == L::Erreur;
            g.CouleurFondEcran = v;
        }
        if (!arret) {
            v = g.CouleurTableauDeJeu;
            arret = Lire32(m, "optionCouleurTableauDeJeu", v, erreur) == L::Erreur;
            g.CouleurTableauDeJeu = v;
        }
        if (!arret) {
            v = static_cast<uint32_t>(g.NumeroTableauChoisi);
            arret = Lire32(m, "optionNumeroTableau", v, erreur) == L::Erreur;
            g.NumeroTableauChoisi = static_cast<int32_t>(v);
        }
        if (!arret) {
            v = static_cast<uint32_t>(g.TypeJeuChoisi);
            arret = Lire32(m, "optionTypeJeu", v, erreur) == L::Erreur;
            g.TypeJeuChoisi = static_cast<int32_t>(v);
        }
        if (!arret) {
            std::string nom;
            const auto r = m.LireTexte("optionYourName", nom, erreur);
            if (r == L::Erreur)
                arret = true;
            else
                g.NomJoueur = r == L::Ok ? nom : std::string();
        }
        m.Fermer();
        if (arret)
            c.P.Erreur(erreur);
    }
    if (g.Verif == 0) {
        g.Verif = 1;
        OptionsParDefaut(c);
    } else {
        LireMeilleursScores(c);
    }
    if (!OptionsValides(g))
        OptionsParDefaut(c);
    AppliquerOptions(c);
}

void SauverOptions(Contexte& c)
{
    GameState& g = c.E;
    MagasinOptions& m = c.O;
    std::string erreur;
    if (!m.Ouvrir(erreur)) {
        c.P.Erreur(erreur);
        return;
    }
    bool ok = m.EcrireBinaire("verif", &g.Verif, 1, erreur) &&
        Ecrire32(m, "optionCouleurFondEcran", g.CouleurFondEcran, erreur) &&
        Ecrire32(m, "optionCouleurTableauDeJeu", g.CouleurTableauDeJeu, erreur) &&
        Ecrire32(m, "optionNumeroTableau", static_cast<uint32_t>(g.NumeroTableauChoisi), erreur) &&
        Ecrire32(m, "optionTypeJeu", static_cast<uint32_t>(g.TypeJeuChoisi), erreur);
    if (ok) {
        EcrireMeilleursScores(c);
        ok = m.EcrireTexte("optionYourName", g.NomJoueur, erreur);
    }
    m.Fermer();
    if (!ok)
        c.P.Erreur(erreur);
}

void OptionsParDefaut(Contexte& c)
{
    GameState& g = c.E;
    g.CouleurFondEcran = CouleurFondParDefaut;
    g.CouleurTableauDeJeu = 0;
    g.NumeroTableauChoisi = 1;
    g.TypeJeuChoisi = 1;
    InitialiserMeilleursScores(c);
    g.NomJoueur.clear();
    SauverOptions(c);
}

void AppliquerOptions(Contexte& c)
{
    GameState& g = c.E;
    Controles& k = c.C;
    k.CouleurFenetre = g.CouleurFondEcran;
    k.panelCentral.SetCouleur(g.CouleurTableauDeJeu);
    k.panelTitreMeilleurScore.SetCaption("Meilleur score");
    k.panelTitreDernierMeilleurScore.SetCaption("Score n° " + std::to_string(10));
    for (int t = 1; t <= NbTypesJeu; ++t)
        k.MenuCoche[t] = t == g.TypeJeu;
}

} // namespace cogitelle
