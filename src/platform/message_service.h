#pragma once

#include <QString>

// Message boxes with fixed texts. Screens and loaders show messages through the
// current service so that tests can record them instead of blocking on a dialog.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(const QString& text) = 0;
    // A yes/no question box with an empty caption: true for "yes". By default
    // a Qt question box.
    virtual bool ask(const QString& text);
};

// The service in use: Qt message boxes unless a test installed another.
MessageService& messageService();

// Installs a service (nullptr restores the Qt one). The caller keeps ownership.
void setMessageService(MessageService* service);
