// TForm1: the back action of the content area.
#include "university/degree_screen.h"

#include "platform/owner_drawn.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

void TForm1::restoreDesignPositions()
{
    PanelSel->move(PanelSel->x(), designTops_[0]);
    PanelSelTit->move(PanelSelTit->x(), designTops_[1]);
    PanelCarSel->move(PanelCarSel->x(), designTops_[2]);
}

void TForm1::BotRetrocederClick()
{
    HideSubMenusMouseMove();
    if (MasterShown) {
        MasterShown = false;
        for (QWidget* w : std::initializer_list<QWidget*>{LabelMaster, LabelMaster2, PanelSel, PanelSelTit, RichSalidas,
                                                          BotRetroceder, BotImprimir})
            w->hide();
        PanelMenu->show();
        return;
    }
    PrintCollect = false;
    ListSel->setCursor(Qt::ForbiddenCursor);
    restoreDesignPositions();

    if (ArtsMode) {
        ArtsMode = false;
        ArtKind = {};
        for (QWidget* w : std::initializer_list<QWidget*>{BotImprimirN, BotRetroceder, ListComunidad, BotArtesTit,
                                                          BotArtesEsp, BotArtesLug, ListSel, PanelSel, PanelSelTit,
                                                          PanelCarSel})
            w->hide();
        ListSel->clear();
        PanelSelTit->clear();
        PanelCarSel->clear();
        ListSel->setCursor(Qt::ArrowCursor);
    }

    if (UniversityPath) {
        if (ListComunidad->isHidden() || DegreePath) {
            showDegreeButtons(false);
            for (QWidget* w : std::initializer_list<QWidget*>{BotIntUni, BotImprimir, PanelSel, PanelSelTit, PanelCarSel,
                                                              ListSel, GridNotas, RichSalidas, BotRetroceder,
                                                              ListComunidad, PanelEstrellas, PanelMapa})
                w->hide();
            ListSel->clear();
            hideStarMap();
            PanelMenu->show();
            UniversityPath = false;
            return;
        }
        ListComunidad->hide();
        PanelEstrellas->show();
        return;
    }

    if (!DoublesMode || ListComunidad->isHidden() || DegreePath) {
        for (QWidget* w : std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, GridNotas, BotIntUni, BotImprimir})
            w->hide();
        PanelSelTit->clear();
        ListSel->clear();
        if (DoublesMode) {
            DoublesMode = false;
            PanelEstrellas->hide();
            ListComunidad->hide();
            listSel2->hide();
            PanelMenu->show();
        } else if (OtherStudiesMode) {
            OtherStudiesMode = false;
            PanelMenu->show();
            ListComunidad->hide();
            ListSel->clear();
        } else {
            if (!PanelEstrellas->isHidden()) {
                PanelEstrellas->hide();
                BotRetroceder->hide();
                PanelMenu->show();
            }
            if (!ListComunidad->isHidden()) {
                ListComunidad->hide();
                PanelEstrellas->show();
            }
            PanelMenu->show();
            return;
        }
        BotRetroceder->hide();
        return;
    }
    ListComunidad->hide();
    PanelEstrellas->show();
}
