#pragma once

#include <QString>
#include <array>

// The edition's languages: source suffix and output folder (code 0..3).
struct Language {
    const char* name;   // as in source file names: cas, catVal, galego, euskera
    const char* folder; // output folder, with separator
};

inline constexpr std::array<Language, 4> kLanguages = {{
    {"cas", "cas/"},
    {"catVal", "catVal/"},
    {"galego", "galego/"},
    {"euskera", "euskera/"},
}};
