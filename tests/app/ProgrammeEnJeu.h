// The program as main() builds it, on a given screen, for the tests that play a game in the main
// window: "DEMARRER" clicked, then a puzzle confirmed as the chooser confirms it.
#pragma once

#include <QAction>
#include <QtTest>
#include <string>

#include "app/Fenetres.h"
#include "app/PanneauWidget.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "app/mathema.h"
#include "support/CoeurQt.h"

namespace cogitelle::test {

struct ProgrammeEnJeu {
    ProgrammeEnJeu(const MetriquesEcran& ecran, std::string joueur)
        : f(coeur.session, coeur.ports, ecran), joueur_(std::move(joueur))
    {
    }

    CoeurQt<> coeur;
    Fenetres f;
    TfrmMath& math = *f.frmMath;

    GameState& g() { return coeur.g(); }
    Controles& k() { return coeur.k(); }
    PanneauWidget* P(const char* nom) { return math.findChild<PanneauWidget*>(nom); }
    QAction* A(const char* nom) { return math.findChild<QAction*>(nom); }

    void Jouer(TTypeJeu type, int32_t numero)
    {
        if (math.isHidden()) {
            QTest::mouseClick(f.frmSplash->PanelStartFrench(), Qt::LeftButton);
            QTRY_VERIFY(!math.isEnabled());
        }
        g().TypeJeu = type;
        g().NumeroTableau = numero;
        g().NomJoueur = joueur_;
        f.frmChoixTableau->hide();
        coeur.session.Principale().Enabled = true;
        math.setEnabled(true);
        math.DemarrerPartie();
    }

private:
    std::string joueur_;
};

} // namespace cogitelle::test
