#include "platform/message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// Legacy texts break lines with a lone CR.
QString withLineBreaks(const QString& text)
{
    QString shown = text;
    return shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

class QtMessageService final : public MessageService {
public:
    void show(const QString& text) override
    {
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                                 withLineBreaks(text));
    }
};

MessageService* installed = nullptr;

} // namespace

bool MessageService::ask(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QString(), withLineBreaks(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

MessageService& messageService()
{
    static QtMessageService qtService;
    return installed ? *installed : qtService;
}

void setMessageService(MessageService* service)
{
    installed = service;
}
