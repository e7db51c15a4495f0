#include "session/ChoixTableau.h"

#include <algorithm>

#include "session/FenetrePrincipale.h"
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

constexpr Couleur Cyan = RGB(0x80, 0xFF, 0xFF);        // #80FFFF
constexpr Couleur Azur = RGB(0x00, 0x80, 0xFF);        // #0080FF
constexpr Couleur BleuPale = RGB(0x66, 0xB3, 0xFF);    // #66B3FF

DescriptionFenetre Decrire()
{
    using G = Genre;
    const Police normale{FamillePolice::SansSerif, 11};
    const Police moyenne{FamillePolice::SansSerif, 13};
    const Police grasse{FamillePolice::SansSerif, 13, false, true};
    const Police grande{FamillePolice::SansSerif, 16};
    DescriptionFenetre d("frmChoixTableau", "Choix du jeu et du numéro de cogitelle", 370, 256, RGB(0x00, 0x80, 0xC0),
        normale);
    // The tab order as designed: the scroll bar, the number, the name's title and field, the
    // record, the random pick, OK, Annuler, the game types.
    d.Ajouter("groupBoxTypeJeu", G::Groupe, {4, 4, 219, 139}, moyenne, d.couleur, " Choix du jeu ").ordreTab = 10;
    const int32_t hauts[] = {24, 46, 68, 90, 112};
    for (int t = 1; t <= NbTypesJeu; ++t)
        d.Ajouter("rbTypeJeu" + std::to_string(t), G::Radio, {14, hauts[t - 1], 200, 17}, grasse, d.couleur, "", 0);
    d.Ajouter("Panel1", G::Panneau, {228, 4, 139, 27}, normale, Cyan, "VOTRE NOM :").ordreTab = 2;
    ControleFenetre& nom = d.Ajouter("editYourName", G::Saisie, {226, 32, 141, 21}, normale, Cyan);
    nom.ordreTab = 3;
    nom.longueurMax = 12;
    d.Ajouter("panelRecordMixte", G::Panneau, {226, 62, 140, 23}, grasse, Azur, "RECORD").ordreTab = 4;
    d.Ajouter("panelNomRecordMixte", G::Panneau, {226, 86, 140, 29}, grande, BleuPale).ordreTab = 5;
    d.Ajouter("panelScoreRecordMixte", G::Panneau, {226, 116, 140, 27}, grande, BleuPale).ordreTab = 6;
    d.Ajouter("panelNumeroTableau", G::Panneau, {4, 146, 360, 29}, {FamillePolice::Times, 32}, BleuPale).ordreTab = 1;
    ControleFenetre& barre = d.Ajouter("scrollBarChoixTableau", G::Defilement, {4, 178, 360, 19}, normale, d.couleur);
    barre.ordreTab = 0;
    barre.min = 1;
    barre.max = NombreTableaux;
    barre.pasGrand = 10;
    auto bouton = [&](const char* n, const char* caption, Rect place, int32_t ordre) {
        ControleFenetre& b = d.Ajouter(n, G::BoutonPanneau, place, grasse, couleurs::Argent, caption);
        b.largeurBiseau = 2;
        b.curseur = Curseur::FlecheHaut;
        b.ordreTab = ordre;
    };
    bouton("panelAleatoire", "Jeu et cogitelle au hasard", {4, 204, 360, 22}, 7);
    bouton("buttonCancel", "Annuler", {4, 230, 115, 22}, 9);
    bouton("buttonOK", "OK", {122, 230, 243, 22}, 8);
    return d;
}

} // namespace

const DescriptionFenetre& ChoixTableau::Description()
{
    static const DescriptionFenetre d = Decrire();
    return d;
}

ChoixTableau::ChoixTableau(Contexte& c, FenetrePrincipale* principale)
    : iRadio1(Description().Indice("rbTypeJeu1")), iNom(Description().Indice("editYourName")),
      iNumero(Description().Indice("panelNumeroTableau")), iBarre(Description().Indice("scrollBarChoixTableau")),
      iHasard(Description().Indice("panelAleatoire")), iAnnuler(Description().Indice("buttonCancel")),
      iOK(Description().Indice("buttonOK")), iGroupe(Description().Indice("groupBoxTypeJeu")),
      iNomRecord(Description().Indice("panelNomRecordMixte")),
      iScoreRecord(Description().Indice("panelScoreRecordMixte")), c_(c), principale_(principale)
{
    ScrollMax = c_.etat.NumeroTableauMax;
}

std::vector<EtatControle> ChoixTableau::Etats() const
{
    std::vector<EtatControle> etats = EtatsDeConception(Description());
    etats[iGroupe].caption = TitreGroupe;
    for (int t = 1; t <= NbTypesJeu; ++t) {
        EtatControle& e = etats[iRadio1 + t - 1];
        e.caption = TitresRadios[t].empty() ? c_.etat.TitresJeux[t] : TitresRadios[t];
        e.coche = t == RadioCoche;
    }
    etats[iNom].caption = Nom;
    etats[iNumero].caption = CaptionNumeroTableau;
    etats[iNomRecord].caption = NomRecord;
    etats[iScoreRecord].caption = ScoreRecord;
    EtatControle& barre = etats[iBarre];
    barre.position = PositionScroll;
    barre.min = ScrollMin;
    barre.max = ScrollMax;
    return etats;
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
    saisieNumero_.Oublier();
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
    focus_ = iBarre;
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
        focus_ = iNom;
        return false;
    }
    GameState& g = c_.etat;
    g.TypeJeu = g.TypeJeuDialogue;
    g.NumeroTableau = PositionScroll;
    g.NomJoueur = Nom;
    return true;
}

Issue ChoixTableau::Clic(int32_t indice)
{
    if (indice >= iRadio1 && indice < iRadio1 + NbTypesJeu)
        rbTypeJeuClick(indice - iRadio1 + 1);
    else if (indice == iHasard)
        panelAleatoireClick();
    else if (indice == iOK)
        return Valider();
    else if (indice == iAnnuler)
        return Annuler();
    return Issue::Rien;
}

void ChoixTableau::Change(int32_t indice, int32_t position)
{
    if (indice == iBarre)
        scrollBarChoixTableauChange(std::clamp(position, ScrollMin, std::max(ScrollMin, ScrollMax)));
}

void ChoixTableau::DoubleClic(int32_t indice)
{
    if (indice == iNom)
        editYourNameDblClick();
}

const std::string& ChoixTableau::Saisie(const std::string& texte)
{
    Nom = NomApresSaisie(Nom, texte);
    return Nom;
}

Issue ChoixTableau::Touche(ToucheFenetre touche)
{
    switch (touche) {
    case ToucheFenetre::Entree: return Valider();
    case ToucheFenetre::Echappement: return Annuler();
    case ToucheFenetre::Espace: break;
    }
    return Issue::Rien;
}

Issue ChoixTableau::Valider()
{
    if (!ValiderChoix())
        return Issue::Rien;
    if (principale_)
        principale_->Enabled = true;
    return Issue::Demarrer;
}

Issue ChoixTableau::Annuler()
{
    // The chooser of start-up cannot be left: the first game always starts from it.
    return !principale_ || principale_->Enabled ? Issue::Fermer : Issue::Rien;
}

void ChoixTableau::Defiler(ToucheDefilement touche)
{
    saisieNumero_.Oublier();
    const ControleFenetre& barre = Description().controles[iBarre];
    scrollBarChoixTableauChange(PositionApresTouche(touche, PositionScroll, ScrollMin, ScrollMax, barre.pasGrand));
}

void ChoixTableau::TaperChiffre(int32_t chiffre, int64_t instantMs)
{
    const int32_t numero = saisieNumero_.Taper(chiffre, instantMs, ScrollMax);
    if (numero >= ScrollMin)
        scrollBarChoixTableauChange(numero);
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
