#pragma once

#include "data/load_context.h"
#include "data/text_table.h"

#include <vector>

// Table shapes.
TextTable standardTable(); // 60 characters, slots 0..1100
TextTable wideTable();     // 75 characters, slots 0..1100
TextTable longTable();     // 90 characters, slots 0..250
TextTable longLineTable(); // 100 characters, lines in slots 0..599
TextTable altNameTable();  // 120 characters, lines in slots 0..199
TextTable subjectTable();  // 70 characters, slots 0..100
BlockTable blockTable26(); // 170 groups of 25 lines
BlockTable blockTable51(); // 50 groups of 50 lines

// Every loader reads a path relative to the data folder. A file that cannot be
// read is reported ("Faltan ficheros (path)...") and sets the abort flag; the
// table and its count then stay as they were. Lines past a table's capacity are
// not stored. Each returns the table's new count.
namespace loaders {

// Standard and wide tables: slot 0 the path, slot N line N after the fill rule.
int loadFilled(const LoadContext& ctx, const QString& path, TextTable& table, int width);

// Raw and long tables: slot 0 the path, slot N line N as it stands.
int loadRaw(const LoadContext& ctx, const QString& path, TextTable& table);

// Lines cut to `length` characters without filling; slot 0 the path.
int loadCut(const LoadContext& ctx, const QString& path, TextTable& table, int length);

// The family lines (those starting with "-") into slots 1.. without the "-";
// lineNumbers receives their line numbers in the file. Slot 0 is not written.
// Returns the number of family lines.
int loadFamilyMarkers(const LoadContext& ctx, const QString& path, TextTable& names,
                      std::vector<int>& lineNumbers, int width);

// Blocks of one heading line and table.linesPerGroup() stored lines (fill width
// 60); the heading lines are skipped. Sets table.groupCount.
void loadBlocks(const LoadContext& ctx, const QString& path, BlockTable& table);

// Long-line and alternative-name tables: line N into slot N - 1 after the fill
// rule; no path.
int loadLongLines(const LoadContext& ctx, const QString& path, TextTable& table, int width);

} // namespace loaders
