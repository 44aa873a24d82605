// The edition compiler:
//   trazela-edition compile SOURCES DATAFOLDER   writes every file of the data folder
//   trazela-edition check DATAFOLDER             loads it with the program's loaders
//   trazela-edition images FOLDER                draws the screens' image lists
//   trazela-edition uses SRC DATAFOLDER OUT.md   where the code uses each interface text line
#include "check.h"
#include "compile.h"
#include "diagnostics.h"
#include "pictures.h"
#include "ui_text_uses.h"

#include "platform/cp1252.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeUiTextUses(const QString& sourceRoot, const QString& dataFolder, const QString& outputPath)
{
    QFile texts(dataFolder + QStringLiteral("/cas/textos"));
    QFile output(outputPath);
    if (!texts.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QTextStream(stderr) << outputPath << ": error: cannot read the texts or write the cross-reference\n";
        return false;
    }
    const QByteArray bytes = texts.readAll();
    const QStringList castilian =
        cp1252::decode(std::string_view(bytes.constData(), size_t(bytes.size()))).split(QStringLiteral("\r\n"));
    output.write(uiTextUsesMarkdown(scanUiTextUses(sourceRoot), castilian).toUtf8());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() == 4 && args.at(1) == QLatin1String("compile")) {
        QElapsedTimer timer;
        timer.start();
        Diagnostics diagnostics;
        const bool ok = compileEdition(args.at(2), args.at(3), diagnostics);
        QTextStream(stdout) << "edition compiled in " << timer.elapsed() << " ms: " << diagnostics.errors()
                            << " errors, " << diagnostics.warnings() << " warnings\n";
        return ok ? 0 : 1;
    }
    if (args.size() == 3 && args.at(1) == QLatin1String("check"))
        return checkDataFolder(args.at(2)) ? 0 : 1;
    if (args.size() == 3 && args.at(1) == QLatin1String("images")) {
        if (writeImageLists(args.at(2)))
            return 0;
        err << args.at(2) << ": error: cannot write the image lists\n";
        return 1;
    }
    if (args.size() == 5 && args.at(1) == QLatin1String("uses"))
        return writeUiTextUses(args.at(2), args.at(3), args.at(4)) ? 0 : 1;
    err << "usage: trazela-edition compile SOURCES DATAFOLDER\n"
           "       trazela-edition check DATAFOLDER\n"
           "       trazela-edition images FOLDER\n"
           "       trazela-edition uses SRC DATAFOLDER OUT.md\n";
    return 2;
}
