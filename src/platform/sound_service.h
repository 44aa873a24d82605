#pragma once

#include <QString>

// Plays sound files without waiting; a new sound replaces one still playing.
// Tests install a recording service.
class SoundService {
public:
    virtual ~SoundService() = default;
    // A file that is missing or cannot be played plays nothing.
    virtual void play(const QString& file) = 0;
    // Stops a sound still playing.
    virtual void stop() = 0;
};

// The service in use: Qt Multimedia when the program was built with it,
// otherwise silence.
SoundService& soundService();
void setSoundService(SoundService* service);
