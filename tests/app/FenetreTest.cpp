// The main window played as a player would: keys, side panels, menu, timers, closing.
#include <QAction>
#include <QColorDialog>
#include <QSignalSpy>
#include <QtTest>

#include "app/Fenetres.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "app/mathema.h"
#include "core/Score.h"
#include "store/Options.h"
#include "app/fHighScores.h"
#include "ProgrammeEnJeu.h"
#include "support/CoeurQt.h"
#include "support/DoubleClic.h"

using namespace cogitelle;
using cogitelle::test::DoubleClic;

namespace {

struct Programme : test::ProgrammeEnJeu {
    Programme() : ProgrammeEnJeu({800, 600, 96}, "TEST") {}
};

QColor CouleurAuCentreGauche(QWidget* w) { return w->grab().toImage().pixelColor(3, w->height() / 2); }

} // namespace

class FenetreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallerSubstitutionsPolices(); }

    // Keyboard preview: the arrows and "2", "4", "6", "8" reach the maze from the window,
    // whichever control has the focus.
    void clavierDuLabyrinthe()
    {
        Programme p;
        p.Jouer(Labyrinthe, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&p.math));
        QWindow* fenetre = p.math.windowHandle();
        struct Cas { Qt::Key touche; int dx, dy; };
        const Cas cas[] = {{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1},
            {Qt::Key_4, -1, 0}, {Qt::Key_6, 1, 0}, {Qt::Key_8, 0, -1}, {Qt::Key_2, 0, 1}};
        int i = 0;
        for (const Cas& c : cas) {
            // The glutton in the middle of the board with one open neighbour.
            GameState& g = p.g();
            g.PosX = g.PosY = 3;
            for (int x = 1; x <= 6; ++x)
                for (int y = 1; y <= 6; ++y)
                    g.Etat[x][y] = -1;
            g.Etat[3 + c.dx][3 + c.dy] = 0;
            g.Valeur[3 + c.dx][3 + c.dy] = 7 + i;
            g.Score = 5000;
            g.PartieTerminee = false;
            if (i % 2)
                p.math.Plateau()->setFocus();
            else
                p.P("panelScoreMixte")->setFocus();
            QTest::keyClick(fenetre, c.touche);
            QCOMPARE(g.Score, 5000 - 1 + 7 + i);
            QCOMPARE(p.k().panelScoreMixte.Caption(), std::to_string(g.Score));
            QCOMPARE(p.P("panelScoreMixte")->Modele().Caption(), std::to_string(g.Score));
            ++i;
        }

        // A closed neighbour, another key, the board's edge: nothing.
        p.g().Score = 5000;
        p.g().PosX = p.g().PosY = 1;
        for (Qt::Key touche : {Qt::Key_Left, Qt::Key_Up, Qt::Key_5, Qt::Key_A, Qt::Key_Space})
            QTest::keyClick(fenetre, touche);
        QCOMPARE(p.g().Score, 5000);

        // Keys typed in the chooser never reach the maze, nor those of a disabled window.
        p.g().PosX = p.g().PosY = 3;
        p.math.Modele().panelChangerTableauClick();
        QVERIFY(p.f.frmChoixTableau->isVisible());
        QTest::keyClick(p.f.frmChoixTableau->windowHandle(), Qt::Key_Right);
        QTest::keyClick(p.f.frmChoixTableau->windowHandle(), Qt::Key_6);
        p.math.setEnabled(false);
        QTest::keyClick(fenetre, Qt::Key_Right);
        QCOMPARE(p.g().Score, 5000);
    }

    // A double click acts once: on a side panel and on a board wall alike. The second press
    // comes as a double-click event, as the toolkit reports it.
    void doubleClicAgitUneFois()
    {
        Programme p;
        p.Jouer(CarreMagique, 5);
        QVERIFY(QTest::qWaitForWindowExposed(&p.math));
        PanneauWidget* suivant = p.P("panelTableauSuivant");
        DoubleClic(suivant, suivant->rect().center());
        QCOMPARE(p.g().NumeroTableau, 6);
        QCOMPARE(p.k().panelNumeroTableau.Caption(), std::string("Cogitelle n° 6"));
        QCOMPARE(suivant->Modele().BiseauExterieur(), Biseau::Releve);

        // A magic-square wall: one swap for 10 points, not a swap and its undoing for 20.
        Controles& k = p.k();
        const Controle& mur = k.MursDroits[1][1];
        QVERIFY(mur.Visible());
        const int32_t gauche = p.g().Valeur[1][1], droite = p.g().Valeur[2][1];
        QVERIFY(gauche != droite);
        p.g().Score = 5000;
        PlateauWidget* plateau = p.math.Plateau();
        DoubleClic(plateau, QPoint(mur.rect().left + mur.rect().width / 2, mur.rect().top + mur.rect().height / 2));
        QCOMPARE(p.g().Valeur[1][1], droite);
        QCOMPARE(p.g().Valeur[2][1], gauche);
        QCOMPARE(p.g().Score, 4990);
        QCOMPARE(mur.BiseauExterieur(), Biseau::Releve);
    }

    void precedentSuivantAuxBornes()
    {
        Programme p;
        p.Jouer(Serpentin, 2);
        PanneauWidget* precedent = p.P("panelTableauPrecedent");
        PanneauWidget* suivant = p.P("panelTableauSuivant");
        QVERIFY(precedent->isEnabled());
        QCOMPARE(CouleurAuCentreGauche(precedent), QColor(0xC0, 0xC0, 0xC0));
        QTest::mouseClick(precedent, Qt::LeftButton);
        QCOMPARE(p.g().NumeroTableau, 1);
        QVERIFY(!precedent->isEnabled());
        QCOMPARE(CouleurAuCentreGauche(precedent), QColor(0x80, 0x80, 0x80));
        QVERIFY(suivant->isEnabled());
        QCOMPARE(p.k().panelNumeroTableau.Caption(), std::string("Cogitelle n° 1"));
        QTest::mouseClick(precedent, Qt::LeftButton);   // greyed: nothing
        QCOMPARE(p.g().NumeroTableau, 1);

        p.Jouer(Serpentin, 499);
        QTest::mouseClick(suivant, Qt::LeftButton);
        QCOMPARE(p.g().NumeroTableau, 500);
        QVERIFY(!suivant->isEnabled());
        QCOMPARE(CouleurAuCentreGauche(suivant), QColor(0x80, 0x80, 0x80));
        QVERIFY(precedent->isEnabled());
        QTest::mouseClick(suivant, Qt::LeftButton);
        QCOMPARE(p.g().NumeroTableau, 500);
        QCOMPARE(p.P("panelNumeroTableau")->Modele().Caption(), std::string("Cogitelle n° 500"));
    }

    void rejouerLeMemePlateau()
    {
        Programme p;
        p.Jouer(Differences, 7);
        PlateauWidget* plateau = p.math.Plateau();
        const QImage avant = plateau->grab().toImage();
        p.g().Score = 4321;
        AfficherScore(p.coeur.ctx);
        p.math.RafraichirVue();
        p.k().Cases[1][1].SetCouleur(RGB(1, 2, 3));
        QTest::mouseClick(p.P("panelTableauIdem"), Qt::LeftButton);
        QCOMPARE(p.g().NumeroTableau, 7);
        QCOMPARE(p.g().Score, 5000);
        QCOMPARE(p.P("panelScoreMixte")->Modele().Caption(), std::string("5000"));
        QCOMPARE(plateau->grab().toImage(), avant);

        // "Cogitelle au hasard" keeps the game and changes the puzzle.
        QTest::mouseClick(p.P("panelTableauAleatoire"), Qt::LeftButton);
        QCOMPARE(p.g().TypeJeu, Differences);
        QVERIFY(p.g().NumeroTableau != 7);
    }

    void panneauxDesRegles()
    {
        Programme p;
        p.Jouer(Memoire, 70);   // groups of three
        const PanneauWidget* info = p.P("lblInfos");
        QCOMPARE(info->Modele().Caption(), p.g().TextesBut[5]);
        QTest::mouseClick(p.P("panelReglesDuJeu"), Qt::LeftButton);
        QCOMPARE(info->Modele().Caption(),
            std::string("Règles du jeu : Cliquez sur la case de votre choix et le nombre apparaîtra. Seuls les "
                        "nombres des trois dernières cases sélectionnées sont visibles."));
        QTest::mouseClick(p.P("panelCalculScores"), Qt::LeftButton);
        QCOMPARE(info->Modele().Caption(), p.g().TextesScores[5]);
        QTest::mouseClick(p.P("panelBut"), Qt::LeftButton);
        QCOMPARE(info->Modele().Caption(),
            std::string("But du jeu : Vous devez associer par tierces des nombres identiques que vous découvrez "
                        "au fur et à mesure sur la grille de jeu."));
        QCOMPARE(info->Modele().TaillePolice(), 9);
        QVERIFY(info->isVisible());
    }

    void lookDesPanneauxCliquables()
    {
        Programme p;
        p.Jouer(Labyrinthe, 3);
        PanneauWidget* idem = p.P("panelTableauIdem");
        QCOMPARE(idem->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(p.P("panelLabyrinthe")->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(p.P("panelScoreMixte")->cursor().shape(), Qt::ArrowCursor);
        QTest::mousePress(idem, Qt::LeftButton);
        QCOMPARE(p.k().panelTableauIdem.BiseauExterieur(), Biseau::Abaisse);
        QCOMPARE(idem->grab().toImage().pixelColor(0, 5), QColor(0x80, 0x80, 0x80));
        QTest::mouseRelease(idem, Qt::LeftButton, {}, QPoint(-20, 5));   // released outside: no click
        QCOMPARE(p.k().panelTableauIdem.BiseauExterieur(), Biseau::Releve);
        QCOMPARE(idem->grab().toImage().pixelColor(0, 5), QColor(0xFF, 0xFF, 0xFF));

        // A release lost to a box: the next press lets go of the first and is a click of its own.
        QTest::mousePress(idem, Qt::LeftButton);
        QCOMPARE(p.k().panelTableauIdem.BiseauExterieur(), Biseau::Abaisse);
        p.g().Score = 1;
        QTest::mouseClick(idem, Qt::LeftButton);
        QCOMPARE(p.k().panelTableauIdem.BiseauExterieur(), Biseau::Releve);
        QCOMPARE(p.g().Score, 5000);
    }

    void panneauxSuiventLeModele()
    {
        Programme p;
        for (const char* nom : {"superPanelJeux", "panelTableaux", "superPanelDroite", "panelInfo"})
            QVERIFY2(p.P(nom)->isHidden(), nom);
        QVERIFY(p.math.Plateau()->isHidden());
        p.Jouer(Differences, 7);
        for (const char* nom : {"superPanelJeux", "panelTableaux", "superPanelDroite", "panelInfo"})
            QVERIFY2(p.P(nom)->isVisible(), nom);
        QVERIFY(p.math.Plateau()->isVisible());
        QCOMPARE(p.math.Plateau()->geometry(), VersQRect(p.k().panelCentral.rect()));
        QCOMPARE(p.P("superPanelDroite")->geometry(), QRect(612, 208, 183, 121));
        QCOMPARE(p.P("panelDetailHighScores")->geometry(), QRect(6, 94, 171, 23));
        QCOMPARE(p.P("panelNumeroTableau")->Modele().Caption(), std::string("Cogitelle n° 7"));
        QCOMPARE(p.P("panelNomJoueur")->Modele().Caption(), std::string("TEST"));
        QCOMPARE(p.P("panelPremierMeilleurScore")->Modele().Caption(),
            std::to_string(p.g().MeilleursScores(Differences, 7, 1).ValeurScore));
        QCOMPARE(CouleurAuCentreGauche(p.P("panelDifferences")), QColor(0x80, 0xFF, 0x80));
        QCOMPARE(CouleurAuCentreGauche(p.P("panelSerpentin")), QColor(0x74, 0xC6, 0xED));
        QCOMPARE(p.math.centralWidget()->palette().color(QPalette::Window), VersQColor(p.g().CouleurFondEcran));
        QVERIFY(p.A("menuDifferences")->isChecked());
        QVERIFY(!p.A("menuLabyrinthe")->isChecked());
        // Captions set when the window became active.
        QCOMPARE(p.P("panelMemoire")->Modele().Caption(), std::string("JEU DE LA MEMOIRE"));
        QCOMPARE(p.A("menuCarresMagiques")->text(), QString("CARRES MAGIQUES"));
        QCOMPARE(p.A("Quitter1")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(p.A("menuSommaire")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void choisirUnJeu()
    {
        Programme p;
        p.Jouer(Differences, 7);
        QTest::mouseClick(p.P("panelMemoire"), Qt::LeftButton);
        QVERIFY(p.f.frmChoixTableau->isVisible());
        QCOMPARE(p.g().TypeJeuChoisi, Memoire);
        QCOMPARE(p.g().TypeJeu, Differences);
        QVERIFY(p.A("menuDifferences")->isChecked());
        p.f.frmChoixTableau->hide();
        p.A("menuSerpentin")->trigger();
        QVERIFY(p.f.frmChoixTableau->isVisible());
        QCOMPARE(p.g().TypeJeuChoisi, Serpentin);
        QVERIFY(!p.A("menuSerpentin")->isChecked());   // the check mark stays on the game in play
        QVERIFY(p.A("menuDifferences")->isChecked());
    }

    void meilleursScoresSansBloquer()
    {
        Programme p;
        p.Jouer(Memoire, 3);
        QTest::mouseClick(p.P("panelDetailHighScores"), Qt::LeftButton);
        QVERIFY(p.f.frmHighScores->isVisible());
        QVERIFY(!p.f.frmHighScores->isModal());
        p.f.frmHighScores->hide();
        p.A("menuDetailHighScores")->trigger();
        QVERIFY(p.f.frmHighScores->isVisible());
        QVERIFY(p.math.isEnabled());
    }

    void minuteries()
    {
        Programme p;
        p.Jouer(Memoire, 1);
        QTimer& score = p.coeur.ports.Timer(Minuterie::Score);
        QVERIFY(score.isActive());
        QCOMPARE(score.interval(), 1000);
        QVERIFY(!p.coeur.ports.Timer(Minuterie::RefreshMemoire).isActive());
        // The clock's tick reaches the score and its panel.
        IntervalleMinuterie(p.coeur.ctx, p.k().timerScore, 1);
        QCOMPARE(score.interval(), 1);
        QTRY_VERIFY(p.g().Score < 4998);
        ArreterMinuteries(p.coeur.ctx);
        QVERIFY(!score.isActive());
        const int32_t arrete = p.g().Score;
        QTest::qWait(20);
        QCOMPARE(p.g().Score, arrete);
        ActiverMinuterie(p.coeur.ctx, p.k().timerRefreshMemoire, true);
        QVERIFY(p.coeur.ports.Timer(Minuterie::RefreshMemoire).isActive());
        QCOMPARE(p.coeur.ports.Timer(Minuterie::RefreshMemoire).interval(), 300);
    }

    void fermerLaFenetrePrincipale()
    {
        Programme p;
        p.Jouer(Labyrinthe, 1);
        QSignalSpy fin(p.f.frmSplash.get(), &TfrmSplash::fermeture);
        QVERIFY(p.coeur.ports.Timer(Minuterie::Score).isActive());
        p.math.close();
        QVERIFY(!p.k().timerScore.Enabled);
        QVERIFY(!p.coeur.ports.Timer(Minuterie::Score).isActive());
        QCOMPARE(fin.count(), 1);
        QVERIFY(p.coeur.ports.questions.empty());
    }

    void recreerLesScores()
    {
        Programme p;
        p.Jouer(Labyrinthe, 5);
        p.g().MeilleursScores(Labyrinthe, 5, 1).ValeurScore = 77777;
        AfficherMeilleursScores(p.coeur.ctx);
        p.math.RafraichirVue();
        p.coeur.ports.reponses = {true};
        p.A("menuRecreerHighScores")->trigger();
        QCOMPARE(p.coeur.ports.questions.back(),
            std::string("COGITELLE I|Etes-vous sûr de vouloir recréer les scores (vos records disparaîtront) ?"));
        QVERIFY(p.g().MeilleursScores(Labyrinthe, 5, 1).ValeurScore != 77777);
        QCOMPARE(p.P("panelPremierMeilleurScore")->Modele().Caption(),
            std::to_string(p.g().MeilleursScores(Labyrinthe, 5, 1).ValeurScore));
    }

    void couleurs()
    {
        Programme p;
        p.Jouer(Serpentin, 1);
        QColor ouverte;
        test::RepondreBoite([&ouverte](QWidget* boite) {
            auto* dialogue = qobject_cast<QColorDialog*>(boite);
            QVERIFY(dialogue);
            ouverte = dialogue->currentColor();
            dialogue->setCurrentColor(QColor(0x11, 0x22, 0x33));
            dialogue->accept();
        });
        p.A("menuCouleurFondEcran")->trigger();
        QCOMPARE(ouverte, VersQColor(CouleurFondParDefaut));
        QCOMPARE(p.math.centralWidget()->palette().color(QPalette::Window), QColor(0x11, 0x22, 0x33));
        const auto& octets = p.coeur.magasin.valeurs.at("optionCouleurFondEcran").octets;
        QCOMPARE(octets, (std::vector<uint8_t>{0x11, 0x22, 0x33, 0}));

        // Cancelled: the board keeps its colour, and the options are saved anyway.
        p.coeur.magasin.valeurs.clear();
        test::RepondreBoite([](QWidget* boite) { static_cast<QDialog*>(boite)->reject(); });
        p.A("menuCouleurTableauDeJeu")->trigger();
        QCOMPARE(p.k().panelCentral.couleur(), Couleur(0));
        QVERIFY(p.coeur.magasin.valeurs.count("optionCouleurTableauDeJeu"));
        QVERIFY(p.A("menuSerpentin")->isChecked());
    }
};

QTEST_MAIN(FenetreTest)
#include "FenetreTest.moc"
