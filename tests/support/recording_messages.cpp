#include "support/recording_messages.h"

RecordingMessages::RecordingMessages()
{
    setMessageService(this);
}

RecordingMessages::~RecordingMessages()
{
    setMessageService(nullptr);
}
