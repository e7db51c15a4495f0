#include "session/ChoixTableau.h"

#include <algorithm>

#include "store/Cp1252.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

namespace {

constexpr size_t LongueurNomMax = 12;

// Bytes of the UTF-8 sequence that starts with `octet` (1 for a stray byte).
size_t LongueurSequence(unsigned char octet)
{
    if (octet >= 0xF0 && octet <= 0xF7)
        return 4;
    if (octet >= 0xE0)
        return octet <= 0xEF ? 3 : 1;
    if (octet >= 0xC0)
        return 2;
    return 1;
}

} // namespace

ChoixTableau::ChoixTableau(Contexte& c) : c_(c)
{
    ScrollMax = c_.etat.NumeroTableauMax;
}

void ChoixTableau::AfficherChoix()
{
    const GameState& g = c_.etat;
    const TTypeJeu type = g.TypeJeuDialogue;
    const int32_t numero = g.NumeroTableauSelectionne;
    RadioCoche = type;
    CaptionNumeroTableau = "Cogitelle n° " + std::to_string(numero);
    PositionScroll = numero;
    // The selection comes from the saved options or from these controls, so it is always in
    // range; the guard keeps a damaged value from reading outside the table.
    if (type >= 1 && type <= NbTypesJeu && numero >= 1 && numero <= NombreTableaux) {
        const EnregistrementScore& record = g.MeilleursScores(type, numero, 1);
        NomRecord = NomEnregistrement(record);
        ScoreRecord = std::to_string(record.ValeurScore);
    } else {
        NomRecord.clear();
        ScoreRecord.clear();
    }
}

void ChoixTableau::FormActivate()
{
    GameState& g = c_.etat;
    ScrollMax = g.NumeroTableauMax;
    g.NumeroTableauSelectionne = g.NumeroTableauChoisi;
    g.TypeJeuDialogue = g.TypeJeuChoisi;
    // A selection the chooser cannot show (no game yet) falls back to the first game and puzzle.
    if (g.TypeJeuDialogue < 1 || g.TypeJeuDialogue > NbTypesJeu)
        g.TypeJeuDialogue = Labyrinthe;
    if (g.NumeroTableauSelectionne < ScrollMin || g.NumeroTableauSelectionne > ScrollMax)
        g.NumeroTableauSelectionne = ScrollMin;
    Nom = NormaliserNom(g.NomJoueur);
    for (int t = 1; t <= NbTypesJeu; ++t)
        TitresRadios[t] = g.TitresJeux[t];
    AfficherChoix();
}

void ChoixTableau::rbTypeJeuClick(TTypeJeu type)
{
    c_.etat.TypeJeuDialogue = type;
    AfficherChoix();
}

void ChoixTableau::scrollBarChoixTableauChange(int32_t position)
{
    c_.etat.NumeroTableauSelectionne = position;
    AfficherChoix();
}

void ChoixTableau::panelAleatoireClick()
{
    GameState& g = c_.etat;
    c_.hasard.SeedFromMillisecondes(c_.ports.MillisecondesDuJour());
    int32_t a, t;
    do {
        a = c_.hasard.Draw(g.NumeroTableauMax);
        t = c_.hasard.Draw(NbTypesJeu);
    } while (a == g.NumeroTableauSelectionne || t == g.TypeJeuDialogue);
    g.NumeroTableauSelectionne = a;
    g.TypeJeuDialogue = t;
    AfficherChoix();
}

void ChoixTableau::editYourNameDblClick() { Nom.clear(); }

bool ChoixTableau::ValiderChoix()
{
    if (Nom.empty()) {
        c_.ports.Message("Veuillez saisir votre nom !");
        return false;
    }
    GameState& g = c_.etat;
    g.TypeJeu = g.TypeJeuDialogue;
    g.NumeroTableau = PositionScroll;
    g.NomJoueur = Nom;
    return true;
}

std::string NormaliserSaisie(const std::string& utf8)
{
    std::string resultat;
    for (size_t i = 0; i < utf8.size();) {
        const size_t n = std::min(LongueurSequence(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        resultat += NormaliserNom(utf8.substr(i, n));
        i += n;
    }
    return resultat;
}

size_t NombreCaracteres(const std::string& utf8)
{
    size_t n = 0;
    for (unsigned char octet : utf8)
        if ((octet & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string NomApresSaisie(const std::string& avant, const std::string& apres)
{
    const std::string complet = NormaliserSaisie(apres);
    if (NombreCaracteres(complet) <= LongueurNomMax)
        return complet;
    const std::string precedent = NormaliserNom(avant);
    if (NombreCaracteres(precedent) >= LongueurNomMax)
        return precedent;
    return NormaliserNom(complet);
}

} // namespace cogitelle
