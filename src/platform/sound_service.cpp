#include "platform/sound_service.h"

#include <QFileInfo>
#include <QUrl>

#ifdef TRAZELA_HAVE_MULTIMEDIA
#include <QSoundEffect>
#include <memory>
#endif

namespace {

class DefaultSoundService final : public SoundService {
public:
    void play(const QString& file) override
    {
#ifdef TRAZELA_HAVE_MULTIMEDIA
        if (!QFileInfo(file).isFile())
            return;
        if (!effect_)
            effect_ = std::make_unique<QSoundEffect>();
        effect_->stop();
        effect_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
        effect_->play();
#else
        (void)file;
#endif
    }

    void stop() override
    {
#ifdef TRAZELA_HAVE_MULTIMEDIA
        if (effect_)
            effect_->stop();
#endif
    }

private:
#ifdef TRAZELA_HAVE_MULTIMEDIA
    std::unique_ptr<QSoundEffect> effect_;
#endif
};

SoundService* installed = nullptr;

} // namespace

SoundService& soundService()
{
    static DefaultSoundService defaultService;
    return installed ? *installed : defaultService;
}

void setSoundService(SoundService* service)
{
    installed = service;
}
