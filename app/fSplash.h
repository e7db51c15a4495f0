// The start screen: the title, two small pictures and the start buttons. Closing it ends the
// program.
#pragma once

#include <QWidget>

#include "app/Ecran.h"
#include "core/Contexte.h"

namespace cogitelle {

class PanneauWidget;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    TfrmSplash(Contexte& c, const MetriquesEcran& ecran);

    PanneauWidget* PanelStartFrench() const { return french_; }
    PanneauWidget* PanelStartEnglish() const { return english_; }

signals:
    // "DEMARRER" (1) or "ENGLISH" (2) was clicked.
    void demarrage(int32_t langue);
    // The start screen has been painted for the first time.
    void premierAffichage();
    // The start screen closed: the program ends.
    void fermeture();

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    // Enter or Space: "DEMARRER".
    void keyPressEvent(QKeyEvent* e) override;

private:
    PanneauWidget* Bouton(Controle& modele, const char* nom, const Rect& design, int pixels, int32_t langue);
    QRect Echelle(const Rect& design) const;

    Contexte& c_;
    double f_;
    Controle french_m_, english_m_;
    PanneauWidget* french_ = nullptr;
    PanneauWidget* english_ = nullptr;
    bool fermee_ = false;
    bool peint_ = false;
};

} // namespace cogitelle
