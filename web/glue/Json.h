// A small JSON writer for the texts the page reads: objects, arrays, numbers and UTF-8 strings.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace cogitelle {

class Json {
public:
    Json& Objet() { Valeur(); s_ += '{'; pile_.push_back(true); premier_ = true; return *this; }
    Json& Tableau() { Valeur(); s_ += '['; pile_.push_back(false); premier_ = true; return *this; }
    Json& Fin()
    {
        s_ += pile_.back() ? '}' : ']';
        pile_.pop_back();
        premier_ = false;
        return *this;
    }
    Json& Cle(std::string_view cle)
    {
        if (!premier_)
            s_ += ',';
        Chaine(cle);
        s_ += ':';
        apresCle_ = true;
        return *this;
    }
    Json& Entier(int64_t v) { Valeur(); s_ += std::to_string(v); return *this; }
    Json& Reel(double v)
    {
        Valeur();
        char t[32];
        std::snprintf(t, sizeof t, "%.17g", v);
        s_ += t;
        return *this;
    }
    Json& Texte(std::string_view v) { Valeur(); Chaine(v); return *this; }
    const std::string& Texte() const { return s_; }

private:
    void Valeur()
    {
        if (apresCle_)
            apresCle_ = false;
        else if (!premier_)
            s_ += ',';
        premier_ = false;
    }
    void Chaine(std::string_view v)
    {
        s_ += '"';
        for (const char ch : v) {
            const auto c = static_cast<unsigned char>(ch);
            if (c == '"' || c == '\\') {
                s_ += '\\';
                s_ += ch;
            } else if (c == '\n') {
                s_ += "\\n";
            } else if (c < 0x20) {
                char t[8];
                std::snprintf(t, sizeof t, "\\u%04x", c);
                s_ += t;
            } else {
                s_ += ch;
            }
        }
        s_ += '"';
    }
    std::string s_;
    std::vector<bool> pile_;
    bool premier_ = true;
    bool apresCle_ = false;
};

} // namespace cogitelle
