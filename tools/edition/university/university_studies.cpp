#include "university_studies.h"

#include "languages.h"
#include "platform/cp1252.h"
#include "university_arts.h"
#include "university_model.h"
#include "university_translations.h"

#include <QDir>

using namespace university;

namespace {

constexpr int kMenuWidth = 55;
constexpr int kPageWidth = 60;
constexpr int kPageLines = 50;   // asignaot blocks: a heading and 50 lines
constexpr int kItems = 50;       // the block table holds 50 groups
constexpr int kBlankPrefix = 16; // two lines starting with 16 blanks end a page
constexpr int kSportsCentresItem = 3;
const QString kSportsCentresKey = QStringLiteral("centros-deportivos");
const char* const kFixedKeys[] = {"heading", "link1", "link2", "link3"};

// The other-studies menu: items in order, then the search heading and the three links.
struct Menu {
    std::vector<std::pair<QString, QString>> entries; // every key with its Castilian text
    int items = 0;                                    // the first `items` entries are the studies
};

std::optional<Menu> readMenu(const QString& sourceRoot, Diagnostics& diagnostics)
{
    const QString shown = QStringLiteral("university/other-studies/menu.txt");
    const auto lines = readSource(QDir(sourceRoot).filePath(shown), shown, diagnostics);
    if (!lines)
        return std::nullopt;
    Menu menu;
    std::vector<std::pair<QString, QString>> fixed;
    for (const KeyedText& entry : splitKeyed(*lines, shown, diagnostics)) {
        const bool isFixed = entry.key == QLatin1String("heading") || entry.key.startsWith(QLatin1String("link"));
        auto& list = isFixed ? fixed : menu.entries;
        if (std::any_of(list.begin(), list.end(), [&](const auto& e) { return e.first == entry.key; }))
            diagnostics.error(shown, entry.line, QStringLiteral("key \"%1\" given twice").arg(entry.key));
        encodeWithin(entry.text, kMenuWidth - 4, shown, entry.line, diagnostics);
        list.emplace_back(entry.key, entry.text);
    }
    menu.items = static_cast<int>(menu.entries.size());
    if (menu.items > kItems)
        diagnostics.error(shown, 0, QStringLiteral("%1 studies; the pages hold %2").arg(menu.items).arg(kItems));
    if (menu.items < kSportsCentresItem || menu.entries[kSportsCentresItem - 1].first != kSportsCentresKey)
        diagnostics.error(shown, 0, QStringLiteral("study %1 must be \"%2\": the program opens the sports centres document there")
                                        .arg(kSportsCentresItem).arg(kSportsCentresKey));
    for (const char* key : kFixedKeys) {
        const auto found = std::find_if(fixed.begin(), fixed.end(), [&](const auto& e) { return e.first == QLatin1String(key); });
        if (found != fixed.end()) {
            menu.entries.push_back(*found);
            continue;
        }
        diagnostics.error(shown, 0, QStringLiteral("no \"%1\"").arg(QLatin1String(key)));
        menu.entries.emplace_back(QLatin1String(key), QString());
    }
    if (fixed.size() > std::size(kFixedKeys))
        diagnostics.error(shown, 0, QStringLiteral("the fixed keys are heading, link1, link2 and link3"));
    return menu;
}

// A study's page: at most 50 lines, none of them ending it early.
std::vector<std::string> pageLines(const Document& page, Diagnostics& diagnostics)
{
    std::vector<std::string> lines;
    bool previousBlank = false;
    for (const SourceLine& line : page.lines) {
        const bool blank = line.text.size() >= kBlankPrefix && line.text.left(kBlankPrefix).trimmed().isEmpty();
        if (blank && previousBlank)
            diagnostics.error(page.shown, line.number, QStringLiteral("two lines starting with %1 blanks end the page here").arg(kBlankPrefix));
        previousBlank = blank;
        if (static_cast<int>(lines.size()) == kPageLines) {
            diagnostics.error(page.shown, line.number, QStringLiteral("a page holds %1 lines").arg(kPageLines));
            break;
        }
        lines.push_back(encodeWithin(line.text, kPageWidth, page.shown, line.number, diagnostics));
    }
    return lines;
}

void writeOtherStudies(const QString& sourceRoot, const Language& language, const Menu& menu, DocumentConverter& documents,
                       OutputFolder& out, Diagnostics& diagnostics)
{
    const std::vector<QString> texts =
        translatedTexts(sourceRoot, language, QStringLiteral("other-studies/menu.txt"), menu.entries, kMenuWidth - 4, diagnostics);
    std::vector<std::string> lines;
    std::vector<std::string> pages;
    for (int item = 0; item < menu.items; ++item) {
        lines.push_back(cp1252::encode(texts[size_t(item)]));
        pages.push_back(lines.back());
        const QString file = QStringLiteral("other-studies/") + menu.entries[size_t(item)].first + QStringLiteral(".txt");
        const auto page = documents.lines(language, file, [&](const Document& d) { return pageLines(d, diagnostics); })
                              .value_or(std::vector<std::string>{});
        pages.insert(pages.end(), page.begin(), page.end());
        pages.resize(pages.size() + size_t(kPageLines) - page.size());
    }
    lines.emplace_back();
    lines.push_back("-" + cp1252::encode(texts[size_t(menu.items)]));
    for (int link = 1; link <= 3; ++link)
        lines.push_back(QStringLiteral("  %1 ").arg(link).toStdString() + cp1252::encode(texts[size_t(menu.items + link)]));
    out.writeLines(QLatin1String(language.folder) + QLatin1String("otros"), lines);
    out.writeLines(QLatin1String(language.folder) + QLatin1String("asignaot"), pages);
}

void writeArts(const Language& language, const std::vector<QString>& communities, DocumentConverter& documents,
               OutputFolder& out, Diagnostics& diagnostics)
{
    for (const ArtFile& art : kArtFiles) {
        const auto lines = documents.lines(language, QStringLiteral("arts/%1.txt").arg(QLatin1String(art.name)),
                                           [&](const Document& d) { return artLines(art, d, communities, diagnostics); });
        if (lines)
            out.writeLines(QLatin1String(language.folder) + QLatin1String(art.name), *lines);
    }
}

void writeMaster(const Language& language, DocumentConverter& documents, OutputFolder& out, Diagnostics& diagnostics)
{
    const auto lines = documents.lines(language, QStringLiteral("master.txt"), [&](const Document& d) {
        std::vector<std::string> encoded;
        for (const SourceLine& line : d.lines)
            encoded.push_back(encodeChecked(line.text, d.shown, line.number, diagnostics));
        return encoded;
    });
    if (lines)
        out.writeLines(QLatin1String(language.folder) + QLatin1String("master.txt"), *lines);
}

} // namespace

void writeStudiesPages(const QString& sourceRoot, const std::vector<QString>& communities, OutputFolder& out,
                       Diagnostics& diagnostics)
{
    const auto menu = readMenu(sourceRoot, diagnostics);
    DocumentConverter documents(sourceRoot, diagnostics);
    for (const Language& language : kLanguages) {
        if (menu)
            writeOtherStudies(sourceRoot, language, *menu, documents, out, diagnostics);
        writeArts(language, communities, documents, out, diagnostics);
        writeMaster(language, documents, out, diagnostics);
        documents.noteCoverage(language);
    }
}
