#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

// One print job: pages painted with the job's painter. The job reaches the
// printing system when the object is destroyed.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    QPainter& painter() { return painter_; }
    // Ends the current page and starts the next; false when the printing
    // system failed.
    virtual bool newPage() = 0;

protected:
    QPainter painter_;
};

// The print dialog and the printer it chooses. Screens ask choosePrinter()
// before composing a printout; the report printers then start the job.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Shows the print dialog; false when the pupil cancels it.
    virtual bool choosePrinter() = 0;
    // A job on the chosen printer, named `title` in the printing system's
    // queue; null when the job cannot start (e.g. an output file that cannot
    // be written).
    virtual std::unique_ptr<PrintJob> startJob(const QString& title, QPageLayout::Orientation orientation) = 0;
};

// The service in use: a QPrintDialog over a QPrinter (any installed printer,
// or a PDF file) unless a test installed another.
PrintService& printService();
void setPrintService(PrintService* service);

// Prints straight to a PDF file, without a dialog.
std::unique_ptr<PrintService> pdfPrintService(const QString& path);

// One painted item, in device pixels.
struct PrintedItem {
    enum class Kind { Text, Picture, Rectangle, Ellipse, Line };
    Kind kind = Kind::Text;
    // Text: top-left at the top of the font's ascent, the text's advance and
    // the font's height. Picture and shapes: the target rectangle. Line: from
    // the top-left to the bottom-right corner.
    QRect rect;
    QString text;
    QFont font;
    QSize pictureSize;
};
using PrintedPage = std::vector<PrintedItem>;

struct RecordedJob {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSize area;          // printable area in device pixels
    int dotsPerInch = 0;
    std::vector<PrintedPage> pages;
};

// Records what would be printed instead of printing; installed while it
// exists. A job is recorded when it ends. Its device is a page of
// `portraitArea` (swapped for landscape) at `dotsPerInch`.
class RecordingPrintService final : public PrintService {
public:
    RecordingPrintService();
    ~RecordingPrintService() override;
    RecordingPrintService(const RecordingPrintService&) = delete;
    RecordingPrintService& operator=(const RecordingPrintService&) = delete;

    bool choosePrinter() override;
    std::unique_ptr<PrintJob> startJob(const QString& title, QPageLayout::Orientation orientation) override;

    bool acceptDialog = true;   // the pupil's answer to the print dialog
    int dialogsShown = 0;
    int dotsPerInch = 600;
    QSize portraitArea{4800, 6600};
    std::vector<RecordedJob> jobs;
};
