#pragma once

#include "diagnostics.h"
#include "university_translations.h"

#include <QString>
#include <string>
#include <vector>

// The four artistic files. Each source is split by "[section]" lines; the
// compiler writes the sections in order with the "f1" and "f2" separators,
// numbers the specialties and lays out the schools in their columns.
enum class ArtKind { PlasticArts, Music, Dance, Drama };

struct ArtFile {
    ArtKind kind;
    const char* name; // source and output name: artesplas, musica, danza, dramatico
};
inline constexpr ArtFile kArtFiles[] = {
    {ArtKind::PlasticArts, "artesplas"},
    {ArtKind::Music, "musica"},
    {ArtKind::Dance, "danza"},
    {ArtKind::Drama, "dramatico"},
};

// The lines of the data-folder file, Windows-1252.
std::vector<std::string> artLines(const ArtFile& art, const Document& source, const std::vector<QString>& communities,
                                  Diagnostics& diagnostics);
