#pragma once

#include "diagnostics.h"

#include <QString>
#include <map>

// The places, comarcas and Madrid zones of geography/, by name, as the centre
// sources refer to them. The geography compiler validates those files; this
// reader only takes the names and codes.
struct CentrePlaces {
    static constexpr int kCatalonia = 9;
    static constexpr int kMadrid = 13;

    struct Place {
        QString code; // centre table digit and province character
        int community = 0;
    };
    std::map<QString, Place> places;
    std::map<QString, QString> comarcas; // comarcas and the Barcelonès list (not its heading)
    std::map<QString, QString> madridZones; // every line of a zone
    QString barcelonesCode; // the region whose click opens the Barcelonès list
};

CentrePlaces readCentrePlaces(const QString& sourceRoot, Diagnostics& diagnostics);
