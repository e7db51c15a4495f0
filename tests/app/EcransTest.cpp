// The game on the screens players have, each run on one screen of the offscreen platform:
//   EcransTest [width height device-pixel-ratio]   (800 600 1 without arguments)
// Every text of every info state, every side panel and every cell fits its box, measured with the
// fonts the game paints with; both dialogs are whole on the screen and scaled whole; the game is
// played from the keyboard alone; screenshots of the three windows are kept for a person to see.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/Fenetres.h"
#include "app/PanneauDialogue.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "app/mathema.h"
#include "session/Textes.h"
#include "session/NouvellePartie.h"
#include "app/fHighScores.h"
#include "ProgrammeEnJeu.h"
#include "support/CoeurQt.h"
#include "support/DoubleClic.h"

using namespace cogitelle;
using cogitelle::test::CoeurQt;
using cogitelle::test::DoubleClic;

namespace {

struct Ecran {
    int largeur = 800, hauteur = 600;   // device pixels
    double dpr = 1;
    QString Nom() const { return QStringLiteral("%1x%2").arg(largeur).arg(hauteur); }
};

Ecran ecranDuTest;

// The program as main() builds it, on the test's screen.
struct Programme : test::ProgrammeEnJeu {
    Programme() : ProgrammeEnJeu(MetriquesEcranPrincipal(), "MARIE-CLAIRE") {}
};

// An image of the screen's device pixel ratio: the metrics of the pixels actually drawn.
QImage Toile(const QSize& logique)
{
    QImage im(logique * ecranDuTest.dpr, QImage::Format_RGB32);
    im.setDevicePixelRatio(ecranDuTest.dpr);
    return im;
}

// Fits both in logical metrics (the widget) and in the device's own (hinted) metrics.
bool Tient(const QFont& police, const QRectF& zone, const QString& texte, int drapeaux, const QWidget* w)
{
    const QImage toile = Toile(w->size());
    return TexteTient(police, zone, texte, drapeaux, w) && TexteTient(police, zone, texte, drapeaux, &toile);
}

// The area inside a panel's bevels.
QRectF Interieur(const Controle& c, const QRect& r)
{
    int bord = 0;
    if (c.BiseauExterieur() != Biseau::Aucun)
        bord += c.LargeurBiseau();
    if (c.BiseauInterieur() != Biseau::Aucun)
        bord += c.LargeurBiseau();
    return QRectF(r.adjusted(bord, bord, -bord, -bord));
}

QString Captures()
{
    const QString dossier = QStringLiteral(COGITELLE_CAPTURES);
    QDir().mkpath(dossier);
    return dossier;
}

void Garder(QWidget* w, const QString& nom)
{
    const QString chemin = Captures() + QStringLiteral("/%1-%2.png").arg(nom, ecranDuTest.Nom());
    QVERIFY2(w->grab().save(chemin), qPrintable(chemin));
}

} // namespace

class EcransTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallerSubstitutionsPolices();
        const QScreen* s = QGuiApplication::primaryScreen();
        QVERIFY(s);
        QCOMPARE(s->devicePixelRatio(), ecranDuTest.dpr);
        QCOMPARE(s->size(), QSize(qRound(ecranDuTest.largeur / ecranDuTest.dpr), qRound(ecranDuTest.hauteur / ecranDuTest.dpr)));
        // The substitutes the game installs are those measured.
        QCOMPARE(QFontInfo(PoliceTimes(12)).family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(QFontInfo(PoliceFenetre(12)).family(), QStringLiteral("Liberation Sans"));
    }

    // Every goal, rules and score text of every game, whatever numbers its puzzles put in it, fits
    // the info label whole in the type the label is given.
    void textesDesInfos()
    {
        // The texts of every puzzle of every game, each different one once.
        std::set<std::string> textes;
        {
            CoeurQt<> seul;
            GameState& g = seul.g();
            g.Langue = 1;
            g.NomJoueur = "TEST";
            for (TTypeJeu t = 1; t <= NbTypesJeu; ++t)
                for (int32_t n = 1; n <= NombreTableaux; ++n) {
                    g.TypeJeu = t;
                    g.NumeroTableau = n;
                    NouvellePartie(seul.ctx);
                    textes.insert(g.TextesBut[t]);
                    textes.insert(g.TextesRegles[t]);
                    textes.insert(g.TextesScores[t]);
                }
        }
        QVERIFY(textes.size() >= 15);

        Programme p;
        p.Jouer(Labyrinthe, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&p.math));
        PanneauWidget* label = p.math.findChild<PanneauWidget*>(QStringLiteral("lblInfos"));
        QVERIFY(label);
        int mesures = 0;
        for (const std::string& texte : textes) {
            AfficherInfo(p.coeur.ctx, texte);
            p.math.RafraichirVue();
            const QFont police = PoliceTimes(label->Modele().TaillePolice());
            QVERIFY2(Tient(police, QRectF(label->rect()), QString::fromStdString(texte), Qt::TextWordWrap, label),
                qPrintable(QStringLiteral("%1 pt in %2 x %3: %4")
                               .arg(police.pointSize())
                               .arg(label->width())
                               .arg(label->height())
                               .arg(QString::fromStdString(texte))));
            ++mesures;
        }
        QCOMPARE(mesures, int(textes.size()));
        // The panels' own clicks show them in the same label and type.
        p.math.Modele().panelReglesDuJeuClick();
        p.math.RafraichirVue();
        QCOMPARE(label->Modele().Caption(), p.g().TextesRegles[Labyrinthe]);
    }

    // The side panels' captions, the cells' numbers: whole in their boxes, for the first and
    // the last puzzle of every game (the largest boards and numbers).
    void panneauxEtCases()
    {
        Programme p;
        for (TTypeJeu t = 1; t <= NbTypesJeu; ++t)
            for (int32_t n : {1, 100, 350, 500}) {
                p.Jouer(t, n);
                const QString quoi = QStringLiteral("game %1, puzzle %2").arg(t).arg(n);
                // Magic square and differences: show every cell's number, the ring's too.
                for (PanneauWidget* w : p.math.findChildren<PanneauWidget*>()) {
                    const Controle& c = w->Modele();
                    if (c.sorte() != Sorte::Panneau || !c.Visible() || c.Caption().empty())
                        continue;
                    const QFont police = PoliceFenetre(c.TaillePolice());
                    QVERIFY2(Tient(police, Interieur(c, w->rect()), QString::fromStdString(c.Caption()),
                                 Qt::TextSingleLine, w),
                        qPrintable(quoi + QStringLiteral(": %1 \"%2\"")
                                              .arg(w->objectName(), QString::fromStdString(c.Caption()))));
                }
                PlateauWidget* plateau = p.math.Plateau();
                for (int x = 0; x <= 15; ++x)
                    for (int y = 0; y <= 15; ++y) {
                        const Controle& c = p.k().Cases[x][y];
                        if (!c.Visible())
                            continue;
                        // Every number the cell may show in this game: its value, or the ring's.
                        QString texte = QString::fromStdString(c.Caption());
                        if (texte.isEmpty())
                            texte = QString::number(p.g().Valeur[x][y]);
                        const QFont police = PoliceTimes(c.TaillePolice());
                        QRectF zone = Interieur(c, VersQRect(c.rect()));
                        // Beyond the design screen a number never touches its cell's edges.
                        if (p.g().FacteurEcranX > 1)
                            zone.adjust(1, 1, -1, -1);
                        if (Tient(police, zone, texte, Qt::TextSingleLine, plateau))
                            continue;
                        // The magic square's ring of sums is designed with type a little too
                        // large for "+109": it is drawn a little smaller, never much. A cell of
                        // the board itself always fits in its own type.
                        const bool anneau = t == CarreMagique && c.BiseauInterieur() == Biseau::Abaisse;
                        const QFont peinte = PoliceQuiTient(police, zone, texte, Qt::TextSingleLine, plateau);
                        QVERIFY2(anneau && peinte.pointSize() >= police.pointSize() * 0.75 &&
                                Tient(peinte, zone, texte, Qt::TextSingleLine, plateau),
                            qPrintable(quoi + QStringLiteral(": cell %1,%2 \"%3\" %4 pt in %5 x %6")
                                                  .arg(x)
                                                  .arg(y)
                                                  .arg(texte)
                                                  .arg(c.TaillePolice())
                                                  .arg(c.rect().width)
                                                  .arg(c.rect().height)));
                    }
            }
    }

    // Both dialogs are whole on the screen and drawn at one scale: the type, the scroll bars,
    // their arrows, the radio dots and the grid alike.
    void dialoguesEntiersEtALEchelle()
    {
        Programme p;
        p.Jouer(CarreMagique, 350);
        QVERIFY(QTest::qWaitForWindowExposed(&p.math));
        const QRect libre = QGuiApplication::primaryScreen()->availableGeometry();
        const double fx = p.g().FacteurEcranX, fy = p.g().FacteurEcranY;

        p.math.Modele().panelChangerTableauClick();
        TfrmChoixTableau* choix = p.f.frmChoixTableau.get();
        QVERIFY(QTest::qWaitForWindowExposed(choix));
        p.math.Modele().panelDetailHighScoresClick();
        TfrmHighScores* scores = p.f.frmHighScores.get();
        QVERIFY(QTest::qWaitForWindowExposed(scores));

        struct Dialogue { QDialog* d; int largeur, hauteur; };
        for (const Dialogue& d : {Dialogue{choix, 370, 256}, Dialogue{scores, 430, 356}}) {
            QVERIFY2(libre.contains(d.d->frameGeometry()), qPrintable(d.d->objectName()));
            // Scaled whole by the smaller factor: as large as the screen allows.
            const double f = d.d->width() / double(d.largeur);
            QVERIFY(qAbs(d.d->height() - d.hauteur * f) <= 1);
            QVERIFY(f <= std::min(fx, fy) + 0.01);
            QVERIFY(f >= std::min(fx, fy) - 0.01 || d.d->frameGeometry().height() > libre.height() - 60);

            // The captions fit in their declared type; the chooser's number, designed larger
            // than its panel (its descenders were cut), is drawn smaller, never much.
            for (PanneauDialogue* panneau : d.d->findChildren<PanneauDialogue*>()) {
                QString texte = panneau->Caption();
                // The widest name the viewer's grid may show.
                if (d.d == scores && panneau->objectName().startsWith(QStringLiteral("panelNom")))
                    texte = QStringLiteral("MMMMMMMMMMMM");
                if (texte.isEmpty())
                    continue;
                const int b = panneau->LargeurBiseau();
                const QRectF zone(panneau->rect().adjusted(b, b, -b, -b));
                if (d.d == choix && panneau->objectName() == QLatin1String("panelNumeroTableau")) {
                    const QFont peinte = PoliceQuiTient(panneau->font(), zone, texte, Qt::TextSingleLine, panneau);
                    QVERIFY(TexteTient(peinte, zone, texte, Qt::TextSingleLine, panneau));
                    QVERIFY(peinte.pixelSize() >= panneau->font().pixelSize() * 0.75);
                    continue;
                }
                QVERIFY2(Tient(panneau->font(), zone, texte, Qt::TextSingleLine, panneau),
                    qPrintable(panneau->objectName() + QStringLiteral(" \"") + texte + QStringLiteral("\"")));
            }
            // The scroll bars' arrows and thumb, the radio dots: at the dialog's scale.
            const double fd = d.d->width() / double(d.largeur);
            const QStyle* plateforme = QApplication::style();
            for (QScrollBar* barre : d.d->findChildren<QScrollBar*>()) {
                const int attendu = plateforme->pixelMetric(QStyle::PM_ScrollBarExtent);
                QVERIFY(barre->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, barre) >= attendu * fd - 1);
            }
            for (QRadioButton* rb : d.d->findChildren<QRadioButton*>()) {
                const int attendu = plateforme->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
                QVERIFY(rb->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, rb) >= attendu * fd - 1);
                // The dot is whole inside its button.
                QVERIFY(rb->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, rb) <= rb->height());
            }
        }
        // The viewer's grid: the rank column and the type grow with the dialog.
        auto* rang = scores->findChild<PanneauDialogue*>(QStringLiteral("panelRang1"));
        auto* nom = scores->findChild<PanneauDialogue*>(QStringLiteral("panelNom1"));
        const double fv = scores->width() / 430.0;
        QVERIFY(qAbs(rang->width() - 20 * fv) <= 1);
        QVERIFY(qAbs(QFontInfo(nom->font()).pointSizeF() - 10 * fv) <= 0.5);

        Garder(&p.math, QStringLiteral("fenetre"));
        Garder(choix, QStringLiteral("choix"));
        Garder(scores, QStringLiteral("scores"));
    }

    // Start, choose a puzzle by its number, type a name, play the maze, read the records: the
    // keyboard alone.
    void auClavierSeul()
    {
        Programme p;
        p.f.frmSplash->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.f.frmSplash.get()));
        QTest::keyClick(p.f.frmSplash.get(), Qt::Key_Return);
        TfrmChoixTableau* choix = p.f.frmChoixTableau.get();
        QTRY_VERIFY(choix->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(choix));
        // The scroll bar has the focus: the number typed, then Tab to the name.
        QWidget* focus = choix->focusWidget();
        QCOMPARE(focus, static_cast<QWidget*>(choix->findChild<QScrollBar*>()));
        QTest::keyClicks(focus, QStringLiteral("250"));
        QTest::keyClick(focus, Qt::Key_Tab);
        QTest::keyClicks(choix->focusWidget(), QStringLiteral("ana"));
        // Tab on to the game types: the maze, then Enter.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(choix->focusWidget(), Qt::Key_Tab);
        QVERIFY(qobject_cast<QRadioButton*>(choix->focusWidget()));
        auto* labyrinthe = choix->findChild<QRadioButton*>(QStringLiteral("rbTypeJeu1"));
        labyrinthe->setFocus();
        QTest::keyClick(labyrinthe, Qt::Key_Space);
        QTest::keyClick(labyrinthe, Qt::Key_Return);
        QCOMPARE(p.g().TypeJeu, Labyrinthe);
        QCOMPARE(p.g().NumeroTableau, 250);
        QCOMPARE(p.g().NomJoueur, std::string("ANA"));
        QVERIFY(!choix->isVisible());
        QVERIFY(p.math.isEnabled());

        // The maze: the arrows move the glutton wherever the walls let it.
        p.math.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.math));
        const int x0 = p.g().PosX, y0 = p.g().PosY;
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Down})
            QTest::keyClick(p.math.windowHandle(), k);
        QVERIFY(p.g().PosX != x0 || p.g().PosY != y0);

        // The records: Alt+M opens "Meilleurs scores", Enter its first item, the viewer.
        QTest::keyClick(p.math.windowHandle(), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        TfrmHighScores* scores = p.f.frmHighScores.get();
        QTRY_VERIFY(scores->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(scores));
        auto* numero = scores->findChild<PanneauDialogue*>(QStringLiteral("panelNumeroTableau"));
        QCOMPARE(numero->Caption(), QStringLiteral("Cogitelle n° 250"));
        QTest::keyClick(scores, Qt::Key_Down);
        QCOMPARE(numero->Caption(), QStringLiteral("Cogitelle n° 251"));
        QTest::keyClick(scores, Qt::Key_Escape);
        QVERIFY(!scores->isVisible());
    }

    // At this size too a double click on a side panel acts once.
    void doubleClicSurUnPanneau()
    {
        Programme p;
        p.Jouer(Memoire, 20);
        PanneauWidget* suivant = p.math.findChild<PanneauWidget*>(QStringLiteral("panelTableauSuivant"));
        DoubleClic(suivant, suivant->rect().center());
        QCOMPARE(p.g().NumeroTableau, 21);
    }
};

int main(int argc, char** argv)
{
    // The screen: width, height and device pixel ratio from the command line.
    std::vector<char*> reste{argv[0]};
    int i = 1;
    if (argc >= 4 && std::atoi(argv[1]) > 0) {
        ecranDuTest.largeur = std::atoi(argv[1]);
        ecranDuTest.hauteur = std::atoi(argv[2]);
        ecranDuTest.dpr = std::atof(argv[3]);
        i = 4;
    }
    for (; i < argc; ++i)
        reste.push_back(argv[i]);
    int n = int(reste.size());
    reste.push_back(nullptr);

    // One offscreen screen of that size, at 96 dots per inch; the platform takes its size in
    // device-independent pixels.
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("cogitelle-ecran-" + std::to_string(ecranDuTest.largeur) + "x" +
                                                     std::to_string(ecranDuTest.hauteur) + "-" +
                                                     std::to_string(QCoreApplication::applicationPid()) + ".json");
    {
        std::ofstream f(config);
        f << "{ \"screens\": [ { \"name\": \"ecran\", \"x\": 0, \"y\": 0, \"width\": "
          << qRound(ecranDuTest.largeur / ecranDuTest.dpr) << ", \"height\": "
          << qRound(ecranDuTest.hauteur / ecranDuTest.dpr) << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": "
          << ecranDuTest.dpr << " } ] }\n";
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QByteArray::fromStdString(config.string()));
    int resultat = 0;
    {
        QApplication app(n, reste.data());
        EcransTest t;
        resultat = QTest::qExec(&t, n, reste.data());
    }
    std::filesystem::remove(config);
    return resultat;
}

#include "EcransTest.moc"
