// The high-score viewer: the ten best scores of any game type and puzzle.
#pragma once

#include <QDialog>

#include "core/Contexte.h"

namespace cogitelle {

class TfrmHighScores : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHighScores(Contexte& c, QWidget* parent = nullptr);

private:
    Contexte& c_;
};

} // namespace cogitelle
