#pragma once

#include <QUrl>

// Opens web addresses and documents with the system's default handler.
// Tests install a service that records what would be opened.
class OpenService {
public:
    virtual ~OpenService() = default;
    // False when the system could not open it.
    virtual bool open(const QUrl& url) = 0;
};

// The service in use: QDesktopServices unless a test installed another.
OpenService& openService();
// Installs a service (nullptr restores the system one). The caller keeps ownership.
void setOpenService(OpenService* service);
