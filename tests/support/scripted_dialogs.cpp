#include "support/scripted_dialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    setModalService(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    setModalService(nullptr);
}

int ScriptedDialogs::exec(QDialog& dialog)
{
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const size_t step = static_cast<size_t>(shown++);
    if (step < steps.size())
        steps[step](dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}
