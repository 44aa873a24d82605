// TForm2: the careers panel of a career group and its printout.
#include "questionnaires/eso_questionnaire.h"

#include "data/data_store.h"
#include "platform/cp1252.h"
#include "platform/panel_transitions.h"
#include "platform/print_service.h"

#include <QListWidget>

void TForm2::openCareers(int careerGroup)
{
    careers_ = eso::careerLines(store_, careerGroup);
    ShowWithRoll(PanelCar, 0);
    ListCar->clear();
    for (const std::string& line : careers_)
        ListCar->addItem(cp1252::decode(line));
    PanelCar->raise();
    ShowWithRoll(PanelCar, 1);
}

void TForm2::BotCerrarClick()
{
    HideWithRollUp(PanelCar);
}

void TForm2::ListCarClick()
{
    PanelCar->hide();
}

void TForm2::BotImpTitClick()
{
    if (careers_.empty())
        return;
    const int lines = eso::fillCareersPrintout(store_, careers_);
    if (printService().choosePrinter())
        printPortraitReport(store_.reportBuffer, lines, ReportFont::Fixed, 10);
}
