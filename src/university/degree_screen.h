#pragma once

#include "platform/tiled_picture.h"
#include "university/degree_lists.h"
#include "university/star_map_window.h"
#include "university/where_to_study.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class DataStore;
class OwnerDrawnGrid;
class OwnerDrawnList;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The university-studies screen: its menu, the degree browser (branches,
// groupings, a selected degree and where it is studied) and the universities
// browser (a community's places and what each teaches).
class TForm1 : public QWidget, public StarMapHost {
public:
    explicit TForm1(DataStore& store, QWidget* parent = nullptr);

    // Where the screen's own way out leads; set by the program's screen table.
    struct Exits {
        std::function<void()> showAssistant;
        std::function<void()> showWorld;
        std::function<void()> showMainMenu;
        // Asks whether to leave the program and ends it; true when it ends.
        std::function<bool()> leaveProgram;
    };
    void setExits(Exits exits) { exits_ = std::move(exits); }
    void setStarMap(TForm7* starMap);

    // StarMapHost
    const CommunityMarks& communityMarks() const override { return communityMarks_; }
    bool doublesMode() const override { return DoublesMode; }
    int selectedDegree() const override { return SelectedDegree; }
    void setSelectedCommunity(int community) override { selectedCommunity_ = community; }
    void scrollGridToRow(int row) override;
    void showGridRows(const QList<GridRow>& rows) override;

    // The entry of the screen: shows its menu.
    void botinformacionClick();

    // Menu.
    void BotMenuGradosClick();
    void BotMenuUniClick();
    void BotMenuRetroClick();
    void BotMenuInfoMouseMove();
    void BotMenuArtesMouseMove();
    void HideSubMenusMouseMove();
    void PanelinicioMouseMove();

    // Degree browser.
    void ListramasClick(int index);
    void listgradosMouseUp(int row);
    void listgradosMouseMove(int row);
    void ComboAgruChange(int index);
    void TreeClick(QTreeWidgetItem* node);
    void TreeDblClick(QTreeWidgetItem* node);
    void ButtonRetroNClick();
    void BotRetrocederClick();

    // Where to study and the universities browser.
    void BotUniClick();
    void mapaMouseMove(int x, int y);
    void mapaClick();
    void ListComunidadClick(int row);
    void GridNotasDblClick(int row);
    void BotIntUniMouseUp();
    void BotImprimirClick();

    // Screen state read by the other screens.
    int SelectedDegree = 0;
    bool UniversityPath = false;
    bool DegreePath = false;
    bool DoublesMode = false;
    bool OtherStudiesMode = false;
    bool ArtsMode = false;
    std::array<bool, 4> ArtKind{};
    bool MasterShown = false;
    bool PrintCollect = false;
    bool ComposeOnly = false;
    bool JumpDegree = false;
    int jumpDegree = 0;
    bool TreeWithLeaves = false;
    bool BranchListShown = false;
    // Per row of listgrados and per node of Tree, in the order they were added.
    std::vector<int> RowDegree;
    std::vector<bool> HeaderRow;
    // The composed lists, lines 1..n at index 0..n-1 (Windows-1252).
    QList<QByteArray> ComposeLines;

    TiledPicture* TilArr;
    TiledPicture* TilIzq;
    TiledPicture* TilDer;
    QWidget* Panelinicio;
    TiledPicture* degradeini;
    QLabel* labelCentro;

    QFrame* PanelMenu;
    QPushButton* BotMenuGrados;
    QPushButton* BotMenuUni;
    QPushButton* BotMenuDobles;
    QPushButton* BotMenuInfo;
    QPushButton* BotMenuArtes;
    QPushButton* BotMenuDepor;
    QPushButton* BotMenuRetro;
    QFrame* PanelMenu2;
    QPushButton* BotMaster;
    QPushButton* botinfo1;
    QPushButton* ButEstadisticas;
    QPushButton* botinfo2;
    QPushButton* botinfo3;
    QFrame* PanelMenu4;
    QPushButton* BotArtesPlas;
    QPushButton* BotMusica;
    QPushButton* BotDanza;
    QPushButton* BotDramatico;

    QFrame* PanelTree;
    QPushButton* ButtonRetroN;
    QComboBox* ComboAgru;
    QLabel* Labelgrados;
    OwnerDrawnList* Listramas;
    OwnerDrawnGrid* listgrados;
    QTreeWidget* Tree;

    QLabel* PanelCarSel;
    QLabel* PanelSelTit;
    QFrame* PanelSel;
    OwnerDrawnList* ListSel;
    QListWidget* listSel2;
    QTextEdit* RichSalidas;
    OwnerDrawnGrid* GridNotas;
    QLabel* LabelMaster;
    QLabel* LabelMaster2;
    QPushButton* BotUni;
    QPushButton* BotReq;
    QPushButton* BotSal;
    QPushButton* BotDoblesCar;
    QPushButton* BotCorte;
    QPushButton* BotPonde;
    QPushButton* BotImprimirN;
    QPushButton* BotIntUni;
    QPushButton* BotArtesTit;
    QPushButton* BotArtesEsp;
    QPushButton* BotArtesLug;

    QFrame* PanelEstrellas;
    MapPicture* mapa;
    QLabel* PanelMapa;
    OwnerDrawnList* ListComunidad;
    QPushButton* BotRetroceder;
    QPushButton* BotImprimir;
    QFrame* PanelGradosT;
    QTimer* Timergrado;
    QTimer* Timerfrase;

    QList<QImage> ImageList1;     // 16 by 16 list icons
    QList<QImage> ImageListRamas; // 40 by 40 branch icons

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFrame();
    void createMenu();
    void createBrowser();
    void createContentArea();
    void createUniversityControls();
    void setUpTexts();
    void connectHandlers();

    void ListramasDrawItem(QPainter& painter, const QRect& rect, int index);
    void listgradosDrawCell(QPainter& painter, const QRect& rect, int row, int column);
    void GridNotasDrawCell(QPainter& painter, const QRect& rect, int row, int column);
    void ListComunidadDrawItem(QPainter& painter, const QRect& rect, int index);

    void selectDegree(int degree);
    void showDegreeButtons(bool shown);
    void showTitle(const QString& text);
    void fillTree(const QString& caption, const std::vector<degree_lists::TreeNode>& nodes);
    void showGridLines(const QList<GridRow>& rows);
    void hideStarMap();
    void restoreDesignPositions();

    DataStore& store_;
    Exits exits_;
    TForm7* starMap_ = nullptr;
    std::array<int, 3> designTops_{}; // PanelSel, PanelSelTit, PanelCarSel
    QStringList branchNames_;

    CommunityMarks communityMarks_;
    int hoverCommunity_ = 0;
    int selectedCommunity_ = 0;
    std::vector<int> placeOfRow_;      // ListComunidad
    std::vector<int> gridRowDegree_;   // GridNotas in the universities browser
    QList<PlaceDegreeLine> placeLines_; // what GridNotas lists for listedPlace_
    int listedPlace_ = 0;
    int hintRow_ = -1;
};
