// The web page's side of the session: one session for the page's life, its ports answered by the
// page's dialogs, its options and records kept in the browser's storage, its windows' models
// read as JSON. Every rule of the game is the session's; what is here is the browser's side: its
// storage, its clock, and the fonts the page measures.
#include "web/glue/Interface.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Plateau.h"
#include "core/Score.h"
#include "session/Echelles.h"
#include "session/Horloge.h"
#include "session/Importation.h"
#include "session/Portrait.h"
#include "session/ScoresEnAttente.h"
#include "session/Session.h"
#include "store/MeilleursScores.h"
#include "web/glue/Json.h"
#include "web/glue/StockageWeb.h"

using namespace cogitelle;

// The page's dialogs. Each returns once the player has answered; the model is handed over first
// so the page shows the board as the rule left it under the box.
EM_ASYNC_JS(int, cg_js_boite, (int sorte, const char* titre, const char* texte, const char* oui, const char* non,
                                const char* modele), {
    return await Module.cgBoite(sorte, UTF8ToString(titre), UTF8ToString(texte), UTF8ToString(modele),
        UTF8ToString(oui), UTF8ToString(non));
});
EM_ASYNC_JS(int, cg_js_couleur, (int initiale, const char* modele), {
    return await Module.cgCouleur(initiale, UTF8ToString(modele));
});
EM_JS(void, cg_js_aide, (const char* fichier), { Module.cgAide(UTF8ToString(fichier)); });
EM_JS(int, cg_js_tient, (int taille), { return Module.cgTient(taille) ? 1 : 0; });
// Whether a caption fits a face of `largeur` x `hauteur` at `taille` points, measured by the page
// in the fonts it paints with; `lignes`: word-wrapped.
EM_JS(int, cg_js_tient_legende, (const char* texte, int taille, int times, int gras, int largeur, int hauteur, int lignes), {
    return Module.cgTientLegende(UTF8ToString(texte), taille, times, gras, largeur, hauteur, lignes) ? 1 : 0;
});
EM_JS(int, cg_js_millisecondes, (), {
    const d = new Date();
    return ((d.getUTCHours() * 60 + d.getUTCMinutes()) * 60 + d.getUTCSeconds()) * 1000 + d.getUTCMilliseconds();
});

namespace {

// The kinds of the controls the page draws in the main window (cg_description).
// The keyboard's frame on the board (sFocus) is painted above the pool.
enum Sorte { sCase, sCadre, sMurDroit, sMurBas, sMurBasDroit, sPlateau, sPanneau, sFocus };
// The boxes the page shows for the ports: an error while records are not stored offers to export
// them.
enum SorteBoite { bMessage, bQuestion, bErreur, bErreurExporter };
// A wall's events (cg_mur).
enum ActionMur { mEnfonce, mRelache, mClic };
// The events of a dialog's controls (cg_dialogue_evenement).
enum EvenementDialogue { eActiver, eClic, eChange, ePas, eDoubleClic, eSaisie, eTouche, eDefiler, eChiffre, eOublier, eRelire };

std::string ModeleJson();
bool ScoresNonEnregistres();

class PortsWeb : public Ports {
public:
    void Message(const std::string& texte) override { Boite(bMessage, titre, texte); }
    bool Question(const std::string& t, const std::string& texte) override { return Boite(bQuestion, t, texte) != 0; }
    bool QuestionOuiNon(const std::string& t, const std::string& texte, const std::string& oui,
        const std::string& non) override
    {
        return Boite(bQuestion, t, texte, oui, non) != 0;
    }
    void Erreur(const std::string& texte) override
    {
        // The options and the records share the browser's storage: when it refuses both, the
        // player hears of it once.
        if (RefusDuNavigateur(texte)) {
            if (refusNavigateurSignale)
                return;
            refusNavigateurSignale = true;
        }
        // While records are not stored, the message offers to export them.
        if (!ScoresNonEnregistres())
            Boite(bErreur, titre, texte);
        else if (Boite(bErreurExporter, titre, texte, "Exporter", "OK") == 1)
            exporter = true;
    }
    void MinuterieChangee(const Minuterie& m) override;
    int MillisecondesDuJour() override { return cg_js_millisecondes(); }
    std::string titre = "COGITELLE I";
    bool exporter = false;          // the player asked to export the records

private:
    int Boite(SorteBoite sorte, const std::string& t, const std::string& texte, const std::string& oui = "Oui",
        const std::string& non = "Non")
    {
        const std::string modele = ModeleJson();
        return cg_js_boite(sorte, t.c_str(), texte.c_str(), oui.c_str(), non.c_str(), modele.c_str());
    }
};

class ActionsWeb : public ActionsFenetres {
public:
    std::vector<std::string> demandes;
    void MontrerChoixTableau() override { demandes.push_back("choix"); }
    void MontrerMeilleursScores() override { demandes.push_back("scores"); }
    void FermerEcranDemarrage() override { demandes.push_back("fermer"); }
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override
    {
        const std::string modele = ModeleJson();
        const int r = cg_js_couleur(static_cast<int>(initiale), modele.c_str());
        if (r < 0)
            return false;
        choisie = static_cast<Couleur>(r);
        return true;
    }
    void MontrerAide(const std::string& fichier) override { cg_js_aide(fichier.c_str()); }
    void ExporterMeilleursScores() override { demandes.push_back("exporter"); }
    void ImporterMeilleursScores() override { demandes.push_back("importer"); }
    void ExporterCopiesGardees() override { demandes.push_back("exporterCopies"); }
};

struct Application {
    PortsWeb ports;
    MagasinClesNavigateur stockage;
    SystemeFichiersCles fichiers{stockage, CheminScoresWeb};
    MagasinOptionsCles magasin{stockage, CleOptionsWeb};
    Session session{ports, magasin, CheminScoresWeb, &fichiers};
    ActionsWeb actions;
    HorlogeScore horloge;   // on performance.now()
    std::vector<std::string> copiesVues;   // the kept copies of a damaged table the page knows of

    // Every control the page draws in the main window, in painting order, and what the page last
    // read of each. The side panels come last, in the order of the window's layout.
    std::vector<Controle*> liste;
    std::vector<int> sortes, parents, commandes;
    std::vector<const char*> noms;
    std::vector<bool> policesTimes;
    std::vector<Controle> vus;
    size_t premierPanneau = 0;
    // The side panels' places and type on a phone held upright; none: as the model has them.
    std::optional<FenetrePortrait> portrait;
    bool toutEnvoye = false;
    // The sizes captions fit at, by size, face, font and caption.
    std::unordered_map<std::string, int32_t> ajustees;

    Application() { session.BrancherFenetres(&actions); }
};

Application* app = nullptr;
std::string tampon;   // the text returned by the last call

Application& App()
{
    if (!app)
        app = new Application();
    return *app;
}

void PortsWeb::MinuterieChangee(const Minuterie& m) { app->horloge.MinuterieChangee(m, emscripten_get_now()); }

bool ScoresNonEnregistres() { return cogitelle::ScoresNonEnregistres(app->session.ctx.Sauvegardes); }

const char* Rendre(std::string s)
{
    tampon = std::move(s);
    return tampon.c_str();
}

bool MemeControle(const Controle& a, const Controle& b)
{
    return MemeAspect(a, b) && a.rect() == b.rect() && a.Visible() == b.Visible() && a.Enabled() == b.Enabled() &&
        a.curseur() == b.curseur() && a.Hint() == b.Hint() && a.ShowHint() == b.ShowHint();
}

// A control's look: its place (`r`), visibility, caption, colours, type (`taille`), bevels, cursor,
// hint, and for a side panel with the keyboard's focus how far inside it the focus frame lies
// (`f`; -1 without the focus).
void EcrireControle(Json& j, const Controle& c, const Rect& r, int32_t taille)
{
    j.Cle("r").Tableau().Entier(r.left).Entier(r.top).Entier(r.width).Entier(r.height).Fin();
    j.Cle("v").Entier(c.Visible());
    j.Cle("e").Entier(c.Enabled());
    j.Cle("t").Texte(c.Caption());
    j.Cle("k").Entier(static_cast<int64_t>(c.couleur()));
    j.Cle("kp").Entier(static_cast<int64_t>(c.CouleurPolice()));
    j.Cle("p").Entier(taille);
    j.Cle("g").Entier(c.Gras());
    j.Cle("bi").Entier(static_cast<int>(c.BiseauInterieur()));
    j.Cle("be").Entier(static_cast<int>(c.BiseauExterieur()));
    j.Cle("lb").Entier(c.LargeurBiseau());
    j.Cle("cu").Entier(static_cast<int>(c.curseur()));
    j.Cle("h").Texte(c.ShowHint() ? c.Hint() : std::string());
    j.Cle("ks").Entier(static_cast<int64_t>(c.CouleurStylo()));
    j.Cle("ls").Entier(c.LargeurStylo());
    j.Cle("f").Entier(c.Focus() ? RetraitFocusPanneau(c) : -1);
}

// The size a caption is painted at: its control's, or the largest below it at which it fits the
// control's face whole (inside its bevels), by the rule the desktop paints with. Cells and side
// panels fit their captions; the board panel and the walls have none to fit. The control lies at
// `rect` with a type of `taillePolice`, its own or those of the upright layout.
int32_t TaillePeinte(Application& a, size_t i, const Controle& c, const Rect& rect, int32_t taillePolice)
{
    const int sorte = a.sortes[i];
    if (c.Caption().empty() || c.sorte() == cogitelle::Sorte::Cadre || (sorte != sCase && sorte != sPanneau))
        return taillePolice;
    const bool lignes = c.sorte() == cogitelle::Sorte::Etiquette;
    const bool times = sorte == sCase || a.policesTimes[i];
    const bool gras = sorte != sCase && c.Gras();
    const int32_t bord = (c.BiseauExterieur() != Biseau::Aucun ? c.LargeurBiseau() : 0) +
        (c.BiseauInterieur() != Biseau::Aucun ? c.LargeurBiseau() : 0);
    const int32_t largeur = rect.width - 2 * bord, hauteur = rect.height - 2 * bord;
    const std::string cle = std::to_string(taillePolice) + "|" + std::to_string(largeur) + "|" +
        std::to_string(hauteur) + "|" + std::to_string(times * 4 + gras * 2 + lignes) + "|" + c.Caption();
    const auto trouvee = a.ajustees.find(cle);
    if (trouvee != a.ajustees.end())
        return trouvee->second;
    // A bound on the memory: each new board brings its own sizes.
    if (a.ajustees.size() >= 4096)
        a.ajustees.clear();
    const int32_t taille = TailleQuiTient(taillePolice, [&](int32_t t) {
        return cg_js_tient_legende(c.Caption().c_str(), t, times, gras, largeur, hauteur, lignes) != 0;
    });
    a.ajustees.emplace(cle, taille);
    return taille;
}

void EcrireRect(Json& j, const Rect& r)
{
    j.Tableau().Entier(r.left).Entier(r.top).Entier(r.width).Entier(r.height).Fin();
}

void EcrirePolice(Json& j, const Police& p)
{
    j.Objet().Cle("times").Entier(p.famille == FamillePolice::Times).Cle("taille").Entier(p.taille);
    j.Cle("points").Entier(p.points).Cle("gras").Entier(p.gras).Fin();
}

void EcrireMinuterie(Json& j, const Minuterie& m)
{
    j.Objet().Cle("id").Entier(m.id).Cle("actif").Entier(m.Enabled).Cle("intervalle").Entier(m.Interval);
    j.Cle("demarrages").Entier(m.Demarrages).Fin();
}

std::string ModeleJson()
{
    Application& a = *app;
    Session& s = a.session;
    Controles& k = s.controles;
    Json j;
    j.Objet();
    j.Cle("fenetre").Objet().Cle("titre").Texte(s.Principale().Caption).Cle("couleur").Entier(k.CouleurFenetre);
    j.Cle("active").Entier(s.Principale().Enabled);
    // The game items' captions and check marks, in game type order.
    std::vector<const ElementMenu*> jeux;
    for (const Menu& m : s.Menus())
        for (const ElementMenu& e : m.elements)
            if (JeuDeLaCommande(e.commande))
                jeux.push_back(&e);
    j.Cle("menus").Tableau();
    for (const ElementMenu* e : jeux)
        j.Texte(e->caption);
    j.Fin().Cle("coches").Tableau();
    for (const ElementMenu* e : jeux)
        j.Entier(e->coche);
    j.Fin().Fin();
    j.Cle("minuteries").Tableau();
    EcrireMinuterie(j, k.timerScore);
    EcrireMinuterie(j, k.timerRefreshMemoire);
    EcrireMinuterie(j, k.timerLab);
    j.Fin();
    j.Cle("controles").Tableau();
    for (size_t i = 0; i < a.liste.size(); ++i) {
        const Controle& c = *a.liste[i];
        if (a.toutEnvoye && MemeControle(c, a.vus[i]))
            continue;
        a.vus[i] = c;
        const PlacePortrait* debout = a.portrait && i >= a.premierPanneau ? &a.portrait->places[i - a.premierPanneau] : nullptr;
        const Rect& r = debout ? debout->place : c.rect();
        // A control's type is in points; the upright layout's is in the window's pixels.
        const int32_t taille = debout ? (debout->taille * 72 + 95) / 96 : c.TaillePolice();
        j.Objet().Cle("i").Entier(static_cast<int64_t>(i));
        EcrireControle(j, c, r, taille);
        j.Cle("pa").Entier(TaillePeinte(a, i, c, r, taille));
        j.Fin();
    }
    j.Fin();
    // Where the keyboard's focus is: a side panel (its index), or the board's cell (x, y).
    const FocusClavier& f = k.Focus;
    int64_t panneau = -1;
    for (size_t i = a.premierPanneau; f.panneau && i < a.liste.size(); ++i)
        if (a.liste[i] == f.panneau)
            panneau = static_cast<int64_t>(i);
    j.Cle("focus").Objet().Cle("panneau").Entier(panneau).Cle("x").Entier(f.x).Cle("y").Entier(f.y);
    j.Cle("montre").Entier(f.montre).Fin();
    const bool tout = k.ToutSale() || !a.toutEnvoye;
    a.toutEnvoye = true;
    const std::vector<Rect> zones = k.PrendreZonesSales();
    j.Cle("tout").Entier(tout);
    j.Cle("zones").Tableau();
    if (!tout)
        for (const Rect& z : zones)
            EcrireRect(j, z);
    j.Fin();
    j.Cle("actions").Tableau();
    for (const std::string& d : a.actions.demandes)
        j.Texte(d);
    a.actions.demandes.clear();
    if (a.ports.exporter)
        j.Texte("exporter");
    a.ports.exporter = false;
    j.Fin();
    j.Cle("attente").Entier(ScoresNonEnregistres());
    // The copies of a damaged table, when they changed (another tab may have kept one too).
    std::vector<std::string> copies = a.fichiers.Copies();
    if (copies != a.copiesVues) {
        j.Cle("copies").Tableau();
        for (const std::string& chemin : copies)
            j.Texte(chemin);
        j.Fin();
        a.copiesVues = std::move(copies);
    }
    j.Fin();
    return j.Texte();
}

void Ajouter(Application& a, Controle& c, int sorte, int parent, const char* nom, bool policeTimes, int commande)
{
    a.liste.push_back(&c);
    a.sortes.push_back(sorte);
    a.parents.push_back(parent);
    a.noms.push_back(nom);
    a.policesTimes.push_back(policeTimes);
    a.commandes.push_back(commande);
}

void ConstruireListe(Application& a)
{
    Controles& k = a.session.controles;
    // The board panel first, then its pool in creation order, then the side panels.
    Ajouter(a, k.panelCentral, sPlateau, -1, "panelCentral", true, 0);
    auto sorteDe = [&k](const Controle* c) {
        auto dans = [c](const auto& grille) {
            const auto* debut = &grille[0][0];
            const auto* fin = debut + sizeof grille / sizeof grille[0][0];
            return c >= debut && c < fin;
        };
        if (dans(k.Cases)) return sCase;
        if (dans(k.CadresInterieurs) || dans(k.CadresCases)) return sCadre;
        if (dans(k.MursDroits)) return sMurDroit;
        if (dans(k.MursBas)) return sMurBas;
        return sMurBasDroit;
    };
    for (Controle* c : k.OrdreCreation())
        Ajouter(a, *c, sorteDe(c), 0, "", true, 0);
    Ajouter(a, k.CadreFocus, sFocus, 0, "CadreFocus", true, 0);
    a.premierPanneau = a.liste.size();
    for (const PlaceControle& p : a.session.Principale().Disposition()) {
        int parent = -1;
        for (size_t i = 0; i < a.liste.size(); ++i)
            if (a.liste[i] == p.parent)
                parent = static_cast<int>(i);
        Ajouter(a, *p.controle, sPanneau, parent, p.nom, p.policeTimes, p.cliquable() ? p.commande : -1);
    }
    a.vus.resize(a.liste.size());
}

std::string DescriptionJson()
{
    Application& a = *app;
    const GameState& g = a.session.etat;
    Json j;
    j.Objet().Cle("controles").Tableau();
    for (size_t i = 0; i < a.liste.size(); ++i) {
        j.Objet().Cle("sorte").Entier(a.sortes[i]).Cle("parent").Entier(a.parents[i]);
        j.Cle("nom").Texte(a.noms[i]).Cle("tag").Entier(a.liste[i]->Tag());
        j.Cle("times").Entier(a.policesTimes[i]).Cle("commande").Entier(a.commandes[i]).Fin();
    }
    j.Fin().Cle("facteurX").Reel(g.FacteurEcranX).Cle("facteurY").Reel(g.FacteurEcranY);
    // The main window's client area at the screen's factors, rounded as the core rounds.
    j.Cle("largeur").Entier(Arrondi(LargeurFenetrePrincipale * g.FacteurEcranX));
    j.Cle("hauteur").Entier(Arrondi(HauteurFenetrePrincipale * g.FacteurEcranY));
    j.Cle("titre").Texte(g.Titre).Fin();
    return j.Texte();
}

// The names the page gives the numbers it shares with the module.
std::string ConstantesJson()
{
    Json j;
    auto groupe = [&j](const char* nom, std::initializer_list<std::pair<const char*, int64_t>> valeurs) {
        j.Cle(nom).Objet();
        for (const auto& [cle, v] : valeurs)
            j.Cle(cle).Entier(v);
        j.Fin();
    };
    j.Objet();
    groupe("sortes", {{"case", sCase}, {"cadre", sCadre}, {"murDroit", sMurDroit}, {"murBas", sMurBas},
                         {"murBasDroit", sMurBasDroit}, {"plateau", sPlateau}, {"panneau", sPanneau}, {"focus", sFocus}});
    groupe("commandes",
        {{"quitter", cmdQuitter}, {"detailScores", cmdDetailScores}, {"recreerScores", cmdRecreerScores},
            {"couleurFond", cmdCouleurFond}, {"couleurTableau", cmdCouleurTableau}, {"sommaire", cmdSommaire},
            {"aPropos", cmdAPropos}, {"exporterScores", cmdExporterScores}, {"importerScores", cmdImporterScores},
            {"exporterCopies", cmdExporterCopies},
            {"fermer", cmdFermer}});
    groupe("souris", {{"shift", ssShift}, {"alt", ssAlt}, {"ctrl", ssCtrl}, {"gauche", ssLeft}, {"droit", ssRight},
                         {"milieu", ssMiddle}, {"double", ssDouble}});
    groupe("boutons", {{"gauche", static_cast<int>(BoutonSouris::Gauche)}, {"droit", static_cast<int>(BoutonSouris::Droit)},
                          {"milieu", static_cast<int>(BoutonSouris::Milieu)}});
    groupe("murs", {{"droit", static_cast<int>(TypeMur::Droit)}, {"bas", static_cast<int>(TypeMur::Bas)},
                       {"basDroit", static_cast<int>(TypeMur::BasDroit)}});
    groupe("actionsMur", {{"enfonce", mEnfonce}, {"relache", mRelache}, {"clic", mClic}});
    groupe("fleches", {{"gauche", static_cast<int>(Fleche::Gauche)}, {"droite", static_cast<int>(Fleche::Droite)},
                          {"haut", static_cast<int>(Fleche::Haut)}, {"bas", static_cast<int>(Fleche::Bas)}});
    using T = ToucheDefilement;
    groupe("defilement", {{"gauche", static_cast<int>(T::Gauche)}, {"droite", static_cast<int>(T::Droite)},
                             {"haut", static_cast<int>(T::Haut)}, {"bas", static_cast<int>(T::Bas)},
                             {"pagePrecedente", static_cast<int>(T::PagePrecedente)},
                             {"pageSuivante", static_cast<int>(T::PageSuivante)}, {"debut", static_cast<int>(T::Debut)},
                             {"fin", static_cast<int>(T::Fin)}});
    groupe("touches", {{"entree", static_cast<int>(ToucheFenetre::Entree)},
                          {"echappement", static_cast<int>(ToucheFenetre::Echappement)},
                          {"espace", static_cast<int>(ToucheFenetre::Espace)}});
    using C = ToucheClavier;
    groupe("clavier", {{"gauche", static_cast<int>(C::Gauche)}, {"droite", static_cast<int>(C::Droite)},
                          {"haut", static_cast<int>(C::Haut)}, {"bas", static_cast<int>(C::Bas)},
                          {"hautGauche", static_cast<int>(C::HautGauche)}, {"hautDroite", static_cast<int>(C::HautDroite)},
                          {"basGauche", static_cast<int>(C::BasGauche)}, {"basDroite", static_cast<int>(C::BasDroite)},
                          {"espace", static_cast<int>(C::Espace)}, {"entree", static_cast<int>(C::Entree)},
                          {"menu", static_cast<int>(C::Menu)}, {"tabulation", static_cast<int>(C::Tabulation)}});
    groupe("couleursFocus", {{"exterieur", static_cast<int64_t>(CouleurFocusExterieur)},
                                {"interieur", static_cast<int64_t>(CouleurFocusInterieur)}});
    groupe("cibles", {{"case", static_cast<int>(CibleSouris::Case)}, {"mur", static_cast<int>(CibleSouris::Mur)},
                         {"panneau", static_cast<int>(CibleSouris::Panneau)}});
    groupe("minuteries", {{"score", Minuterie::Score}, {"refreshMemoire", Minuterie::RefreshMemoire}, {"lab", Minuterie::Lab}});
    groupe("boites", {{"message", bMessage}, {"question", bQuestion}, {"erreur", bErreur},
                         {"erreurExporter", bErreurExporter}});
    groupe("curseurs", {{"defaut", static_cast<int>(Curseur::Defaut)}, {"main", static_cast<int>(Curseur::Main)},
                           {"interdit", static_cast<int>(Curseur::Interdit)},
                           {"flecheHaut", static_cast<int>(Curseur::FlecheHaut)}});
    groupe("biseaux", {{"aucun", static_cast<int>(Biseau::Aucun)}, {"releve", static_cast<int>(Biseau::Releve)},
                          {"abaisse", static_cast<int>(Biseau::Abaisse)}});
    groupe("genres", {{"panneau", static_cast<int>(Genre::Panneau)}, {"boutonPanneau", static_cast<int>(Genre::BoutonPanneau)},
                         {"radio", static_cast<int>(Genre::Radio)}, {"saisie", static_cast<int>(Genre::Saisie)},
                         {"defilement", static_cast<int>(Genre::Defilement)}, {"groupe", static_cast<int>(Genre::Groupe)},
                         {"etiquette", static_cast<int>(Genre::Etiquette)}, {"cadre", static_cast<int>(Genre::Cadre)}});
    groupe("issues", {{"rien", static_cast<int>(Issue::Rien)}, {"fermer", static_cast<int>(Issue::Fermer)},
                         {"demarrer", static_cast<int>(Issue::Demarrer)}});
    groupe("evenements", {{"activer", eActiver}, {"clic", eClic}, {"change", eChange}, {"pas", ePas},
                             {"doubleClic", eDoubleClic}, {"saisie", eSaisie}, {"touche", eTouche}, {"defiler", eDefiler},
                             {"chiffre", eChiffre}, {"oublier", eOublier}, {"relire", eRelire}});
    j.Fin();
    return j.Texte();
}

std::string MenusJson()
{
    Json j;
    j.Tableau();
    for (const Menu& m : app->session.Menus()) {
        j.Objet().Cle("caption").Texte(m.caption).Cle("elements").Tableau();
        for (const ElementMenu& e : m.elements) {
            j.Objet().Cle("nom").Texte(e.nom).Cle("caption").Texte(e.caption).Cle("commande").Entier(e.commande);
            j.Cle("raccourci").Texte(TexteRaccourci(e.raccourci)).Cle("cochable").Entier(e.cochable);
            j.Cle("coche").Entier(e.coche).Cle("selonCopies").Entier(e.selonCopies).Fin();
        }
        j.Fin().Fin();
    }
    j.Fin();
    return j.Texte();
}

// A dialog's controls' state: caption, checked, position and range.
void EcrireEtat(Json& j, const EtatControle& e)
{
    j.Cle("caption").Texte(e.caption).Cle("coche").Entier(e.coche).Cle("position").Entier(e.position);
    j.Cle("min").Entier(e.min).Cle("max").Entier(e.max);
}

// A dialog: its description, every control's place at `facteur`, its tab order and its controls'
// state now.
// Upright (`debout`), the places, sizes and types in CSS pixels are the upright layout's, at a
// factor of 1.
std::string DialogueJson(const DescriptionFenetre& d, const std::vector<Rect>& places,
    const std::vector<EtatControle>& etats, double facteur, const DialoguePortrait* debout = nullptr)
{
    // A type upright: its family and weight, its size in pixels.
    auto police = [debout](const Police& p, size_t i) {
        return debout ? Police{p.famille, debout->places[i].taille, false, p.gras} : p;
    };
    Json j;
    j.Objet().Cle("nom").Texte(d.nom).Cle("titre").Texte(d.titre);
    j.Cle("largeur").Entier(debout ? debout->largeur : d.largeur).Cle("hauteur").Entier(debout ? debout->hauteur : d.hauteur);
    j.Cle("couleur").Entier(d.couleur).Cle("couleurTexte").Entier(d.couleurTexte);
    j.Cle("police");
    EcrirePolice(j, debout ? Police{d.police.famille, debout->taille, false, d.police.gras} : d.police);
    j.Cle("taille").Entier(debout ? debout->taille : TaillePolice(d.police, facteur));
    j.Cle("facteur").Reel(facteur);
    j.Cle("controles").Tableau();
    for (size_t i = 0; i < d.controles.size(); ++i) {
        const ControleFenetre& c = d.controles[i];
        j.Objet().Cle("nom").Texte(c.nom).Cle("genre").Entier(static_cast<int>(c.genre)).Cle("parent").Entier(c.parent);
        j.Cle("design");
        EcrireRect(j, c.design);
        j.Cle("place");
        EcrireRect(j, debout ? debout->places[i].place : places[i]);
        j.Cle("police");
        EcrirePolice(j, police(c.police, i));
        j.Cle("taille").Entier(debout ? debout->places[i].taille : TaillePolice(c.police, facteur));
        j.Cle("couleur").Entier(c.couleur).Cle("largeurBiseau").Entier(c.largeurBiseau);
        j.Cle("curseur").Entier(static_cast<int>(c.curseur)).Cle("ordreTab").Entier(c.ordreTab);
        j.Cle("pasPetit").Entier(c.pasPetit).Cle("pasGrand").Entier(c.pasGrand).Cle("longueurMax").Entier(c.longueurMax);
        j.Cle("etat").Objet();
        EcrireEtat(j, etats[i]);
        j.Fin().Fin();
    }
    j.Fin().Cle("ordreTab").Tableau();
    for (int32_t i : OrdreTabulation(d))
        j.Entier(i);
    j.Fin().Fin();
    return j.Texte();
}

// An event given to a dialog's rules. The events a dialog has no rule for do nothing.
template <class Regles>
Issue Traiter(Regles& r, int32_t evenement, int32_t indice, int32_t valeur, const std::string& texte, double instantMs)
{
    const DescriptionFenetre& d = Regles::Description();
    const bool controle = indice >= 0 && static_cast<size_t>(indice) < d.controles.size();
    const bool defilement = valeur >= 0 && valeur <= static_cast<int32_t>(ToucheDefilement::Fin);
    switch (evenement) {
    case eActiver: r.FormActivate(); break;
    case eClic:
        if (controle)
            return r.Clic(indice);
        break;
    case eChange:
        if (controle)
            r.Change(indice, valeur);
        break;
    case ePas:
        // The scroll bar's arrow or track pressed: the step its key would make.
        if (controle && defilement) {
            const EtatControle e = r.Etats()[static_cast<size_t>(indice)];
            r.Change(indice, PositionApresTouche(static_cast<ToucheDefilement>(valeur), e.position, e.min, e.max,
                d.controles[static_cast<size_t>(indice)].pasGrand));
        }
        break;
    case eDoubleClic:
        if constexpr (requires { r.DoubleClic(indice); })
            if (controle)
                r.DoubleClic(indice);
        break;
    case eSaisie:
        if constexpr (requires { r.Saisie(texte); })
            r.Saisie(texte);
        break;
    case eTouche:
        if (valeur >= 0 && valeur <= static_cast<int32_t>(ToucheFenetre::Espace))
            return r.Touche(static_cast<ToucheFenetre>(valeur));
        break;
    case eDefiler:
        if (defilement)
            r.Defiler(static_cast<ToucheDefilement>(valeur));
        break;
    case eChiffre:
        if constexpr (requires { r.TaperChiffre(valeur, 0); })
            if (valeur >= 0 && valeur <= 9)
                r.TaperChiffre(valeur, static_cast<int64_t>(instantMs));
        break;
    case eOublier:
        if constexpr (requires { r.OublierChiffres(); })
            r.OublierChiffres();
        break;
    case eRelire:
        // Another tab stored the records: the list or the record on show is read again.
        if constexpr (requires { r.AfficherChoix(); })
            r.AfficherChoix();
        else
            r.AfficherMeilleursScoresDetail(r.Type, r.Numero);
        break;
    default: break;
    }
    return Issue::Rien;
}

// What a dialog shows after an event: its issue, the control its rules give the keyboard to (-1:
// none) and every control's state.
template <class Regles>
std::string ApresEvenement(Regles& r, Issue issue)
{
    int32_t focus = -1;
    if constexpr (requires { r.PrendreFocus(); })
        focus = r.PrendreFocus();
    Json j;
    j.Objet().Cle("issue").Entier(static_cast<int>(issue)).Cle("focus").Entier(focus).Cle("etats").Tableau();
    for (const EtatControle& e : r.Etats()) {
        j.Objet();
        EcrireEtat(j, e);
        j.Fin();
    }
    j.Fin().Fin();
    return j.Texte();
}

// The viewer by its window's name or the page's ("scores"); the chooser otherwise.
bool EstLeVisionneur(const char* nom)
{
    const std::string n = nom ? nom : "";
    return n == "scores" || n == DetailMeilleursScores::Description().nom;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* cg_constantes() { return Rendre(ConstantesJson()); }

EMSCRIPTEN_KEEPALIVE const char* cg_ecran_demarrage(int32_t largeur, int32_t hauteur, double pixelsParPouce,
    int32_t largeurCss, int32_t hauteurCss)
{
    Session& s = App().session;
    const bool debout = EstPortrait(largeurCss, hauteurCss);
    if (debout)
        s.CreerEcranDemarrageDebout(largeurCss);
    else
        s.CreerEcranDemarrage(largeur, hauteur, pixelsParPouce);
    app->ports.titre = s.etat.Titre;
    const EcranDemarrage& e = s.Demarrage();
    Json j;
    j.Objet().Cle("debout").Entier(debout).Cle("facteur").Reel(e.Facteur()).Cle("largeur").Entier(e.LargeurEcran());
    j.Cle("hauteur").Entier(e.HauteurEcran()).Cle("fond").Entier(EcranDemarrage::Fond).Cle("dessin").Tableau();
    auto element = [&j](const ElementDessin& d) {
        j.Objet();
        EcrireControle(j, d.vue, d.vue.rect(), d.vue.TaillePolice());
        j.Cle("police");
        EcrirePolice(j, d.police);
    };
    for (const ElementDessin& d : e.Dessin()) {
        element(d);
        j.Fin();
    }
    j.Fin().Cle("boutons").Tableau();
    for (int32_t langue = 1; langue <= EcranDemarrage::NbBoutons; ++langue) {
        element(e.Bouton(langue));
        j.Cle("nom").Texte(EcranDemarrage::NomBouton(langue)).Cle("langue").Entier(langue).Fin();
    }
    j.Fin().Fin();
    return Rendre(j.Texte());
}

EMSCRIPTEN_KEEPALIVE int32_t cg_langue_de_la_touche(int32_t touche)
{
    if (touche < 0 || touche > static_cast<int32_t>(ToucheFenetre::Espace))
        return 0;
    return EcranDemarrage::LangueDeLaTouche(static_cast<ToucheFenetre>(touche));
}

EMSCRIPTEN_KEEPALIVE const char* cg_demarrer(int32_t largeur, int32_t hauteur, double pixelsParPouce)
{
    Application& a = App();
    if (a.liste.empty()) {
        a.session.CreerEcranDemarrage(largeur, hauteur, pixelsParPouce);
        a.ports.titre = a.session.etat.Titre;
        ConstruireListe(a);
        // The browser keeps the score file out of the player's reach: the menu exchanges it.
        a.session.CreerFenetrePrincipale(largeur, hauteur, pixelsParPouce, true);
    }
    return Rendre(DescriptionJson());
}

EMSCRIPTEN_KEEPALIVE const char* cg_description() { return Rendre(DescriptionJson()); }

EMSCRIPTEN_KEEPALIVE const char* cg_ecran_reference(int32_t largeurCss, int32_t hauteurCss)
{
    int32_t largeur = 0, hauteur = 0;
    EcranDeReference(largeurCss, hauteurCss, largeur, hauteur);
    Json j;
    j.Tableau().Entier(largeur).Entier(hauteur).Fin();
    return Rendre(j.Texte());
}

EMSCRIPTEN_KEEPALIVE const char* cg_mise_en_page(int32_t largeurCss, int32_t hauteurCss)
{
    Application& a = App();
    const GameState& g = a.session.etat;
    const bool portrait = EstPortrait(largeurCss, hauteurCss);
    Json j;
    j.Objet().Cle("portrait").Entier(portrait);
    if (portrait) {
        a.portrait = DisposerPortrait(a.session.Principale(), g.FacteurEcranX, g.FacteurEcranY, largeurCss);
        j.Cle("echelle").Reel(a.portrait->echelle).Cle("largeur").Entier(a.portrait->largeur);
        j.Cle("hauteur").Entier(a.portrait->hauteur).Cle("hauteurMenus").Entier(a.portrait->hauteurMenus);
        j.Cle("policeMenus").Entier(a.portrait->policeMenus);
    } else {
        a.portrait.reset();
    }
    // The side panels are read again at their new places.
    a.toutEnvoye = false;
    j.Fin();
    return Rendre(j.Texte());
}
EMSCRIPTEN_KEEPALIVE const char* cg_modele() { return Rendre(ModeleJson()); }
EMSCRIPTEN_KEEPALIVE const char* cg_menus() { return Rendre(MenusJson()); }

EMSCRIPTEN_KEEPALIVE void cg_langue(int32_t langue) { app->session.Demarrer(langue); }
EMSCRIPTEN_KEEPALIVE void cg_debut() { app->session.TimerDebut(); }
EMSCRIPTEN_KEEPALIVE void cg_activer() { app->session.Activer(); }
EMSCRIPTEN_KEEPALIVE void cg_commande(int32_t commande) { app->session.Commande(static_cast<Commande>(commande)); }

EMSCRIPTEN_KEEPALIVE void cg_panneau(int32_t indice, int32_t enfonce)
{
    if (indice < static_cast<int32_t>(app->premierPanneau))
        return;
    app->session.Panneau(indice - static_cast<int32_t>(app->premierPanneau), enfonce != 0);
}

EMSCRIPTEN_KEEPALIVE void cg_case(int32_t tag, int32_t bouton, uint32_t etat)
{
    if (bouton < 0 || bouton > static_cast<int32_t>(BoutonSouris::Milieu))
        return;
    app->session.Case(tag, static_cast<BoutonSouris>(bouton), etat);
}

EMSCRIPTEN_KEEPALIVE void cg_toucher(int32_t tag) { app->session.Toucher(tag); }

EMSCRIPTEN_KEEPALIVE void cg_presser_case(int32_t x, int32_t y, int32_t bouton)
{
    if (bouton < 0 || bouton > static_cast<int32_t>(BoutonSouris::Milieu))
        return;
    const int32_t n = CotePlateauLu(app->session.etat);
    if (x >= 1 && y >= 1 && x <= n && y <= n)
        app->session.Curseur().PresserCase(x, y, static_cast<BoutonSouris>(bouton));
}

EMSCRIPTEN_KEEPALIVE const char* cg_cases_lues()
{
    const GameState& g = app->session.etat;
    const int32_t n = app->session.controles.panelCentral.Visible() ? CotePlateauLu(g) : 0;
    Json j;
    j.Objet().Cle("plateau").Texte(n ? DecrirePlateau(g) : std::string()).Cle("lignes").Tableau();
    for (int32_t y = 1; y <= n; ++y) {
        j.Tableau();
        for (int32_t x = 1; x <= n; ++x) {
            const TexteCase t = DireCase(g, x, y);
            j.Objet().Cle("x").Entier(x).Cle("y").Entier(y).Cle("nom").Texte(t.nom).Cle("etat").Texte(t.etat).Fin();
        }
        j.Fin();
    }
    j.Fin().Fin();
    return Rendre(j.Texte());
}

EMSCRIPTEN_KEEPALIVE void cg_mur(int32_t type, int32_t tag, int32_t action)
{
    if (type < 0 || type > static_cast<int32_t>(TypeMur::BasDroit))
        return;
    const auto t = static_cast<TypeMur>(type);
    Session& s = app->session;
    switch (action) {
    case mEnfonce: s.MurEnfonce(t, tag); break;
    case mRelache: s.MurRelache(t, tag); break;
    case mClic: s.MurClique(t, tag); break;
    default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void cg_fleche(int32_t fleche)
{
    if (fleche >= 0 && fleche <= static_cast<int32_t>(Fleche::Bas))
        app->session.Fleche(static_cast<Fleche>(fleche));
}

EMSCRIPTEN_KEEPALIVE int32_t cg_touche(int32_t touche, uint32_t etat)
{
    if (touche < 0 || touche > static_cast<int32_t>(ToucheClavier::Tabulation))
        return 0;
    return app->session.Touche(static_cast<ToucheClavier>(touche), etat & (ssShift | ssCtrl | ssAlt)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void cg_caractere(int32_t caractere)
{
    if (caractere > 0 && caractere < 128)
        app->session.Caractere(static_cast<char>(caractere));
}

EMSCRIPTEN_KEEPALIVE void cg_tic(int32_t id)
{
    // The score clock counts the seconds that really passed (cg_horloge), not its ticks.
    if (id > Minuterie::Score && id <= Minuterie::Lab)
        app->session.Tic(static_cast<Minuterie::Id>(id));
}

EMSCRIPTEN_KEEPALIVE double cg_horloge()
{
    Session& s = app->session;
    return app->horloge.Avancer(s.controles.timerScore, emscripten_get_now(), [&s] { s.Tic(Minuterie::Score); });
}

EMSCRIPTEN_KEEPALIVE const char* cg_dialogue(const char* nom, double facteur)
{
    Session& s = app->session;
    if (EstLeVisionneur(nom))
        return Rendre(DialogueJson(DetailMeilleursScores::Description(), DetailMeilleursScores::Places(facteur),
            s.Scores().Etats(), facteur));
    return Rendre(DialogueJson(ChoixTableau::Description(), PlacesALEchelle(ChoixTableau::Description(), facteur),
        s.Choix().Etats(), facteur));
}

EMSCRIPTEN_KEEPALIVE const char* cg_dialogue_portrait(const char* nom, int32_t largeurCss)
{
    Session& s = app->session;
    if (EstLeVisionneur(nom)) {
        const DialoguePortrait p = DetailMeilleursScoresPortrait(largeurCss);
        return Rendre(DialogueJson(DetailMeilleursScores::Description(), {}, s.Scores().Etats(), 1.0, &p));
    }
    const DialoguePortrait p = ChoixTableauPortrait(largeurCss);
    return Rendre(DialogueJson(ChoixTableau::Description(), {}, s.Choix().Etats(), 1.0, &p));
}

EMSCRIPTEN_KEEPALIVE const char* cg_dialogue_evenement(const char* nom, int32_t evenement, int32_t indice, int32_t valeur,
    const char* texte, double instantMs)
{
    Session& s = app->session;
    const std::string t = texte ? texte : "";
    if (EstLeVisionneur(nom)) {
        DetailMeilleursScores& v = s.Scores();
        return Rendre(ApresEvenement(v, Traiter(v, evenement, indice, valeur, t, instantMs)));
    }
    ChoixTableau& c = s.Choix();
    const Issue issue = Traiter(c, evenement, indice, valeur, t, instantMs);
    // The confirmed game starts in the same turn, before any tick of the game it replaces.
    if (issue == Issue::Demarrer)
        s.NouvellePartie();
    return Rendre(ApresEvenement(c, issue));
}

EMSCRIPTEN_KEEPALIVE const char* cg_place_dialogue(int32_t largeur, int32_t hauteur, int32_t largeurZone, int32_t hauteurZone)
{
    const Rect r = PlaceDansZone(largeur, hauteur, {0, 0, largeurZone, hauteurZone});
    Json j;
    j.Tableau().Entier(r.left).Entier(r.top).Fin();
    return Rendre(j.Texte());
}

EMSCRIPTEN_KEEPALIVE const uint8_t* cg_exporter()
{
    tampon = app->session.ExporterScores();
    return reinterpret_cast<const uint8_t*>(tampon.data());
}

EMSCRIPTEN_KEEPALIVE int32_t cg_taille_export() { return static_cast<int32_t>(tampon.size()); }

EMSCRIPTEN_KEEPALIVE int32_t cg_importer(const uint8_t* octets, int32_t lus, double tailleFichier, const char* erreurLecture)
{
    const std::string donnees(reinterpret_cast<const char*>(octets), lus > 0 ? static_cast<size_t>(lus) : 0);
    const auto taille = static_cast<uint64_t>(std::max(0.0, tailleFichier));
    return ImporterMeilleursScores(app->session.ctx, donnees, taille, erreurLecture ? erreurLecture : "") ==
            ResultatImport::Importe
        ? 1
        : 0;
}

EMSCRIPTEN_KEEPALIVE const uint8_t* cg_exporter_copie(const char* chemin)
{
    // A copy is given back as the bytes it holds, or as its text when that is not base64.
    std::string texte, raison;
    tampon.clear();
    if (chemin && app->fichiers.Garde(chemin) && app->stockage.Lire(chemin, texte, raison) == MagasinCles::Lecture::Ok &&
        !DepuisBase64(texte, tampon))
        tampon = texte;
    return reinterpret_cast<const uint8_t*>(tampon.data());
}

EMSCRIPTEN_KEEPALIVE void cg_scores_stockes() { PrendreTableDuFichier(app->session.ctx); }

EMSCRIPTEN_KEEPALIVE double cg_facteur_dialogue(int32_t largeur, int32_t hauteur, int32_t largeurLibre,
    int32_t hauteurLibre, int32_t hauteurTitre)
{
    const GameState& g = app->session.etat;
    return FacteurDialogue(g.FacteurEcranX, g.FacteurEcranY, largeur, hauteur, largeurLibre, hauteurLibre, hauteurTitre);
}

EMSCRIPTEN_KEEPALIVE int32_t cg_seconde_pression_agit(int32_t cible)
{
    if (cible < 0 || cible > static_cast<int32_t>(CibleSouris::Panneau))
        return 0;
    return SecondePressionAgit(static_cast<CibleSouris>(cible)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int32_t cg_taille_qui_tient(int32_t taille)
{
    return TailleQuiTient(taille, [](int32_t t) { return cg_js_tient(t) != 0; });
}

EMSCRIPTEN_KEEPALIVE const char* cg_test_etat()
{
    const GameState& g = app->session.etat;
    Json j;
    j.Objet().Cle("type").Entier(g.TypeJeu).Cle("numero").Entier(g.NumeroTableau).Cle("n").Entier(g.NbColonnes);
    j.Cle("score").Entier(g.Score).Cle("termine").Entier(g.PartieTerminee).Cle("pos").Tableau().Entier(g.PosX);
    j.Entier(g.PosY).Fin().Cle("trou").Tableau().Entier(g.TrouPrincipalX).Entier(g.TrouPrincipalY).Fin();
    j.Cle("groupe").Entier(g.TailleGroupe).Cle("chemin").Tableau();
    for (int i = 1; i <= g.LongueurChemin; ++i)
        j.Tableau().Entier(g.Chemin[i].x).Entier(g.Chemin[i].y).Fin();
    j.Fin().Cle("valeurs").Tableau();
    for (int y = 0; y <= g.NbLignes + 1 && y < 16; ++y) {
        j.Tableau();
        for (int x = 0; x <= g.NbColonnes + 1 && x < 16; ++x)
            j.Entier(g.Valeur[x][y]);
        j.Fin();
    }
    j.Fin().Cle("etats").Tableau();
    for (int y = 1; y <= g.NbLignes && y < 15; ++y) {
        j.Tableau();
        for (int x = 1; x <= g.NbColonnes && x < 15; ++x)
            j.Entier(g.Etat[x][y]);
        j.Fin();
    }
    j.Fin().Fin();
    return Rendre(j.Texte());
}

} // extern "C"
