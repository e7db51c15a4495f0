// Texts between the rules (UTF-8) and the wide calls of Windows (UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace cogitelle {

std::wstring Large(std::string_view utf8);
std::string Etroit(std::wstring_view utf16);

} // namespace cogitelle
