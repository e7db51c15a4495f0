#include "app/PortsQt.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QMessageBox>
#include <QString>
#include <QTime>

namespace cogitelle {

PortsQt::PortsQt()
{
    for (int i = 0; i < 3; ++i) {
        const auto id = static_cast<Minuterie::Id>(i);
        QObject::connect(&timers_[i], &QTimer::timeout, [this, id] {
            if (Tic)
                Tic(id);
        });
    }
}

PortsQt::~PortsQt() = default;

void PortsQt::Afficher(QMessageBox& boite)
{
    if (AvantBoite)
        AvantBoite();
    boite.exec();
}

QString PortsQt::Titre() const { return titre_ ? QString::fromStdString(*titre_) : QString(); }

void PortsQt::Message(const std::string& texte)
{
    QMessageBox boite(QMessageBox::Information, Titre(), QString::fromStdString(texte),
        QMessageBox::Ok, parent_);
    Afficher(boite);
}

bool PortsQt::Question(const std::string& titre, const std::string& texte)
{
    return QuestionOuiNon(titre, texte, "Oui", "Non");
}

bool PortsQt::QuestionOuiNon(const std::string& titre, const std::string& texte, const std::string& oui,
    const std::string& non)
{
    QMessageBox boite(QMessageBox::Question, QString::fromStdString(titre), QString::fromStdString(texte),
        QMessageBox::Yes | QMessageBox::No, parent_);
    // The first letter is the button's key: O/N in French, Y/N in English.
    boite.button(QMessageBox::Yes)->setText(QLatin1Char('&') + QString::fromStdString(oui));
    boite.button(QMessageBox::No)->setText(QLatin1Char('&') + QString::fromStdString(non));
    boite.setDefaultButton(QMessageBox::Yes);
    Afficher(boite);
    return boite.clickedButton() == boite.button(QMessageBox::Yes);
}

void PortsQt::Erreur(const std::string& texte)
{
    QMessageBox boite(QMessageBox::Critical, Titre(), QString::fromStdString(texte),
        QMessageBox::Ok, parent_);
    Afficher(boite);
}

void PortsQt::MinuterieChangee(const Minuterie& m)
{
    QTimer& t = timers_[m.id];
    // A new interval restarts a running QTimer, so it is only set when it changes.
    if (t.interval() != m.Interval)
        t.setInterval(m.Interval);
    if (!m.Enabled) {
        t.stop();
    } else if (!t.isActive() || m.Demarrages != demarragesVus_[m.id]) {
        // A start from disabled begins a whole new interval, as a fresh timer does.
        t.start();
    }
    demarragesVus_[m.id] = m.Demarrages;
}

int PortsQt::MillisecondesDuJour() { return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay(); }

} // namespace cogitelle
