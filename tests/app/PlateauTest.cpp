// The board widget alone: what it paints, where, and where a press on it goes.
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>
#include <QtTest>
#include <set>

#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "session/NouvellePartie.h"
#include "core/Rendu.h"
#include "support/CoeurQt.h"

using namespace cogitelle;
using cogitelle::test::CoeurQt;

namespace {

constexpr Couleur CouleurPlateau = RGB(0x20, 0x30, 0x40);

struct Banc {
    CoeurQt<> coeur;
    PlateauWidget plateau{coeur.session};

    Banc()
    {
        RemplirVoisins(coeur.g().Voisins);
        coeur.g().Langue = 1;
        coeur.g().Verif = 1;
        coeur.g().CouleurTableauDeJeu = CouleurPlateau;
        // As the main window creates it.
        coeur.k().panelCentral.SetBiseauInterieur(Biseau::Releve);
    }
    void Jouer(TTypeJeu type, int32_t numero)
    {
        coeur.g().TypeJeu = type;
        coeur.g().NumeroTableau = numero;
        coeur.g().NomJoueur = "TEST";
        NouvellePartie(coeur.ctx);
        plateau.Synchroniser();
    }
    Controles& k() { return coeur.k(); }
    GameState& g() { return coeur.g(); }
    QPoint Centre(const Controle& c) const { return VersQRect(c.rect()).center(); }
};

void Souris(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons,
    Qt::KeyboardModifiers touches = Qt::NoModifier)
{
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), bouton, boutons, touches);
    QApplication::sendEvent(w, &e);
}

void Clic(QWidget* w, QPoint p, Qt::MouseButton bouton = Qt::LeftButton, Qt::KeyboardModifiers touches = Qt::NoModifier)
{
    Souris(w, QEvent::MouseButtonPress, p, bouton, bouton, touches);
    Souris(w, QEvent::MouseButtonRelease, p, bouton, Qt::NoButton, touches);
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
QColor Q(Couleur c) { return VersQColor(c); }
const QColor Blanc(0xFF, 0xFF, 0xFF);
const QColor Gris(0x80, 0x80, 0x80);

QImage Rendu(QWidget& w, qreal dpr)
{
    QImage image(QSize(qCeil(w.width() * dpr), qCeil(w.height() * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

// Records every press and click the widget routes, then hands it to the rules.
struct Temoin {
    QStringList appels;
    void Brancher(PlateauWidget& p)
    {
        auto& r = p.routage();
        r.CaseMouseDown = [this, suite = r.CaseMouseDown](Contexte& c, int32_t tag, BoutonSouris b, uint32_t etat) {
            appels << QString("case %1 %2 %3").arg(tag).arg(int(b)).arg(etat);
            suite(c, tag, b, etat);
        };
        r.MurEnfoncement = [this, suite = r.MurEnfoncement](Contexte& c, TypeMur t, int32_t tag) {
            appels << QString("enfoncement %1 %2").arg(int(t)).arg(tag);
            suite(c, t, tag);
        };
        r.MurRelachement = [this, suite = r.MurRelachement](Contexte& c, TypeMur t, int32_t tag) {
            appels << QString("relachement %1 %2").arg(int(t)).arg(tag);
            suite(c, t, tag);
        };
        r.MurDroitClique = [this, suite = r.MurDroitClique](Contexte& c, int32_t tag) {
            appels << QString("droit %1").arg(tag);
            suite(c, tag);
        };
        r.MurBasClique = [this, suite = r.MurBasClique](Contexte& c, int32_t tag) {
            appels << QString("bas %1").arg(tag);
            suite(c, tag);
        };
        r.MurBasDroitClique = [this, suite = r.MurBasDroitClique](Contexte& c, int32_t tag) {
            appels << QString("coin %1").arg(tag);
            suite(c, tag);
        };
    }
};

QString Case(int tag, BoutonSouris b, uint32_t etat) { return QString("case %1 %2 %3").arg(tag).arg(int(b)).arg(etat); }

bool GenerateurPresent(const GameState& g)
{
    for (int x = 1; x <= g.NbColonnes; ++x)
        for (int y = 1; y <= g.NbLignes; ++y)
            if (g.Valeur[x][y] != 0)
                return true;
    return false;
}

} // namespace

class PlateauTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallerSubstitutionsPolices(); }

    void suitLePanneauCentral()
    {
        Banc b;
        QVERIFY(b.plateau.isHidden());
        b.Jouer(Memoire, 1);
        QVERIFY(!b.plateau.isHidden());
        QCOMPARE(b.plateau.geometry(), QRect(4, 4, 600, 524));
        b.Jouer(Differences, 1);
        QCOMPARE(b.plateau.geometry(), QRect(4, 4, 598, 522));
    }

    void pixelsMemoire()
    {
        Banc b;
        b.Jouer(Memoire, 1);
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                b.k().Cases[x][y].SetVisible(true);
                b.k().Cases[x][y].SetCaption("");
            }
        b.plateau.Synchroniser();
        QCOMPARE(VersQRect(b.k().Cases[1][1].rect()), QRect(10, 10, 145, 126));
        const QImage im = Rendu(b.plateau, 1);
        const QColor c11 = Q(b.k().Cases[1][1].couleur()), c21 = Q(b.k().Cases[2][1].couleur());
        QCOMPARE(Pixel(im, 9, 60), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 10, 60), Blanc);
        QCOMPARE(Pixel(im, 11, 60), c11);
        QCOMPARE(Pixel(im, 153, 60), c11);
        QCOMPARE(Pixel(im, 154, 60), Gris);
        QCOMPARE(Pixel(im, 155, 60), Blanc);
        QCOMPARE(Pixel(im, 156, 60), c21);
        QCOMPARE(Pixel(im, 60, 9), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 60, 10), Blanc);
        QCOMPARE(Pixel(im, 60, 135), Gris);
        QCOMPARE(Pixel(im, 60, 136), Blanc);
        QCOMPARE(Pixel(im, 589, 60), Gris);
        QCOMPARE(Pixel(im, 590, 60), Q(CouleurPlateau));
        // The board's own raised bevels, outer then inner.
        QCOMPARE(Pixel(im, 0, 300), Blanc);
        QCOMPARE(Pixel(im, 1, 300), Blanc);
        QCOMPARE(Pixel(im, 599, 300), Gris);
        QCOMPARE(Pixel(im, 598, 300), Gris);
        QCOMPARE(Pixel(im, 2, 300), Q(CouleurPlateau));
        // A hidden cell shows the board.
        b.k().Cases[2][2].SetVisible(false);
        b.plateau.Synchroniser();
        QCOMPARE(Pixel(Rendu(b.plateau, 1), 220, 200), Q(CouleurPlateau));
    }

    void pixelsDifferences()
    {
        Banc b;
        b.Jouer(Differences, 1);
        const Controles& k = b.k();
        QCOMPARE(VersQRect(k.Cases[1][1].rect()), QRect(14, 14, 108, 89));
        QCOMPARE(VersQRect(k.MursDroits[1][1].rect()), QRect(130, 18, 30, 81));
        QVERIFY(k.Cases[1][1].Visible() && k.CadresCases[1][1].Visible() && k.MursDroits[1][1].Visible());
        const QImage im = Rendu(b.plateau, 1);
        const QColor cadre = Q(k.CadresCases[1][1].CouleurStylo());
        const QColor interieur = Q(k.CadresInterieurs[1][1].CouleurStylo());
        const QColor cellule = Q(k.Cases[1][1].couleur());
        const int y = 30;
        QCOMPARE(Pixel(im, 9, y), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 10, y), cadre);
        QCOMPARE(Pixel(im, 11, y), cadre);
        QCOMPARE(Pixel(im, 12, y), interieur);
        QCOMPARE(Pixel(im, 13, y), interieur);
        QCOMPARE(Pixel(im, 14, y), Blanc);
        QCOMPARE(Pixel(im, 15, y), cellule);
        QCOMPARE(Pixel(im, 121, y), Gris);
        QCOMPARE(Pixel(im, 122, y), interieur);
        QCOMPARE(Pixel(im, 124, y), cadre);
        QCOMPARE(Pixel(im, 125, y), cadre);
        QCOMPARE(Pixel(im, 126, y), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 129, y), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 130, y), Blanc);
        QCOMPARE(Pixel(im, 131, y), Q(k.MursDroits[1][1].couleur()));
        QCOMPARE(Pixel(im, 159, y), Gris);
        QCOMPARE(Pixel(im, 160, y), Q(CouleurPlateau));
        // The frames are outlines: the corner inside the outer frame, above the cell, is the cell's
        // inner frame and then the board does not show through anywhere.
        QCOMPARE(Pixel(im, 60, 10), cadre);
        QCOMPARE(Pixel(im, 60, 12), interieur);
        QCOMPARE(Pixel(im, 60, 14), Blanc);
    }

    void pixelsCarreMagique()
    {
        Banc b;
        b.Jouer(CarreMagique, 1);
        Controles& k = b.k();
        k.Cases[1][1].SetVisible(true);
        k.Cases[2][1].SetVisible(true);
        k.Cases[1][0].SetVisible(true);
        b.plateau.Synchroniser();
        QCOMPARE(VersQRect(k.Cases[1][1].rect()), QRect(95, 85, 64, 54));
        QCOMPARE(VersQRect(k.MursDroits[1][1].rect()), QRect(159, 85, 21, 54));
        QVERIFY(k.MursDroits[1][1].Visible());
        const QImage im = Rendu(b.plateau, 1);
        const int y = 100;
        QCOMPARE(Pixel(im, 94, y), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 95, y), Blanc);
        QCOMPARE(Pixel(im, 96, y), Q(k.Cases[1][1].couleur()));
        QCOMPARE(Pixel(im, 158, y), Gris);
        QCOMPARE(Pixel(im, 159, y), Blanc);
        QCOMPARE(Pixel(im, 160, y), Q(k.MursDroits[1][1].couleur()));
        QCOMPARE(Pixel(im, 179, y), Gris);
        QCOMPARE(Pixel(im, 180, y), Blanc);
        // A ring cell: raised outer bevel, lowered inner bevel, silver.
        QCOMPARE(VersQRect(k.Cases[1][0].rect()), QRect(95, 10, 64, 54));
        QCOMPARE(Pixel(im, 95, 30), Blanc);
        QCOMPARE(Pixel(im, 96, 30), Gris);
        QCOMPARE(Pixel(im, 97, 30), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(Pixel(im, 120, 62), Blanc);
        QCOMPARE(Pixel(im, 120, 63), Gris);
        QCOMPARE(Pixel(im, 120, 64), Q(CouleurPlateau));
    }

    void pixelsLabyrinthe()
    {
        Banc b;
        b.Jouer(Labyrinthe, 1);
        Controles& k = b.k();
        k.Cases[1][1].SetVisible(true);
        k.Cases[2][1].SetVisible(true);
        k.MursDroits[1][1].SetVisible(false);
        k.MursBasDroits[1][1].SetVisible(true);
        b.plateau.Synchroniser();
        QCOMPARE(b.plateau.size(), QSize(595, 523));
        QCOMPARE(VersQRect(k.Cases[1][1].rect()), QRect(0, 0, 85, 73));
        QCOMPARE(VersQRect(k.MursBasDroits[1][1].rect()), QRect(85, 73, 17, 17));
        const QImage im = Rendu(b.plateau, 1);
        QCOMPARE(Pixel(im, 84, 30), Gris);
        QCOMPARE(Pixel(im, 85, 30), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 101, 30), Q(CouleurPlateau));
        QCOMPARE(Pixel(im, 102, 30), Blanc);
        QCOMPARE(Pixel(im, 103, 30), Q(k.Cases[2][1].couleur()));
        QCOMPARE(Pixel(im, 93, 81), Q(k.MursBasDroits[1][1].couleur()));
        QCOMPARE(Pixel(im, 85, 81), Blanc);
    }

    // One-pixel bevels stay whole device pixels at every ratio: no blended colour anywhere on a
    // line across the board, and each bevel as thick as the ratio rounds to.
    void bevelsNetsALEchelle_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1.25") << qreal(1.25);
        QTest::newRow("1.5") << qreal(1.5);
        QTest::newRow("2") << qreal(2);
    }
    void bevelsNetsALEchelle()
    {
        QFETCH(qreal, dpr);
        Banc b;
        b.Jouer(Memoire, 1);
        for (int x = 1; x <= 4; ++x) {
            b.k().Cases[x][1].SetVisible(true);
            b.k().Cases[x][1].SetCaption("");
        }
        b.plateau.Synchroniser();
        const QImage im = Rendu(b.plateau, dpr);
        std::set<QRgb> permises = {Q(CouleurPlateau).rgb(), Blanc.rgb(), Gris.rgb()};
        for (int x = 1; x <= 4; ++x)
            permises.insert(Q(b.k().Cases[x][1].couleur()).rgb());
        const int y = qRound(20 * dpr);   // inside the first row, above any caption
        for (int x = 0; x < im.width(); ++x)
            QVERIFY2(permises.count(im.pixel(x, y)), qPrintable(QString("x %1: %2").arg(x).arg(QColor(im.pixel(x, y)).name())));
        // The light edges of the four cells, at x = 10, 155, 300 and 445: each as thick as the
        // others, wherever it falls between device pixels.
        const int trait = qMax(1, qRound(dpr));
        QList<int> debuts;
        int fin = 0;
        for (int x = qFloor(8 * dpr); x < im.width(); ++x) {   // past the board's own bevels
            if (im.pixel(x, y) != Blanc.rgb())
                continue;
            debuts << x;
            for (fin = x; fin < im.width() && im.pixel(fin, y) == Blanc.rgb(); ++fin) {}
            QCOMPARE(fin - x, trait);
            if (debuts.size() == 1)
                QCOMPARE(im.pixel(fin, y), Q(b.k().Cases[1][1].couleur()).rgb());
            x = fin;
        }
        QCOMPARE(debuts, QList<int>({qRound(10 * dpr), qRound(155 * dpr), qRound(300 * dpr), qRound(445 * dpr)}));
    }

    void pressionsSurLesCases()
    {
        Banc b;
        Temoin t;
        t.Brancher(b.plateau);
        b.Jouer(Memoire, 1);
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                b.k().Cases[x][y].SetVisible(true);
        b.plateau.Synchroniser();
        const QPoint p = b.Centre(b.k().Cases[2][3]);
        QWidget* w = &b.plateau;

        Clic(w, p);
        Clic(w, p, Qt::LeftButton, Qt::ShiftModifier);
        Clic(w, p, Qt::RightButton);
        Clic(w, p, Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier);
        // A double click: the second press comes as a double-click event.
        Souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        Souris(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        Souris(w, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        Souris(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        // The right button pressed while the left one is held.
        Souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        Souris(w, QEvent::MouseButtonPress, p, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
        QCOMPARE(t.appels, QStringList({Case(203, BoutonSouris::Gauche, ssLeft),
                               Case(203, BoutonSouris::Gauche, ssLeft | ssShift),
                               Case(203, BoutonSouris::Droit, ssRight),
                               Case(203, BoutonSouris::Milieu, ssMiddle | ssCtrl | ssAlt),
                               Case(203, BoutonSouris::Gauche, ssLeft),
                               Case(203, BoutonSouris::Gauche, ssLeft | ssDouble),
                               Case(203, BoutonSouris::Gauche, ssLeft),
                               Case(203, BoutonSouris::Droit, ssLeft | ssRight)}));

        // The board outside every cell, and a hidden cell, route nothing.
        t.appels.clear();
        b.k().Cases[1][1].SetVisible(false);
        Clic(w, b.Centre(b.k().Cases[1][1]));
        Clic(w, QPoint(5, 5));
        QVERIFY(t.appels.isEmpty());
    }

    // With the memory game built, a plain left click turns a card for 3 points; the same click
    // with Shift does nothing.
    void carteDeMemoire()
    {
        Banc b;
        b.Jouer(Memoire, 1);
        if (!GenerateurPresent(b.g()))
            QSKIP("the memory game generates no board in this build");
        QWidget* w = &b.plateau;
        const QPoint p = b.Centre(b.k().Cases[1][1]);
        QCOMPARE(b.k().Cases[1][1].Caption(), std::string());
        Clic(w, p, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(b.g().Score, 5000);
        Clic(w, p);
        QCOMPARE(b.g().Score, 4997);
        QCOMPARE(b.k().Cases[1][1].Caption(), std::to_string(b.g().Valeur[1][1]));
    }

    void pressionsSurLesMurs()
    {
        Banc b;
        Temoin t;
        t.Brancher(b.plateau);
        b.Jouer(CarreMagique, 1);
        Controle& mur = b.k().MursDroits[1][1];
        QVERIFY(mur.Visible());
        QWidget* w = &b.plateau;
        const QPoint p = b.Centre(mur);

        Souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(mur.BiseauExterieur(), Biseau::Abaisse);
        // Pressed look painted: the light edge is now dark.
        QCOMPARE(Rendu(b.plateau, 1).pixelColor(mur.rect().left, p.y()), Gris);
        Souris(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(mur.BiseauExterieur(), Biseau::Releve);
        QCOMPARE(t.appels, QStringList({"enfoncement 0 101", "relachement 0 101", "droit 101"}));

        // Released outside: raised, no click. The right button: pressed look, never a click.
        t.appels.clear();
        Souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        Souris(w, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::LeftButton, Qt::NoButton);
        Clic(w, p, Qt::RightButton);
        const QPoint bas = b.Centre(b.k().MursBas[2][3]);
        Clic(w, bas);
        QCOMPARE(t.appels, QStringList({"enfoncement 0 101", "relachement 0 101", "enfoncement 0 101",
                               "relachement 0 101", "enfoncement 1 203", "relachement 1 203", "bas 203"}));

        // A second press on a cell while a wall holds the mouse is not routed.
        t.appels.clear();
        Souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        Souris(w, QEvent::MouseButtonPress, bas, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
        Souris(w, QEvent::MouseButtonRelease, bas, Qt::RightButton, Qt::LeftButton);
        Souris(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(t.appels, QStringList({"enfoncement 0 101", "relachement 0 101", "droit 101"}));

        // A release lost to a box: the next press finds the button up, lets the wall go unclicked
        // and is routed itself.
        t.appels.clear();
        Souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        Clic(w, bas);
        QCOMPARE(mur.BiseauExterieur(), Biseau::Releve);
        QCOMPARE(t.appels, QStringList({"enfoncement 0 101", "relachement 0 101", "enfoncement 1 203",
                               "relachement 1 203", "bas 203"}));

        // The corner walls of the differences game.
        t.appels.clear();
        b.Jouer(Differences, 1);
        QVERIFY(b.k().MursBasDroits[1][1].Visible());
        Clic(w, b.Centre(b.k().MursBasDroits[1][1]));
        QCOMPARE(t.appels, QStringList({"enfoncement 2 101", "relachement 2 101", "coin 101"}));
    }

    // With the magic square built, a click on the wall between two cells swaps them for 10 points.
    void echangeDuCarreMagique()
    {
        Banc b;
        b.Jouer(CarreMagique, 1);
        if (!GenerateurPresent(b.g()))
            QSKIP("the magic square generates no board in this build");
        const int32_t gauche = b.g().Valeur[1][1], droite = b.g().Valeur[2][1];
        Clic(&b.plateau, b.Centre(b.k().MursDroits[1][1]));
        QCOMPARE(b.g().Score, 4990);
        QCOMPARE(b.k().panelScoreMixte.Caption(), std::string("4990"));
        QCOMPARE(b.g().Valeur[1][1], droite);
        QCOMPARE(b.g().Valeur[2][1], gauche);
        QCOMPARE(b.k().Cases[1][1].Caption(), std::to_string(droite));
    }

    // A click that ends the game finds the wall raised already: it never stays pressed.
    void clicDeFinDePartie()
    {
        Banc b;
        b.Jouer(CarreMagique, 1);
        auto suite = b.plateau.routage().MurDroitClique;
        b.plateau.routage().MurDroitClique = [&b, suite](Contexte& c, int32_t tag) {
            suite(c, tag);
            b.g().PartieTerminee = true;
        };
        Controle& mur = b.k().MursDroits[2][2];
        Clic(&b.plateau, b.Centre(mur));
        QVERIFY(b.g().PartieTerminee);
        QCOMPARE(mur.BiseauExterieur(), Biseau::Releve);
        // Once the game is over a press no longer lowers a wall.
        Souris(&b.plateau, QEvent::MouseButtonPress, b.Centre(mur), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(mur.BiseauExterieur(), Biseau::Releve);
    }

    void curseursEtBulle()
    {
        Banc b;
        b.Jouer(Differences, 1);
        b.plateau.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.plateau));
        Controle& c = b.k().Cases[2][2];
        c.SetCurseur(Curseur::Interdit);
        QTest::mouseMove(&b.plateau, b.Centre(c));
        QCOMPARE(b.plateau.cursor().shape(), Qt::ForbiddenCursor);
        QTest::mouseMove(&b.plateau, b.Centre(b.k().MursDroits[1][1]));
        QCOMPARE(b.plateau.cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(&b.plateau, QPoint(3, 3));
        QCOMPARE(b.plateau.cursor().shape(), Qt::ArrowCursor);

        // The exit cell of the maze shows its hint.
        b.Jouer(Labyrinthe, 1);
        b.g().ArriveeX = b.g().ArriveeY = 6;
        AfficherCases(b.coeur.ctx, 1, 1, 6, 6);
        b.plateau.Synchroniser();
        const QPoint arrivee = b.Centre(b.k().Cases[6][6]);
        QHelpEvent aide(QEvent::ToolTip, arrivee, b.plateau.mapToGlobal(arrivee));
        QApplication::sendEvent(&b.plateau, &aide);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Case Arrivée"));
        QHelpEvent ailleurs(QEvent::ToolTip, QPoint(90, 30), b.plateau.mapToGlobal(QPoint(90, 30)));
        QApplication::sendEvent(&b.plateau, &ailleurs);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // After a change only the changed control is repainted.
    void repeintCeQuiChange()
    {
        Banc b;
        b.Jouer(Differences, 1);
        b.plateau.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.plateau));
        QRegion peint;
        struct Espion : QObject {
            QRegion* r;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    *r += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } espion;
        espion.r = &peint;
        b.plateau.installEventFilter(&espion);
        QCoreApplication::processEvents();
        peint = QRegion();
        b.k().Cases[3][2].SetCaption("42");
        b.plateau.Synchroniser();
        QTRY_VERIFY(!peint.isEmpty());
        QCOMPARE(peint, QRegion(VersQRect(b.k().Cases[3][2].rect())));

        // A change that changes nothing repaints nothing.
        peint = QRegion();
        b.k().Cases[3][2].SetCaption("42");
        b.plateau.Synchroniser();
        QCoreApplication::processEvents();
        QVERIFY(peint.isEmpty());
        b.plateau.removeEventFilter(&espion);
    }
};

QTEST_MAIN(PlateauTest)
#include "PlateauTest.moc"
