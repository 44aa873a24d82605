#include "platform/cp1252.h"

#include <array>
#include <unordered_map>

namespace cp1252 {
namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const std::unordered_map<char16_t, char>& reverseHighControls()
{
    static const auto table = [] {
        std::unordered_map<char16_t, char> map;
        for (int i = 0; i < 32; ++i)
            map.emplace(kHighControls[i], static_cast<char>(0x80 + i));
        return map;
    }();
    return table;
}

} // namespace

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

QString decode(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(c)));
    return text;
}

std::string encode(QStringView text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    const auto& reverse = reverseHighControls();
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes.push_back(static_cast<char>(code));
        } else if (auto it = reverse.find(code); it != reverse.end()) {
            bytes.push_back(it->second);
        } else {
            bytes.push_back('?');
        }
    }
    return bytes;
}

} // namespace cp1252
