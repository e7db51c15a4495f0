// One control of a window drawn from the controls model: a panel, a label or an outline shape.
// It follows its model at each Synchroniser; a clickable one reports press, release and click.
#pragma once

#include <QWidget>
#include <string>

#include "core/Controles.h"

namespace cogitelle {

class PanneauWidget : public QWidget {
    Q_OBJECT
public:
    // policeTimes: "Times New Roman" rather than the window's font.
    PanneauWidget(const Controle& modele, bool policeTimes, QWidget* parent);

    const Controle& Modele() const { return modele_; }
    void SetCliquable(bool cliquable) { cliquable_ = cliquable; }
    bool EstCliquable() const { return cliquable_; }
    // A click from outside the mouse (a screen reader's action).
    void Cliquer()
    {
        if (cliquable_ && isEnabled())
            emit clique();
    }

    // Place, visibility, enabled state and cursor from the model; a repaint when the look changed.
    void Synchroniser();

signals:
    void enfonce();   // a mouse button went down on it
    void relache();   // that button went up
    void clique();    // the left button went up inside it

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    const Controle& modele_;
    Controle vu_;   // the look last painted
    std::string legendeAnnoncee_;   // the caption assistive technologies last heard of
    bool policeTimes_;
    bool cliquable_ = false;
    Qt::MouseButton boutonTenu_ = Qt::NoButton;
};

} // namespace cogitelle
