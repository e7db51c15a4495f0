// A whole session for the widget tests: settings in memory, a private score file, and Qt ports
// whose boxes are recorded and answered instead of shown.
#pragma once

#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/PortsQt.h"
#include "core/Contexte.h"
#include "session/Session.h"
#include "store/MagasinOptions.h"
#include "support/Banc.h"

namespace cogitelle::test {

class PortsQtEnregistres : public BoitesEnregistrees<PortsQt> {
public:
    using BoitesEnregistrees<PortsQt>::BoitesEnregistrees;
    void Erreur(const std::string& texte) override { this->messages.push_back("erreur: " + texte); }
};

// Ports: PortsQt for real boxes, PortsQtEnregistres for recorded ones.
template <class P = PortsQtEnregistres>
struct CoeurQt {
    CoeurQt() { ports.SetTitre(session.etat.Titre); }
    P ports;
    MagasinMemoire magasin;
    QTemporaryDir dossier;
    Session session{ports, magasin, dossier.filePath("scoresI").toStdString()};
    Contexte& ctx = session.ctx;

    GameState& g() { return session.etat; }
    Controles& k() { return session.controles; }
};

} // namespace cogitelle::test

#include <QApplication>
#include <QTimer>
#include <functional>

namespace cogitelle::test {

// Answers the next modal window (a message box, the colour dialog) as soon as it opens:
// `reponse` receives it and closes it.
inline void RepondreBoite(std::function<void(QWidget*)> reponse)
{
    auto* attente = new QTimer;
    attente->setInterval(5);
    QObject::connect(attente, &QTimer::timeout, [attente, reponse] {
        QWidget* boite = QApplication::activeModalWidget();
        if (!boite)
            return;
        attente->stop();
        attente->deleteLater();
        reponse(boite);
    });
    attente->start();
}

} // namespace cogitelle::test
