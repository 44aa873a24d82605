#pragma once

#include <QByteArray>
#include <QList>
#include <array>

class DataStore;

// The lists that join degrees and places: where a degree is taught, and what
// a place teaches. Lines are Windows-1252 bytes.

// A cut-off mark in tenths as four characters (" 5,5", "10,0"); 10 means the
// place has no cut-off mark and reads "  - ".
QByteArray markText(int tenths);

// For communities 1..19: whether the where-to-study list holds a place of it,
// and the grid row (from 0) of its header.
struct CommunityMarks {
    std::array<bool, 20> flags{};
    std::array<int, 20> firstRow{};
};

// Lines 1..n of the list (index 0 is line 1).
struct WhereToStudyList {
    QList<QByteArray> lines;
    CommunityMarks marks;
};

// Every place that teaches the degree with its mark, grouped under community
// headers in community order, after a title line and "Not.".
WhereToStudyList composeWhereToStudy(const DataStore& store, int degree);

// The places of a community in place order; Ceuta and Melilla (18, 19) list
// the places of Andalusia (1).
QList<int> placesOfCommunity(const DataStore& store, int community);

// degree is 0 for headers and the double-degree lines.
struct PlaceDegreeLine {
    QByteArray text;
    int degree = 0;
};

// Every degree taught at the place with its mark, grouped by branch when the
// list is long, followed by the place's double degrees.
QList<PlaceDegreeLine> composePlaceDegrees(const DataStore& store, int place);

struct GridRow {
    QByteArray cell0, cell1;
};
