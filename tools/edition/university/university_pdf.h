#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A small A4 document: a title, a notice repeated at the top of every page,
// headings, paragraphs and tables, drawn as a PDF file.
struct PdfBlock {
    enum class Kind { Heading, Paragraph, TableHeader, TableRow };
    Kind kind;
    QStringList cells; // one cell for headings and paragraphs
};

QByteArray renderPdf(const QString& title, const QString& notice, const std::vector<PdfBlock>& blocks);
