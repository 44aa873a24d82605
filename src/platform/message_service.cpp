#include "platform/message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class QtMessageService final : public MessageService {
public:
    void show(const QString& text) override
    {
        // Legacy texts break lines with a lone CR.
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), shown);
    }
};

MessageService* installed = nullptr;

} // namespace

MessageService& messageService()
{
    static QtMessageService qtService;
    return installed ? *installed : qtService;
}

void setMessageService(MessageService* service)
{
    installed = service;
}
