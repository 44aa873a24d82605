#pragma once

#include <QString>

// Problems found in the edition sources, printed as "file:line: kind: message".
class Diagnostics {
public:
    void error(const QString& file, int line, const QString& message);
    void warning(const QString& file, int line, const QString& message);
    void note(const QString& message);

    int errors() const { return errors_; }
    int warnings() const { return warnings_; }

private:
    void print(const char* kind, const QString& file, int line, const QString& message);

    int errors_ = 0;
    int warnings_ = 0;
};
