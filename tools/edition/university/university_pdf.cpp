#include "university_pdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kResolution = 96;
constexpr int kGap = 8;
constexpr int kCellPadding = 4;
constexpr double kFirstColumnShare = 0.45;

class PageWriter {
public:
    PageWriter(QPdfWriter& writer, const QString& notice)
        : writer_(writer)
        , painter_(&writer)
        , notice_(notice)
    {
        startPage();
    }

    void title(const QString& text) { paragraph(text, font(16, true), Qt::darkBlue); }

    void block(const PdfBlock& block)
    {
        switch (block.kind) {
        case PdfBlock::Kind::Heading:
            y_ += kGap;
            paragraph(block.cells.value(0), font(12, true), QColor(128, 0, 0));
            break;
        case PdfBlock::Kind::Paragraph:
            paragraph(block.cells.value(0), font(10, false), Qt::black);
            break;
        case PdfBlock::Kind::TableHeader:
        case PdfBlock::Kind::TableRow:
            row(block.cells, block.kind == PdfBlock::Kind::TableHeader);
            break;
        }
    }

private:
    static QFont font(int points, bool bold)
    {
        QFont f(QStringLiteral("DejaVu Sans"), points);
        f.setBold(bold);
        return f;
    }

    int width() const { return writer_.width(); }

    void startPage()
    {
        y_ = 0;
        painter_.setFont(font(9, true));
        const QRect area(0, 0, width(), 1000);
        const QRect needed = painter_.boundingRect(area.adjusted(6, 6, -6, 0), Qt::TextWordWrap, notice_);
        const QRect box(0, 0, width(), needed.height() + 12);
        painter_.fillRect(box, QColor(255, 236, 200));
        painter_.setPen(QColor(180, 0, 0));
        painter_.drawRect(box);
        painter_.drawText(box.adjusted(6, 6, -6, -6), Qt::TextWordWrap, notice_);
        y_ = box.height() + 2 * kGap;
    }

    void ensure(int height)
    {
        if (y_ + height <= writer_.height())
            return;
        writer_.newPage();
        startPage();
    }

    void paragraph(const QString& text, const QFont& f, const QColor& colour)
    {
        painter_.setFont(f);
        const QRect rect = painter_.boundingRect(QRect(0, 0, width(), 10000), Qt::TextWordWrap, text);
        ensure(rect.height());
        painter_.setPen(colour);
        painter_.drawText(QRect(0, y_, width(), rect.height()), Qt::TextWordWrap, text);
        y_ += rect.height() + kGap / 2;
    }

    void row(const QStringList& cells, bool header)
    {
        painter_.setFont(font(9, header));
        const int count = std::max<int>(1, static_cast<int>(cells.size()));
        const int first = count == 1 ? width() : static_cast<int>(width() * kFirstColumnShare);
        const int other = count == 1 ? 0 : (width() - first) / (count - 1);
        std::vector<QRect> rects;
        int x = 0;
        int height = 0;
        for (int c = 0; c < count; ++c) {
            const int w = c == 0 ? first : other;
            const QRect inner(x + kCellPadding, 0, w - 2 * kCellPadding, 10000);
            height = std::max(height, painter_.boundingRect(inner, Qt::TextWordWrap, cells.value(c)).height());
            rects.emplace_back(x, 0, w, 0);
            x += w;
        }
        height += 2 * kCellPadding;
        ensure(height);
        for (int c = 0; c < count; ++c) {
            const QRect cell(rects[size_t(c)].x(), y_, rects[size_t(c)].width(), height);
            if (header)
                painter_.fillRect(cell, QColor(249, 209, 183));
            painter_.setPen(Qt::gray);
            painter_.drawRect(cell);
            painter_.setPen(Qt::black);
            painter_.drawText(cell.adjusted(kCellPadding, kCellPadding, -kCellPadding, -kCellPadding), Qt::TextWordWrap,
                              cells.value(c));
        }
        y_ += height;
    }

    QPdfWriter& writer_;
    QPainter painter_;
    QString notice_;
    int y_ = 0;
};

} // namespace

QByteArray renderPdf(const QString& title, const QString& notice, const std::vector<PdfBlock>& blocks)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(kResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("trazela-edition"));
        PageWriter page(writer, notice);
        page.title(title);
        for (const PdfBlock& block : blocks)
            page.block(block);
    }
    return bytes;
}
