#include "platform/open_service.h"

#include <QDesktopServices>

namespace {

class SystemOpenService final : public OpenService {
public:
    bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

OpenService* installed = nullptr;

} // namespace

OpenService& openService()
{
    static SystemOpenService system;
    return installed ? *installed : system;
}

void setOpenService(OpenService* service)
{
    installed = service;
}
