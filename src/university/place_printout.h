#pragma once

#include "university/where_to_study.h"

#include <string>
#include <vector>

class DataStore;

// The printout of what a place teaches: a title, a bold heading line, then one
// line per grid row (its first cell padded and cut to 50, then its mark cell).
// Headers (lines beginning "-" or three blanks) print bold.
struct PlacePrintout {
    std::string title;
    std::vector<std::string> lines; // report lines 1..n
    std::vector<int> boldLines;
};

// The two grid cells of a listed line: its first 55 characters, and a blank
// followed by its last four.
GridRow placeGridRow(const QByteArray& line);

PlacePrintout composePlacePrintout(const DataStore& store, int place, const QList<PlaceDegreeLine>& lines);
