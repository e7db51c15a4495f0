// The high-score viewer: its controls, the grid and the lists it shows.
#include <QScrollBar>
#include <QTest>
#include <cstring>

#include "BancDialogues.h"
#include "app/PanneauDialogue.h"
#include "app/fHighScores.h"

using namespace cogitelle;
using cogitelle::test::BancDialogues;

namespace {

template <typename T = PanneauDialogue>
T* Enfant(QWidget* w, const QString& nom)
{
    T* c = w->findChild<T*>(nom);
    if (!c)
        qFatal("missing control %s", qPrintable(nom));
    return c;
}

QString Legende(QWidget* w, const QString& nom) { return Enfant(w, nom)->Caption(); }

// Checks that the grid shows the ten places of (type, numero), ranks 1 to 10 from the top.
void VerifierListe(QWidget* f, const GameState& g, TTypeJeu type, int32_t numero)
{
    int hautPrecedent = -1;
    for (int r = 1; r <= 10; ++r) {
        const EnregistrementScore& e = g.MeilleursScores(type, numero, r);
        auto* rang = Enfant(f, QStringLiteral("panelRang%1").arg(r));
        QCOMPARE(rang->Caption(), QString::number(r));
        QVERIFY(rang->y() > hautPrecedent);
        hautPrecedent = rang->y();
        QCOMPARE(Legende(f, QStringLiteral("panelNom%1").arg(r)), QString::fromStdString(NomEnregistrement(e)));
        QCOMPARE(Legende(f, QStringLiteral("panelScore%1").arg(r)), QString::number(e.ValeurScore));
    }
}

} // namespace

class TestHighScores : public QObject {
    Q_OBJECT
private slots:
    void controlesEtGrille();
    void grilleALEchelleDeLEcran();
    void carreMagique12();
    void barresDeDefilement();
    void okFermeEtLActivationRevientAuJeuChoisi();
    void clavier();
};

void TestHighScores::controlesEtGrille()
{
    BancDialogues banc;
    TfrmHighScores f(banc.session, nullptr);
    QCOMPARE(f.windowTitle(), QStringLiteral("Détail des meilleurs scores"));
    QCOMPARE(f.size(), QSize(430, 356));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(f.palette().color(QPalette::Window), QColor(0x00, 0x40, 0x80));

    struct Attendu {
        const char* nom;
        QRect place;
        QColor couleur;
        const char* legende;
        int police;
    };
    const Attendu panneaux[] = {
        {"panelMeilleursScores", {6, 6, 417, 31}, QColor(0xFF, 0x80, 0x80), "MEILLEURS SCORES", 27},
        {"panelTypeJeu", {6, 40, 221, 31}, QColor(0xFF, 0x80, 0x80), nullptr, 16},
        {"panelNumeroTableau", {234, 40, 189, 31}, QColor(0xFF, 0x80, 0x80), nullptr, 16},
        {"panelCentral", {6, 94, 417, 210}, QColor(0x80, 0x00, 0x00), nullptr, 11},
        {"panelOkHighScores", {8, 310, 415, 41}, QColor(0xC0, 0xC0, 0xC0), "OK", 27},
    };
    for (const Attendu& a : panneaux) {
        auto* p = Enfant(&f, QLatin1String(a.nom));
        QCOMPARE(p->geometry(), a.place);
        QCOMPARE(p->Couleur(), a.couleur);
        if (a.legende)
            QCOMPARE(p->Caption(), QString::fromUtf8(a.legende));
        QCOMPARE(p->font().pixelSize(), a.police);
    }
    auto* ok = Enfant(&f, QStringLiteral("panelOkHighScores"));
    QVERIFY(ok->font().bold());
    QVERIFY(ok->EstBouton());
    QCOMPARE(ok->cursor().shape(), Qt::UpArrowCursor);
    QCOMPARE(ok->LargeurBiseau(), 2);
    QVERIFY(Enfant(&f, QStringLiteral("panelMeilleursScores"))->font().families().startsWith(QStringLiteral("Times New Roman")));

    auto* type = Enfant<QScrollBar>(&f, QStringLiteral("scrollBarTypeJeu"));
    QCOMPARE(type->geometry(), QRect(6, 76, 221, 13));
    QCOMPARE(type->minimum(), 1);
    QCOMPARE(type->maximum(), 5);
    auto* numero = Enfant<QScrollBar>(&f, QStringLiteral("scrollBarNumeroTableau"));
    QCOMPARE(numero->geometry(), QRect(234, 76, 189, 13));
    QCOMPARE(numero->minimum(), 1);
    QCOMPARE(numero->maximum(), 500);
    QCOMPARE(numero->pageStep(), 10);

    // The grid at the design size: rows of 20, name and score cells of 193, created row by row.
    auto* central = Enfant(&f, QStringLiteral("panelCentral"));
    const QList<PanneauDialogue*> cellules = central->findChildren<PanneauDialogue*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(cellules.size(), 30);
    for (int r = 1; r <= 10; ++r) {
        const int haut = 5 + (r - 1) * 20;
        auto* rang = cellules[3 * (r - 1)];
        auto* nom = cellules[3 * (r - 1) + 1];
        auto* score = cellules[3 * (r - 1) + 2];
        QCOMPARE(rang->objectName(), QStringLiteral("panelRang%1").arg(r));
        QCOMPARE(rang->geometry(), QRect(5, haut, 20, 20));
        QCOMPARE(nom->geometry(), QRect(25, haut, 193, 20));
        QCOMPARE(score->geometry(), QRect(218, haut, 193, 20));
        QCOMPARE(score->Couleur(), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(score->font().pointSize(), 10);
        QVERIFY(score->font().families().startsWith(QStringLiteral("Times New Roman")));
    }
}

void TestHighScores::grilleALEchelleDeLEcran()
{
    // A 1024 x 768 screen: the window, the panels and the grid grow alike, its margins, rank
    // column and type included.
    BancDialogues banc(1.28);
    TfrmHighScores f(banc.session, nullptr);
    QCOMPARE(f.size(), QSize(550, 456));
    auto* central = Enfant(&f, QStringLiteral("panelCentral"));
    // 417 × 210 scaled is 534 × 269; margins of 6: rows of (269 - 12) div 10 = 25, the panel
    // trimmed to 262.
    QCOMPARE(central->geometry(), QRect(8, 120, 534, 262));
    QCOMPARE(Enfant(&f, QStringLiteral("panelRang10"))->geometry(), QRect(6, 231, 26, 25));
    QCOMPARE(Enfant(&f, QStringLiteral("panelNom10"))->geometry(), QRect(32, 231, 248, 25));
    QCOMPARE(Enfant(&f, QStringLiteral("panelScore10"))->geometry(), QRect(280, 231, 248, 25));
    QCOMPARE(Enfant(&f, QStringLiteral("panelNom10"))->font().pointSize(), 13);
    QCOMPARE(Enfant(&f, QStringLiteral("panelOkHighScores"))->font().pixelSize(), 35);
}

void TestHighScores::carreMagique12()
{
    BancDialogues banc;
    GameState& g = banc.g();
    // The magic square puzzle 12 has just been played and entered the table.
    g.TypeJeuChoisi = CarreMagique;
    g.NumeroTableauChoisi = 12;
    QCOMPARE(InsererScore(banc.ctx, CarreMagique, 12, "ÉLODIE", 9999), 1);
    // A name written by an older file: a 0 byte, then leftovers that are not part of it.
    EnregistrementScore& e = g.MeilleursScores(CarreMagique, 12, 4);
    std::memcpy(e.NomScore, "JOHN\0QQQQQQQ", 12);
    // A 12-character name with a byte that is not Latin-1: 0x80 is the euro sign.
    std::memcpy(g.MeilleursScores(CarreMagique, 12, 7).NomScore, "\x80UROPEENNE12", 12);

    TfrmHighScores f(banc.session, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(Legende(&f, QStringLiteral("panelTypeJeu")), QStringLiteral("CARRES MAGIQUES"));
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 12"));
    QCOMPARE(g.TypeJeuDialogue, CarreMagique);
    QCOMPARE(g.NumeroTableauDialogue, 12);
    QCOMPARE(Enfant<QScrollBar>(&f, QStringLiteral("scrollBarTypeJeu"))->value(), 2);
    QCOMPARE(Enfant<QScrollBar>(&f, QStringLiteral("scrollBarNumeroTableau"))->value(), 12);
    VerifierListe(&f, g, CarreMagique, 12);
    QCOMPARE(Legende(&f, QStringLiteral("panelNom1")), QStringLiteral("ÉLODIE"));
    QCOMPARE(Legende(&f, QStringLiteral("panelScore1")), QStringLiteral("9999"));
    QCOMPARE(Legende(&f, QStringLiteral("panelNom4")), QStringLiteral("JOHN"));
    QCOMPARE(Legende(&f, QStringLiteral("panelNom7")), QStringLiteral("€UROPEENNE12"));
    // A puzzle never played shows its default list: one of the default names on each line.
    const QStringList defauts{"JOHN", "ALBERT", "ORVALIN", "EDOUARD", "PHILIPPE", "BILL", "MARYLIN", "MARIE",
        "NATACHA", "BORIS"};
    QVERIFY(defauts.contains(Legende(&f, QStringLiteral("panelNom2"))));
}

void TestHighScores::barresDeDefilement()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = CarreMagique;
    g.NumeroTableauChoisi = 12;
    TfrmHighScores f(banc.session, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* type = Enfant<QScrollBar>(&f, QStringLiteral("scrollBarTypeJeu"));
    auto* numero = Enfant<QScrollBar>(&f, QStringLiteral("scrollBarNumeroTableau"));

    numero->setValue(500);
    QCOMPARE(Legende(&f, QStringLiteral("panelTypeJeu")), QStringLiteral("CARRES MAGIQUES"));
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 500"));
    VerifierListe(&f, g, CarreMagique, 500);
    type->setValue(5);
    QCOMPARE(Legende(&f, QStringLiteral("panelTypeJeu")), QStringLiteral("JEU DE LA MEMOIRE"));
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 500"));
    VerifierListe(&f, g, Memoire, 500);

    const char* titres[] = {"JEU DU LABYRINTHE", "CARRES MAGIQUES", "JEU DES DIFFERENCES", "JEU DU SERPENTIN",
        "JEU DE LA MEMOIRE"};
    for (int t = 1; t <= 5; ++t) {
        type->setValue(t);
        QCOMPARE(Legende(&f, QStringLiteral("panelTypeJeu")), QString::fromUtf8(titres[t - 1]));
    }
    numero->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 490"));
    VerifierListe(&f, g, Memoire, 490);

    // Browsing reads only: the selection of the dialogs and the table stay as they were.
    QCOMPARE(g.TypeJeuDialogue, CarreMagique);
    QCOMPARE(g.NumeroTableauDialogue, 12);
    // A score entered while the viewer is open shows at the next change.
    QCOMPARE(InsererScore(banc.ctx, Memoire, 491, "NOUVEAU", 99999), 1);
    QCOMPARE(Legende(&f, QStringLiteral("panelNom1")), QString::fromStdString(NomEnregistrement(g.MeilleursScores(Memoire, 490, 1))));
    numero->setValue(491);
    QCOMPARE(Legende(&f, QStringLiteral("panelNom1")), QStringLiteral("NOUVEAU"));
    QCOMPARE(Legende(&f, QStringLiteral("panelScore1")), QStringLiteral("99999"));
}

void TestHighScores::okFermeEtLActivationRevientAuJeuChoisi()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = Differences;
    g.NumeroTableauChoisi = 77;
    TfrmHighScores f(banc.session, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    Enfant<QScrollBar>(&f, QStringLiteral("scrollBarTypeJeu"))->setValue(1);
    Enfant<QScrollBar>(&f, QStringLiteral("scrollBarNumeroTableau"))->setValue(3);
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 3"));

    auto* ok = Enfant(&f, QStringLiteral("panelOkHighScores"));
    QTest::mousePress(ok, Qt::LeftButton, {}, ok->rect().center());
    QVERIFY(ok->Enfonce());
    QVERIFY(f.isVisible());
    QTest::mouseRelease(ok, Qt::LeftButton, {}, ok->rect().center());
    QVERIFY(!f.isVisible());

    // Reopened, or activated again, it returns to the game last played.
    f.show();
    QCOMPARE(Legende(&f, QStringLiteral("panelTypeJeu")), QStringLiteral("JEU DES DIFFERENCES"));
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 77"));
    VerifierListe(&f, g, Differences, 77);
    Enfant<QScrollBar>(&f, QStringLiteral("scrollBarNumeroTableau"))->setValue(3);
    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    g.NumeroTableauChoisi = 78;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 78"));
    QCOMPARE(g.NumeroTableauDialogue, 78);
}

void TestHighScores::clavier()
{
    BancDialogues banc;
    GameState& g = banc.g();
    g.TypeJeuChoisi = CarreMagique;
    g.NumeroTableauChoisi = 12;
    TfrmHighScores f(banc.session, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QWidget* cible = &f;
    // Down, PageDown and End go forward through the puzzles; Up, PageUp and Home back; Left and
    // Right through the games. Each list shown is the one its captions name.
    struct Cas { Qt::Key touche; TTypeJeu type; int numero; };
    for (const Cas& c : {Cas{Qt::Key_Down, 2, 13}, Cas{Qt::Key_PageDown, 2, 23}, Cas{Qt::Key_Up, 2, 22},
             Cas{Qt::Key_PageUp, 2, 12}, Cas{Qt::Key_Right, 3, 12}, Cas{Qt::Key_Right, 4, 12},
             Cas{Qt::Key_Left, 3, 12}, Cas{Qt::Key_End, 3, 500}, Cas{Qt::Key_PageDown, 3, 500},
             Cas{Qt::Key_Home, 3, 1}, Cas{Qt::Key_Up, 3, 1}}) {
        QTest::keyClick(cible, c.touche);
        QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° %1").arg(c.numero));
        QCOMPARE(Legende(&f, QStringLiteral("panelTypeJeu")), QString::fromStdString(g.TitresJeux[c.type]));
        VerifierListe(&f, g, c.type, c.numero);
    }
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(cible, Qt::Key_Right);
    QCOMPARE(Enfant<QScrollBar>(&f, QStringLiteral("scrollBarTypeJeu"))->value(), 5);

    // Enter closes it, and Escape; reopened it is back on the game played.
    QTest::keyClick(cible, Qt::Key_Return);
    QVERIFY(!f.isVisible());
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(Legende(&f, QStringLiteral("panelNumeroTableau")), QStringLiteral("Cogitelle n° 12"));
    QTest::keyClick(cible, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(cible, Qt::Key_Enter);
    QVERIFY(!f.isVisible());
}

QTEST_MAIN(TestHighScores)
#include "fHighScoresTest.moc"
