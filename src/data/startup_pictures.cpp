#include "data/startup_pictures.h"

namespace {

enum class OnFailure { Silent, Message };

void loadPicture(const LoadContext& ctx, const char* file, QImage& picture, OnFailure onFailure)
{
    const QString path = QString::fromLatin1(file);
    if (ctx.exists(path) && picture.load(ctx.absolutePath(path)))
        return;
    if (onFailure == OnFailure::Message)
        ctx.say(QStringLiteral("Faltan ficheros"));
    ctx.abort();
}

} // namespace

void StartupPictures::load(const LoadContext& ctx)
{
    loadPicture(ctx, "chica.bmp", chica, OnFailure::Silent);
    loadPicture(ctx, "parte", parte, OnFailure::Silent);
    loadPicture(ctx, "heli.bmp", heli, OnFailure::Silent);
    loadPicture(ctx, "mapa", mapa, OnFailure::Message);
    loadPicture(ctx, "mapac", mapac, OnFailure::Message);
    loadPicture(ctx, "mapam", mapam, OnFailure::Message);
    loadPicture(ctx, "suelo", suelo, OnFailure::Silent);
    loadPicture(ctx, "marcod", marcodLeft, OnFailure::Silent);
    loadPicture(ctx, "marcod", marcodRight, OnFailure::Silent);
    loadPicture(ctx, "marcoar", marcoar, OnFailure::Silent);
}
