// The ports of the rules on Qt: message boxes captioned with the program title, the Yes/No
// question, the error message, the three game timers and the clock.
#pragma once

#include <QPointer>
#include <QWidget>
#include <QTimer>
#include <functional>

#include "core/Ports.h"

class QMessageBox;

namespace cogitelle {

class PortsQt : public Ports {
public:
    PortsQt();
    ~PortsQt() override;

    // The program title that captions every box; it is read at each box.
    void SetTitre(const std::string& titre) { titre_ = &titre; }

    // The window the boxes are centred on.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& texte) override;
    bool Question(const std::string& titre, const std::string& texte) override;
    bool QuestionOuiNon(const std::string& titre, const std::string& texte, const std::string& oui,
        const std::string& non) override;
    void Erreur(const std::string& texte) override;
    void MinuterieChangee(const Minuterie& m) override;
    int MillisecondesDuJour() override;

    // Called at each tick of a running timer.
    std::function<void(Minuterie::Id)> Tic;
    // Called before a box opens, so the window shows the move that led to it.
    std::function<void()> AvantBoite;
    QTimer& Timer(Minuterie::Id id) { return timers_[id]; }

private:
    void Afficher(QMessageBox& boite);
    QString Titre() const;

    const std::string* titre_ = nullptr;
    QPointer<QWidget> parent_;
    QTimer timers_[3];
    uint32_t demarragesVus_[3] = {};
};

} // namespace cogitelle
