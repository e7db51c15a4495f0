#include "app/Accessibilite.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>

#include "app/PanneauDialogue.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "app/PlateauWidget.h"

namespace cogitelle {

namespace {

constexpr int CotesMax = 14;

class PlateauAccessible;

// One cell of the board. It has no object of its own: it reads the game through the board's
// widget each time it is asked, so it stays right across moves and new games.
class CaseAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    CaseAccessible(PlateauWidget* plateau, int x, int y) : plateau_(plateau), x_(x), y_(y) {}

    bool isValid() const override { return plateau_ && x_ <= Cote() && y_ <= Cote(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return plateau_ ? plateau_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(plateau_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const TexteCase texte = Dire();
        switch (t) {
        case QAccessible::Name: return QString::fromStdString(texte.nom);
        case QAccessible::Description: return QString::fromStdString(texte.etat);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = VersQRect(plateau_->session().controles.Cases[x_][y_].rect());
        return QRect(plateau_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        if (!isValid())
            return s;
        const FocusClavier& f = plateau_->session().controles.Focus;
        const bool curseur = !f.panneau && f.x == x_ && f.y == y_;
        s.focused = curseur && plateau_->hasFocus();
        s.selected = curseur;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // The cell in its table.
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return x_ - 1; }
    int rowIndex() const override { return y_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Pressed as the keys press it: the left button, or the right one for its menu action.
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString& action) override
    {
        if (!isValid())
            return;
        if (action == pressAction())
            plateau_->PresserCase(x_, y_, BoutonSouris::Gauche);
        else if (action == showMenuAction())
            plateau_->PresserCase(x_, y_, BoutonSouris::Droit);
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space")};
        if (action == showMenuAction())
            return {QStringLiteral("Shift+Space")};
        return {};
    }

private:
    int Cote() const
    {
        return plateau_->isVisible() ? CotePlateauLu(plateau_->session().etat) : 0;
    }
    TexteCase Dire() const { return DireCase(plateau_->session().etat, x_, y_); }

    QPointer<PlateauWidget> plateau_;
    int x_, y_;
};

// The board: a table of n rows of n cells, row y holding the cells (1, y) to (n, y).
class PlateauAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit PlateauAccessible(PlateauWidget* w) : QAccessibleWidget(w, QAccessible::Table) {}
    ~PlateauAccessible() override
    {
        for (QAccessible::Id id : ids_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    PlateauWidget* Plateau() const { return static_cast<PlateauWidget*>(widget()); }
    int Cote() const
    {
        return Plateau()->isVisible() ? CotePlateauLu(Plateau()->session().etat) : 0;
    }
    QAccessibleInterface* Case(int x, int y) const
    {
        if (x < 1 || y < 1 || x > Cote() || y > Cote())
            return nullptr;
        QAccessible::Id& id = ids_[static_cast<size_t>((x - 1) * CotesMax + (y - 1))];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new CaseAccessible(Plateau(), x, y));
        return QAccessible::accessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString::fromUtf8(NomPlateauLu);
        if (t == QAccessible::Description)
            return QString::fromStdString(DecrirePlateau(Plateau()->session().etat));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }
    int childCount() const override { return Cote() * Cote(); }
    QAccessibleInterface* child(int i) const override
    {
        const int n = Cote();
        return i < 0 || i >= n * n ? nullptr : Case(i % n + 1, i / n + 1);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override
    {
        const QAccessibleTableCellInterface* cellule =
            enfant ? const_cast<QAccessibleInterface*>(enfant)->tableCellInterface() : nullptr;
        if (!cellule || cellule->table() != this)
            return -1;
        return cellule->rowIndex() * Cote() + cellule->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const Controle* c = Plateau()->ControleA(Plateau()->mapFromGlobal(QPoint(x, y)));
        const Controles& k = Plateau()->session().controles;
        for (int cx = 1; c && cx <= Cote(); ++cx)
            for (int cy = 1; cy <= Cote(); ++cy)
                if (&k.Cases[cx][cy] == c)
                    return Case(cx, cy);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const FocusClavier& f = Plateau()->session().controles.Focus;
        return Plateau()->hasFocus() && !f.panneau ? Case(f.x, f.y) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int ligne, int colonne) const override { return Case(colonne + 1, ligne + 1); }
    // The cursor's cell is the one selected.
    int selectedCellCount() const override { return Selection().size(); }
    QList<QAccessibleInterface*> selectedCells() const override { return Selection(); }
    QString columnDescription(int colonne) const override { return QString::fromStdString(NomColonneLue(colonne + 1)); }
    QString rowDescription(int ligne) const override { return QString::fromStdString(NomLigneLue(ligne + 1)); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Cote(); }
    int rowCount() const override { return Cote(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QList<QAccessibleInterface*> Selection() const
    {
        const FocusClavier& f = Plateau()->session().controles.Focus;
        QAccessibleInterface* c = f.panneau ? nullptr : Case(f.x, f.y);
        return c ? QList<QAccessibleInterface*>{c} : QList<QAccessibleInterface*>{};
    }

    mutable std::array<QAccessible::Id, CotesMax * CotesMax> ids_{};
};

// A painted panel: a button where it can be clicked, a text where it only shows one (the label
// is the information text), a pane where it only holds others.
template <class W>
class PanneauAccessible : public QAccessibleWidget {
public:
    explicit PanneauAccessible(W* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override
    {
        auto* w = static_cast<W*>(widget());
        if (Bouton(w))
            return QAccessible::Button;
        return widget()->findChild<W*>(QString(), Qt::FindDirectChildrenOnly) ? QAccessible::Pane
                                                                                : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Legende(static_cast<W*>(widget()));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::Button)
            s.focusable = true;
        return s;
    }
    QStringList actionNames() const override
    {
        if (role() == QAccessible::Button && widget()->isEnabled())
            return {pressAction()};
        return QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (role() == QAccessible::Button && action == pressAction() && widget()->isEnabled())
            static_cast<W*>(widget())->Cliquer();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    static QString Legende(PanneauWidget* w) { return QString::fromStdString(w->Modele().Caption()); }
    static QString Legende(PanneauDialogue* w) { return w->Caption(); }
    static bool Bouton(PanneauWidget* w) { return w->EstCliquable(); }
    static bool Bouton(PanneauDialogue* w) { return w->EstBouton(); }
};

QAccessibleInterface* Fabrique(const QString&, QObject* objet)
{
    if (auto* plateau = qobject_cast<PlateauWidget*>(objet))
        return new PlateauAccessible(plateau);
    if (auto* panneau = qobject_cast<PanneauWidget*>(objet))
        // An outline shape shows nothing to read.
        return panneau->Modele().sorte() == Sorte::Cadre ? nullptr : new PanneauAccessible<PanneauWidget>(panneau);
    if (auto* panneau = qobject_cast<PanneauDialogue*>(objet))
        return new PanneauAccessible<PanneauDialogue>(panneau);
    return nullptr;
}

} // namespace

void InstallerAccessibilite()
{
    static bool installee = false;
    if (installee)
        return;
    installee = true;
    QAccessible::installFactory(Fabrique);
}

QAccessibleInterface* InterfaceCase(PlateauWidget* plateau, int x, int y)
{
    auto* table = dynamic_cast<PlateauAccessible*>(QAccessible::queryAccessibleInterface(plateau));
    return table ? table->Case(x, y) : nullptr;
}

} // namespace cogitelle
