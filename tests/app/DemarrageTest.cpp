// Start-up as a player meets it: the start screen, "DEMARRER" or "ENGLISH", the main window
// waiting for the chooser; the real message boxes of the quit confirmation.
#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include "app/Fenetres.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "app/mathema.h"
#include "app/fHighScores.h"
#include "support/CoeurQt.h"
#include "support/DoubleClic.h"

using namespace cogitelle;
using cogitelle::test::CoeurQt;
using cogitelle::test::DoubleClic;

namespace {

struct Programme {
    explicit Programme(MetriquesEcran ecran = {800, 600, 96}) : f(coeur.session, coeur.ports, ecran) {}
    CoeurQt<PortsQt> coeur;
    Fenetres f;
    TfrmMath& math = *f.frmMath;
    TfrmSplash& splash = *f.frmSplash;
};

// The text, the title and the button captions of a message box, then the button to click.
struct Boite {
    QString titre, texte;
    QStringList boutons;
};

void Repondre(Boite& vue, const QString& bouton)
{
    test::RepondreBoite([&vue, bouton](QWidget* w) {
        auto* boite = qobject_cast<QMessageBox*>(w);
        QVERIFY(boite);
        vue.titre = boite->windowTitle();
        vue.texte = boite->text();
        for (QAbstractButton* b : boite->buttons())
            vue.boutons << b->text();
        vue.boutons.sort();
        for (QAbstractButton* b : boite->buttons())
            if (b->text() == bouton)
                b->click();
    });
}

} // namespace

class DemarrageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallerSubstitutionsPolices(); }

    void ecranDeDemarrage()
    {
        Programme p;
        QVERIFY(p.splash.isVisible());
        QVERIFY(p.splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(p.splash.size(), QSize(425, 304));
        QCOMPARE(p.splash.windowTitle(), QString("COGITELLE I"));
        QCOMPARE(p.coeur.g().Titre, std::string("COGITELLE I"));
        const QRect ecran = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(p.splash.geometry().center().x() - ecran.center().x()) <= 1);
        QVERIFY(qAbs(p.splash.geometry().center().y() - ecran.center().y()) <= 1);
        QCOMPARE(p.splash.grab().toImage().pixelColor(2, 2), QColor(0x12, 0xAC, 0xC7));
        PanneauWidget* demarrer = p.splash.PanelStartFrench();
        QCOMPARE(demarrer->size(), QSize(373, 33));
        QCOMPARE(demarrer->Modele().Caption(), std::string("DEMARRER"));
        QCOMPARE(demarrer->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(p.splash.PanelStartEnglish()->isVisible());
        QCOMPARE(p.splash.PanelStartEnglish()->Modele().Caption(), std::string("ENGLISH"));
        // The other windows wait, hidden.
        QVERIFY(p.math.isHidden());
        QVERIFY(p.f.frmChoixTableau->isHidden());
        QVERIFY(p.f.frmHighScores->isHidden());
        QCOMPARE(p.math.windowTitle(), QString("COGITELLE I"));
        QCOMPARE(p.coeur.g().NumeroTableau, 1);
    }

    void demarrerOuvreLeChoix()
    {
        Programme p;
        QTest::mouseClick(p.splash.PanelStartFrench(), Qt::LeftButton);
        QCOMPARE(p.coeur.g().Langue, 1);
        QCOMPARE(p.coeur.g().TexteQuestionQuitter, std::string("Voulez-vous vraiment arrêter ?"));
        QVERIFY(p.splash.isHidden());
        QVERIFY(p.math.isVisible());
        QVERIFY(p.math.TimerDebut().isSingleShot());
        QCOMPARE(p.math.TimerDebut().interval(), 1);
        // Then the main window waits, disabled, for the chooser.
        QTRY_VERIFY(!p.math.isEnabled());
        QVERIFY(p.f.frmChoixTableau->isVisible());
        QVERIFY(!p.f.frmChoixTableau->isModal());
        QVERIFY(!p.math.TimerDebut().isActive());
        QVERIFY(p.math.Plateau()->isHidden());
        // The main window's title and the game panels' captions, set at activation.
        QCOMPARE(p.math.findChild<PanneauWidget*>("panelLabyrinthe")->Modele().Caption(), std::string("JEU DU LABYRINTHE"));
    }

    // The program's own start: the hidden windows come once the start screen has been painted,
    // or at once when "DEMARRER" is pressed before that.
    void fenetresCacheesApresLEcranDeDemarrage()
    {
        CoeurQt<PortsQt> coeur;
        Fenetres f(coeur.session, coeur.ports, {800, 600, 96}, true);
        QVERIFY(!f.frmMath);
        QVERIFY(f.frmSplash->isVisible());
        QTRY_VERIFY(f.frmMath);
        QVERIFY(f.frmChoixTableau && f.frmHighScores);
        QVERIFY(f.frmMath->isHidden());
        QCOMPARE(coeur.g().Verif, uint8_t{1});   // the options were loaded when it was made

        CoeurQt<PortsQt> autre;
        Fenetres g(autre.session, autre.ports, {800, 600, 96}, true);
        QTest::mouseClick(g.frmSplash->PanelStartFrench(), Qt::LeftButton);
        QVERIFY(g.frmMath);
        QVERIFY(g.frmMath->isVisible());
        QTRY_VERIFY(g.frmChoixTableau->isVisible());
    }

    // "ENGLISH" changes the help and the quit texts, and nothing else.
    void english()
    {
        Programme p;
        QTest::mouseClick(p.splash.PanelStartEnglish(), Qt::LeftButton);
        const GameState& g = p.coeur.g();
        QCOMPARE(g.Langue, 2);
        QCOMPARE(g.TexteQuestionQuitter, std::string("Do you really want to quit ?"));
        QCOMPARE(g.TexteAuRevoir, std::string("See you !!!"));
        QCOMPARE(g.FichierAide, std::string("cogitelleus.html"));
        QCOMPARE(g.TitresJeux[2], std::string("CARRES MAGIQUES"));
        QCOMPARE(g.TextesBut[1].substr(0, 13), std::string("But du jeu : "));
        QTRY_VERIFY(p.f.frmChoixTableau->isVisible());
    }

    void fermerLEcranDeDemarrageTermineLeProgramme()
    {
        Programme p;
        QSignalSpy fin(&p.splash, &TfrmSplash::fermeture);
        p.splash.close();
        QCOMPARE(fin.count(), 1);
    }

    // F9 asks with the real box, captioned with the title; No keeps the game, Yes says goodbye
    // and closes the start screen.
    void quitterAvecLesBoites()
    {
        Programme p;
        QTest::mouseClick(p.splash.PanelStartFrench(), Qt::LeftButton);
        QTRY_VERIFY(!p.math.isEnabled());
        p.f.frmChoixTableau->hide();
        p.math.setEnabled(true);
        QSignalSpy fin(&p.splash, &TfrmSplash::fermeture);
        auto* quitter = p.math.findChild<QAction*>("Quitter1");

        Boite question;
        Repondre(question, "&Non");
        quitter->trigger();
        QCOMPARE(question.titre, QString("COGITELLE I"));
        QCOMPARE(question.texte, QString("Voulez-vous vraiment arrêter ?"));
        QCOMPARE(question.boutons, QStringList({"&Non", "&Oui"}));
        QCOMPARE(fin.count(), 0);

        Boite oui, adieu;
        test::RepondreBoite([&oui, &adieu](QWidget* w) {
            auto* boite = qobject_cast<QMessageBox*>(w);
            oui.texte = boite->text();
            Repondre(adieu, "OK");
            boite->button(QMessageBox::Yes)->click();
        });
        quitter->trigger();
        QCOMPARE(oui.texte, QString("Voulez-vous vraiment arrêter ?"));
        QCOMPARE(adieu.titre, QString("COGITELLE I"));
        QCOMPARE(adieu.texte, QString("A bientôt !!!"));
        QCOMPARE(fin.count(), 1);
    }

    // The English quit box answers "Yes" or "No", in its own language.
    void quitterEnAnglais()
    {
        Programme p;
        QTest::mouseClick(p.splash.PanelStartEnglish(), Qt::LeftButton);
        QTRY_VERIFY(!p.math.isEnabled());
        p.f.frmChoixTableau->hide();
        p.math.setEnabled(true);
        Boite question;
        Repondre(question, "&No");
        p.math.findChild<QAction*>("Quitter1")->trigger();
        QCOMPARE(question.texte, QString("Do you really want to quit ?"));
        QCOMPARE(question.boutons, QStringList({"&No", "&Yes"}));
        QVERIFY(p.math.isVisible());
    }

    // Enter or Space on the start screen is "DEMARRER"; a double click on it starts once.
    void demarrerAuClavierEtDoubleClic()
    {
        for (Qt::Key touche : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            Programme p;
            QSignalSpy demarrages(&p.splash, &TfrmSplash::demarrage);
            QTest::keyClick(&p.splash, touche);
            QCOMPARE(demarrages.count(), 1);
            QCOMPARE(demarrages.at(0).at(0).toInt(), 1);
            QVERIFY(p.splash.isHidden());
            QTRY_VERIFY(p.f.frmChoixTableau->isVisible());
            QCOMPARE(p.coeur.g().Langue, 1);
        }
        // Another key does nothing.
        Programme p;
        QSignalSpy demarrages(&p.splash, &TfrmSplash::demarrage);
        QTest::keyClick(&p.splash, Qt::Key_A);
        QCOMPARE(demarrages.count(), 0);
        QVERIFY(p.splash.isVisible());
        // The double click: press, release, the second press as a double click, release.
        PanneauWidget* demarrer = p.splash.PanelStartFrench();
        DoubleClic(demarrer, demarrer->rect().center());
        QCOMPARE(demarrages.count(), 1);
    }

    // On a 1920 x 1080 screen everything grows with the screen.
    void grandEcran()
    {
        Programme p({1920, 1080, 96});
        QCOMPARE(p.splash.size(), QSize(1020, 730));
        QCOMPARE(p.splash.PanelStartFrench()->size(), QSize(895, 79));
        QCOMPARE(p.coeur.g().FacteurEcranX, 2.4);
        QCOMPARE(p.coeur.g().FacteurEcranY, 1.8);
        QCOMPARE(p.math.findChild<PanneauWidget*>("panelInfo")->geometry(), QRect(1469, 601, 439, 351));
        QCOMPARE(p.math.findChild<PanneauWidget*>("panelBut")->geometry(), QRect(10, 313, 137, 29));
        QCOMPARE(p.math.Plateau()->geometry(), QRect(10, 10, 1440, 945));
    }
};

QTEST_MAIN(DemarrageTest)
#include "DemarrageTest.moc"
