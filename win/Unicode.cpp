#include "win/Unicode.h"

#include "store/Cp1252.h"

namespace cogitelle {

std::wstring Large(std::string_view utf8)
{
    const std::u16string s = Utf8VersUtf16(std::string(utf8));
    return std::wstring(s.begin(), s.end());
}

std::string Etroit(std::wstring_view utf16) { return Utf16VersUtf8(std::u16string(utf16.begin(), utf16.end())); }

} // namespace cogitelle
