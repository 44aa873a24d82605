#include "platform/hard_copy.h"

#include "platform/print_service.h"
#include "support/scripted_dialogs.h"

#include <QDialog>
#include <QImage>
#include <QPrintDialog>
#include <gtest/gtest.h>

namespace {

// A portrait job on the recording printer: 600 dpi, 4800 x 6600 pixels.
class HardCopyOnRecorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        job = printer.startJob(QStringLiteral("job"), QPageLayout::Portrait);
        ASSERT_TRUE(job);
        canvas = std::make_unique<HardCopy>(job->painter());
    }

    // Ends the job and returns its first page.
    const PrintedPage& printed()
    {
        canvas.reset();
        job.reset();
        return printer.jobs.at(0).pages.at(0);
    }

    RecordingPrintService printer;
    std::unique_ptr<PrintJob> job;
    std::unique_ptr<HardCopy> canvas;
};

} // namespace

TEST_F(HardCopyOnRecorder, UnitsAndGridCellsBecomeDevicePixels)
{
    struct Case {
        double unitsPerInch;
        double x, y;
        QPoint device;
    };
    for (const Case& c : {Case{1.0, 0.5, 0.1, {300, 60}}, Case{1.0, 7.25, 0.2, {4350, 120}},
                          Case{2.54, 1.0, 2.54, {236, 600}}, Case{1.0, 0.0, 0.0, {0, 0}}}) {
        canvas->setup(50, 58, c.unitsPerInch);
        EXPECT_EQ(canvas->toDevice(c.x, c.y), c.device) << c.unitsPerInch << " " << c.x << "," << c.y;
        canvas->moveTo(c.x, c.y);
        EXPECT_EQ(canvas->position(), c.device);
    }

    struct GridCase {
        int columns, rows, column, row;
        QPoint device;
    };
    for (const GridCase& c : {GridCase{50, 58, 5, 6, {480, 683}}, GridCase{150, 33, 100, 30, {3200, 6000}},
                              GridCase{130, 58, 86, 55, {3175, 6259}}}) {
        canvas->setup(c.columns, c.rows, 1.0);
        canvas->gridMove(c.column, c.row);
        EXPECT_EQ(canvas->position(), c.device) << c.columns << "x" << c.rows;
    }
}

TEST_F(HardCopyOnRecorder, SetupResetsThePosition)
{
    canvas->setup(50, 58, 1.0);
    canvas->moveTo(2.0, 3.0);
    canvas->setup(50, 58, 1.0);
    EXPECT_EQ(canvas->position(), QPoint(0, 0));
}

TEST_F(HardCopyOnRecorder, TextIsPlacedByItsCornerCentreOrEnd)
{
    canvas->setup(50, 58, 1.0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    canvas->painter().setFont(font);
    canvas->moveTo(2.0, 1.0);
    canvas->text(QStringLiteral("Izquierda"));
    canvas->textCentred(QStringLiteral("Centro"));
    canvas->textRightAligned(QStringLiteral("Derecha"));

    const PrintedPage& page = printed();
    ASSERT_EQ(page.size(), 3u);
    for (const PrintedItem& item : page) {
        EXPECT_EQ(item.kind, PrintedItem::Kind::Text);
        EXPECT_NEAR(item.rect.top(), 600, 1) << item.text.toStdString();
        EXPECT_GT(item.rect.width(), 100);
    }
    EXPECT_EQ(page[0].text, "Izquierda");
    EXPECT_EQ(page[0].rect.left(), 1200);
    EXPECT_NEAR(page[1].rect.left() + page[1].rect.width() / 2, 1200, 1);
    EXPECT_NEAR(page[2].rect.left() + page[2].rect.width(), 1200, 1);
    EXPECT_EQ(page[0].font.family(), "Arial");
    EXPECT_EQ(page[0].font.pointSize(), 12);
}

TEST_F(HardCopyOnRecorder, ShapesAndPicturesCoverTheirDeviceRectangles)
{
    canvas->setup(50, 58, 1.0);
    EXPECT_EQ(canvas->rectangleValue(0.6, 0.13, 0.95, 0.68), QRect(360, 78, 210, 330));
    canvas->rectangle(0.5, 0.1, 7.3, 0.8);
    EXPECT_EQ(canvas->position(), QPoint(300, 60));
    canvas->ellipse(1.0, 1.0, 2.0, 1.5);
    EXPECT_EQ(canvas->position(), QPoint(600, 600));
    canvas->stretchPicture(canvas->rectangleValue(0.6, 0.13, 0.95, 0.68), QImage(52, 120, QImage::Format_RGB32));

    const PrintedPage& page = printed();
    ASSERT_EQ(page.size(), 3u);
    EXPECT_EQ(page[0].kind, PrintedItem::Kind::Rectangle);
    EXPECT_EQ(page[0].rect, QRect(300, 60, 4080, 420));
    EXPECT_EQ(page[1].kind, PrintedItem::Kind::Ellipse);
    EXPECT_EQ(page[1].rect, QRect(600, 600, 600, 300));
    EXPECT_EQ(page[2].kind, PrintedItem::Kind::Picture);
    EXPECT_EQ(page[2].rect, QRect(360, 78, 210, 330));
    EXPECT_EQ(page[2].pictureSize, QSize(52, 120));
}

TEST(RecordingPrintService, RecordsJobsPagesAndTheDialogAnswer)
{
    RecordingPrintService printer;
    EXPECT_EQ(&printService(), &printer);
    printer.acceptDialog = false;
    EXPECT_FALSE(printService().choosePrinter());
    EXPECT_EQ(printer.dialogsShown, 1);

    {
        auto job = printService().startJob(QStringLiteral("el Trazela"), QPageLayout::Landscape);
        HardCopy canvas(job->painter());
        canvas.setup(10, 10, 1.0);
        canvas.text(QStringLiteral("uno"));
        ASSERT_TRUE(job->newPage());
        canvas.text(QStringLiteral("dos"));
        EXPECT_TRUE(printer.jobs.empty()); // recorded when the job ends
    }
    ASSERT_EQ(printer.jobs.size(), 1u);
    const RecordedJob& job = printer.jobs[0];
    EXPECT_EQ(job.title, "el Trazela");
    EXPECT_EQ(job.orientation, QPageLayout::Landscape);
    EXPECT_EQ(job.area, QSize(6600, 4800));
    ASSERT_EQ(job.pages.size(), 2u);
    ASSERT_EQ(job.pages[1].size(), 1u);
    EXPECT_EQ(job.pages[1][0].text, "dos");
}

TEST(QtPrintService, AsksThePrintDialogAndCancelPrintsNothing)
{
    ScriptedDialogs dialogs;
    QString shownKind;
    dialogs.steps = {
        [&](QDialog& dialog) {
            shownKind = dialog.metaObject()->className();
            dialog.reject();
        },
        [](QDialog& dialog) { dialog.accept(); },
    };
    EXPECT_FALSE(printService().choosePrinter());
    EXPECT_EQ(shownKind, "QPrintDialog");
    EXPECT_TRUE(printService().choosePrinter());
    EXPECT_EQ(dialogs.shown, 2);
}
