#pragma once

#include "university/where_to_study.h"

#include <QList>

class DataStore;

// The grid of the double degrees of a degree at the universities of one
// community: three header rows, then for each university with a pair that
// includes the degree a header and one row per partner degree with its mark.
QList<GridRow> composeStarMapDoubles(const DataStore& store, int community, int degree);
