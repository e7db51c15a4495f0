// The start screen, painted from its model: the title, two small pictures and the start buttons.
// Closing it ends the program.
#pragma once

#include <QWidget>

#include "app/Ecran.h"
#include "session/Session.h"

namespace cogitelle {

class PanneauWidget;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    TfrmSplash(Session& session, const MetriquesEcran& ecran);

    PanneauWidget* PanelStartFrench() const { return boutons_[1]; }
    PanneauWidget* PanelStartEnglish() const { return boutons_[2]; }

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
    EcranDemarrage& modele_;
    PanneauWidget* boutons_[EcranDemarrage::NbBoutons + 1] = {};
    bool fermee_ = false;
    bool peint_ = false;
};

} // namespace cogitelle
