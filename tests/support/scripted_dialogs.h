#pragma once

#include "platform/modal_service.h"

#include <QDialog>
#include <functional>
#include <vector>

// Answers modal dialogs for the pupil: each dialog shown runs the next step of
// the script, which acts on the dialog (types, clicks, closes it). A dialog
// that the step leaves open is rejected, as its close box would.
class ScriptedDialogs final : public ModalService {
public:
    using Step = std::function<void(QDialog&)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    int exec(QDialog& dialog) override;

    std::vector<Step> steps;
    int shown = 0;
};
