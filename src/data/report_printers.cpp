#include "data/report_printers.h"

#include "data/data_store.h"
#include "platform/cp1252.h"
#include "platform/hard_copy.h"
#include "platform/print_service.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kPortraitGridColumns = 50;
constexpr int kLineColumn = 5;
constexpr int kFirstRow = 5;
constexpr int kColumnPointSize = 8;
constexpr int kPortraitFallbackSize = 10;
constexpr int kSinglePageLines = 150;
constexpr int kChunkLines = 50;

int roundedUpQuotient(int a, int b)
{
    return (a + b - 1) / b;
}

// What every header shows beside the report's title.
struct Header {
    const QImage& logo;
    QString course;
};

Header storeHeader(const DataStore& store)
{
    return {store.pictures.chica, store.uiText[175]};
}

void useFont(HardCopy& canvas, const QString& family, int pointSize, bool bold)
{
    QFont font(family);
    font.setPointSize(pointSize);
    font.setBold(bold);
    canvas.painter().setFont(font);
}

void setFontSize(HardCopy& canvas, int pointSize)
{
    QFont font = canvas.painter().font();
    font.setPointSize(pointSize);
    canvas.painter().setFont(font);
}

// The frame, the logo and the course, right-aligned 0.05 inch inside the
// frame's right edge. Leaves the font bold.
void drawFramedHeader(HardCopy& canvas, const Header& header, double right)
{
    QFont font = canvas.painter().font();
    font.setBold(true);
    canvas.painter().setFont(font);
    canvas.painter().setBrush(Qt::white);
    canvas.rectangle(0.5, 0.1, right, 0.8);
    canvas.stretchPicture(canvas.rectangleValue(0.6, 0.13, 0.95, 0.68), header.logo);
    setFontSize(canvas, 10);
    canvas.moveTo(right - 0.05, 0.2);
    canvas.textRightAligned(header.course);
    canvas.moveTo(right - 0.05, 0.5);
    canvas.textRightAligned(QStringLiteral("2016/17"));
}

void drawPortraitHeader(HardCopy& canvas, const Header& header, const std::string& title)
{
    drawFramedHeader(canvas, header, 7.3);
    setFontSize(canvas, 12);
    canvas.moveTo(1.0, 0.5);
    canvas.text(cp1252::decode(text::trim(title)));
}

void drawLandscapeHeader(HardCopy& canvas, const Header& header, const std::string& title, int pageNumber)
{
    drawFramedHeader(canvas, header, 10.2);
    canvas.ellipse(10.4, 0.1, 11.1, 0.8);
    if (pageNumber != 0) {
        setFontSize(canvas, 16);
        canvas.moveTo(10.7, 0.3);
        canvas.text(QString::number(pageNumber));
    }
    setFontSize(canvas, 11);
    canvas.moveTo(1.0, 0.5);
    canvas.text(cp1252::decode(title));
}

void writeLine(HardCopy& canvas, std::string_view line)
{
    if (!line.empty())
        canvas.text(cp1252::decode(line));
}

void clearAfter(TextTable& buffer, int lineCount)
{
    for (int line = lineCount + 1; line <= report::kLastLine; ++line)
        buffer.set(line, {});
}

bool printPortraitPages(PrintJob& job, const TextTable& buffer, int lineCount, ReportFont font, int pointSize,
                        const ReportBoldLines& boldLines, const Header& header)
{
    const int linesPerPage = portraitLinesPerPage(pointSize);
    HardCopy canvas(job.painter());
    canvas.setup(kPortraitGridColumns, linesPerPage + 8, 1.0);
    drawPortraitHeader(canvas, header, buffer[0]);
    int page = 1;
    for (int line = 1; line <= lineCount; ++line) {
        const ReportPlace place = portraitPlace(line, linesPerPage);
        if (place.page != page) {
            if (!job.newPage())
                return false;
            page = place.page;
        }
        useFont(canvas, reportFontFamily(font), pointSize, boldLines.contains(line));
        canvas.gridMove(place.column, place.row);
        writeLine(canvas, buffer[line]);
    }
    return true;
}

bool printColumnPages(PrintJob& job, const TextTable& buffer, const ColumnLayout& layout,
                      const ReportBoldLines& boldLines, const Header& header)
{
    HardCopy canvas(job.painter());
    canvas.setup(layout.gridColumns, layout.gridRows(), 1.0);
    for (int page = 1; page <= layout.pages; ++page) {
        if (page > 1 && !job.newPage())
            return false;
        drawLandscapeHeader(canvas, header, buffer[0], layout.pageNumber(page));
        for (int row = 1; row <= layout.rows; ++row) {
            for (int column = 0; column < 3; ++column) {
                const int line = layout.line(page, column, row);
                useFont(canvas, reportFontFamily(layout.font), kColumnPointSize, boldLines.contains(line));
                canvas.gridMove(layout.gridColumn(column), row + kFirstRow);
                writeLine(canvas, text::trimRight(buffer[line]));
            }
        }
    }
    return true;
}

template <typename PrintPages>
bool printJob(QPageLayout::Orientation orientation, PrintPages printPages)
{
    std::unique_ptr<PrintJob> job = printService().startJob(report::kJobTitle, orientation);
    return job && printPages(*job);
}

} // namespace

TextTable reportTable()
{
    return TextTable(report::kLineLength, report::kLastLine + 1);
}

void ReportBoldLines::add(int line)
{
    if (count_ < kCapacity)
        lines_[count_++] = line;
}

bool ReportBoldLines::contains(int line) const
{
    return std::find(lines_.begin(), lines_.begin() + count_, line) != lines_.begin() + count_;
}

QString reportFontFamily(ReportFont font)
{
    return font == ReportFont::Fixed ? QStringLiteral("Courier New") : QStringLiteral("Arial");
}

int portraitLinesPerPage(int pointSize)
{
    return pointSize == 12 ? 50 : 70;
}

ReportPlace portraitPlace(int line, int linesPerPage)
{
    const int perPage = linesPerPage + 1;
    return {(line - 1) / perPage + 1, kLineColumn, (line - 1) % perPage + 1 + kFirstRow};
}

bool threeColumnPrintsPortrait(int lineCount)
{
    return lineCount <= 74;
}

int ColumnLayout::gridColumn(int column) const
{
    switch (column) {
    case 0: return columnGap + 2;
    case 1: return columnWidth + 2 * columnGap;
    default: return 2 * columnWidth + 3 * columnGap;
    }
}

ColumnLayout threeColumnLayout(int lineCount, ReportFont font)
{
    ColumnLayout layout;
    layout.font = font;
    if (font == ReportFont::Proportional) {
        layout.gridColumns = 130;
        layout.columnWidth = 40;
        layout.columnGap = 2;
    }
    if (lineCount <= kSinglePageLines) {
        layout.rows = roundedUpQuotient(lineCount, 3);
        return layout;
    }
    layout.numbered = true;
    if (font == ReportFont::Fixed) {
        layout.rows = kChunkLines;
        layout.pages = roundedUpQuotient(lineCount, 3 * kChunkLines);
    } else {
        const int chunks = roundedUpQuotient(lineCount, kChunkLines);
        layout.rows = roundedUpQuotient(lineCount, chunks);
        layout.pages = roundedUpQuotient(chunks, 3);
    }
    return layout;
}

bool printPortraitReport(TextTable& buffer, int lineCount, ReportFont font, int pointSize)
{
    DataStore& store = DataStore::instance();
    const int count = std::clamp(lineCount, 0, report::kLastLine);
    clearAfter(buffer, count);
    const bool printed = printJob(QPageLayout::Portrait, [&](PrintJob& job) {
        return printPortraitPages(job, buffer, count, font, pointSize, store.reportBoldLines, storeHeader(store));
    });
    store.reportBoldLines.clear();
    return printed;
}

bool printThreeColumnReport(TextTable& buffer, int lineCount, ReportFont font)
{
    const int count = std::clamp(lineCount, 0, report::kLastLine);
    if (threeColumnPrintsPortrait(count))
        return printPortraitReport(buffer, count, ReportFont::Fixed, kPortraitFallbackSize);
    DataStore& store = DataStore::instance();
    clearAfter(buffer, count);
    const ColumnLayout layout = threeColumnLayout(count, font);
    const bool printed = printJob(QPageLayout::Landscape, [&](PrintJob& job) {
        return printColumnPages(job, buffer, layout, store.reportBoldLines, storeHeader(store));
    });
    store.reportBoldLines.clear();
    return printed;
}
