#include "app/exit_sequence.h"

#include "app/question_dialog.h"
#include "data/data_store.h"
#include "platform/sound_service.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kLeaveProgramLine = 49;
}

bool confirmLeavingProgram(TForm4& dialog, const DataStore& store)
{
    dialog.LabelNombre->setText(store.uiText[kLeaveProgramLine]);
    dialog.EditNombre->hide();
    return dialog.ask();
}

void exitProgram(DataStore& store)
{
    store.run.startupAborted = true;
    soundService().stop();
    QCoreApplication::quit();
}
