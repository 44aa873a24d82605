#include "diagnostics.h"

#include <QTextStream>

void Diagnostics::error(const QString& file, int line, const QString& message)
{
    ++errors_;
    print("error", file, line, message);
}

void Diagnostics::warning(const QString& file, int line, const QString& message)
{
    ++warnings_;
    print("warning", file, line, message);
}

void Diagnostics::note(const QString& message)
{
    QTextStream(stdout) << message << '\n';
}

void Diagnostics::print(const char* kind, const QString& file, int line, const QString& message)
{
    QTextStream err(stderr);
    err << file;
    if (line > 0)
        err << ':' << line;
    err << ": " << kind << ": " << message << '\n';
}
