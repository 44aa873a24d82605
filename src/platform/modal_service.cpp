#include "platform/modal_service.h"

#include <QDialog>

namespace {

class QtModalService final : public ModalService {
public:
    int exec(QDialog& dialog) override { return dialog.exec(); }
};

ModalService* installed = nullptr;

} // namespace

ModalService& modalService()
{
    static QtModalService qtService;
    return installed ? *installed : qtService;
}

void setModalService(ModalService* service)
{
    installed = service;
}
