#include "store/qt/MagasinQSettings.h"

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <cstring>

namespace cogitelle {

namespace {
const std::string CleFermee = "la clé n'est pas ouverte";
const std::string TypeInvalide = "le type de données n'est pas valide";
}

MagasinQSettings::MagasinQSettings(const QString& cheminFichier) : chemin_(cheminFichier)
{
    if (chemin_.isEmpty())
        chemin_ = CheminParDefaut();
}

MagasinQSettings::~MagasinQSettings() = default;

QString MagasinQSettings::CheminParDefaut()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/Ludivex/COGITELLE I.ini");
}

QString MagasinQSettings::CheminFichier() const { return chemin_; }

bool MagasinQSettings::Ouvrir(std::string& erreur)
{
    settings_ = std::make_unique<QSettings>(chemin_, QSettings::IniFormat);
    modifie_ = false;
    if (settings_->status() == QSettings::AccessError) {
        erreur = "le fichier « " + chemin_.toStdString() + " » ne peut pas être lu";
        settings_.reset();
        return false;
    }
    return true;
}

bool MagasinQSettings::Fermer(std::string& erreur)
{
    if (!settings_)
        return true;
    bool ok = true;
    if (modifie_) {
        settings_->sync();
        if (settings_->status() != QSettings::NoError) {
            erreur = "le fichier « " + chemin_.toStdString() + " » ne peut pas être écrit";
            ok = false;
        }
    }
    settings_.reset();
    modifie_ = false;
    return ok;
}

MagasinOptions::Lecture MagasinQSettings::LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur)
{
    lus = 0;
    if (!settings_) {
        erreur = CleFermee;
        return Lecture::Erreur;
    }
    const QString cle = QString::fromStdString(nom);
    if (!settings_->contains(cle))
        return Lecture::Absent;
    const QVariant v = settings_->value(cle);
    if (v.typeId() != QMetaType::QByteArray || v.toByteArray().size() > static_cast<qsizetype>(taille)) {
        erreur = TypeInvalide;
        return Lecture::Erreur;
    }
    const QByteArray octets = v.toByteArray();
    if (!octets.isEmpty())
        std::memcpy(dst, octets.constData(), static_cast<size_t>(octets.size()));
    lus = static_cast<size_t>(octets.size());
    return Lecture::Ok;
}

MagasinOptions::Lecture MagasinQSettings::LireTexte(const std::string& nom, std::string& valeur, std::string& erreur)
{
    if (!settings_) {
        erreur = CleFermee;
        return Lecture::Erreur;
    }
    const QString cle = QString::fromStdString(nom);
    if (!settings_->contains(cle))
        return Lecture::Absent;
    const QVariant v = settings_->value(cle);
    if (v.typeId() != QMetaType::QString) {
        erreur = TypeInvalide;
        return Lecture::Erreur;
    }
    valeur = v.toString().toStdString();
    return Lecture::Ok;
}

bool MagasinQSettings::EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur)
{
    if (!settings_) {
        erreur = CleFermee;
        return false;
    }
    settings_->setValue(QString::fromStdString(nom), QByteArray(static_cast<const char*>(src), static_cast<qsizetype>(taille)));
    modifie_ = true;
    return true;
}

bool MagasinQSettings::EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur)
{
    if (!settings_) {
        erreur = CleFermee;
        return false;
    }
    settings_->setValue(QString::fromStdString(nom), QString::fromStdString(valeur));
    modifie_ = true;
    return true;
}

} // namespace cogitelle
