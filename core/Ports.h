// What the rules ask of the outside world: message boxes, questions, timers and the clock.
#pragma once

#include <string>

#include "core/Controles.h"

namespace cogitelle {

class Ports {
public:
    virtual ~Ports() = default;
    // An information box with an OK button, captioned with the program title.
    virtual void Message(const std::string& texte) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Question(const std::string& titre, const std::string& texte) = 0;
    // The same question with its two buttons named in the player's language (the quit box). A
    // front end without its own names for them asks Question.
    virtual bool QuestionOuiNon(const std::string& titre, const std::string& texte, const std::string& oui,
        const std::string& non)
    {
        (void)oui;
        (void)non;
        return Question(titre, texte);
    }
    // The program's general error message for a failed settings or file operation.
    virtual void Erreur(const std::string& texte) = 0;
    // A timer of the model was started or stopped, or its interval changed.
    virtual void MinuterieChangee(const Minuterie&) {}
    // Milliseconds since midnight UTC, for the random choice of a puzzle.
    virtual int MillisecondesDuJour();
};

} // namespace cogitelle
