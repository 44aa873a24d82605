#include "university/place_printout.h"

#include "data/data_store.h"
#include "university/degree_lines.h"

namespace {

constexpr int kCellWidth = 55;
constexpr int kMarkWidth = 4;
constexpr int kPrintedCellWidth = 50;

std::string bytes(const QByteArray& text)
{
    return std::string(text.constData(), static_cast<size_t>(text.size()));
}

} // namespace

GridRow placeGridRow(const QByteArray& line)
{
    return {line.left(kCellWidth), ' ' + line.right(kMarkWidth)};
}

PlacePrintout composePlacePrintout(const DataStore& store, int place, const QList<PlaceDegreeLine>& lines)
{
    PlacePrintout printout;
    printout.title = std::string(store.uiText.bytes(289)) + ": " + std::string(text::trimRight(store.lugar.names[place]));
    printout.lines.push_back("    " + std::string(store.uiText.bytes(48)) + std::string(24, ' ') +
                             std::string(store.uiText.bytes(296)));
    printout.boldLines.push_back(1);
    for (const PlaceDegreeLine& line : lines) {
        const GridRow row = placeGridRow(line.text);
        std::string printed = degree_lines::fixedWidth(bytes(row.cell0), kPrintedCellWidth);
        printed += bytes(row.cell1);
        if (printed.rfind('-', 0) == 0 || printed.rfind("   ", 0) == 0)
            printout.boldLines.push_back(static_cast<int>(printout.lines.size()) + 1);
        printout.lines.push_back(std::move(printed));
    }
    return printout;
}
