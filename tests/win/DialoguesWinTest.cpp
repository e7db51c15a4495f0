// The start screen, the menu bar, the chooser, the viewer and the message boxes of the Windows
// program: their places, colours and tab order as the Qt front end's tests expect them on the
// 800 x 600 design screen, and their keys and clicks.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ProgrammeWin.h"
#include "win/Unicode.h"

using namespace cogitelle;
using cogitelle::test::Image;
using cogitelle::test::ExpectRect;
using cogitelle::test::Garder;
using cogitelle::test::ProgrammeWin;

namespace {


SIZE Client(HWND w)
{
    RECT r{};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

std::wstring Texte(HWND w)
{
    wchar_t t[256] = {};
    GetWindowTextW(w, t, 256);
    return t;
}

// The colour at the centre of a control in a dialog's picture.
Couleur Centre(const Image& im, HWND dialogue, HWND controle)
{
    RECT r{};
    GetWindowRect(controle, &r);
    MapWindowPoints(HWND_DESKTOP, dialogue, reinterpret_cast<POINT*>(&r), 2);
    return im.Pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2 + (r.bottom - r.top) / 4);
}


} // namespace

TEST(DemarrageWin, EcranPuisChoixAuClavier)
{
    ProgrammeWin p;
    const HWND ecran = p.f.Ecran().Fenetre();
    ASSERT_TRUE(IsWindowVisible(ecran));
    EXPECT_FALSE(GetWindowLongW(ecran, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(Client(ecran).cx, 425);
    EXPECT_EQ(Client(ecran).cy, 304);
    RECT r{};
    GetWindowRect(ecran, &r);
    EXPECT_EQ(r.left + 425 / 2, 400 - 1);
    EXPECT_EQ(r.top + 304 / 2, 300);
    const Image im = test::Capturer(ecran);
    Garder(im, "demarrage");
    EXPECT_EQ(im.Pixel(2, 2), RGB(0x12, 0xAC, 0xC7));
    const RECT demarrer = p.f.Ecran().RectBouton(1);
    EXPECT_EQ(demarrer.right - demarrer.left, 373);
    EXPECT_EQ(demarrer.bottom - demarrer.top, 33);
    EXPECT_EQ(im.Pixel(demarrer.left + 5, (demarrer.top + demarrer.bottom) / 2), RGB(0xC0, 0xC0, 0xC0));
    EXPECT_FALSE(IsWindowVisible(p.f.Math().Fenetre()));

    // Another key does nothing; Enter starts in French.
    p.Touche('A', ecran);
    EXPECT_TRUE(IsWindowVisible(ecran));
    p.Demarrer();
    EXPECT_EQ(p.g().Langue, 1);
    EXPECT_EQ(p.g().TexteQuestionQuitter, "Voulez-vous vraiment arrêter ?");
    EXPECT_FALSE(IsWindowVisible(ecran));
    EXPECT_TRUE(IsWindowVisible(p.f.Math().Fenetre()));
    EXPECT_TRUE(IsZoomed(p.f.Math().Fenetre()));
    // The main window waits, disabled, for the chooser; its board is hidden till the first game.
    EXPECT_TRUE(IsWindowVisible(p.f.Choix().Fenetre()));
    EXPECT_FALSE(IsWindowEnabled(p.f.Math().Fenetre()));
    EXPECT_FALSE(IsWindowVisible(p.Plateau()));
}

TEST(DemarrageWin, EnglishALaSouris)
{
    ProgrammeWin p;
    const HWND ecran = p.f.Ecran().Fenetre();
    const RECT english = p.f.Ecran().RectBouton(2);
    const LPARAM ou = MAKELPARAM((english.left + english.right) / 2, (english.top + english.bottom) / 2);
    // Pressed: lowered; a double click starts once.
    PostMessageW(ecran, WM_LBUTTONDOWN, MK_LBUTTON, ou);
    test::Pomper(p.f);
    EXPECT_EQ(p.coeur.session.Demarrage().Bouton(2).vue.BiseauExterieur(), Biseau::Abaisse);
    PostMessageW(ecran, WM_LBUTTONUP, 0, ou);
    PostMessageW(ecran, WM_LBUTTONDBLCLK, MK_LBUTTON, ou);
    PostMessageW(ecran, WM_LBUTTONUP, 0, ou);
    test::Pomper(p.f, 100);
    EXPECT_EQ(p.g().Langue, 2);
    EXPECT_EQ(p.g().FichierAide, "cogitelleus.html");
    EXPECT_FALSE(IsWindowVisible(ecran));
}

// The menu bar as designed, its shortcut keys, the check mark of the game in play; F9 asks and
// No keeps the game, Yes says goodbye and ends the program.
TEST(MenusWin, BarreRaccourcisEtQuitter)
{
    ProgrammeWin p;
    p.Jouer(Differences, 4);
    const HMENU barre = GetMenu(p.f.Math().Fenetre());
    ASSERT_NE(barre, nullptr);
    ASSERT_EQ(GetMenuItemCount(barre), 4);
    auto texte = [](HMENU m, UINT i, UINT par) {
        wchar_t t[128] = {};
        GetMenuStringW(m, i, t, 128, par);
        return Etroit(t);
    };
    EXPECT_EQ(texte(barre, 0, MF_BYPOSITION), "&Cogitelle");
    EXPECT_EQ(texte(barre, 1, MF_BYPOSITION), "&Meilleurs scores");
    EXPECT_EQ(texte(barre, 2, MF_BYPOSITION), "&Options");
    EXPECT_EQ(texte(barre, 3, MF_BYPOSITION), "&Aide");
    EXPECT_EQ(texte(barre, cmdQuitter, MF_BYCOMMAND), "Quitter\tF9");
    EXPECT_EQ(texte(barre, cmdSommaire, MF_BYCOMMAND), "Sommaire\tF1");
    EXPECT_EQ(texte(barre, CommandeJeu(Differences), MF_BYCOMMAND), "JEU DES DIFFERENCES");
    EXPECT_TRUE(GetMenuState(barre, CommandeJeu(Differences), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(barre, CommandeJeu(Serpentin), MF_BYCOMMAND) & MF_CHECKED);
    p.Jouer(Serpentin, 4);
    EXPECT_TRUE(GetMenuState(barre, CommandeJeu(Serpentin), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(barre, CommandeJeu(Differences), MF_BYCOMMAND) & MF_CHECKED);

    // A game item opens the chooser on that game; the game in play goes on.
    PostMessageW(p.f.Math().Fenetre(), WM_COMMAND, MAKEWPARAM(CommandeJeu(Memoire), 0), 0);
    test::Pomper(p.f);
    EXPECT_TRUE(IsWindowVisible(p.f.Choix().Fenetre()));
    EXPECT_EQ(p.coeur.session.Choix().RadioCoche, Memoire);
    EXPECT_EQ(p.g().TypeJeu, Serpentin);
    // "Annuler" closes it once a game runs.
    p.CliquerFenetre(p.f.Choix().Controle(p.coeur.session.Choix().iAnnuler));
    EXPECT_FALSE(IsWindowVisible(p.f.Choix().Fenetre()));

    SetForegroundWindow(p.f.Math().Fenetre());
    p.coeur.ports.reponses = {false};
    p.Touche(VK_F9);
    ASSERT_EQ(p.coeur.ports.questions.size(), 1u);
    EXPECT_EQ(p.coeur.ports.questions[0], "COGITELLE I|Voulez-vous vraiment arrêter ?");
    EXPECT_EQ(p.coeur.ports.boutons.back(), "Oui|Non");
    EXPECT_FALSE(p.f.Termine());
    p.coeur.ports.reponses = {true};
    p.Touche(VK_F9);
    EXPECT_EQ(p.Messages().back(), "A bientôt !!!");
    EXPECT_TRUE(p.f.Termine());
    EXPECT_FALSE(IsWindowVisible(p.f.Math().Fenetre()));
}

// The chooser as designed on the 800 x 600 screen, and its keys.
TEST(ChoixWin, ControlesEtClavier)
{
    ProgrammeWin p;
    GameState& g = p.g();
    p.Demarrer();
    Dialogue& d = p.f.Choix();
    const HWND f = d.Fenetre();
    const ChoixTableau& m = p.coeur.session.Choix();
    EXPECT_EQ(Etroit(Texte(f)), "Choix du jeu et du numéro de cogitelle");
    EXPECT_EQ(Client(f).cx, 370);
    EXPECT_EQ(Client(f).cy, 256);
    EXPECT_FALSE(GetWindowLongW(f, GWL_STYLE) & WS_SYSMENU);
    ExpectRect(test::Place(d.Controle(m.iGroupe)), 4, 4, 219, 139);
    EXPECT_EQ(Etroit(Texte(d.Controle(m.iGroupe))), " Choix du jeu ");
    const int tops[] = {24, 46, 68, 90, 112};
    for (int t = 1; t <= 5; ++t) {
        ExpectRect(test::Place(d.Controle(m.iRadio1 + t - 1)), 4 + 14, 4 + tops[t - 1], 200, 17);
        EXPECT_EQ(Etroit(Texte(d.Controle(m.iRadio1 + t - 1))), g.TitresJeux[t]);
    }
    ExpectRect(test::Place(d.Controle(m.iNom)), 226, 32, 141, 21);
    ExpectRect(test::Place(d.Controle(m.iBarre)), 4, 178, 360, 19);
    ExpectRect(test::Place(d.Controle(m.iOK)), 122, 230, 243, 22);
    ExpectRect(test::Place(d.Controle(m.iNumero)), 4, 146, 360, 29);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE;
    GetScrollInfo(d.Controle(m.iBarre), SB_CTL, &si);
    EXPECT_EQ(si.nMin, 1);
    EXPECT_EQ(si.nMax, 500);

    const Image im = test::Capturer(f);
    Garder(im, "choix");
    EXPECT_EQ(im.Pixel(2, 250), RGB(0x00, 0x80, 0xC0));
    EXPECT_EQ(im.Pixel(100, 60), RGB(0x00, 0x80, 0xC0));   // inside the group box, between two radios
    const DescriptionFenetre& desc = ChoixTableau::Description();
    EXPECT_EQ(Centre(im, f, d.Controle(desc.Indice("Panel1"))), RGB(0x80, 0xFF, 0xFF));
    EXPECT_EQ(Centre(im, f, d.Controle(desc.Indice("panelRecordMixte"))), RGB(0x00, 0x80, 0xFF));
    EXPECT_EQ(Centre(im, f, d.Controle(m.iNomRecord)), RGB(0x66, 0xB3, 0xFF));
    EXPECT_EQ(im.Pixel(10, 150), RGB(0x66, 0xB3, 0xFF));                       // panelNumeroTableau
    EXPECT_EQ(im.Pixel(127, 236), RGB(0xC0, 0xC0, 0xC0));                    // buttonOK
    EXPECT_EQ(im.Pixel(230, 50), RGB(0x80, 0xFF, 0xFF));                      // the name's field

    // The tab order: the scroll bar, the name, the random pick, OK, Annuler, the game types.
    const int32_t ordre[] = {m.iBarre, m.iNom, m.iHasard, m.iOK, m.iAnnuler, m.iRadio1};
    for (size_t i = 0; i + 1 < std::size(ordre); ++i)
        EXPECT_EQ(GetNextDlgTabItem(f, d.Controle(ordre[i]), FALSE), d.Controle(ordre[i + 1])) << i;

    // The keyboard starts on the scroll bar. Enter with no name: the message, the chooser stays
    // and the keyboard goes to the name; Annuler does nothing at start-up.
    EXPECT_EQ(GetFocus(), d.Controle(m.iBarre));
    p.Touche(VK_RETURN, d.Controle(m.iBarre));
    EXPECT_EQ(p.Messages().back(), "Veuillez saisir votre nom !");
    EXPECT_EQ(GetFocus(), d.Controle(m.iNom));
    p.CliquerFenetre(d.Controle(m.iAnnuler));
    EXPECT_TRUE(IsWindowVisible(f));
    // The scroll bar's keys and digits typed on it.
    p.Touche(VK_RIGHT, d.Controle(m.iBarre));
    EXPECT_EQ(m.PositionScroll, 2);
    p.Touche(VK_NEXT, d.Controle(m.iBarre));
    EXPECT_EQ(m.PositionScroll, 12);
    p.Touche(VK_END, d.Controle(m.iBarre));
    EXPECT_EQ(m.PositionScroll, 500);
    p.Touche('3', d.Controle(m.iBarre));
    p.Touche('7', d.Controle(m.iBarre));
    EXPECT_EQ(m.PositionScroll, 37);
    si.fMask = SIF_POS;
    GetScrollInfo(d.Controle(m.iBarre), SB_CTL, &si);
    EXPECT_EQ(si.nPos, 37);
    EXPECT_EQ(Etroit(Texte(d.Controle(m.iNumero))), "panelNumeroTableau");   // a painted panel
    EXPECT_EQ(m.CaptionNumeroTableau, "Cogitelle n° 37");
    // The mouse on the bar's arrow: one step.
    RECT barre{};
    GetClientRect(d.Controle(m.iBarre), &barre);
    PostMessageW(f, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(d.Controle(m.iBarre)));
    test::Pomper(p.f);
    EXPECT_EQ(m.PositionScroll, 38);
    // The name: typed in upper case, at most 12 characters; a double click empties it.
    for (const wchar_t c : std::wstring(L"abcdefghijklmn"))
        PostMessageW(d.Controle(m.iNom), WM_CHAR, c, 1);
    test::Pomper(p.f);
    EXPECT_EQ(m.Nom, "ABCDEFGHIJKL");
    EXPECT_EQ(Etroit(Texte(d.Controle(m.iNom))), "ABCDEFGHIJKL");
    PostMessageW(d.Controle(m.iNom), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    test::Pomper(p.f);
    EXPECT_EQ(Etroit(Texte(d.Controle(m.iNom))), "");
    PostMessageW(d.Controle(m.iNom), WM_CHAR, L'x', 1);
    test::Pomper(p.f);
    // A game type by its radio button, then Enter confirms from the name's field.
    p.CliquerFenetre(d.Controle(m.iRadio1 + CarreMagique - 1));
    EXPECT_EQ(m.RadioCoche, CarreMagique);
    p.Touche(VK_RETURN, d.Controle(m.iNom));
    EXPECT_FALSE(IsWindowVisible(f));
    EXPECT_TRUE(IsWindowEnabled(p.f.Math().Fenetre()));
    EXPECT_EQ(g.TypeJeu, CarreMagique);
    EXPECT_EQ(g.NumeroTableau, 38);
    EXPECT_EQ(g.NomJoueur, "X");
    EXPECT_TRUE(IsWindowVisible(p.Plateau()));

    // Moved to a monitor at 150 %: the same dialog at that scale, its buttons still drawn whole.
    RECT propose{0, 0, 600, 420};
    SendMessageW(f, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&propose));
    ShowWindow(f, SW_SHOWNA);
    test::Pomper(p.f);
    ExpectRect(test::Place(d.Controle(m.iOK)), 183, 345, 365, 33);
    ExpectRect(test::Place(d.Controle(m.iBarre)), 6, 267, 540, 29);
    const Image grand = test::Capturer(f);
    EXPECT_EQ(grand.Pixel(183 + 10, 345 + 16), RGB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(grand.Pixel(183, 345 + 16), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(SendMessageW(d.Controle(m.iRadio1 + CarreMagique - 1), BM_GETCHECK, 0, 0), BST_CHECKED);
    Garder(grand, "choix-150");
}

// Once a game runs, a button panel of the chooser with the keyboard takes Enter as its click, as
// it takes Space: "Annuler" closes it with the game in play unchanged, the random pick draws
// another selection and the chooser stays; Enter held down acts once. The digits typed on the
// scroll bar are forgotten when it loses the keyboard; the name's caret stays where the player
// types.
TEST(ChoixWin, BoutonsAuClavierEtCurseurDuNom)
{
    ProgrammeWin p;
    p.Jouer(Serpentin, 7);
    Dialogue& d = p.f.Choix();
    const HWND f = d.Fenetre();
    const ChoixTableau& m = p.coeur.session.Choix();
    auto ouvrir = [&] {
        PostMessageW(p.f.Math().Fenetre(), WM_COMMAND, MAKEWPARAM(CommandeJeu(Memoire), 0), 0);
        test::Pomper(p.f);
        ASSERT_TRUE(IsWindowVisible(f));
        ASSERT_EQ(m.RadioCoche, Memoire);
    };
    ouvrir();
    p.Touche(VK_RETURN, d.Controle(m.iAnnuler));
    EXPECT_FALSE(IsWindowVisible(f));
    EXPECT_EQ(p.g().TypeJeu, Serpentin);
    EXPECT_EQ(p.g().NumeroTableau, 7);

    ouvrir();
    const int32_t numero = m.PositionScroll;
    p.Touche(VK_RETURN, d.Controle(m.iHasard));
    EXPECT_TRUE(IsWindowVisible(f));
    EXPECT_NE(m.RadioCoche, Memoire);
    EXPECT_NE(m.PositionScroll, numero);
    EXPECT_EQ(p.g().TypeJeu, Serpentin);
    // The repeats of Enter held down since the click do not confirm.
    PostMessageW(d.Controle(m.iBarre), WM_KEYDOWN, VK_RETURN, static_cast<LPARAM>(0x401C0001));
    test::Pomper(p.f);
    EXPECT_TRUE(IsWindowVisible(f));
    EXPECT_EQ(p.g().TypeJeu, Serpentin);
    // Digits typed on the bar make one number, unless the keyboard left the bar between them.
    const HWND barre = d.Controle(m.iBarre);
    p.Touche('1', barre);
    p.Touche('2', barre);
    EXPECT_EQ(m.PositionScroll, 12);
    SetFocus(d.Controle(m.iNom));
    SetFocus(barre);
    p.Touche('3', barre);
    EXPECT_EQ(m.PositionScroll, 3);
    // The name: a character it cannot hold, typed in the middle, is refused and the caret stays
    // where it was; pasted among others, the characters kept go in before the caret.
    const HWND nom = d.Controle(m.iNom);
    ASSERT_EQ(Etroit(Texte(nom)), "TEST");
    SendMessageW(nom, EM_SETSEL, 2, 2);
    PostMessageW(nom, WM_CHAR, 0x3A9, 1);   // a capital omega
    PostMessageW(nom, WM_CHAR, L'x', 1);
    test::Pomper(p.f);
    EXPECT_EQ(Etroit(Texte(nom)), "TEXST");
    SendMessageW(nom, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"b\u03A9c"));
    PostMessageW(nom, WM_CHAR, L'y', 1);
    test::Pomper(p.f);
    EXPECT_EQ(Etroit(Texte(nom)), "TEXBCYST");
    // Space on OK starts the selection drawn.
    const TTypeJeu tire = m.RadioCoche;
    const int32_t tireNumero = m.PositionScroll;
    SetFocus(d.Controle(m.iOK));
    p.Touche(VK_SPACE, d.Controle(m.iOK));
    EXPECT_FALSE(IsWindowVisible(f));
    EXPECT_EQ(p.g().TypeJeu, tire);
    EXPECT_EQ(p.g().NumeroTableau, tireNumero);
    EXPECT_EQ(p.g().NomJoueur, "TEXBCYST");
}

// The viewer as designed, opened by its panel: the window takes the scroll bars' keys itself.
TEST(ScoresWin, ControlesEtClavier)
{
    ProgrammeWin p;
    p.Jouer(Serpentin, 7);
    p.CliquerPanneau(p.k().panelDetailHighScores);
    Dialogue& d = p.f.Scores();
    const HWND f = d.Fenetre();
    ASSERT_TRUE(IsWindowVisible(f));
    const DetailMeilleursScores& m = p.coeur.session.Scores();
    EXPECT_EQ(Etroit(Texte(f)), "Détail des meilleurs scores");
    EXPECT_EQ(Client(f).cx, 430);
    EXPECT_EQ(Client(f).cy, 356);
    ExpectRect(test::Place(d.Controle(m.iBarreType)), 6, 76, 221, 13);
    ExpectRect(test::Place(d.Controle(m.iBarreNumero)), 234, 76, 189, 13);
    ExpectRect(test::Place(d.Controle(m.iCentral)), 6, 94, 417, 210);
    for (int r = 1; r <= 10; ++r) {
        const int haut = 5 + (r - 1) * 20;
        ExpectRect(test::Place(d.Controle(m.iRang1 + 3 * (r - 1))), 5, haut, 20, 20);
        ExpectRect(test::Place(d.Controle(m.iRang1 + 3 * (r - 1) + 1)), 25, haut, 193, 20);
        ExpectRect(test::Place(d.Controle(m.iRang1 + 3 * (r - 1) + 2)), 218, haut, 193, 20);
    }
    const Image im = test::Capturer(f);
    Garder(im, "scores");
    EXPECT_EQ(im.Pixel(2, 200), RGB(0x00, 0x40, 0x80));
    EXPECT_EQ(im.Pixel(8, 100), RGB(0x80, 0x00, 0x00));     // the grid's panel, in its margin
    EXPECT_EQ(im.Pixel(12, 45), RGB(0xFF, 0x80, 0x80));     // panelTypeJeu
    EXPECT_EQ(im.Pixel(100, 110), RGB(0xC0, 0xC0, 0xC0));   // a name cell
    EXPECT_EQ(m.Type, Serpentin);
    EXPECT_EQ(m.Numero, 7);

    // Left and Right step through the game types, Up, Down and the pages through the puzzles,
    // whichever control has the focus.
    p.Touche(VK_LEFT, d.Controle(m.iOK));
    EXPECT_EQ(m.Type, Differences);
    p.Touche(VK_DOWN, d.Controle(m.iOK));
    EXPECT_EQ(m.Numero, 8);
    p.Touche(VK_NEXT, d.Controle(m.iBarreType));
    EXPECT_EQ(m.Numero, 18);
    EXPECT_EQ(m.Type, Differences);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS;
    GetScrollInfo(d.Controle(m.iBarreNumero), SB_CTL, &si);
    EXPECT_EQ(si.nPos, 18);
    EXPECT_EQ(m.Noms[1], [&] {
        const EnregistrementScore& e = p.g().MeilleursScores(Differences, 18, 1);
        return std::string(e.NomScore, strnlen(e.NomScore, 12));
    }());
    // Enter closes it; the main window's game went on.
    p.Touche(VK_RETURN, d.Controle(m.iOK));
    EXPECT_FALSE(IsWindowVisible(f));
    EXPECT_EQ(p.g().TypeJeu, Serpentin);
}

// The real message boxes: captioned with the title, their Yes and No buttons named in the
// player's language.
TEST(BoitesWin, OuiNonNommes)
{
    PortsWin ports;
    const std::string titre = "COGITELLE I";
    ports.SetTitre(titre);
    for (const bool anglais : {false, true}) {
        std::atomic<bool> fini{false};
        std::wstring titreVu, oui, non, texte;
        std::thread lecteur([&] {
            for (int i = 0; i < 300 && !fini; ++i, Sleep(10)) {
                HWND boite = FindWindowW(L"#32770", L"COGITELLE I");
                if (!boite)
                    continue;
                wchar_t t[128] = {};
                GetDlgItemTextW(boite, IDYES, t, 128);
                oui = t;
                GetDlgItemTextW(boite, IDNO, t, 128);
                non = t;
                GetDlgItemTextW(boite, 0xFFFF, t, 128);   // the static text of the box
                texte = t;
                PostMessageW(boite, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(boite, IDNO)));
                return;
            }
        });
        const bool reponse = anglais ? ports.QuestionOuiNon(titre, "Do you really want to quit ?", "Yes", "No")
                                     : ports.Question(titre, "Voulez-vous vraiment arrêter ?");
        fini = true;
        lecteur.join();
        EXPECT_FALSE(reponse);
        EXPECT_EQ(Etroit(oui), anglais ? "&Yes" : "&Oui");
        EXPECT_EQ(Etroit(non), anglais ? "&No" : "&Non");
        EXPECT_EQ(Etroit(texte), anglais ? "Do you really want to quit ?" : "Voulez-vous vraiment arrêter ?");
    }
}

// The colour items open the system's colour dialog on the window's colour: a colour chosen there
// becomes the option; cancelled, the options are saved all the same. F1 asks for the help page
// beside the program: where there is none, the system says why.
TEST(MenusWin, CouleursEtAide)
{
    ProgrammeWin p;
    p.Jouer(Labyrinthe, 1);
    const HWND math = p.f.Math().Fenetre();
    // Answers the colour dialog from another thread: the red, green and blue fields, then OK or
    // Cancel.
    auto repondre = [&](int rouge, int vert, int bleu, bool ok, Couleur& ouverte) {
        return std::thread([=, &ouverte] {
            for (int i = 0; i < 500; ++i, Sleep(10)) {
                HWND boite = nullptr;
                while ((boite = FindWindowExW(nullptr, boite, L"#32770", nullptr)) != nullptr)
                    if (GetWindow(boite, GW_OWNER) == math && IsWindowVisible(boite))
                        break;
                if (!boite)
                    continue;
                ouverte = RGB(GetDlgItemInt(boite, 706, nullptr, FALSE), GetDlgItemInt(boite, 707, nullptr, FALSE),
                    GetDlgItemInt(boite, 708, nullptr, FALSE));
                if (ok) {
                    SetDlgItemInt(boite, 706, static_cast<UINT>(rouge), FALSE);
                    SetDlgItemInt(boite, 707, static_cast<UINT>(vert), FALSE);
                    SetDlgItemInt(boite, 708, static_cast<UINT>(bleu), FALSE);
                }
                PostMessageW(boite, WM_COMMAND, MAKEWPARAM(ok ? IDOK : IDCANCEL, BN_CLICKED), 0);
                return;
            }
        });
    };
    Couleur ouverte = 0;
    const Couleur fondAvant = p.g().CouleurFondEcran;
    std::thread t = repondre(0x11, 0x22, 0x33, true, ouverte);
    PostMessageW(math, WM_COMMAND, MAKEWPARAM(cmdCouleurFond, 0), 0);
    test::Pomper(p.f);
    t.join();
    EXPECT_EQ(ouverte, fondAvant);
    EXPECT_EQ(p.g().CouleurFondEcran, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(test::Capturer(math).Pixel(700, 560), RGB(0x11, 0x22, 0x33));
    const auto& fond = p.coeur.magasin.valeurs.at("optionCouleurFondEcran").octets;
    ASSERT_EQ(fond.size(), 4u);
    EXPECT_EQ(fond[0], 0x11);
    EXPECT_EQ(fond[2], 0x33);

    // Cancelled: nothing changes, but the options are written again.
    p.coeur.magasin.valeurs.clear();
    const Couleur tableauAvant = p.g().CouleurTableauDeJeu;
    t = repondre(0, 0, 0, false, ouverte);
    PostMessageW(math, WM_COMMAND, MAKEWPARAM(cmdCouleurTableau, 0), 0);
    test::Pomper(p.f);
    t.join();
    EXPECT_EQ(p.g().CouleurTableauDeJeu, tableauAvant);
    EXPECT_EQ(p.coeur.magasin.valeurs.count("optionCouleurTableauDeJeu"), 1u);

    // F1: the tests' program has no help page beside it.
    p.Touche(VK_F1);
    ASSERT_FALSE(p.Messages().empty());
    const std::string& erreur = p.Messages().back();
    EXPECT_EQ(erreur.rfind("erreur: ", 0), 0u) << erreur;
    EXPECT_NE(erreur.find("\\cogitellefr.html\n\n"), std::string::npos) << erreur;
}
