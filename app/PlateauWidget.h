// The board panel: one widget that paints the pool of board controls from the model and routes
// the presses on cells and walls to the rules.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "session/Session.h"

namespace cogitelle {

class PlateauWidget : public QWidget {
    Q_OBJECT
public:
    // The session's rules a press reaches, given the session's context; tests may wrap them to
    // watch the routing.
    struct Routage {
        std::function<void(Contexte&, int32_t, BoutonSouris, uint32_t)> CaseMouseDown;
        std::function<void(Contexte&, TypeMur, int32_t)> MurEnfoncement;
        std::function<void(Contexte&, TypeMur, int32_t)> MurRelachement;
        std::function<void(Contexte&, int32_t)> MurDroitClique;
        std::function<void(Contexte&, int32_t)> MurBasClique;
        std::function<void(Contexte&, int32_t)> MurBasDroitClique;
    };

    explicit PlateauWidget(Session& session, QWidget* parent = nullptr);

    Routage& routage() { return routage_; }
    cogitelle::Session& session() const { return session_; }

    // A cell pressed from outside the mouse (a screen reader's action): the cursor goes there and
    // presses it with that button, as the keys do.
    void PresserCase(int32_t x, int32_t y, BoutonSouris bouton);

    // Follows the board panel's place, colour and visibility, and repaints what the rules changed.
    void Synchroniser();

    // The visible cell or wall at a point of the board, the topmost one; nullptr when none.
    const Controle* ControleA(QPoint p) const;

signals:
    // The rules ran on a press or a release: the window's view follows the model.
    void modeleModifie();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    enum class Genre : uint8_t { Case, Cadre, MurDroit, MurBas, MurBasDroit };
    struct MurTenu {
        TypeMur type;
        int32_t tag;
        const Controle* mur;
        Qt::MouseButton bouton;
    };

    int IndiceA(QPoint p) const;
    void Appuyer(QMouseEvent* e, bool doubleClic);
    void ActualiserCurseur(QPoint p);
    const QFont& Police(int points);
    const QFont& PoliceDeCase(const Controle& cellule, const QPaintDevice* appareil);

    // Tells assistive technologies what changed on the board: the cells' names, a new board, the
    // cursor's cell while the board has the focus.
    void Annoncer();

    cogitelle::Session& session_;
    Contexte& c_;
    Routage routage_;
    std::vector<Genre> genres_;   // parallel to OrdreCreation()
    std::optional<MurTenu> murTenu_;
    Controle panneauVu_;
    std::map<int, QFont> polices_;
    std::map<QString, QFont> ajustees_;
    // What assistive technologies were last told.
    std::vector<QString> textesAnnonces_;
    int32_t coteAnnonce_ = -1;
    PosCase curseurAnnonce_{};
    bool focusAnnonce_ = false;
};

} // namespace cogitelle
