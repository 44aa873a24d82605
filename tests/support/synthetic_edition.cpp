#include "support/synthetic_edition.h"

#include "support/fixture_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>
#include <stdexcept>

namespace {

using Lines = std::vector<std::string>;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write synthetic edition");
}

void writeLines(const QString& path, const Lines& lines)
{
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes.append(line.data(), static_cast<qsizetype>(line.size())).append("\r\n");
    writeFile(path, bytes);
}

Lines numbered(const char* prefix, int count)
{
    Lines lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(std::string(prefix) + " " + std::to_string(i));
    return lines;
}

Lines blocks(int groups, int linesPerGroup)
{
    Lines lines;
    for (int g = 1; g <= groups; ++g) {
        lines.push_back("Bloque " + std::to_string(g));
        for (int i = 1; i <= linesPerGroup; ++i)
            lines.push_back("Linea " + std::to_string(i) + " del bloque " + std::to_string(g));
    }
    return lines;
}

Lines withFamilies(int titles, int titlesPerFamily)
{
    Lines lines;
    for (int t = 0; t < titles; ++t) {
        if (t % titlesPerFamily == 0)
            lines.push_back("-Familia " + std::to_string(t / titlesPerFamily + 1));
        lines.push_back("Titulo " + std::to_string(t + 1));
    }
    return lines;
}

std::string padded(std::string text, size_t width)
{
    text.resize(width, ' ');
    return text;
}

std::string twoDigits(int n)
{
    return (n < 10 ? " " : "") + std::to_string(n);
}

QByteArray byteLists(int records, int lists, int values, int seed)
{
    QByteArray bytes(records * lists * (values + 1), '\0');
    for (int r = 0; r < records; ++r)
        for (int l = 0; l < lists; ++l) {
            char* list = bytes.data() + (r * lists + l) * (values + 1);
            const int length = 1 + (l + seed) % values;
            list[0] = static_cast<char>(length);
            for (int i = 1; i <= length; ++i)
                list[i] = static_cast<char>(1 + (l * 7 + i * 3 + r) % 130);
        }
    return bytes;
}

std::vector<int32_t> integers(int count, int modulo)
{
    std::vector<int32_t> values(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        values[static_cast<size_t>(i)] = i % modulo;
    return values;
}

std::vector<int32_t> centreTitles(int titles)
{
    std::vector<int32_t> values(4 * 1100 * 26);
    for (int row = 0; row < 4 * 1100; ++row) {
        const int n = row % 6;
        values[static_cast<size_t>(row * 26)] = n;
        for (int i = 1; i <= n; ++i)
            values[static_cast<size_t>(row * 26 + i)] = 1 + (row + i * 17) % titles;
    }
    return values;
}

void writePicture(const QString& path, int width, int height, QImage::Format format, QColor colour)
{
    QImage picture(width, height, format);
    if (format == QImage::Format_Indexed8) {
        picture.setColorTable({colour.rgb(), QColor(Qt::white).rgb()});
        picture.fill(0);
    } else {
        picture.fill(colour);
    }
    if (!picture.save(path, "BMP"))
        throw std::runtime_error("cannot write synthetic picture");
}

void writeLanguageFolder(const QDir& folder)
{
    auto file = [&](const char* name) { return folder.filePath(QLatin1String(name)); };
    writeLines(file("textos"), numbered("Texto", 749));
    writeLines(file("informa_l"), numbered("18Informacion", 400));
    writeLines(file("materias_l"), numbered("Materia", 300));
    writeLines(file("materiasp"), numbered("Materia de modalidad", 23));
    writeLines(file("carreran"), numbered("Grado en Materia", 350));
    writeLines(file("carrenue"), numbered("Nombre local", 200));
    writeLines(file("carreranb"), numbered("Grupo de grados", 40));
    writeLines(file("otros"), numbered("Otros estudios", 12));
    writeLines(file("itinerar"), numbered("Itinerario", 52));
    writeLines(file("fp"), withFamilies(170, 7));
    writeLines(file("reqfp"), numbered("Requisito", 120));
    writeLines(file("asignafp"), blocks(170, 25));
    writeLines(file("asignaot"), blocks(12, 50));
    writeLines(file("activida"), numbered("Actividad", 27));
    writeLines(file("familias"), numbered("Familia profesional", 26));
    writeLines(file("profesio"), numbered("AGRO MEDI Profesion", 167));
    writeLines(file("cuestion"), numbered("45Pregunta", 112));
    writeLines(file("cuesgm"), numbered("Pregunta de grado medio", 120));
    writeLines(file("fp2"), withFamilies(156, 6));
    writeLines(file("asignagm"), blocks(156, 25));
    writeLines(file("fpba"), withFamilies(43, 4));
    writeLines(file("asignaba"), blocks(43, 25));
    writeLines(file("certifica"), numbered("Certificado", 600));
    writeLines(file("certificah"), numbered("123450 Descripcion", 250));
    writeLines(file("cualidad"), numbered("Cualidad", 86));
    writeLines(file("interes"), numbered("Interes", 121));
}

} // namespace

void writeSyntheticEdition(const QString& dataFolder)
{
    const QDir folder(dataFolder);
    auto file = [&](const char* name) { return folder.filePath(QLatin1String(name)); };
    writeLanguageFolder(QDir(folder.filePath(QStringLiteral("cas"))));

    writeLines(file("comunida"), numbered("Comunidad o lugar", 83));
    for (int block = 1; block <= 4; ++block)
        writeLines(folder.filePath(QStringLiteral("lu%1").arg(block)), numbered("Centro educativo", 1100));
    Lines places;
    for (int p = 1; p <= 137; ++p)
        places.push_back(twoDigits(1 + p % 19) + padded("Universidad " + std::to_string(p), 35) +
                         "www.universidad" + std::to_string(p) + ".es");
    writeLines(file("lugar"), places);
    Lines links;
    for (int r = 1; r <= 19; ++r)
        links.push_back(padded("Comunidad " + std::to_string(r), 14) + "www.comunidad" + std::to_string(r) + ".es");
    writeLines(file("comuint"), links);
    Lines doubles;
    for (int u = 1; u <= 137; ++u) {
        doubles.push_back(twoDigits(1 + u % 19) + "Universidad " + std::to_string(u));
        for (int e = 1; e <= 8; ++e)
            doubles.push_back("    " + padded(std::to_string(e), 3) + padded(std::to_string(e + 10), 3) + " 7,5");
    }
    writeLines(file("dobles"), doubles);
    Lines comarcas;
    for (int c = 1; c <= 41; ++c)
        comarcas.push_back("B" + std::to_string(c % 10) + twoDigits(c) + "Comarca " + std::to_string(c));
    for (int c = 1; c <= 19; ++c)
        comarcas.push_back("BC" + std::string("Barrio ") + std::to_string(c));
    writeLines(file("comarcas"), comarcas);
    Lines zones;
    for (int z = 1; z <= 60; ++z)
        zones.push_back("M" + std::to_string(z % 10) + twoDigits(1 + z % 28) + "Zona " + std::to_string(z));
    writeLines(file("comarcasm"), zones);

    writeFile(file("datluggs"), integerBytes(centreTitles(170)));
    writeFile(file("datluggm"), integerBytes(centreTitles(156)));
    writeFile(file("datlugbas"), integerBytes(centreTitles(43)));
    writeFile(file("datfps"), integerBytes(integers(200 * 25, 27)));
    writeFile(file("datfpm"), integerBytes(integers(200 * 7, 27)));
    std::vector<int32_t> degrees(350 * 14);
    for (int d = 0; d < 350; ++d)
        for (int f = 0; f < 14; ++f)
            degrees[static_cast<size_t>(d * 14 + f)] = f == 9 ? d + 1 : (d + f) % 12;
    writeFile(file("datgrados"), integerBytes(degrees));
    writeFile(file("datcarn"), byteLists(2, 350, 100, 0));
    writeFile(file("datcarnue"), byteLists(2, 350, 100, 3));
    writeFile(file("datgrub"), byteLists(3, 20, 50, 1));
    std::vector<int32_t> regions(281 * 636);
    for (size_t i = 0; i < regions.size(); ++i)
        regions[i] = static_cast<int32_t>(i % 20);
    writeFile(file("puntos3"), integerBytes(regions));

    writePicture(file("chica.bmp"), 52, 120, QImage::Format_RGB32, QColor(200, 120, 90));
    writePicture(file("parte"), 174, 399, QImage::Format_RGB32, QColor(180, 170, 150));
    writePicture(file("heli.bmp"), 83, 28, QImage::Format_RGB32, QColor(90, 120, 200));
    writePicture(file("mapa"), 281, 196, QImage::Format_Indexed8, QColor(120, 200, 120));
    writePicture(file("mapac"), 281, 220, QImage::Format_RGB888, QColor(120, 200, 120));
    writePicture(file("mapam"), 281, 220, QImage::Format_RGB888, QColor(120, 200, 120));
    writePicture(file("suelo"), 200, 200, QImage::Format_RGB32, QColor(230, 220, 200));
    writePicture(file("marcod"), 23, 87, QImage::Format_RGB32, QColor(120, 80, 40));
    writePicture(file("marcoar"), 1024, 50, QImage::Format_RGB32, QColor(120, 80, 40));
}
