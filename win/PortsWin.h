// The ports of the rules on Windows: message boxes captioned with the program title, the Yes/No
// question with its buttons named in the player's language, the error message, the three game
// timers on SetTimer, and the clock.
#pragma once

#include "win/Windows.h"

#include <functional>
#include <string>

#include "core/Ports.h"

namespace cogitelle {

class PortsWin : public Ports {
public:
    PortsWin();
    ~PortsWin() override;
    PortsWin(const PortsWin&) = delete;
    PortsWin& operator=(const PortsWin&) = delete;

    // The program title that captions every box; it is read at each box.
    void SetTitre(const std::string& titre) { titre_ = &titre; }
    // The window the boxes belong to (they block it while they are open).
    void SetProprietaire(HWND fenetre) { proprietaire_ = fenetre; }

    void Message(const std::string& texte) override;
    bool Question(const std::string& titre, const std::string& texte) override;
    bool QuestionOuiNon(const std::string& titre, const std::string& texte, const std::string& oui,
        const std::string& non) override;
    void Erreur(const std::string& texte) override;
    void MinuterieChangee(const Minuterie& m) override;
    int MillisecondesDuJour() override;

    // Called at each tick of a running timer.
    std::function<void(Minuterie::Id)> Tic;
    // Called before a box opens, so the windows show the move that led to it.
    std::function<void()> AvantBoite;

    // Whether a timer runs, and its interval (tests read them).
    bool Actif(Minuterie::Id id) const { return actifs_[id]; }
    UINT Intervalle(Minuterie::Id id) const { return intervalles_[id]; }

private:
    static LRESULT CALLBACK Procedure(HWND fenetre, UINT message, WPARAM w, LPARAM l);
    int Boite(const std::string& texte, const std::string& titre, UINT style, const wchar_t* oui = nullptr,
        const wchar_t* non = nullptr);

    const std::string* titre_ = nullptr;
    HWND proprietaire_ = nullptr;
    HWND horloge_ = nullptr;   // a message-only window that receives the timers
    bool actifs_[3] = {};
    UINT intervalles_[3] = {};
    uint32_t demarragesVus_[3] = {};
};

} // namespace cogitelle
