#pragma once

#include "data/load_context.h"
#include "data/text_table.h"

#include <QString>
#include <string_view>

// The interface texts of the language in use: line N of the language's
// "textos" file in slot N. Every use of a line is cut to that line's maximum.
class UiText {
public:
    static constexpr int kLines = 1100;
    static constexpr int kSlotSize = 75;

    // Blanks are removed from the end of each line; leading blanks stay.
    bool load(const LoadContext& ctx, const QString& path);

    // Line n cut to its maximum, as stored bytes and decoded for display.
    std::string_view bytes(int n) const;
    QString operator[](int n) const;

    int count() const { return table_.count; }
    const std::string& path() const { return table_[0]; }

    // The most characters line n may show (75 for lines never shown).
    static int maximum(int n);

private:
    TextTable table_{kSlotSize, kLines + 1};
};
