#pragma once

#include <QByteArray>
#include <string>
#include <string_view>

class DataStore;

// Pieces of the degree lists: names of degrees as a place teaches them.
namespace degree_lines {

// The number of degrees: the lines of carreran, within the record areas.
int degreeCount(const DataStore& store);

// Stored bytes as a QByteArray, for the lists handed to the screens.
QByteArray toBytes(std::string_view text);

// The text cut to width characters and padded with blanks to exactly width.
std::string fixedWidth(std::string_view text, int width);

// Line n of carrenue (an alternative name); empty outside the table.
std::string_view altNameLine(const DataStore& store, int n);

// The name of the degree at position k of its place list: the alternative name
// used there, else its carreran line.
std::string_view nameAtPosition(const DataStore& store, int degree, int position);

// The name of the degree at its first position at the place; the carreran
// line when the place does not teach it.
std::string_view nameAtPlace(const DataStore& store, int degree, int place);

} // namespace degree_lines
