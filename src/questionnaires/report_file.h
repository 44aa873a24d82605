#pragma once

#include <QString>
#include <string>

// Writes a saved report: the bytes go to a temporary file in the target's
// folder, which replaces the target only once all of them are on disk. False
// when anything fails; an existing file is then left as it was.
bool writeReportFile(const QString& path, const std::string& bytes);
