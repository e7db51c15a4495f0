// The main window played from the keyboard alone: one puzzle of every game won by keys, beside
// the same presses made by the mouse in a second window; the cursor's frame and the panels' focus
// as they are painted.
#include <QMenuBar>
#include <QtTest>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/mathema.h"
#include "ProgrammeEnJeu.h"
#include "support/Solutions.h"

using namespace cogitelle;
using cogitelle::test::Coup;

namespace {

struct Programme : test::ProgrammeEnJeu {
    Programme() : ProgrammeEnJeu({800, 600, 96}, "TEST") {}

    // A game whose clock does not tick: its score moves with the presses alone.
    void JouerSansHorloge(TTypeJeu type, int32_t numero)
    {
        Jouer(type, numero);
        coeur.ports.Timer(Minuterie::Score).stop();
    }
    void Touche(Qt::Key touche, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(math.windowHandle(), touche, m);
    }
    PosCase Curseur() { return {k().Focus.x, k().Focus.y}; }
};

// The cursor taken to (x, y): the diagonals while both ways are to go, then the arrows.
void Amener(Programme& p, int32_t x, int32_t y)
{
    for (int pas = 0; pas < 40 && !(p.Curseur() == PosCase{x, y}); ++pas) {
        const int dx = (x > p.Curseur().x) - (x < p.Curseur().x), dy = (y > p.Curseur().y) - (y < p.Curseur().y);
        if (dx && dy)
            p.Touche(dx > 0 ? (dy > 0 ? Qt::Key_PageDown : Qt::Key_PageUp) : (dy > 0 ? Qt::Key_End : Qt::Key_Home));
        else
            p.Touche(dx > 0 ? Qt::Key_Right : dx < 0 ? Qt::Key_Left : dy > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
}

// A press made with the keys; `i` varies the keys that do the same.
void AuClavier(Programme& p, const Coup& c, int i)
{
    switch (c.sorte) {
    case Coup::Pas:
        if (i % 2)
            p.Touche(c.x > 0 ? Qt::Key_Right : c.x < 0 ? Qt::Key_Left : c.y > 0 ? Qt::Key_Down : Qt::Key_Up);
        else
            p.Touche(c.x > 0 ? Qt::Key_6 : c.x < 0 ? Qt::Key_4 : c.y > 0 ? Qt::Key_2 : Qt::Key_8);
        return;
    case Coup::Gauche:
        Amener(p, c.x, c.y);
        p.Touche(i % 2 ? Qt::Key_Space : Qt::Key_Return);
        return;
    case Coup::Droit:
        Amener(p, c.x, c.y);
        if (i % 2)
            p.Touche(Qt::Key_Space, Qt::ShiftModifier);
        else
            p.Touche(Qt::Key_Menu);
        return;
    case Coup::Mur:
        Amener(p, c.x, c.y);
        p.Touche(c.mur == TypeMur::Droit ? Qt::Key_Right : c.mur == TypeMur::Bas ? Qt::Key_Down : Qt::Key_PageDown,
            Qt::ShiftModifier);
        return;
    }
}

void Souris(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons)
{
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The same press made with the mouse, at the centre of its cell or wall.
void ALaSouris(Programme& p, const Coup& c)
{
    const Controle& ctl = c.sorte == Coup::Mur ? p.k().Mur(c.mur, c.x, c.y) : p.k().Cases[c.x][c.y];
    const QPoint centre = VersQRect(ctl.rect()).center();
    const Qt::MouseButton bouton = c.sorte == Coup::Droit ? Qt::RightButton : Qt::LeftButton;
    Souris(p.math.Plateau(), QEvent::MouseButtonPress, centre, bouton, bouton);
    Souris(p.math.Plateau(), QEvent::MouseButtonRelease, centre, bouton, Qt::NoButton);
}

std::string Octets(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// The 160 bytes of a puzzle's top ten in a score file.
std::string Records(Programme& p, TTypeJeu type, int32_t numero)
{
    const std::string fichier = Octets(p.coeur.session.ctx.CheminScores);
    const size_t debut = ((static_cast<size_t>(type) - 1) * 500 + static_cast<size_t>(numero) - 1) * 160;
    return fichier.size() >= debut + 160 ? fichier.substr(debut, 160) : std::string();
}

} // namespace

class ClavierTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallerSubstitutionsPolices(); }

    // One puzzle of every game won by the keys alone. The same presses by the mouse in a second
    // window give, after each, the same board and score, and at the end the same message and
    // records on disk. The maze, which the mouse does not play, ends with the record of its score.
    void chaqueJeuAuClavier()
    {
        struct Cas { TTypeJeu type; int32_t numero; };
        for (const Cas& cas : {Cas{Labyrinthe, 3}, Cas{CarreMagique, 1}, Cas{Differences, 1}, Cas{Serpentin, 1},
                 Cas{Memoire, 2}}) {
            const QByteArray trace = QByteArray::number(cas.type) + " " + QByteArray::number(cas.numero);
            Programme clavier, souris;
            clavier.JouerSansHorloge(cas.type, cas.numero);
            souris.JouerSansHorloge(cas.type, cas.numero);
            QVERIFY(QTest::qWaitForWindowExposed(&clavier.math));
            const bool aLaSouris = cas.type != Labyrinthe;
            test::Solveur solveur(clavier.g());
            int i = 0;
            while (const std::optional<Coup> coup = solveur.Suivant()) {
                QVERIFY2(++i < 500, trace);
                const int32_t avant = clavier.g().Score;
                AuClavier(clavier, *coup, i);
                // Every one of these presses costs or earns points: the keys did press.
                QVERIFY2(clavier.g().Score != avant, trace);
                if (!aLaSouris)
                    continue;
                ALaSouris(souris, *coup);
                QCOMPARE(clavier.g().Score, souris.g().Score);
                QVERIFY2(std::memcmp(clavier.g().Valeur, souris.g().Valeur, sizeof clavier.g().Valeur) == 0, trace);
                QVERIFY2(std::memcmp(clavier.g().Etat, souris.g().Etat, sizeof clavier.g().Etat) == 0, trace);
            }
            // The memory game ends at the refresh after its last group.
            QTRY_VERIFY2(clavier.g().PartieTerminee, trace);
            QCOMPARE(clavier.coeur.ports.messages.size(), size_t(1));
            const std::string& message = clavier.coeur.ports.messages.back();
            QVERIFY2(message.rfind("Fin de la partie.\n", 0) == 0, message.c_str());
            if (aLaSouris) {
                QTRY_VERIFY2(souris.g().PartieTerminee, trace);
                QCOMPARE(clavier.g().Score, souris.g().Score);
                QCOMPARE(clavier.coeur.ports.messages, souris.coeur.ports.messages);
                QCOMPARE(Records(clavier, cas.type, cas.numero), Records(souris, cas.type, cas.numero));
            }
            // A score that entered the top ten is there, under the player's name.
            const size_t place = message.find("Score Numéro ");
            if (place != std::string::npos) {
                const int32_t rang = std::stoi(message.substr(place + std::strlen("Score Numéro ")));
                const EnregistrementScore& e = clavier.g().MeilleursScores(cas.type, cas.numero, rang);
                QCOMPARE(e.ValeurScore, clavier.g().Score);
                QCOMPARE(std::string(e.NomScore, 4), std::string("TEST"));
                QCOMPARE(Records(clavier, cas.type, cas.numero).substr(static_cast<size_t>(rang - 1) * 16, 16),
                    std::string(reinterpret_cast<const char*>(&e), 16));
            } else {
                QVERIFY2(message.find("Malheureusement") != std::string::npos, message.c_str());
            }
        }
    }

    // The cursor's frame: none until a key moves it, then two rings on its cell; a press of the
    // mouse hides it. Tab shows the focus on a side panel, and Space clicks it.
    void cadreEtFocusALEcran()
    {
        Programme p;
        p.JouerSansHorloge(Memoire, 1);   // 4 x 4, no caption on the cards face down
        p.math.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.math));
        PlateauWidget* plateau = p.math.Plateau();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(plateau));
        auto pixel = [&](int x, int y, int dx) {
            const QRect r = VersQRect(p.k().Cases[x][y].rect());
            return plateau->grab().toImage().pixelColor(r.left() + dx, r.center().y());
        };
        const QColor fond12 = VersQColor(p.k().Cases[1][2].couleur());
        QCOMPARE(pixel(1, 2, 2), fond12);
        QCOMPARE(pixel(1, 2, 3), fond12);
        p.Touche(Qt::Key_Down);
        QCOMPARE(p.Curseur(), (PosCase{1, 2}));
        QCOMPARE(pixel(1, 2, 0), QColor(Qt::black));
        QCOMPARE(pixel(1, 2, 1), QColor(Qt::black));
        QCOMPARE(pixel(1, 2, 2), QColor(Qt::white));
        QCOMPARE(pixel(1, 2, 3), QColor(Qt::white));
        QCOMPARE(pixel(1, 2, 4), fond12);
        // Where the cursor was, nothing is left of it.
        QCOMPARE(pixel(1, 1, 2), VersQColor(p.k().Cases[1][1].couleur()));
        // The mouse presses a card: the card turns, the frame goes.
        Souris(plateau, QEvent::MouseButtonPress, VersQRect(p.k().Cases[3][3].rect()).center(), Qt::LeftButton,
            Qt::LeftButton);
        QCOMPARE(p.g().Score, 5000 - 3);
        QCOMPARE(pixel(1, 2, 2), fond12);
        QCOMPARE(pixel(3, 3, 2), VersQColor(p.k().Cases[3][3].couleur()));
        QCOMPARE(p.Curseur(), (PosCase{3, 3}));

        // Tab: the first game panel, a two-tone frame inside its bevel, and the widget's focus.
        PanneauWidget* labyrinthe = p.P("panelLabyrinthe");
        const QColor bleu = labyrinthe->grab().toImage().pixelColor(2, labyrinthe->height() / 2);
        p.Touche(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(labyrinthe));
        const QImage image = labyrinthe->grab().toImage();
        QCOMPARE(image.pixelColor(2, labyrinthe->height() / 2), QColor(Qt::black));
        QCOMPARE(image.pixelColor(3, labyrinthe->height() / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(4, labyrinthe->height() / 2), bleu);
        // Shift+Tab back to the board, then on to ">>", clicked by Space: the next puzzle, the
        // focus still there.
        p.Touche(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(plateau));
        QCOMPARE(labyrinthe->grab().toImage().pixelColor(2, labyrinthe->height() / 2), bleu);
        PanneauWidget* suivant = p.P("panelTableauSuivant");
        for (int i = 0; i < 20 && QApplication::focusWidget() != suivant; ++i)
            p.Touche(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(suivant));
        p.Touche(Qt::Key_Space);
        QCOMPARE(p.g().NumeroTableau, 2);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(suivant));
        // The new game's board has its cursor back on its first cell.
        QCOMPARE(p.Curseur(), (PosCase{1, 1}));
        // While the menu bar has the keyboard, the arrows are its own.
        p.math.menuBar()->setFocus(Qt::MenuBarFocusReason);
        p.Touche(Qt::Key_Right);
        QCOMPARE(p.Curseur(), (PosCase{1, 1}));
    }
};

QTEST_MAIN(ClavierTest)
#include "ClavierTest.moc"
