#pragma once

#include "data/text_table.h"

#include <QString>
#include <array>

// The shared report buffers and the two report printers. A screen fills a
// buffer (line 0 the title, lines 1..n the report), lists the lines to print
// bold, asks the print dialog and calls one of the printers with n.
namespace report {

constexpr int kLastLine = 1500;
constexpr int kLineLength = 65;
// The name of every report's job in the printing system's queue.
inline const QString kJobTitle = QStringLiteral("el Trazela");

} // namespace report

// A report buffer: lines 0..1500 of at most 65 characters.
TextTable reportTable();

// The line numbers printed bold. Screens append while they fill a report; the
// report printers empty the list when they finish.
class ReportBoldLines {
public:
    static constexpr int kCapacity = 165;

    // A line past the capacity is not listed.
    void add(int line);
    bool contains(int line) const;
    int count() const { return count_; }
    void clear() { count_ = 0; }

private:
    std::array<int, kCapacity> lines_{};
    int count_ = 0;
};

enum class ReportFont { Fixed, Proportional };

QString reportFontFamily(ReportFont font);

// Portrait: lines per page for a font size (a page holds one more).
int portraitLinesPerPage(int pointSize);

// Where a report line is printed: page (1-based) and grid cell.
struct ReportPlace {
    int page = 1;
    int column = 0;
    int row = 0;
};
ReportPlace portraitPlace(int line, int linesPerPage);

// Reports this short are printed portrait in the fixed-pitch font, size 10,
// by the three-column printer.
bool threeColumnPrintsPortrait(int lineCount);

// The landscape three-column layout of a report.
struct ColumnLayout {
    ReportFont font = ReportFont::Fixed;
    int gridColumns = 150;
    int columnWidth = 50;
    int columnGap = 0;
    int rows = 0;        // lines per column
    int pages = 1;
    bool numbered = false;

    int gridRows() const { return rows + 8; }
    // The grid column where column 0..2 starts.
    int gridColumn(int column) const;
    // The number shown in the header circle of a page (0 shows none).
    int pageNumber(int page) const { return numbered ? page : 0; }
    // The report line at a row (1-based) of a column (0..2) of a page (1-based).
    int line(int page, int column, int row) const { return (page - 1) * 3 * rows + column * rows + row; }
};
ColumnLayout threeColumnLayout(int lineCount, ReportFont font);

// The report printers: lines 1..lineCount of the buffer under a header with
// the logo, the course and the title (line 0), with the print service in use.
// Lines after lineCount are cleared; the bold-line list is emptied. False when
// the printing system failed.
bool printPortraitReport(TextTable& buffer, int lineCount, ReportFont font, int pointSize);
bool printThreeColumnReport(TextTable& buffer, int lineCount, ReportFont font);
