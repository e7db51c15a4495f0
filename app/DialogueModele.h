// A dialog realised from its description: one native widget per control (a panel, a button panel,
// a radio button, an edit box, a scroll bar, a group box), placed, typed and coloured as the
// description says at the dialog's scale, in its tab order. The rules stay in the session: the
// widgets' events go to the subclass by control index, and the controls' state comes back from it.
#pragma once

#include <QDialog>
#include <vector>

#include "session/Descriptions.h"

namespace cogitelle {

class DialogueModele : public QDialog {
    Q_OBJECT
public:
    // `places`: every control's place at `facteur`, the dialog's scale.
    DialogueModele(const DescriptionFenetre& description, const std::vector<Rect>& places, double facteur,
        QWidget* parent = nullptr);

    double Facteur() const { return facteur_; }
    QWidget* Widget(int32_t indice) const { return widgets_[static_cast<size_t>(indice)]; }

protected:
    // A button panel or a radio button clicked; a scroll bar moved; a double click; an edit typed.
    virtual void Clic(int32_t indice) = 0;
    virtual void Change(int32_t indice, int32_t position) = 0;
    virtual void DoubleClic(int32_t indice) { (void)indice; }
    virtual void Edite(int32_t indice, const QString& texte)
    {
        (void)indice;
        (void)texte;
    }

    // Copies the controls' state onto the widgets, without echoing their change signals.
    void Synchroniser(const std::vector<EtatControle>& etats);
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    const DescriptionFenetre& description_;
    double facteur_;
    std::vector<QWidget*> widgets_;
};

// The type of a dialog's control at the dialog's scale.
QFont PoliceDialogue(const Police& police, double facteur);

} // namespace cogitelle
