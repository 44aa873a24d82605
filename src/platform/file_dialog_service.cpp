#include "platform/file_dialog_service.h"

#include "platform/message_service.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

class QtFileDialogService final : public FileDialogService {
public:
    QString saveFileName(const QString& caption, const QString& proposedName, const QString& defaultSuffix) override
    {
        QFileDialog dialog(QApplication::activeWindow(), caption, proposedName);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

FileDialogService* installed = nullptr;

} // namespace

bool FileDialogService::confirmReplace(const QString& path)
{
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
    return messageService().ask(question.arg(QFileInfo(path).fileName()));
}

FileDialogService& fileDialogService()
{
    static QtFileDialogService qtService;
    return installed ? *installed : qtService;
}

void setFileDialogService(FileDialogService* service)
{
    installed = service;
}
