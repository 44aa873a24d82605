// TForm1: creation, layout, text setup and closing.
#include "university/degree_screen.h"

#include "data/colors.h"
#include "data/data_store.h"
#include "data/screen_files.h"
#include "platform/image_lists.h"
#include "platform/owner_drawn.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

namespace {

constexpr QSize kClientSize{1024, 768};
constexpr int kTopStripHeight = 50;
const QColor kMaroon{128, 0, 0};
const QColor kCaptionYellow{255, 255, 128};
const QString kTitlesRegister = QStringLiteral("https://www.educacion.gob.es/ruct/ListadoTitulos/");

QFont arial(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

void setColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame* panel(QWidget* parent, const QRect& geometry, const QColor& background)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(geometry);
    setColours(frame, background, kMaroon);
    return frame;
}

QPushButton* button(QWidget* parent, const QRect& geometry)
{
    auto* b = new QPushButton(parent);
    b->setGeometry(geometry);
    b->setFont(arial(10));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QLabel* titleLine(QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(arial(10, true));
    label->setFrameShape(QFrame::StyledPanel);
    label->setContentsMargins(6, 0, 6, 0);
    setColours(label, ColorPanel, kMaroon);
    return label;
}

// Buttons whose targets are other screens still to come: visible, disabled.
void disable(std::initializer_list<QPushButton*> buttons)
{
    for (QPushButton* b : buttons)
        b->setEnabled(false);
}

} // namespace

TForm1::TForm1(DataStore& store, QWidget* parent)
    : QWidget(parent)
    , store_(store)
{
    setObjectName(QStringLiteral("TForm1"));
    ImageList1 = image_lists::imageList(QStringLiteral("ImageListSmall"));
    ImageListRamas = image_lists::imageList(QStringLiteral("ImageListRamas"));

    createFrame();
    createMenu();
    createBrowser();
    createContentArea();
    createUniversityControls();
    designTops_ = {PanelSel->y(), PanelSelTit->y(), PanelCarSel->y()};

    if (store_.run.startupAborted)
        return;
    setUpTexts();
    if (store_.run.startupAborted)
        return;
    screen_files::loadDegreeBrowserDataFiles(store_);
    connectHandlers();
    PanelSelTit->clear();
}

void TForm1::createFrame()
{
    setFixedSize(kClientSize);
    move(0, 0);
    setMouseTracking(true);
    const StartupPictures& pictures = store_.pictures;

    Panelinicio = new QWidget(this);
    Panelinicio->setGeometry(rect());
    Panelinicio->setMouseTracking(true);
    Panelinicio->installEventFilter(this);
    degradeini = new TiledPicture(pictures.suelo, Panelinicio);
    degradeini->setGeometry(Panelinicio->rect());
    degradeini->setMouseTracking(true);
    degradeini->installEventFilter(this);

    TilArr = new TiledPicture(pictures.marcoar, this);
    TilArr->setGeometry(0, 0, kClientSize.width(), kTopStripHeight);
    const int sideWidth = pictures.marcodLeft.isNull() ? 23 : pictures.marcodLeft.width();
    TilIzq = new TiledPicture(pictures.marcodLeft, this);
    TilIzq->setGeometry(0, kTopStripHeight, sideWidth, kClientSize.height() - kTopStripHeight);
    TilDer = new TiledPicture(pictures.marcodRight, this);
    TilDer->setGeometry(kClientSize.width() - sideWidth, kTopStripHeight, sideWidth,
                        kClientSize.height() - kTopStripHeight);

    labelCentro = new QLabel(QStringLiteral("2016/17"), this);
    labelCentro->setFont(arial(15, true));
    setColours(labelCentro, ColorHighlight, QColor(255, 255, 0));
    labelCentro->setContentsMargins(6, 1, 6, 1);
    labelCentro->adjustSize();
    labelCentro->move(880, 10);
    auto* shadow = new QGraphicsDropShadowEffect(labelCentro);
    shadow->setColor(Qt::black);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    labelCentro->setGraphicsEffect(shadow);
}

void TForm1::createMenu()
{
    PanelMenu = panel(this, QRect(60, 110, 340, 20 + 7 * 52), ColorPanel);
    QPushButton** menu[] = {&BotMenuGrados, &BotMenuUni, &BotMenuDobles, &BotMenuInfo,
                            &BotMenuArtes,  &BotMenuDepor, &BotMenuRetro};
    int top = 12;
    for (QPushButton** b : menu) {
        *b = button(PanelMenu, QRect(15, top, 310, 42));
        (*b)->setMouseTracking(true);
        (*b)->installEventFilter(this);
        top += 52;
    }
    PanelMenu2 = panel(this, QRect(0, 0, 300, 20 + 5 * 46), ColorPanel);
    PanelMenu2->setMouseTracking(true);
    PanelMenu2->installEventFilter(this);
    QPushButton** info[] = {&BotMaster, &botinfo1, &ButEstadisticas, &botinfo2, &botinfo3};
    top = 10;
    for (QPushButton** b : info) {
        *b = button(PanelMenu2, QRect(10, top, 280, 40));
        top += 46;
    }
    PanelMenu4 = panel(this, QRect(0, 0, 300, 20 + 4 * 46), ColorPanel);
    QPushButton** arts[] = {&BotArtesPlas, &BotMusica, &BotDanza, &BotDramatico};
    top = 10;
    for (QPushButton** b : arts) {
        *b = button(PanelMenu4, QRect(10, top, 280, 40));
        top += 46;
    }
    PanelMenu2->hide();
    PanelMenu4->hide();
    disable({BotMenuDobles, BotMenuDepor, BotMaster, botinfo1, ButEstadisticas, botinfo2, botinfo3, BotArtesPlas,
             BotMusica, BotDanza, BotDramatico});
}

void TForm1::createBrowser()
{
    PanelTree = panel(this, QRect(35, 60, 415, 695), ColorPanel);
    ButtonRetroN = button(PanelTree, QRect(10, 8, 150, 30));
    ComboAgru = new QComboBox(PanelTree);
    ComboAgru->setGeometry(170, 8, 235, 30);
    ComboAgru->setFont(arial(10));
    ComboAgru->setCursor(Qt::PointingHandCursor);
    Labelgrados = new QLabel(PanelTree);
    Labelgrados->setGeometry(10, 44, 395, 22);
    Labelgrados->setFont(arial(10, true));

    const QRect listArea(10, 70, 395, 615);
    Listramas = new OwnerDrawnList(PanelTree);
    Listramas->setGeometry(listArea);
    Listramas->setItemHeight(40);
    Listramas->setFont(arial(10, true));
    Listramas->setCursor(Qt::PointingHandCursor);
    Listramas->setDrawItem([this](QPainter& p, const QRect& r, int i, const DrawState&) { ListramasDrawItem(p, r, i); });

    listgrados = new OwnerDrawnGrid(PanelTree);
    listgrados->setGeometry(listArea);
    listgrados->setColumnWidths({375, 12});
    listgrados->setRowHeight(19);
    listgrados->setFont(arial(10));
    listgrados->setMouseTracking(true);
    listgrados->viewport()->setMouseTracking(true);
    listgrados->viewport()->installEventFilter(this);
    listgrados->setDrawCell(
        [this](QPainter& p, const QRect& r, int row, int column, const DrawState&) { listgradosDrawCell(p, r, row, column); });

    Tree = new QTreeWidget(PanelTree);
    Tree->setGeometry(listArea);
    Tree->setHeaderHidden(true);
    Tree->setFont(arial(9));
    Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree->setMouseTracking(true);
    Tree->setIconSize(QSize(16, 16));
    for (QWidget* list : {static_cast<QWidget*>(Listramas), static_cast<QWidget*>(listgrados)})
        setColours(list, ColorPanel, kMaroon);
    setColours(Tree, ColorPanel, ColorListText);
    Tree->setStyleSheet(QStringLiteral("QTreeView::item:hover { color: red; } QTreeView::item:selected { color: white; }"));
    PanelTree->hide();
}

void TForm1::createContentArea()
{
    PanelCarSel = titleLine(this, QRect(465, 60, 530, 26));
    PanelSelTit = titleLine(this, QRect(465, 90, 530, 26));
    PanelSel = panel(this, QRect(465, 120, 530, 580), ColorScreen);

    const QRect content(10, 10, 510, 440);
    ListSel = new OwnerDrawnList(PanelSel);
    ListSel->setGeometry(content);
    ListSel->setFont(arial(10));
    ListSel->setCursor(Qt::ForbiddenCursor);
    listSel2 = new QListWidget(PanelSel);
    listSel2->setGeometry(content);
    listSel2->setFont(arial(10));
    listSel2->hide();
    RichSalidas = new QTextEdit(PanelSel);
    RichSalidas->setGeometry(content);
    RichSalidas->setReadOnly(true);
    RichSalidas->hide();
    GridNotas = new OwnerDrawnGrid(PanelSel);
    GridNotas->setGeometry(content);
    GridNotas->setColumnWidths({360, 60});
    GridNotas->setRowHeight(19);
    GridNotas->setFont(arial(10));
    GridNotas->setDrawCell(
        [this](QPainter& p, const QRect& r, int row, int column, const DrawState&) { GridNotasDrawCell(p, r, row, column); });
    GridNotas->hide();
    LabelMaster = new QLabel(PanelSel);
    LabelMaster->setGeometry(10, 10, 510, 22);
    LabelMaster->setFont(arial(10));
    LabelMaster->hide();
    LabelMaster2 = new QLabel(PanelSel);
    LabelMaster2->setGeometry(10, 34, 510, 22);
    LabelMaster2->setFont(arial(10));
    LabelMaster2->hide();

    // Two rows of degree buttons under the content.
    BotUni = button(PanelSel, QRect(10, 460, 120, 34));
    BotReq = button(PanelSel, QRect(139, 460, 150, 34));
    BotSal = button(PanelSel, QRect(298, 460, 222, 34));
    BotDoblesCar = button(PanelSel, QRect(10, 500, 120, 34));
    BotPonde = button(PanelSel, QRect(140, 500, 120, 34));
    BotCorte = button(PanelSel, QRect(270, 500, 120, 34));
    BotImprimirN = button(PanelSel, QRect(400, 500, 120, 34));
    BotIntUni = button(PanelSel, QRect(10, 540, 250, 34));
    BotArtesTit = button(PanelSel, QRect(10, 460, 164, 34));
    BotArtesEsp = button(PanelSel, QRect(183, 460, 164, 34));
    BotArtesLug = button(PanelSel, QRect(356, 460, 164, 34));
    disable({BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte, BotImprimirN, BotArtesTit, BotArtesEsp, BotArtesLug});
    for (QWidget* w : PanelSel->findChildren<QPushButton*>())
        w->hide();

    PanelGradosT = panel(this, QRect(465, 120, 530, 580), ColorScreen);
    PanelGradosT->hide();
    Timergrado = new QTimer(this);
    Timergrado->setInterval(10);
    Timerfrase = new QTimer(this);
    Timerfrase->setInterval(10);

    PanelCarSel->hide();
    PanelSelTit->hide();
    PanelSel->hide();
}

void TForm1::createUniversityControls()
{
    PanelEstrellas = panel(this, QRect(50, 120, 291, 206), ColorScreen);
    mapa = new MapPicture(PanelEstrellas);
    mapa->setGeometry(5, 5, 281, 196);
    mapa->setCanvas(store_.pictures.mapa);
    PanelEstrellas->hide();
    PanelMapa = new QLabel(this);
    PanelMapa->setFont(arial(8, true));
    PanelMapa->setFrameShape(QFrame::Box);
    setColours(PanelMapa, kCaptionYellow, Qt::black);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();

    ListComunidad = new OwnerDrawnList(this);
    ListComunidad->setGeometry(50, 120, 400, 540);
    ListComunidad->setItemHeight(20);
    ListComunidad->setFont(arial(10));
    ListComunidad->setCursor(Qt::PointingHandCursor);
    setColours(ListComunidad, ColorPanel, kMaroon);
    ListComunidad->setDrawItem(
        [this](QPainter& p, const QRect& r, int i, const DrawState&) { ListComunidadDrawItem(p, r, i); });
    ListComunidad->hide();

    BotRetroceder = button(this, QRect(50, 700, 150, 34));
    BotImprimir = button(this, QRect(215, 700, 150, 34));
    BotRetroceder->hide();
    BotImprimir->hide();
}

void TForm1::setUpTexts()
{
    const UiText& t = store_.uiText;
    auto placeBeside = [this](QFrame* subMenu, QPushButton* opener) {
        subMenu->move(PanelMenu->geometry().right() + 1, PanelMenu->y() + opener->y() - 30);
    };
    placeBeside(PanelMenu2, BotMenuInfo);
    placeBeside(PanelMenu4, BotMenuArtes);
    Panelinicio->show();
    setWindowTitle(t[338] + QStringLiteral("  ") + QStringLiteral("Trazela 2016/17"));

    const std::pair<QPushButton*, int> captions[] = {
        {BotMenuGrados, 523}, {BotMenuUni, 503},   {BotMenuDobles, 242}, {BotMenuInfo, 79},    {BotMenuArtes, 524},
        {BotMenuDepor, 300},  {BotMenuRetro, 82},  {BotMaster, 551},     {botinfo1, 553},      {ButEstadisticas, 227},
        {BotArtesPlas, 525},  {BotMusica, 526},    {BotDanza, 527},      {BotDramatico, 528},  {ButtonRetroN, 82},
        {BotUni, 276},        {BotReq, 277},       {BotSal, 311},        {BotDoblesCar, 242},  {BotCorte, 296},
        {BotPonde, 719},      {BotImprimirN, 36},  {BotIntUni, 173},     {BotArtesTit, 533},   {BotArtesEsp, 534},
        {BotArtesLug, 535},   {BotRetroceder, 82}, {BotImprimir, 36},
    };
    for (const auto& [b, line] : captions)
        b->setText(t[line]);
    botinfo2->setText(t[111] + QStringLiteral("  ") + t[178]);
    botinfo3->setText(t[346] + QStringLiteral("  ") + t[347]);
    BotIntUni->setToolTip(t[174]);
    LabelMaster->setText(t[535] + QStringLiteral(" ?"));
    LabelMaster2->setText(kTitlesRegister);
    LabelMaster2->setToolTip(t[174]);
    ListSel->setToolTip((QStringLiteral("Clic~Clic - ") + t[173]).left(52));

    branchNames_.clear();
    for (int line = 515; line <= 519; ++line)
        branchNames_ << t[line];

    screen_files::loadDegreeBrowserLanguageTables(store_);
    if (store_.run.startupAborted)
        return;
    store_.carreran.set(0, t.bytes(48));
    store_.fp.set(0, t.bytes(294));
    store_.reqfp.set(0, t.bytes(277));
    UniversityPath = false;
    ArtsMode = false;
    ArtKind = {};
}

void TForm1::connectHandlers()
{
    connect(BotMenuGrados, &QPushButton::clicked, this, &TForm1::BotMenuGradosClick);
    connect(BotMenuUni, &QPushButton::clicked, this, &TForm1::BotMenuUniClick);
    connect(BotMenuRetro, &QPushButton::clicked, this, &TForm1::BotMenuRetroClick);
    connect(Listramas, &QListWidget::clicked, this, [this](const QModelIndex& index) { ListramasClick(index.row()); });
    connect(listgrados, &QTableWidget::cellClicked, this, [this](int row, int) { listgradosMouseUp(row); });
    connect(ComboAgru, &QComboBox::activated, this, &TForm1::ComboAgruChange);
    connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { TreeClick(node); });
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) { TreeDblClick(node); });
    connect(ButtonRetroN, &QPushButton::clicked, this, &TForm1::ButtonRetroNClick);
    connect(BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
    connect(BotUni, &QPushButton::clicked, this, &TForm1::BotUniClick);
    connect(BotIntUni, &QPushButton::released, this, &TForm1::BotIntUniMouseUp);
    connect(BotImprimir, &QPushButton::clicked, this, &TForm1::BotImprimirClick);
    mapa->onMouseMove = [this](int x, int y) { mapaMouseMove(x, y); };
    mapa->onClick = [this](int, int) { mapaClick(); };
    connect(ListComunidad, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { ListComunidadClick(index.row()); });
    connect(GridNotas, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { GridNotasDblClick(row); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::Enter && type != QEvent::Leave)
        return QWidget::eventFilter(watched, event);
    if (watched == listgrados->viewport()) {
        if (type == QEvent::MouseMove)
            listgradosMouseMove(listgrados->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y()));
        else if (type == QEvent::Leave)
            listgradosMouseMove(-1);
    } else if (type == QEvent::Leave) {
        return false;
    } else if (watched == BotMenuInfo) {
        BotMenuInfoMouseMove();
    } else if (watched == BotMenuArtes) {
        BotMenuArtesMouseMove();
    } else if (watched == BotMenuUni || watched == BotMenuDobles || watched == BotMenuDepor) {
        HideSubMenusMouseMove();
    } else if (watched == Panelinicio || watched == degradeini) {
        PanelinicioMouseMove();
    }
    return false;
}

void TForm1::setStarMap(TForm7* starMap)
{
    starMap_ = starMap;
    if (starMap_)
        starMap_->setHost(this);
}

void TForm1::hideStarMap()
{
    if (starMap_)
        starMap_->hideBlinking();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (store_.run.startupAborted || (exits_.leaveProgram && exits_.leaveProgram())) {
        event->accept();
        return;
    }
    event->ignore();
}
