#include "data/report_printers.h"

#include "data/data_store.h"
#include "platform/print_service.h"
#include "support/fixture_folder.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QColor kLogoColour(200, 120, 90);

// A store with the header's logo and course text, a recording printer, and a
// report of numbered lines ("Línea 1", "Línea 2", ...).
class ReportPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataStore::reset();
        std::vector<std::string> texts(749, "x");
        texts[174] = "Curso";
        folder.writeLines("textos", texts);
        ASSERT_TRUE(store().uiText.load(folder.context(), "textos"));
        QImage logo(52, 120, QImage::Format_RGB32);
        logo.fill(kLogoColour);
        store().pictures.chica = logo;
    }
    void TearDown() override { DataStore::reset(); }

    static DataStore& store() { return DataStore::instance(); }

    TextTable& report(int lineCount, const std::string& title = "  Informe de prueba  ")
    {
        TextTable& buffer = store().reportBuffer;
        buffer.set(0, title);
        for (int line = 1; line <= lineCount; ++line)
            buffer.set(line, "L\xednea " + std::to_string(line) + "   ");
        return buffer;
    }

    const RecordedJob& onlyJob() const
    {
        EXPECT_EQ(printer.jobs.size(), 1u);
        return printer.jobs.at(0);
    }

    FixtureFolder folder;
    RecordingMessages messages;
    RecordingPrintService printer;
};

QString lineText(int line)
{
    return QString::fromUtf8("Línea ") + QString::number(line);
}

// The report lines of a page (texts that start with "Línea"), in order.
std::vector<PrintedItem> reportLines(const PrintedPage& page)
{
    std::vector<PrintedItem> lines;
    for (const PrintedItem& item : page)
        if (item.kind == PrintedItem::Kind::Text && item.text.startsWith(QString::fromUtf8("Línea")))
            lines.push_back(item);
    return lines;
}

const PrintedItem* findText(const PrintedPage& page, const QString& text)
{
    for (const PrintedItem& item : page)
        if (item.kind == PrintedItem::Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

int countKind(const PrintedPage& page, PrintedItem::Kind kind)
{
    return static_cast<int>(std::count_if(page.begin(), page.end(), [&](const PrintedItem& i) { return i.kind == kind; }));
}

// Colours within the rounding of the PDF renderer.
bool isNear(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 && std::abs(a.blue() - b.blue()) <= 3;
}

// The device pixel of a grid cell on the recorder's page.
QPoint cell(const QSize& area, int gridColumns, int gridRows, int column, int row)
{
    return QPoint(qRound(double(column) * area.width() / gridColumns), qRound(double(row) * area.height() / gridRows));
}

void expectAt(const PrintedItem* item, QPoint position)
{
    ASSERT_TRUE(item);
    EXPECT_EQ(item->rect.left(), position.x()) << item->text.toStdString();
    EXPECT_NEAR(item->rect.top(), position.y(), 1) << item->text.toStdString();
}

} // namespace

TEST(ReportLayout, ThreeColumnRowsPagesAndNumbering)
{
    struct Case {
        int lines;
        ReportFont font;
        int rows, pages;
        bool numbered;
    };
    for (const Case& c : {Case{75, ReportFont::Fixed, 25, 1, false}, Case{76, ReportFont::Fixed, 26, 1, false},
                          Case{150, ReportFont::Fixed, 50, 1, false}, Case{151, ReportFont::Fixed, 50, 2, true},
                          Case{450, ReportFont::Fixed, 50, 3, true}, Case{150, ReportFont::Proportional, 50, 1, false},
                          Case{151, ReportFont::Proportional, 38, 2, true},
                          Case{200, ReportFont::Proportional, 50, 2, true},
                          Case{1500, ReportFont::Proportional, 50, 10, true}}) {
        const ColumnLayout layout = threeColumnLayout(c.lines, c.font);
        EXPECT_EQ(layout.rows, c.rows) << c.lines;
        EXPECT_EQ(layout.pages, c.pages) << c.lines;
        EXPECT_EQ(layout.numbered, c.numbered) << c.lines;
        EXPECT_EQ(layout.gridRows(), c.rows + 8);
        // The last page's columns reach the last line and stay within the buffer.
        EXPECT_GE(layout.line(layout.pages, 2, layout.rows), c.lines) << c.lines;
        EXPECT_LE(layout.line(layout.pages, 2, layout.rows), report::kLastLine) << c.lines;
    }
}

TEST(ReportLayout, ColumnsStartAtTheirGridColumns)
{
    const ColumnLayout fixed = threeColumnLayout(200, ReportFont::Fixed);
    EXPECT_EQ(fixed.gridColumns, 150);
    EXPECT_EQ(fixed.gridColumn(0), 2);
    EXPECT_EQ(fixed.gridColumn(1), 50);
    EXPECT_EQ(fixed.gridColumn(2), 100);
    const ColumnLayout proportional = threeColumnLayout(200, ReportFont::Proportional);
    EXPECT_EQ(proportional.gridColumns, 130);
    EXPECT_EQ(proportional.gridColumn(0), 4);
    EXPECT_EQ(proportional.gridColumn(1), 44);
    EXPECT_EQ(proportional.gridColumn(2), 86);
    EXPECT_EQ(proportional.line(2, 0, 1), 151);
    EXPECT_EQ(proportional.line(1, 1, 1), 51);
}

TEST(ReportLayout, PortraitPagesHoldOneLineMoreThanTheirCount)
{
    EXPECT_EQ(portraitLinesPerPage(12), 50);
    EXPECT_EQ(portraitLinesPerPage(10), 70);
    struct Case {
        int line, linesPerPage, page, row;
    };
    for (const Case& c : {Case{1, 50, 1, 6}, Case{51, 50, 1, 56}, Case{52, 50, 2, 6}, Case{102, 50, 2, 56},
                          Case{103, 50, 3, 6}, Case{71, 70, 1, 76}, Case{72, 70, 2, 6}}) {
        const ReportPlace place = portraitPlace(c.line, c.linesPerPage);
        EXPECT_EQ(place.page, c.page) << c.line;
        EXPECT_EQ(place.row, c.row) << c.line;
        EXPECT_EQ(place.column, 5);
    }
}

TEST(ReportBoldLines, KeepsAtMostItsCapacity)
{
    ReportBoldLines bold;
    for (int line = 1; line <= 170; ++line)
        bold.add(line);
    EXPECT_EQ(bold.count(), ReportBoldLines::kCapacity);
    EXPECT_TRUE(bold.contains(165));
    EXPECT_FALSE(bold.contains(166));
    bold.clear();
    EXPECT_FALSE(bold.contains(1));
}

TEST_F(ReportPrinting, PortraitHeaderFramesLogoCourseAndTrimmedTitle)
{
    ASSERT_TRUE(printPortraitReport(report(3), 3, ReportFont::Proportional, 12));
    const RecordedJob& job = onlyJob();
    EXPECT_EQ(job.title, "el Trazela");
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    ASSERT_EQ(job.pages.size(), 1u);
    const PrintedPage& page = job.pages[0];

    ASSERT_EQ(page[0].kind, PrintedItem::Kind::Rectangle);
    EXPECT_EQ(page[0].rect, QRect(QPoint(300, 60), QSize(4080, 420)));
    ASSERT_EQ(page[1].kind, PrintedItem::Kind::Picture);
    EXPECT_EQ(page[1].rect, QRect(QPoint(360, 78), QSize(210, 330)));
    EXPECT_EQ(page[1].pictureSize, QSize(52, 120));

    for (const char* course : {"Curso", "2016/17"}) {
        const PrintedItem* item = findText(page, course);
        ASSERT_TRUE(item) << course;
        EXPECT_NEAR(item->rect.left() + item->rect.width(), 4350, 1) << course;
        EXPECT_EQ(item->font.pointSize(), 10);
        EXPECT_TRUE(item->font.bold());
    }
    EXPECT_NEAR(findText(page, "Curso")->rect.top(), 120, 1);
    EXPECT_NEAR(findText(page, "2016/17")->rect.top(), 300, 1);

    const PrintedItem* title = findText(page, "Informe de prueba");
    expectAt(title, {600, 300});
    EXPECT_EQ(title->font.pointSize(), 12);
    EXPECT_TRUE(title->font.bold());
}

TEST_F(ReportPrinting, PortraitLinesFollowTheGridAndContinueWithoutHeader)
{
    ASSERT_TRUE(printPortraitReport(report(60), 60, ReportFont::Fixed, 12));
    const RecordedJob& job = onlyJob();
    ASSERT_EQ(job.pages.size(), 2u);

    const std::vector<PrintedItem> first = reportLines(job.pages[0]);
    ASSERT_EQ(first.size(), 51u);
    for (int k = 1; k <= 51; ++k) {
        EXPECT_EQ(first[k - 1].text, lineText(k) + "   ");
        expectAt(&first[k - 1], cell(job.area, 50, 58, 5, k + 5));
        EXPECT_EQ(first[k - 1].font.family(), "Courier New");
        EXPECT_EQ(first[k - 1].font.pointSize(), 12);
        EXPECT_FALSE(first[k - 1].font.bold());
    }

    const PrintedPage& second = job.pages[1];
    const std::vector<PrintedItem> rest = reportLines(second);
    ASSERT_EQ(rest.size(), 9u);
    EXPECT_EQ(rest[0].text, lineText(52) + "   ");
    expectAt(&rest[0], cell(job.area, 50, 58, 5, 6));
    EXPECT_EQ(rest.size(), second.size()); // no frame, logo, course or title
}

TEST_F(ReportPrinting, PortraitPageCountFollowsTheLineCount)
{
    struct Case {
        int lines, size;
        size_t pages;
    };
    for (const Case& c : {Case{0, 12, 1}, Case{50, 12, 1}, Case{51, 12, 1}, Case{52, 12, 2}, Case{102, 12, 2},
                          Case{103, 12, 3}, Case{71, 10, 1}, Case{72, 10, 2}}) {
        printer.jobs.clear();
        ASSERT_TRUE(printPortraitReport(report(c.lines), c.lines, ReportFont::Fixed, c.size));
        EXPECT_EQ(onlyJob().pages.size(), c.pages) << c.lines << " lines, size " << c.size;
    }
}

TEST_F(ReportPrinting, ShortThreeColumnReportsPrintPortraitInCourierTen)
{
    ASSERT_TRUE(printThreeColumnReport(report(74), 74, ReportFont::Proportional));
    const RecordedJob& job = onlyJob();
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    ASSERT_EQ(job.pages.size(), 2u);
    const std::vector<PrintedItem> lines = reportLines(job.pages[0]);
    ASSERT_EQ(lines.size(), 71u); // 70 lines per page, and one more
    EXPECT_EQ(lines[0].font.family(), "Courier New");
    EXPECT_EQ(lines[0].font.pointSize(), 10);
    expectAt(&lines[70], cell(job.area, 50, 78, 5, 76));
    EXPECT_EQ(reportLines(job.pages[1]).size(), 3u);
}

TEST_F(ReportPrinting, SeventyFiveLinesMakeThreeColumnsOfTwentyFive)
{
    ASSERT_TRUE(printThreeColumnReport(report(75), 75, ReportFont::Fixed));
    const RecordedJob& job = onlyJob();
    EXPECT_EQ(job.orientation, QPageLayout::Landscape);
    ASSERT_EQ(job.pages.size(), 1u);
    const PrintedPage& page = job.pages[0];
    EXPECT_EQ(reportLines(page).size(), 75u);

    struct Case {
        int line, column, row;
    };
    for (const Case& c : {Case{1, 2, 6}, Case{25, 2, 30}, Case{26, 50, 6}, Case{51, 100, 6}, Case{75, 100, 30}}) {
        const PrintedItem* item = findText(page, lineText(c.line)); // trailing blanks removed
        expectAt(item, cell(job.area, 150, 33, c.column, c.row));
        EXPECT_EQ(item->font.family(), "Courier New");
        EXPECT_EQ(item->font.pointSize(), 8);
    }
    // A single page: the circle without a number, the title as it stands.
    EXPECT_EQ(countKind(page, PrintedItem::Kind::Ellipse), 1);
    EXPECT_FALSE(findText(page, "0"));
    EXPECT_TRUE(findText(page, "  Informe de prueba  "));
}

TEST_F(ReportPrinting, LongProportionalReportRunsOnNumberedPages)
{
    ASSERT_TRUE(printThreeColumnReport(report(200), 200, ReportFont::Proportional));
    const RecordedJob& job = onlyJob();
    ASSERT_EQ(job.pages.size(), 2u);

    for (int p = 0; p < 2; ++p) {
        const PrintedPage& page = job.pages[p];
        EXPECT_EQ(countKind(page, PrintedItem::Kind::Rectangle), 1);
        EXPECT_EQ(countKind(page, PrintedItem::Kind::Picture), 1);
        const PrintedItem* number = findText(page, QString::number(p + 1));
        expectAt(number, {6420, 180});
        EXPECT_EQ(number->font.pointSize(), 16);
        const PrintedItem* course = findText(page, "2016/17");
        ASSERT_TRUE(course);
        EXPECT_NEAR(course->rect.left() + course->rect.width(), 6090, 1);
        EXPECT_EQ(findText(page, "  Informe de prueba  ")->font.pointSize(), 11);
    }

    const std::vector<PrintedItem> first = reportLines(job.pages[0]);
    ASSERT_EQ(first.size(), 150u);
    const std::vector<PrintedItem> second = reportLines(job.pages[1]);
    ASSERT_EQ(second.size(), 50u);
    EXPECT_EQ(second.front().text, lineText(151));
    EXPECT_EQ(second.back().text, lineText(200));
    for (const PrintedItem& item : second) {
        EXPECT_EQ(item.rect.left(), cell(job.area, 130, 58, 4, 0).x()) << item.text.toStdString();
        EXPECT_EQ(item.font.family(), "Arial");
    }
    expectAt(&second.back(), cell(job.area, 130, 58, 4, 55));
}

TEST_F(ReportPrinting, BoldLinesStayBoldAloneAndAreForgottenAfterPrinting)
{
    store().reportBoldLines.add(30); // column 2 of a three-column report of 75
    ASSERT_TRUE(printThreeColumnReport(report(75), 75, ReportFont::Fixed));
    const PrintedPage& page = onlyJob().pages[0];
    for (const PrintedItem& item : reportLines(page))
        EXPECT_EQ(item.font.bold(), item.text == lineText(30)) << item.text.toStdString();
    EXPECT_EQ(store().reportBoldLines.count(), 0);

    store().reportBoldLines.add(2);
    ASSERT_TRUE(printPortraitReport(report(3), 3, ReportFont::Proportional, 10));
    const std::vector<PrintedItem> lines = reportLines(printer.jobs.at(1).pages.at(0));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FALSE(lines[0].font.bold());
    EXPECT_TRUE(lines[1].font.bold());
    EXPECT_FALSE(lines[2].font.bold());
    EXPECT_EQ(store().reportBoldLines.count(), 0);
}

TEST_F(ReportPrinting, LinesAfterTheCountAreClearedAndNeverPrinted)
{
    report(90);
    ASSERT_TRUE(printThreeColumnReport(store().reportBuffer, 80, ReportFont::Fixed));
    EXPECT_EQ(store().reportBuffer[80], "L\xednea 80   ");
    EXPECT_EQ(store().reportBuffer[81], "");
    EXPECT_EQ(store().reportBuffer[90], "");
    const std::vector<PrintedItem> lines = reportLines(onlyJob().pages[0]);
    EXPECT_EQ(lines.size(), 80u);
}

TEST_F(ReportPrinting, CountsPastTheBufferPrintTheBufferOnly)
{
    ASSERT_TRUE(printThreeColumnReport(report(report::kLastLine), 5000, ReportFont::Fixed));
    const RecordedJob& job = onlyJob();
    EXPECT_EQ(job.pages.size(), 10u);
    EXPECT_EQ(reportLines(job.pages.back()).back().text, lineText(1500));
}

TEST_F(ReportPrinting, PrintsARealPdfFile)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir output;
    const QString pdf = output.filePath(QStringLiteral("report.pdf"));
    std::unique_ptr<PrintService> toPdf = pdfPrintService(pdf);
    setPrintService(toPdf.get());
    store().reportBoldLines.add(1);
    const bool printed = printThreeColumnReport(report(200), 200, ReportFont::Proportional);
    setPrintService(&printer);
    ASSERT_TRUE(printed);

    QProcess convert;
    convert.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), pdf,
                             output.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QStringList pages = QDir(output.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 2);

    const QImage first(output.filePath(pages[0]));
    ASSERT_FALSE(first.isNull());
    EXPECT_GT(first.width(), first.height()); // landscape
    // The logo's colour is on the page, near its top-left corner.
    bool logoFound = false;
    for (int y = 0; y < first.height() / 4 && !logoFound; ++y)
        for (int x = 0; x < first.width() / 4 && !logoFound; ++x)
            logoFound = isNear(first.pixelColor(x, y), kLogoColour);
    EXPECT_TRUE(logoFound);
}
