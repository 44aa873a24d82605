#include "support/recording_messages.h"

RecordingMessages::RecordingMessages()
{
    setMessageService(this);
}

RecordingMessages::~RecordingMessages()
{
    setMessageService(nullptr);
}

bool RecordingMessages::ask(const QString& text)
{
    asked << text;
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}
