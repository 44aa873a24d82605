#pragma once

class QDialog;

// Runs dialogs modally. Tests install a service that answers for the pupil, so
// that no dialog ever blocks a test; the dialog still closes through its own
// done(), as it would on screen.
class ModalService {
public:
    virtual ~ModalService() = default;
    // The dialog's result code once it has closed.
    virtual int exec(QDialog& dialog) = 0;
};

// The service in use: QDialog::exec unless a test installed another.
ModalService& modalService();
void setModalService(ModalService* service);
