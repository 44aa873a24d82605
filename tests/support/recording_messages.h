#pragma once

#include "platform/message_service.h"

#include <QStringList>

// Records the messages shown while it is installed.
class RecordingMessages final : public MessageService {
public:
    RecordingMessages();
    ~RecordingMessages() override;

    void show(const QString& text) override { shown << text; }

    QStringList shown;
};
