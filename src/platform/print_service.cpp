#include "platform/print_service.h"

#include "platform/modal_service.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPixmap>
#include <QPrinter>
#include <QTextItem>
#include <cmath>

namespace {

class PrinterJob final : public PrintJob {
public:
    explicit PrinterJob(QPrinter& printer)
        : printer_(printer)
    {
    }
    ~PrinterJob() override { painter_.end(); }

    bool begin() { return painter_.begin(&printer_); }
    bool newPage() override { return printer_.newPage(); }

private:
    QPrinter& printer_;
};

std::unique_ptr<PrintJob> startPrinterJob(QPrinter& printer, const QString& title,
                                          QPageLayout::Orientation orientation)
{
    printer.setDocName(title);
    printer.setPageOrientation(orientation);
    auto job = std::make_unique<PrinterJob>(printer);
    if (!job->begin())
        return nullptr;
    return job;
}

// Any installed printer, or a PDF file, chosen in the print dialog. Without an
// installed printer the dialog still offers the PDF file.
class QtPrintService final : public PrintService {
public:
    QtPrintService()
        : printer_(QPrinter::HighResolution)
    {
    }

    bool choosePrinter() override
    {
        QPrintDialog dialog(&printer_);
        dialog.setOption(QAbstractPrintDialog::PrintToFile);
        return modalService().exec(dialog) == QDialog::Accepted;
    }

    std::unique_ptr<PrintJob> startJob(const QString& title, QPageLayout::Orientation orientation) override
    {
        return startPrinterJob(printer_, title, orientation);
    }

private:
    QPrinter printer_;
};

class PdfPrintService final : public PrintService {
public:
    explicit PdfPrintService(const QString& path)
        : printer_(QPrinter::HighResolution)
    {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(path);
    }

    bool choosePrinter() override { return true; }

    std::unique_ptr<PrintJob> startJob(const QString& title, QPageLayout::Orientation orientation) override
    {
        return startPrinterJob(printer_, title, orientation);
    }

private:
    QPrinter printer_;
};

PrintService* installed = nullptr;

QRect rounded(const QRectF& rect)
{
    return rect.toAlignedRect();
}

// Turns every painted primitive into a PrintedItem of the current page.
class RecordingEngine final : public QPaintEngine {
public:
    explicit RecordingEngine(RecordedJob& job)
        : QPaintEngine(QPaintEngine::AllFeatures), job_(job)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        PrintedItem printed{PrintedItem::Kind::Text, {}, item.text(), item.font(), {}};
        const int top = static_cast<int>(std::lround(baseline.y() - item.ascent()));
        printed.rect = QRect(static_cast<int>(std::lround(baseline.x())), top,
                             static_cast<int>(std::lround(item.width())),
                             static_cast<int>(std::lround(item.ascent() + item.descent())));
        add(std::move(printed));
    }
    void drawImage(const QRectF& target, const QImage& image, const QRectF&, Qt::ImageConversionFlags) override
    {
        add({PrintedItem::Kind::Picture, rounded(target), {}, {}, image.size()});
    }
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF&) override
    {
        add({PrintedItem::Kind::Picture, rounded(target), {}, {}, pixmap.size()});
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            add({PrintedItem::Kind::Rectangle, rounded(rects[i]), {}, {}, {}});
    }
    void drawEllipse(const QRectF& rect) override { add({PrintedItem::Kind::Ellipse, rounded(rect), {}, {}, {}}); }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            add({PrintedItem::Kind::Line, QRect(lines[i].p1().toPoint(), lines[i].p2().toPoint()), {}, {}, {}});
    }

private:
    void add(PrintedItem item) { job_.pages.back().push_back(std::move(item)); }

    RecordedJob& job_;
};

class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(RecordedJob& job)
        : engine_(job), job_(job)
    {
    }
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return job_.area.width();
        case PdmHeight: return job_.area.height();
        case PdmWidthMM: return job_.area.width() * 254 / (10 * job_.dotsPerInch);
        case PdmHeightMM: return job_.area.height() * 254 / (10 * job_.dotsPerInch);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return job_.dotsPerInch;
        case PdmNumColors: return 256;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    mutable RecordingEngine engine_;
    RecordedJob& job_;
};

class RecordingJob final : public PrintJob {
public:
    RecordingJob(RecordedJob job, std::vector<RecordedJob>& finished)
        : job_(std::move(job)), device_(job_), finished_(finished)
    {
        job_.pages.emplace_back();
        painter_.begin(&device_);
    }
    ~RecordingJob() override
    {
        painter_.end();
        finished_.push_back(std::move(job_));
    }

    bool newPage() override
    {
        job_.pages.emplace_back();
        return true;
    }

private:
    RecordedJob job_;
    RecordingDevice device_;
    std::vector<RecordedJob>& finished_;
};

} // namespace

PrintService& printService()
{
    static QtPrintService qtService;
    return installed ? *installed : qtService;
}

void setPrintService(PrintService* service)
{
    installed = service;
}

std::unique_ptr<PrintService> pdfPrintService(const QString& path)
{
    return std::make_unique<PdfPrintService>(path);
}

RecordingPrintService::RecordingPrintService()
{
    setPrintService(this);
}

RecordingPrintService::~RecordingPrintService()
{
    setPrintService(nullptr);
}

bool RecordingPrintService::choosePrinter()
{
    ++dialogsShown;
    return acceptDialog;
}

std::unique_ptr<PrintJob> RecordingPrintService::startJob(const QString& title,
                                                          QPageLayout::Orientation orientation)
{
    RecordedJob job;
    job.title = title;
    job.orientation = orientation;
    job.area = orientation == QPageLayout::Landscape ? portraitArea.transposed() : portraitArea;
    job.dotsPerInch = dotsPerInch;
    return std::make_unique<RecordingJob>(std::move(job), jobs);
}
