// TForm2: how the main menu opens it and the ways back.
#include "questionnaires/eso_questionnaire.h"

#include "app/main_menu.h"
#include "app/screens.h"
#include "data/data_store.h"

#include <QPushButton>

QWidget* TForm2::create(DataStore& store)
{
    auto* form = new TForm2(store);
    screens().Form2 = form;
    if (Tform0* menu = screens().form0) {
        menu->setDoorAction(4, [form] { form->openAsItineraries(); });
        menu->setDoorAction(9, [form] { form->openAsQuestionnaire(); });
    }
    return form;
}

void TForm2::openAsItineraries()
{
    BotLOMCE->show();
    botCuestio->hide();
    gradientBackground_ = false;
    show();
    raise();
    activateWindow();
}

void TForm2::openAsQuestionnaire()
{
    BotLOMCE->hide();
    botCuestio->show();
    gradientBackground_ = true;
    update();
    show();
    raise();
    activateWindow();
}

void TForm2::BitAcabarLogseClick()
{
    returnToCaller();
}

void TForm2::returnToCaller()
{
    // The guidance assistant is not part of the program yet, so a pupil it
    // sent here (run.assistantActive) goes back to the main menu as well.
    returnToMainMenu();
    hide();
}

void TForm2::returnToMainMenu()
{
    if (Tform0* menu = screens().form0) {
        menu->show();
        menu->raise();
        menu->activateWindow();
    }
}
