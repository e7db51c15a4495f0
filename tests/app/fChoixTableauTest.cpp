// The puzzle chooser's window: its controls, the name field and the ways out.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "BancDialogues.h"
#include "app/PanneauDialogue.h"
#include "app/fChoixTableau.h"
#include "session/ChoixTableau.h"
#include "session/NouvellePartie.h"
#include "support/DoubleClic.h"

using namespace cogitelle;
using cogitelle::test::BancDialogues;
using cogitelle::test::DoubleClic;

namespace {

template <typename T = PanneauDialogue>
T* Enfant(QWidget* w, const char* nom)
{
    T* c = w->findChild<T*>(QLatin1String(nom));
    if (!c)
        qFatal("missing control %s", nom);
    return c;
}

QString Legende(QWidget* w, const char* nom) { return Enfant(w, nom)->Caption(); }

// The next control that the Tab key reaches.
QWidget* SuivantAuClavier(QWidget* w)
{
    for (QWidget* n = w->nextInFocusChain(); n != w; n = n->nextInFocusChain())
        if ((n->focusPolicy() & Qt::TabFocus) && n->isEnabled())
            return n;
    return nullptr;
}

// Types text as the keyboard would, any character, one key event each.
void Taper(QWidget* w, const QString& texte)
{
    for (int i = 0; i < texte.size(); ++i) {
        const int n = texte.at(i).isHighSurrogate() ? 2 : 1;
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texte.mid(i, n));
        QApplication::sendEvent(w, &appui);
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, texte.mid(i, n));
        QApplication::sendEvent(w, &relache);
        i += n - 1;
    }
}

void Cliquer(PanneauDialogue* p) { QTest::mouseClick(p, Qt::LeftButton, {}, p->rect().center()); }

} // namespace

class TestChoixTableau : public QObject {
    Q_OBJECT
private slots:
    void controlesALaTailleDeConception();
    void controlesALEchelleDeLEcran();
    void affichageDuChoixEtBoutonsPanneaux();
    void entreeSansNomLaisseLeChoixOuvert();
    void boiteDeMessageNeFaitPasOublierLeChoix();
    void doubleClicVideLeNom();
    void saisieNormalisee();
    void annulerAuDemarragePuisEnJeu();
    void confirmerDemarreLeJeuChoisi();
    void leProgrammePeutQuitterAuDemarrage();
    void clavierBarreChiffresEntreeEchap();
    void boutonsEnfoncesParToutBoutonUneActionParDoubleClic();
    void ouvertDeLaFenetreApresUnMessageRecharge();
};

void TestChoixTableau::controlesALaTailleDeConception()
{
    BancDialogues banc;
    QWidget principale;
    TfrmChoixTableau f(banc.session, &principale, [] {});

    QCOMPARE(f.windowTitle(), QStringLiteral("Choix du jeu et du numéro de cogitelle"));
    QCOMPARE(f.size(), QSize(370, 256));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(f.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QVERIFY(f.windowFlags() & Qt::CustomizeWindowHint);
    QCOMPARE(f.palette().color(QPalette::Window), QColor(0x00, 0x80, 0xC0));
    QCOMPARE(f.font().pixelSize(), 11);

    auto* groupe = Enfant<QGroupBox>(&f, "groupBoxTypeJeu");
    QCOMPARE(groupe->title(), QStringLiteral(" Choix du jeu "));
    QCOMPARE(groupe->geometry(), QRect(4, 4, 219, 139));
    QCOMPARE(groupe->font().pixelSize(), 13);
    const char* titres[] = {"JEU DU LABYRINTHE", "CARRES MAGIQUES", "JEU DES DIFFERENCES", "JEU DU SERPENTIN",
        "JEU DE LA MEMOIRE"};
    const int tops[] = {24, 46, 68, 90, 112};
    for (int t = 1; t <= 5; ++t) {
        auto* rb = Enfant<QRadioButton>(&f, QStringLiteral("rbTypeJeu%1").arg(t).toLatin1().constData());
        QCOMPARE(rb->parentWidget(), groupe);
        QCOMPARE(rb->geometry(), QRect(14, tops[t - 1], 200, 17));
        QCOMPARE(rb->text(), QString::fromUtf8(titres[t - 1]));
        QVERIFY(rb->font().bold());
        QCOMPARE(rb->font().pixelSize(), 13);
    }

    struct Attendu {
        const char* nom;
        QRect place;
        QColor couleur;
        const char* legende;
        int police;
        bool gras;
    };
    const Attendu panneaux[] = {
        {"Panel1", {228, 4, 139, 27}, QColor(0x80, 0xFF, 0xFF), "VOTRE NOM :", 11, false},
        {"panelRecordMixte", {226, 62, 140, 23}, QColor(0x00, 0x80, 0xFF), "RECORD", 13, true},
        {"panelNomRecordMixte", {226, 86, 140, 29}, QColor(0x66, 0xB3, 0xFF), nullptr, 16, false},
        {"panelScoreRecordMixte", {226, 116, 140, 27}, QColor(0x66, 0xB3, 0xFF), nullptr, 16, false},
        {"panelNumeroTableau", {4, 146, 360, 29}, QColor(0x66, 0xB3, 0xFF), nullptr, 32, false},
        {"panelAleatoire", {4, 204, 360, 22}, QColor(0xC0, 0xC0, 0xC0), "Jeu et cogitelle au hasard", 13, true},
        {"buttonCancel", {4, 230, 115, 22}, QColor(0xC0, 0xC0, 0xC0), "Annuler", 13, true},
        {"buttonOK", {122, 230, 243, 22}, QColor(0xC0, 0xC0, 0xC0), "OK", 13, true},
    };
    for (const Attendu& a : panneaux) {
        auto* p = Enfant(&f, a.nom);
        QCOMPARE(p->geometry(), a.place);
        QCOMPARE(p->Couleur(), a.couleur);
        if (a.legende)
            QCOMPARE(p->Caption(), QString::fromUtf8(a.legende));
        QCOMPARE(p->font().pixelSize(), a.police);
        QCOMPARE(p->font().bold(), a.gras);
    }
    QVERIFY(Enfant(&f, "panelNumeroTableau")->font().families().startsWith(QStringLiteral("Times New Roman")));
    for (const char* nom : {"panelAleatoire", "buttonCancel", "buttonOK"}) {
        auto* p = Enfant(&f, nom);
        QVERIFY(p->EstBouton());
        QCOMPARE(p->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(p->LargeurBiseau(), 2);
    }
    QVERIFY(!Enfant(&f, "Panel1")->EstBouton());

    auto* nom = Enfant<QLineEdit>(&f, "editYourName");
    QCOMPARE(nom->geometry(), QRect(226, 32, 141, 21));
    QCOMPARE(nom->palette().color(QPalette::Base), QColor(0x80, 0xFF, 0xFF));

    auto* barre = Enfant<QScrollBar>(&f, "scrollBarChoixTableau");
    QCOMPARE(barre->geometry(), QRect(4, 178, 360, 19));
    QCOMPARE(barre->orientation(), Qt::Horizontal);
    QCOMPARE(barre->minimum(), 1);
    QCOMPARE(barre->maximum(), 500);
    QCOMPARE(barre->pageStep(), 10);

    // The controls that act, in tab order: the scroll bar, the name, the random pick, OK,
    // Annuler, then the game types. The panels that only show something take no focus.
    QCOMPARE(SuivantAuClavier(barre), static_cast<QWidget*>(nom));
    QCOMPARE(SuivantAuClavier(nom), static_cast<QWidget*>(Enfant(&f, "panelAleatoire")));
    QCOMPARE(SuivantAuClavier(Enfant(&f, "panelAleatoire")), static_cast<QWidget*>(Enfant(&f, "buttonOK")));
    QCOMPARE(SuivantAuClavier(Enfant(&f, "buttonOK")), static_cast<QWidget*>(Enfant(&f, "buttonCancel")));
    QCOMPARE(SuivantAuClavier(Enfant(&f, "buttonCancel")), static_cast<QWidget*>(Enfant<QRadioButton>(&f, "rbTypeJeu1")));
    for (const char* panneau : {"Panel1", "panelNumeroTableau", "panelRecordMixte", "panelNomRecordMixte",
             "panelScoreRecordMixte"})
        QCOMPARE(Enfant(&f, panneau)->focusPolicy(), Qt::NoFocus);
}

void TestChoixTableau::controlesALEchelleDeLEcran()
{
    // A screen 1024 pixels wide at 96 pixels per inch.
    BancDialogues banc(1.28);
    TfrmChoixTableau f(banc.session, nullptr, [] {});
    QCOMPARE(f.size(), QSize(474, 328));
    QCOMPARE(Enfant(&f, "buttonOK")->geometry(), QRect(156, 294, 311, 28));
    QCOMPARE(Enfant<QRadioButton>(&f, "rbTypeJeu5")->geometry(), QRect(18, 143, 256, 22));
    QCOMPARE(Enfant(&f, "panelNumeroTableau")->font().pixelSize(), 41);
    QCOMPARE(Enfant(&f, "buttonOK")->font().pixelSize(), 17);
    QCOMPARE(f.font().pixelSize(), 14);
}

void TestChoixTableau::affichageDuChoixEtBoutonsPanneaux()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = Serpentin;
    g.NumeroTableauChoisi = 37;
    EcrireNom(g.MeilleursScores(Serpentin, 37, 1), "ÉLODIE");
    g.MeilleursScores(Serpentin, 37, 1).ValeurScore = 4321;
    TfrmChoixTableau f(banc.session, nullptr, [] {});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    QVERIFY(Enfant<QRadioButton>(&f, "rbTypeJeu4")->isChecked());
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 37"));
    QCOMPARE(Legende(&f, "panelNomRecordMixte"), QStringLiteral("ÉLODIE"));
    QCOMPARE(Legende(&f, "panelScoreRecordMixte"), QStringLiteral("4321"));
    auto* barre = Enfant<QScrollBar>(&f, "scrollBarChoixTableau");
    QCOMPARE(barre->value(), 37);

    // Another game type: the same puzzle number, that game's record.
    QTest::mouseClick(Enfant<QRadioButton>(&f, "rbTypeJeu2"), Qt::LeftButton);
    QCOMPARE(g.TypeJeuDialogue, CarreMagique);
    const EnregistrementScore& r = g.MeilleursScores(CarreMagique, 37, 1);
    QCOMPARE(Legende(&f, "panelNomRecordMixte"), QString::fromStdString(NomEnregistrement(r)));
    QCOMPARE(Legende(&f, "panelScoreRecordMixte"), QString::number(r.ValeurScore));
    QVERIFY(!Legende(&f, "panelNomRecordMixte").isEmpty());

    // The scroll bar's large step.
    barre->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(g.NumeroTableauSelectionne, 47);
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 47"));

    // The random pick looks pressed while held and acts on release, without starting a game.
    auto* hasard = Enfant(&f, "panelAleatoire");
    QTest::mousePress(hasard, Qt::LeftButton, {}, hasard->rect().center());
    QVERIFY(hasard->Enfonce());
    QCOMPARE(g.NumeroTableauSelectionne, 47);
    QTest::mouseRelease(hasard, Qt::LeftButton, {}, hasard->rect().center());
    QVERIFY(!hasard->Enfonce());
    QVERIFY(g.NumeroTableauSelectionne != 47);
    QVERIFY(g.TypeJeuDialogue != CarreMagique);
    QVERIFY(Enfant<QRadioButton>(&f, QStringLiteral("rbTypeJeu%1").arg(g.TypeJeuDialogue).toLatin1())->isChecked());
    QCOMPARE(barre->value(), g.NumeroTableauSelectionne);
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° %1").arg(g.NumeroTableauSelectionne));
    QCOMPARE(g.TypeJeu, AucunJeu);
    QVERIFY(f.isVisible());

    // A press released outside the panel is no click.
    const int avant = g.NumeroTableauSelectionne;
    QTest::mousePress(hasard, Qt::LeftButton, {}, hasard->rect().center());
    QTest::mouseRelease(hasard, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(!hasard->Enfonce());
    QCOMPARE(g.NumeroTableauSelectionne, avant);
}

void TestChoixTableau::entreeSansNomLaisseLeChoixOuvert()
{
    BancDialogues banc;
    banc.g().NomJoueur.clear();
    int demarrages = 0;
    QWidget principale;
    principale.setEnabled(false);
    banc.session.Principale().Enabled = false;
    TfrmChoixTableau f(banc.session, &principale, [&] { ++demarrages; });
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* nom = Enfant<QLineEdit>(&f, "editYourName");
    QCOMPARE(nom->text(), QString());

    QTest::keyClick(nom, Qt::Key_Return);
    QCOMPARE(banc.ports.messages, std::vector<std::string>{"Veuillez saisir votre nom !"});
    QVERIFY(f.isVisible());
    QCOMPARE(demarrages, 0);
    QCOMPARE(banc.g().TypeJeu, AucunJeu);
    QVERIFY(!principale.isEnabled());
    QCOMPARE(f.focusWidget(), static_cast<QWidget*>(nom));

    // The OK panel does the same.
    Cliquer(Enfant(&f, "buttonOK"));
    QCOMPARE(banc.ports.messages.size(), 2u);
    QVERIFY(f.isVisible());
    QCOMPARE(demarrages, 0);
}

void TestChoixTableau::boiteDeMessageNeFaitPasOublierLeChoix()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = Labyrinthe;
    g.NumeroTableauChoisi = 3;
    // A real modal message box, closed as soon as it is up.
    bool boiteVue = false;
    banc.ports.surMessage = [&](const std::string& texte) {
        QTimer::singleShot(50, [&] {
            if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boiteVue = true;
                boite->accept();
            }
        });
        QMessageBox::information(nullptr, QStringLiteral("COGITELLE I"), QString::fromStdString(texte));
    };
    TfrmChoixTableau f(banc.session, nullptr, [] {});
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::mouseClick(Enfant<QRadioButton>(&f, "rbTypeJeu5"), Qt::LeftButton);
    Enfant<QScrollBar>(&f, "scrollBarChoixTableau")->setValue(200);

    QTest::keyClick(Enfant<QLineEdit>(&f, "editYourName"), Qt::Key_Return);
    QVERIFY(boiteVue);
    // The window manager gives the focus back to the chooser.
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::qWait(20);
    // Back from the message, the player's selection is still there.
    QCOMPARE(g.TypeJeuDialogue, Memoire);
    QCOMPARE(g.NumeroTableauSelectionne, 200);
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 200"));

    // Leaving for another window and coming back reloads the saved selection.
    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(g.TypeJeuDialogue, Labyrinthe);
    QCOMPARE(g.NumeroTableauSelectionne, 3);
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 3"));
}

void TestChoixTableau::doubleClicVideLeNom()
{
    BancDialogues banc;
    banc.g().NomJoueur = "PAUL";
    TfrmChoixTableau f(banc.session, nullptr, [] {});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* nom = Enfant<QLineEdit>(&f, "editYourName");
    QCOMPARE(nom->text(), QStringLiteral("PAUL"));
    QTest::mouseDClick(nom, Qt::LeftButton);
    QCOMPARE(nom->text(), QString());
    QCOMPARE(f.Modele().Nom, std::string());
    // Emptied, the name no longer confirms.
    QTest::keyClick(nom, Qt::Key_Return);
    QCOMPARE(banc.ports.messages.size(), 1u);
    QCOMPARE(banc.g().NomJoueur, std::string("PAUL"));
}

void TestChoixTableau::saisieNormalisee()
{
    BancDialogues banc;
    TfrmChoixTableau f(banc.session, nullptr, [] {});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* nom = Enfant<QLineEdit>(&f, "editYourName");
    nom->setFocus();

    Taper(nom, QStringLiteral("zoé 日本 martin-dupont"));
    QCOMPARE(nom->text(), QStringLiteral("ZOÉ  MARTIN-"));
    QCOMPARE(f.Modele().Nom, std::string("ZOÉ  MARTIN-"));
    // Full: a character typed in the middle is refused and the cursor stays.
    nom->setCursorPosition(3);
    Taper(nom, QStringLiteral("x"));
    QCOMPARE(nom->text(), QStringLiteral("ZOÉ  MARTIN-"));
    QCOMPARE(nom->cursorPosition(), 3);

    // Typed in the middle, a small letter becomes a capital and the cursor follows it.
    nom->clear();
    QTest::keyClicks(nom, QStringLiteral("abc"));
    nom->setCursorPosition(1);
    Taper(nom, QStringLiteral("œ"));
    QCOMPARE(nom->text(), QStringLiteral("AŒBC"));
    QCOMPARE(nom->cursorPosition(), 2);
    Taper(nom, QStringLiteral("Ω😀"));
    QCOMPARE(nom->text(), QStringLiteral("AŒBC"));
    QCOMPARE(nom->cursorPosition(), 2);

    // A long paste is cut to 12 characters.
    nom->clear();
    QApplication::clipboard()->setText(QStringLiteral("élisabeth-marguerite"));
    QTest::keyClick(nom, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("élisabeth-marguerite"));
    QCOMPARE(nom->text(), QStringLiteral("ÉLISABETH-MA"));

    // What the field shows is what the game gets.
    nom->clear();
    Taper(nom, QStringLiteral("ÿves"));
    QTest::keyClick(nom, Qt::Key_Return);
    QCOMPARE(banc.g().NomJoueur, std::string("ŸVES"));
}

void TestChoixTableau::annulerAuDemarragePuisEnJeu()
{
    BancDialogues banc;
    GameState& g = banc.g();
    int demarrages = 0;
    QWidget principale;
    principale.setEnabled(false);
    banc.session.Principale().Enabled = false;
    TfrmChoixTableau f(banc.session, &principale, [&] { ++demarrages; });
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    // At start-up there is no way out but a confirmed game.
    auto* annuler = Enfant(&f, "buttonCancel");
    QTest::mousePress(annuler, Qt::LeftButton, {}, annuler->rect().center());
    QVERIFY(annuler->Enfonce());
    QTest::mouseRelease(annuler, Qt::LeftButton, {}, annuler->rect().center());
    QVERIFY(!annuler->Enfonce());
    QVERIFY(f.isVisible());
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());

    // A game in play: the chooser closes and the game stays as it was.
    g.TypeJeu = Differences;
    g.NumeroTableau = 42;
    g.NomJoueur = "JEAN";
    g.TypeJeuChoisi = Differences;
    g.NumeroTableauChoisi = 42;
    principale.setEnabled(true);
    banc.session.Principale().Enabled = true;
    f.hide();
    f.show();
    QTest::mouseClick(Enfant<QRadioButton>(&f, "rbTypeJeu1"), Qt::LeftButton);
    Enfant<QScrollBar>(&f, "scrollBarChoixTableau")->setValue(7);
    Cliquer(annuler);
    QVERIFY(!f.isVisible());
    QCOMPARE(demarrages, 0);
    QCOMPARE(g.TypeJeu, Differences);
    QCOMPARE(g.NumeroTableau, 42);
    QCOMPARE(g.NomJoueur, std::string("JEAN"));

    // Escape closes it too once a game is in play.
    f.show();
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QCOMPARE(demarrages, 0);
}

void TestChoixTableau::confirmerDemarreLeJeuChoisi()
{
    BancDialogues banc;
    GameState& g = banc.g();
    QWidget principale;
    principale.setEnabled(false);
    banc.session.Principale().Enabled = false;
    TTypeJeu typeVu = AucunJeu;
    int32_t numeroVu = 0;
    std::string nomVu;
    bool principaleActiveAuDemarrage = false;
    bool choixCache = false;
    int demarrages = 0;
    TfrmChoixTableau* choix = nullptr;
    TfrmChoixTableau f(banc.session, &principale, [&] {
        ++demarrages;
        typeVu = g.TypeJeu;
        numeroVu = g.NumeroTableau;
        nomVu = g.NomJoueur;
        principaleActiveAuDemarrage = principale.isEnabled() && principale.isVisible();
        choixCache = !choix->isVisible();
        NouvellePartie(banc.ctx);
    });
    choix = &f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    QTest::mouseClick(Enfant<QRadioButton>(&f, "rbTypeJeu3"), Qt::LeftButton);
    Enfant<QScrollBar>(&f, "scrollBarChoixTableau")->setValue(100);
    auto* nom = Enfant<QLineEdit>(&f, "editYourName");
    nom->setFocus();
    QTest::keyClicks(nom, QStringLiteral("ana"));
    auto* ok = Enfant(&f, "buttonOK");
    QTest::mousePress(ok, Qt::LeftButton, {}, ok->rect().center());
    QVERIFY(ok->Enfonce());
    QCOMPARE(demarrages, 0);
    QTest::mouseRelease(ok, Qt::LeftButton, {}, ok->rect().center());

    QCOMPARE(demarrages, 1);
    QCOMPARE(typeVu, Differences);
    QCOMPARE(numeroVu, 100);
    QCOMPARE(nomVu, std::string("ANA"));
    QVERIFY(principaleActiveAuDemarrage);
    QVERIFY(choixCache);
    QVERIFY(banc.ports.messages.empty());
    QCOMPARE(g.TypeJeuChoisi, Differences);
    QCOMPARE(g.NumeroTableauChoisi, 100);

    // Opened again, it shows the game just started, and Enter confirms it too.
    f.show();
    QVERIFY(Enfant<QRadioButton>(&f, "rbTypeJeu3")->isChecked());
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 100"));
    QCOMPARE(nom->text(), QStringLiteral("ANA"));
    QTest::keyClick(nom, Qt::Key_Return);
    QCOMPARE(demarrages, 2);
    QVERIFY(!f.isVisible());
}

void TestChoixTableau::leProgrammePeutQuitterAuDemarrage()
{
    // Quitting closes every window: the chooser of start-up must not hold the program open.
    BancDialogues banc;
    QWidget principale;
    principale.setEnabled(false);
    banc.session.Principale().Enabled = false;
    principale.show();
    TfrmChoixTableau f(banc.session, &principale, [] {});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!f.isVisible());
}

void TestChoixTableau::clavierBarreChiffresEntreeEchap()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = Labyrinthe;
    g.NumeroTableauChoisi = 37;
    g.NomJoueur = "ANA";
    int demarrages = 0;
    QWidget principale;
    TfrmChoixTableau f(banc.session, &principale, [&] { ++demarrages; });
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto* barre = Enfant<QScrollBar>(&f, "scrollBarChoixTableau");
    QCOMPARE(f.focusWidget(), static_cast<QWidget*>(barre));

    // Right, Down and PageDown raise the number; Left, Up and PageUp lower it; Home, End.
    struct Cas { Qt::Key touche; int attendu; };
    for (const Cas& c : {Cas{Qt::Key_Right, 38}, Cas{Qt::Key_Down, 39}, Cas{Qt::Key_PageDown, 49},
             Cas{Qt::Key_Left, 48}, Cas{Qt::Key_Up, 47}, Cas{Qt::Key_PageUp, 37}, Cas{Qt::Key_End, 500},
             Cas{Qt::Key_Right, 500}, Cas{Qt::Key_Home, 1}, Cas{Qt::Key_Left, 1}}) {
        QTest::keyClick(barre, c.touche);
        QCOMPARE(barre->value(), c.attendu);
        QCOMPARE(g.NumeroTableauSelectionne, c.attendu);
    }
    // Digits typed in a row: 2, 5, 0 is puzzle 250, with its record shown.
    QTest::keyClicks(barre, QStringLiteral("250"));
    QCOMPARE(barre->value(), 250);
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 250"));
    QCOMPARE(Legende(&f, "panelScoreRecordMixte"),
        QString::number(g.MeilleursScores(Labyrinthe, 250, 1).ValeurScore));
    // An arrow ends the number: the next digit starts a new one.
    QTest::keyClick(barre, Qt::Key_Right);
    QTest::keyClicks(barre, QStringLiteral("7"));
    QCOMPARE(barre->value(), 7);

    // Tab goes on to the name, the random pick, OK and Annuler.
    QTest::keyClick(barre, Qt::Key_Tab);
    QCOMPARE(f.focusWidget(), static_cast<QWidget*>(Enfant<QLineEdit>(&f, "editYourName")));
    QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
    auto* hasard = Enfant(&f, "panelAleatoire");
    QCOMPARE(f.focusWidget(), static_cast<QWidget*>(hasard));
    // Space on the random pick picks; it does not confirm.
    QTest::keyClick(hasard, Qt::Key_Space);
    QVERIFY(g.TypeJeuDialogue != Labyrinthe);
    QVERIFY(g.NumeroTableauSelectionne != 7);
    QCOMPARE(demarrages, 0);
    const int32_t numeroTire = g.NumeroTableauSelectionne;

    // Enter on a game type confirms the chooser, as it does in the name field.
    auto* radio = Enfant<QRadioButton>(&f, "rbTypeJeu2");
    radio->setFocus();
    QTest::keyClick(radio, Qt::Key_Space);
    QCOMPARE(g.TypeJeuDialogue, CarreMagique);
    QTest::keyClick(radio, Qt::Key_Return);
    QCOMPARE(demarrages, 1);
    QCOMPARE(g.TypeJeu, CarreMagique);
    QCOMPARE(g.NumeroTableau, numeroTire);
    QVERIFY(!f.isVisible());

    // From the scroll bar too, once per key.
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClicks(barre, QStringLiteral("42"));
    QTest::keyClick(barre, Qt::Key_Enter);
    QCOMPARE(demarrages, 2);
    QCOMPARE(g.NumeroTableau, 42);

    // Enter on the focused "Annuler" is "Annuler"; Escape too.
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto* annuler = Enfant(&f, "buttonCancel");
    annuler->setFocus();
    QTest::keyClick(annuler, Qt::Key_Return);
    QVERIFY(!f.isVisible());
    QCOMPARE(demarrages, 2);
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(barre, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QCOMPARE(demarrages, 2);
}

void TestChoixTableau::boutonsEnfoncesParToutBoutonUneActionParDoubleClic()
{
    BancDialogues banc;
    banc.g().NomJoueur.clear();
    int demarrages = 0;
    TfrmChoixTableau f(banc.session, nullptr, [&] { ++demarrages; });
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* ok = Enfant(&f, "buttonOK");
    const QPoint c = ok->rect().center();

    // The right button lowers it too, as on the main window's panels, but clicks nothing.
    QTest::mousePress(ok, Qt::RightButton, {}, c);
    QVERIFY(ok->Enfonce());
    QTest::mouseRelease(ok, Qt::RightButton, {}, c);
    QVERIFY(!ok->Enfonce());
    QVERIFY(banc.ports.messages.empty());

    // A double click: press, release, the second press reported as a double click, release.
    DoubleClic(ok, c);
    QCOMPARE(banc.ports.messages, std::vector<std::string>{"Veuillez saisir votre nom !"});
    QVERIFY(!ok->Enfonce());

    // The random pick once: twice would draw twice from the clock's seed.
    GameState& g = banc.g();
    g.TypeJeuDialogue = Labyrinthe;
    g.NumeroTableauSelectionne = 10;
    banc.ports.millisecondes = 1234;
    ChoixTableau temoin(banc.ctx);
    temoin.panelAleatoireClick();
    const TTypeJeu typeUnTirage = g.TypeJeuDialogue;
    const int32_t numeroUnTirage = g.NumeroTableauSelectionne;
    g.TypeJeuDialogue = Labyrinthe;
    g.NumeroTableauSelectionne = 10;
    auto* hasard = Enfant(&f, "panelAleatoire");
    DoubleClic(hasard, hasard->rect().center());
    QCOMPARE(g.TypeJeuDialogue, typeUnTirage);
    QCOMPARE(g.NumeroTableauSelectionne, numeroUnTirage);
    QCOMPARE(demarrages, 0);
}

void TestChoixTableau::ouvertDeLaFenetreApresUnMessageRecharge()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = Labyrinthe;
    g.NumeroTableauChoisi = 3;
    g.NomJoueur.clear();
    // A real modal box over the chooser; once it is closed the window manager gives the focus
    // to another window, not back to the chooser.
    QWidget autre;
    banc.ports.surMessage = [&](const std::string& texte) {
        QTimer::singleShot(50, [&] {
            if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                boite->accept();
        });
        QMessageBox::information(nullptr, QStringLiteral("COGITELLE I"), QString::fromStdString(texte));
        autre.show();
        autre.activateWindow();
    };
    TfrmChoixTableau f(banc.session, nullptr, [] {});
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(Enfant<QScrollBar>(&f, "scrollBarChoixTableau"), Qt::Key_Return);
    QCOMPARE(banc.ports.messages.size(), 1u);
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    QVERIFY(f.isVisible());

    // The main window's game panel chooses another game and opens the chooser: it shows that
    // game, not the selection left before the message.
    g.TypeJeuChoisi = Memoire;
    g.NumeroTableauChoisi = 9;
    f.Ouvrir();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QVERIFY(Enfant<QRadioButton>(&f, "rbTypeJeu5")->isChecked());
    QCOMPARE(g.TypeJeuDialogue, Memoire);
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 9"));
    // And a later activation is a new one too.
    g.NumeroTableauChoisi = 11;
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(Legende(&f, "panelNumeroTableau"), QStringLiteral("Cogitelle n° 11"));
}

QTEST_MAIN(TestChoixTableau)
#include "fChoixTableauTest.moc"
