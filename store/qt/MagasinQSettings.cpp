#include "store/qt/MagasinQSettings.h"

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <cstring>

namespace cogitelle {

namespace {
// The group plays the part of the registry key.
const QString Cle = QStringLiteral("Software/Ludivex/COGITELLE I");
}

MagasinQSettings::MagasinQSettings(const QString& cheminFichier) : chemin_(cheminFichier)
{
    if (chemin_.isEmpty())
        chemin_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Ludivex/COGITELLE I.ini");
}

MagasinQSettings::~MagasinQSettings() = default;

QString MagasinQSettings::CheminFichier() const { return chemin_; }

bool MagasinQSettings::Ouvrir(std::string&)
{
    settings_ = std::make_unique<QSettings>(chemin_, QSettings::IniFormat);
    settings_->beginGroup(Cle);
    return true;
}

void MagasinQSettings::Fermer()
{
    if (settings_)
        settings_->sync();
    settings_.reset();
}

MagasinOptions::Lecture MagasinQSettings::LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur)
{
    lus = 0;
    const QString cle = QString::fromStdString(nom);
    if (!settings_ || !settings_->contains(cle))
        return Lecture::Absent;
    const QVariant v = settings_->value(cle);
    if (v.typeId() != QMetaType::QByteArray || v.toByteArray().size() > static_cast<qsizetype>(taille)) {
        erreur = "Invalid data type for value \"" + nom + "\"";
        return Lecture::Erreur;
    }
    const QByteArray octets = v.toByteArray();
    std::memcpy(dst, octets.constData(), static_cast<size_t>(octets.size()));
    lus = static_cast<size_t>(octets.size());
    return Lecture::Ok;
}

MagasinOptions::Lecture MagasinQSettings::LireTexte(const std::string& nom, std::string& valeur, std::string& erreur)
{
    const QString cle = QString::fromStdString(nom);
    if (!settings_ || !settings_->contains(cle))
        return Lecture::Absent;
    const QVariant v = settings_->value(cle);
    if (v.typeId() != QMetaType::QString) {
        erreur = "Invalid data type for value \"" + nom + "\"";
        return Lecture::Erreur;
    }
    valeur = v.toString().toStdString();
    return Lecture::Ok;
}

bool MagasinQSettings::EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string&)
{
    settings_->setValue(QString::fromStdString(nom), QByteArray(static_cast<const char*>(src), static_cast<qsizetype>(taille)));
    return true;
}

bool MagasinQSettings::EcrireTexte(const std::string& nom, const std::string& valeur, std::string&)
{
    settings_->setValue(QString::fromStdString(nom), QString::fromStdString(valeur));
    return true;
}

} // namespace cogitelle
