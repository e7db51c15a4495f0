// A panel of the dialogs: a coloured box with a raised bevel and a centred caption. Some serve as
// buttons: up-arrow cursor, lowered while a mouse button is held on them (as the main window's
// panels), a click on the left button's release, once per double click; the Tab key reaches them
// and Space or Enter clicks the one that has the focus.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

#include "session/Descriptions.h"
#include "session/Entrees.h"

class QScrollBar;

namespace cogitelle {

class PanneauDialogue : public QWidget {
    Q_OBJECT
public:
    PanneauDialogue(QWidget* parent, const QString& nom, const QColor& couleur, const QString& caption = QString());

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QColor Couleur() const { return couleur_; }
    int LargeurBiseau() const { return largeurBiseau_; }
    void SetLargeurBiseau(int largeur);
    // True while the panel looks pressed.
    bool Enfonce() const { return enfonce_; }
    // Makes the panel a button that calls `clic` on a left click.
    void SetBouton(std::function<void()> clic);
    bool EstBouton() const { return static_cast<bool>(clic_); }
    // A click from outside the mouse (a screen reader's action).
    void Cliquer()
    {
        if (clic_ && isEnabled())
            clic_();
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QString caption_;
    QColor couleur_;
    int largeurBiseau_ = 1;
    bool enfonce_ = false;
    Qt::MouseButton boutonTenu_ = Qt::NoButton;
    std::function<void()> clic_;
};

// The factor of a dialog designed at largeur x hauteur on the primary screen: the smaller screen
// factor, and no more than keeps the dialog and its title bar inside the screen's free area.
double FacteurDialogueEcran(double fx, double fy, int largeur, int hauteur);

// A font by family with fallbacks for systems without it, at a character height in pixels.
QFont PoliceDialogue(const QString& famille, int hauteurPixels, bool gras = false);

// The dialogs' parts drawn at their factor.
struct EchelleDialogue {
    double f;
    // Scroll bars, their arrows and the radio buttons' dots drawn at the dialog's scale.
    void Styler(QWidget* w) const;
};

// Centres a window on the screen of `reference` (or on its own screen when there is none).
void CentrerSurEcran(QWidget* fenetre, QWidget* reference);

// The scroll bars' move for a key of the toolkit: the arrows, the pages, Home and End; none for
// any other key.
std::optional<ToucheDefilement> ToucheDefilementDe(int cle);

// Enter, Escape or Space for a key of the toolkit; none for any other key.
std::optional<ToucheFenetre> ToucheFenetreDe(int cle);

} // namespace cogitelle
