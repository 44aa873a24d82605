#pragma once

#include "platform/message_service.h"

#include <QStringList>
#include <deque>

// Records the messages shown and the questions asked while it is installed;
// questions take the scripted answers in order, "no" once they run out.
class RecordingMessages final : public MessageService {
public:
    RecordingMessages();
    ~RecordingMessages() override;

    void show(const QString& text) override { shown << text; }
    bool ask(const QString& text) override;

    QStringList shown;
    QStringList asked;
    std::deque<bool> answers;
};
