#pragma once

#include "data/load_context.h"

#include <QImage>

// The pictures loaded at start-up and shared by the screens.
struct StartupPictures {
    static constexpr const char* kWorldArchives[] = {"segdxg1.DXG", "india.DXG"};
    static constexpr const char* kMenuPicture = "imagen";
    static constexpr const char* kMenuSign = "rotulon.bmp";

    QImage chica;   // splash picture, logo of printed headers
    QImage parte;   // building front tile
    QImage heli;    // guidance assistant picture
    QImage mapa;    // communities map
    QImage mapac;   // Catalonia map
    QImage mapam;   // Madrid map
    QImage suelo;   // background tile
    QImage marcodLeft;
    QImage marcodRight;
    QImage marcoar; // top frame strip

    // Loads every picture; a missing or unreadable one sets the abort flag, and
    // a missing map also shows "Faltan ficheros". A failure does not stop the
    // loads that follow.
    void load(const LoadContext& ctx);
};
