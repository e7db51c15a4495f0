// What assistive technologies read of the main window: the board as a table of cells named by
// what they show, the cursor's cell focused, the side panels as buttons and texts, and the events
// that tell of a move, a new score and the end of a game.
#include <QAccessible>
#include <QMessageBox>
#include <QtTest>

#include "app/PanneauDialogue.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"
#include "app/mathema.h"
#include "ProgrammeEnJeu.h"

using namespace cogitelle;

namespace {

struct Programme : test::ProgrammeEnJeu {
    Programme() : ProgrammeEnJeu({800, 600, 96}, "TEST") {}
    void Touche(Qt::Key touche, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(math.windowHandle(), touche, m);
    }
};

// The events sent to assistive technologies, as (kind, object or cell name).
struct Evenement {
    QAccessible::Event type;
    QObject* objet;
    QAccessibleInterface* interface;
};
std::vector<Evenement> evenements;

void Recevoir(QAccessibleEvent* e) { evenements.push_back({e->type(), e->object(), e->accessibleInterface()}); }

bool Recu(QAccessible::Event type, QAccessibleInterface* interface)
{
    for (const Evenement& e : evenements)
        if (e.type == type && e.interface == interface)
            return true;
    return false;
}

bool Recu(QAccessible::Event type, QObject* objet)
{
    for (const Evenement& e : evenements)
        if (e.type == type && e.objet == objet)
            return true;
    return false;
}

QString Nom(QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); }

} // namespace

class AccessibiliteTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallerSubstitutionsPolices();
        QAccessible::installUpdateHandler(Recevoir);
    }

    // The magic square as a table: its rows and cells, each cell its number and how far its
    // lines are from the sum; the cursor's cell focused, followed when the keys move it.
    void plateauEnTable()
    {
        Programme p;
        p.Jouer(CarreMagique, 5);
        p.coeur.ports.Timer(Minuterie::Score).stop();
        p.math.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.math));
        QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(p.math.Plateau());
        QVERIFY(plateau);
        QCOMPARE(plateau->role(), QAccessible::Table);
        QCOMPARE(plateau->text(QAccessible::Description), QStringLiteral("CARRE MAGIQUE, cogitelle n° 5"));
        QAccessibleTableInterface* table = plateau->tableInterface();
        QVERIFY(table);
        const GameState& g = p.g();
        const int n = g.NbColonnes;
        QCOMPARE(table->rowCount(), n);
        QCOMPARE(table->columnCount(), n);
        QCOMPARE(plateau->childCount(), n * n);
        QCOMPARE(table->rowDescription(2), QStringLiteral("ligne 3"));
        for (int ligne = 0; ligne < n; ++ligne)
            for (int colonne = 0; colonne < n; ++colonne) {
                QAccessibleInterface* cellule = table->cellAt(ligne, colonne);
                QVERIFY(cellule);
                QCOMPARE(cellule->role(), QAccessible::Cell);
                QCOMPARE(cellule->text(QAccessible::Name), QString::number(g.Valeur[colonne + 1][ligne + 1]));
                QVERIFY(cellule->text(QAccessible::Description).startsWith(QStringLiteral("ligne ")));
                QCOMPARE(plateau->child(ligne * n + colonne), cellule);
                QCOMPARE(plateau->indexOfChild(cellule), ligne * n + colonne);
                QCOMPARE(cellule->parent(), plateau);
                QCOMPARE(cellule->tableCellInterface()->rowIndex(), ligne);
                const QRect r = VersQRect(p.k().Cases[colonne + 1][ligne + 1].rect());
                QCOMPARE(cellule->rect(), QRect(p.math.Plateau()->mapToGlobal(r.topLeft()), r.size()));
                QCOMPARE(plateau->childAt(cellule->rect().center().x(), cellule->rect().center().y()), cellule);
            }

        // The board has the focus: its focused child is the cursor's cell, which follows the keys.
        QCOMPARE(plateau->focusChild(), table->cellAt(0, 0));
        QVERIFY(table->cellAt(0, 0)->state().focused);
        p.Touche(Qt::Key_Right);
        QAccessibleInterface* deux = table->cellAt(0, 1);
        QCOMPARE(plateau->focusChild(), deux);
        QVERIFY(deux->state().focused);
        QVERIFY(!table->cellAt(0, 0)->state().focused);
        QCOMPARE(table->selectedCells(), QList<QAccessibleInterface*>{deux});
        // A swap by the keys: the cells read their new numbers; the score its new value.
        const QString avant = deux->text(QAccessible::Name);
        p.Touche(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), avant);
        QCOMPARE(Nom(p.P("panelScoreMixte")), QString::number(g.Score));
        QCOMPARE(g.Score, 5000 - 10);
        // On a side panel, the board has no focused cell.
        p.Touche(Qt::Key_Tab);
        QVERIFY(!plateau->focusChild());
        QVERIFY(QAccessible::queryAccessibleInterface(p.P("panelLabyrinthe"))->state().focused);
    }

    // The side panels: buttons with their captions that a screen reader can press, the texts,
    // the dialogs' painted buttons.
    void panneaux()
    {
        Programme p;
        p.Jouer(Memoire, 1);
        p.coeur.ports.Timer(Minuterie::Score).stop();
        QAccessibleInterface* regles = QAccessible::queryAccessibleInterface(p.P("panelReglesDuJeu"));
        QCOMPARE(regles->role(), QAccessible::Button);
        QCOMPARE(regles->text(QAccessible::Name), QStringLiteral("Règles"));
        QVERIFY(regles->state().focusable);
        regles->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(p.k().lblInfos.Caption(), p.g().TextesRegles[Memoire]);
        QAccessibleInterface* info = QAccessible::queryAccessibleInterface(p.P("lblInfos"));
        QCOMPARE(info->role(), QAccessible::StaticText);
        QCOMPARE(info->text(QAccessible::Name), QString::fromStdString(p.g().TextesRegles[Memoire]));
        QCOMPARE(QAccessible::queryAccessibleInterface(p.P("panelScoreMixte"))->role(), QAccessible::StaticText);
        QCOMPARE(QAccessible::queryAccessibleInterface(p.P("superPanelJeux"))->role(), QAccessible::Pane);
        QCOMPARE(Nom(p.P("panelMemoire")), QStringLiteral("JEU DE LA MEMOIRE"));
        // "<<" is disabled at puzzle 1: no action to press.
        QVERIFY(QAccessible::queryAccessibleInterface(p.P("panelTableauPrecedent"))
                    ->actionInterface()
                    ->actionNames()
                    .isEmpty());

        // A card pressed by a screen reader's action, as Space presses it: turned, paid, told of.
        QAccessibleInterface* carte = QAccessible::queryAccessibleInterface(p.math.Plateau())->tableInterface()->cellAt(2, 1);
        QCOMPARE(carte->text(QAccessible::Name), QStringLiteral("cachée"));
        carte->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(p.g().Score, 5000 - 3);
        QCOMPARE(carte->text(QAccessible::Name), QString::number(p.g().Valeur[2][3]));
        QCOMPARE((PosCase{p.k().Focus.x, p.k().Focus.y}), (PosCase{2, 3}));

    }

    // The events that tell assistive technologies of a change: a cursor's move, a swap, a new
    // score, a new text, the end of a game's message. They flow only while a technology listens
    // (on Linux, AT-SPI): scripts/atspi-tests runs this test so.
    void evenementsAuxTechnologies()
    {
        if (!QAccessible::isActive())
            QSKIP("no assistive technology listens on this platform; scripts/atspi-tests runs this under AT-SPI");
        Programme p;
        p.Jouer(CarreMagique, 5);
        p.coeur.ports.Timer(Minuterie::Score).stop();
        p.math.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.math));
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(p.math.Plateau())->tableInterface();
        evenements.clear();
        p.Touche(Qt::Key_Right);
        QVERIFY(Recu(QAccessible::Focus, table->cellAt(0, 1)));
        evenements.clear();
        p.Touche(Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(Recu(QAccessible::NameChanged, table->cellAt(0, 0)));
        QVERIFY(Recu(QAccessible::NameChanged, table->cellAt(0, 1)));
        QVERIFY(Recu(QAccessible::NameChanged, p.P("panelScoreMixte")));
        evenements.clear();
        QAccessible::queryAccessibleInterface(p.P("panelReglesDuJeu"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(Recu(QAccessible::NameChanged, p.P("lblInfos")));

        // The end of a game is a message box: an alert, with its text.
        PortsQt ports;
        const std::string titre = "COGITELLE I";
        ports.SetTitre(titre);
        evenements.clear();
        QString lu;
        test::RepondreBoite([&lu](QWidget* boite) {
            for (const Evenement& e : evenements)
                if (e.type == QAccessible::Alert && e.objet == boite)
                    lu = QAccessible::queryAccessibleInterface(boite)->text(QAccessible::Name) +
                        qobject_cast<QMessageBox*>(boite)->text();
            boite->close();
        });
        ports.Message("Fin de la partie.\nBravo TEST ! Vous entrez dans les 10 meilleurs scores !");
        QVERIFY2(lu.contains(QStringLiteral("Fin de la partie.")), qPrintable(lu));
    }
};

QTEST_MAIN(AccessibiliteTest)
#include "AccessibiliteTest.moc"
