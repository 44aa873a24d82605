#pragma once

#include <QString>
#include <string>
#include <string_view>

// Windows-1252, the encoding of every data file. Tables keep the file bytes;
// these functions convert at the display boundary only.
namespace cp1252 {

// The Unicode character of one Windows-1252 byte. The five bytes that the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of
// the same value, so every byte round-trips.
char16_t toUnicode(unsigned char byte);

QString decode(std::string_view bytes);

// Characters outside the code page become '?'.
std::string encode(QStringView text);

} // namespace cp1252
