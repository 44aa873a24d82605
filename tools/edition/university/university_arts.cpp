#include "university_arts.h"

#include "university_model.h"

#include <QRegularExpression>
#include <map>

using namespace university;

namespace {

constexpr int kLineWidth = 60;           // the shared arts table keeps 60 characters
constexpr int kPlasticSpecialtyLines = 17; // codes 00..16, 00 the heading
constexpr int kDramaSpecialtyLines = 8;    // digits 0..7, 0 the heading
constexpr int kSchoolWidth = 22;
constexpr int kDramaSchoolWidth = 24;
constexpr int kPhoneWidth = 9;
constexpr int kDramaDigitsColumn = 41;
constexpr int kSpecialtiesPerSchool = 5;

using Sections = std::map<QString, std::vector<SourceLine>>;

class ArtWriter {
public:
    ArtWriter(const Document& source, const std::vector<QString>& communities, Diagnostics& diagnostics)
        : source_(source)
        , communities_(communities)
        , diagnostics_(diagnostics)
    {
    }

    std::vector<std::string> write(ArtKind kind)
    {
        switch (kind) {
        case ArtKind::PlasticArts:
            if (split({"access", "specialties", "schools"})) {
                freeText("access");
                lines_.emplace_back("f1");
                const auto codes = specialties(kPlasticSpecialtyLines, 2);
                plasticSchools(codes);
                lines_.emplace_back("f2");
            }
            break;
        case ArtKind::Music:
        case ArtKind::Dance:
            if (split({"access", "specialties", kind == ArtKind::Music ? "conservatories" : "schools"})) {
                freeText("access");
                lines_.emplace_back("f1");
                freeText("specialties");
                lines_.emplace_back("f2");
                if (kind == ArtKind::Music)
                    conservatories();
                else
                    freeText("schools");
            }
            break;
        case ArtKind::Drama:
            if (split({"access", "studies", "specialties", "schools"})) {
                freeText("access");
                lines_.emplace_back("f1");
                freeText("studies");
                lines_.emplace_back("f2");
                lines_.emplace_back();
                dramaSchools(specialties(kDramaSpecialtyLines, 1));
            }
            break;
        }
        return lines_;
    }

private:
    // Splits the source at its "[name]" lines, which must be exactly `names` in order.
    bool split(std::initializer_list<const char*> names)
    {
        static const QRegularExpression heading(QStringLiteral("^\\[([a-z-]+)\\]$"));
        QStringList found;
        QString current;
        for (const SourceLine& line : source_.lines) {
            const auto match = heading.match(line.text);
            if (match.hasMatch()) {
                current = match.captured(1);
                found << current;
            } else if (current.isEmpty()) {
                diagnostics_.error(source_.shown, line.number, QStringLiteral("text before the first [section]"));
            } else {
                sections_[current].push_back(line);
            }
        }
        QStringList expected;
        for (const char* name : names)
            expected << QLatin1String(name);
        if (found == expected)
            return true;
        diagnostics_.error(source_.shown, 0, QStringLiteral("sections must be [%1]").arg(expected.join(QStringLiteral("], ["))));
        return false;
    }

    std::string line(const QString& text, int at)
    {
        return encodeWithin(text, kLineWidth, source_.shown, at, diagnostics_);
    }

    void freeText(const QString& section)
    {
        for (const SourceLine& l : sections_[section]) {
            if (l.text.startsWith(QLatin1String("f1")) || l.text.startsWith(QLatin1String("f2")))
                diagnostics_.error(source_.shown, l.number, QStringLiteral("a line starting \"f1\" or \"f2\" would end the section"));
            lines_.push_back(line(l.text, l.number));
        }
    }

    // "-<TAB>caption", "-" (an empty separator) or "key<TAB>name", numbered
    // from 0 in `digits` columns; returns the number of each key.
    std::map<QString, int> specialties(int count, int digits)
    {
        std::map<QString, int> codes;
        const auto& entries = sections_[QStringLiteral("specialties")];
        for (size_t n = 0; n < entries.size(); ++n) {
            const SourceLine& l = entries[n];
            const qsizetype tab = l.text.indexOf(QLatin1Char('\t'));
            const QString key = l.text.left(tab);
            const QString name = tab < 0 ? QString() : l.text.mid(tab + 1);
            if (n == 0 && key != QLatin1String("-"))
                diagnostics_.error(source_.shown, l.number, QStringLiteral("the first specialty line is the heading \"-<TAB>text\""));
            if (key != QLatin1String("-") && (name.isEmpty() || !codes.emplace(key, static_cast<int>(n)).second))
                diagnostics_.error(source_.shown, l.number, QStringLiteral("expected a new key, a tab and a name"));
            lines_.push_back(line(QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0')) + name, l.number));
        }
        if (static_cast<int>(entries.size()) != count)
            diagnostics_.error(source_.shown, 0, QStringLiteral("%1 specialty lines given, %2 expected").arg(entries.size()).arg(count));
        return codes;
    }

    QString specialtyCodes(const QString& keys, const std::map<QString, int>& codes, int digits, int at)
    {
        QString written;
        const QStringList list = keys.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (list.size() > kSpecialtiesPerSchool)
            diagnostics_.error(source_.shown, at, QStringLiteral("at most %1 specialties").arg(kSpecialtiesPerSchool));
        for (const QString& key : list) {
            const auto found = codes.find(key);
            if (found == codes.end())
                diagnostics_.error(source_.shown, at, QStringLiteral("unknown specialty \"%1\"").arg(key));
            else
                written += QStringLiteral("%1").arg(found->second, digits, 10, QLatin1Char('0'));
        }
        return written;
    }

    QString column(const QString& text, int width, int at)
    {
        encodeWithin(text, width, source_.shown, at, diagnostics_);
        return text.leftJustified(width, QLatin1Char(' '), true);
    }

    void webLine(const QString& indent, const QString& address, int at)
    {
        if (!address.startsWith(QLatin1String("http")) || address.contains(QLatin1Char(' ')))
            diagnostics_.error(source_.shown, at, QStringLiteral("a web address starts with \"http\" and has no blanks"));
        lines_.push_back(line(indent + address, at));
    }

    // community TAB school TAB telephone TAB specialties TAB address
    void plasticSchools(const std::map<QString, int>& codes)
    {
        for (const SourceLine& l : sections_[QStringLiteral("schools")]) {
            const auto parts = fields(l, 5, 5, "community<TAB>school<TAB>telephone<TAB>specialties<TAB>address", source_.shown, diagnostics_);
            if (!parts)
                continue;
            const int community = communityNumber(communities_, parts->at(0), source_.shown, l.number, diagnostics_);
            lines_.push_back(line(QStringLiteral("%1").arg(community, 2) + column(parts->at(1), kSchoolWidth, l.number) +
                                      column(parts->at(2), kPhoneWidth, l.number) + QLatin1Char(' ') +
                                      specialtyCodes(parts->at(3), codes, 2, l.number),
                                  l.number));
            webLine(QStringLiteral("  "), parts->at(4), l.number);
        }
    }

    // community TAB city TAB address; the community is written when it changes.
    void conservatories()
    {
        int previous = 0;
        for (const SourceLine& l : sections_[QStringLiteral("conservatories")]) {
            const auto parts = fields(l, 3, 3, "community<TAB>city<TAB>address", source_.shown, diagnostics_);
            if (!parts)
                continue;
            const int community = communityNumber(communities_, parts->at(0), source_.shown, l.number, diagnostics_);
            const QString number = community == previous ? QStringLiteral("  ") : QStringLiteral("%1").arg(community, 2);
            previous = community;
            if (parts->at(1).contains(QLatin1String("http")))
                diagnostics_.error(source_.shown, l.number, QStringLiteral("the city cannot contain \"http\""));
            webLine(number + parts->at(1) + QLatin1Char(' '), parts->at(2), l.number);
        }
    }

    // school TAB telephone TAB specialties TAB address
    void dramaSchools(const std::map<QString, int>& codes)
    {
        for (const SourceLine& l : sections_[QStringLiteral("schools")]) {
            const auto parts = fields(l, 4, 4, "school<TAB>telephone<TAB>specialties<TAB>address", source_.shown, diagnostics_);
            if (!parts)
                continue;
            const QString start = QLatin1Char('-') + column(parts->at(0), kDramaSchoolWidth, l.number) +
                                  column(parts->at(1), kPhoneWidth, l.number);
            lines_.push_back(line(start.leftJustified(kDramaDigitsColumn - 1) + specialtyCodes(parts->at(2), codes, 1, l.number),
                                  l.number));
            webLine(QString(), parts->at(3), l.number);
        }
    }

    const Document& source_;
    const std::vector<QString>& communities_;
    Diagnostics& diagnostics_;
    Sections sections_;
    std::vector<std::string> lines_;
};

} // namespace

std::vector<std::string> artLines(const ArtFile& art, const Document& source, const std::vector<QString>& communities,
                                  Diagnostics& diagnostics)
{
    return ArtWriter(source, communities, diagnostics).write(art.kind);
}
