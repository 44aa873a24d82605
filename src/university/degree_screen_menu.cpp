// TForm1: the screen's menu, its sub-menus and the way out of the screen.
#include "university/degree_screen.h"

#include "data/data_store.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

void TForm1::botinformacionClick()
{
    PanelMenu->show();
}

void TForm1::BotMenuInfoMouseMove()
{
    PanelMenu2->show();
    PanelMenu2->raise();
    PanelMenu4->hide();
}

void TForm1::BotMenuArtesMouseMove()
{
    PanelMenu4->show();
    PanelMenu4->raise();
    PanelMenu2->hide();
}

void TForm1::HideSubMenusMouseMove()
{
    PanelMenu2->hide();
    PanelMenu4->hide();
}

void TForm1::PanelinicioMouseMove()
{
    HideSubMenusMouseMove();
    PanelMapa->hide();
}

void TForm1::BotMenuRetroClick()
{
    PanelMenu->hide();
    // A way out that the program does not offer yet falls back to the main menu.
    std::function<void()> exit = exits_.showMainMenu;
    if (store_.run.assistantActive && exits_.showAssistant)
        exit = exits_.showAssistant;
    else if (!store_.run.assistantActive && store_.run.animationEnabled && exits_.showWorld)
        exit = exits_.showWorld;
    if (exit)
        exit();
    hide();
}
