// TForm2: creation, layout, texts, the guide and closing.
#include "questionnaires/eso_questionnaire.h"

#include "app/exit_sequence.h"
#include "app/main_menu_doors.h"
#include "app/screens.h"
#include "data/colors.h"
#include "data/data_store.h"
#include "data/screen_files.h"
#include "platform/image_lists.h"
#include "platform/painting.h"
#include "questionnaires/result_list.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr QSize kClientSize{1024, 768};
constexpr int kGuideLineLength = 35;

// UiText lines.
constexpr int kCaptionLine = 338;
constexpr int kItinerariesLine = 21;
constexpr int kQuestionnairesLine = 52;
constexpr int kLomceLine = 437;
constexpr int kBackLine = 82;
constexpr int kFullLine = 76;
constexpr int kFullHintLine = 3;
constexpr int kVocationalLine = 77;
constexpr int kVocationalHintLine = 4;
constexpr int kShortLine = 91;
constexpr int kShortHintLine = 75;
constexpr int kPostersLine = 37;
constexpr int kShowResultsLine = 45;
constexpr int kEndLine = 222;
constexpr int kPrintLine = 273;
constexpr int kSaveLine = 20;
constexpr int kCloseLine = 13;
constexpr int kPrintTitlesLine = 274;
constexpr int kClickForCareersLine = 283;
constexpr int kCourseLine = 175;

QFont arialFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

void paintBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, ColorScreen);
    widget->setPalette(palette);
}

QFrame* panel(QWidget* parent, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setGeometry(geometry);
    paintBackground(frame, ColorPanel);
    return frame;
}

QPushButton* button(QWidget* parent, const QRect& geometry)
{
    auto* b = new QPushButton(parent);
    b->setGeometry(geometry);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(arialFont(10));
    return b;
}

// A right-pointing arrow for BotContinuar.
QIcon arrowIcon()
{
    QPixmap arrow(40, 28);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ColorTitle, 2));
    painter.setBrush(ColorWarm);
    painter.drawPolygon(QPolygon({{2, 9}, {22, 9}, {22, 2}, {38, 14}, {22, 26}, {22, 19}, {2, 19}}));
    return QIcon(arrow);
}

} // namespace

TForm2::TForm2(DataStore& store, QWidget* parent)
    : QWidget(parent)
    , store_(store)
{
    setObjectName(QStringLiteral("Form2"));
    ImageList1 = image_lists::imageList(QStringLiteral("ImageList1"));
    ImageListIconos = image_lists::imageList(QStringLiteral("ImageListIconos"));
    fontSizeDelta_ = menu_doors::fontSizeDelta(screen() ? int(screen()->logicalDotsPerInch()) : 96);

    setFixedSize(kClientSize);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    paintBackground(this, ColorScreen);
    setFont(arialFont(10));

    LabelAno = new QLabel(this);
    LabelAno->setFont(arialFont(33, true));
    LabelAno->setGeometry(24, 16, 240, 120);
    QPalette year = LabelAno->palette();
    year.setColor(QPalette::WindowText, ColorLabelText);
    LabelAno->setPalette(year);

    createMenu();
    createQuestionnairePanel();
    createCareersPanel();
    createGuide();

    loadTables();
    questionCount_ = store_.cuestion.count;
    answers_ = eso::EsoAnswers(questionCount_);
    setTexts();
    hideAll({PanelCuestio, ListresCues, ImpResul, grabar, BotContinuar});
}

void TForm2::hideAll(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        widget->hide();
}

void TForm2::loadTables()
{
    // The group members, degrees and higher-grade titles are loaded by the
    // degree screen, created before this one.
    screen_files::loadEsoQuestionnaireTables(store_);
    screen_files::loadEsoQuestionnaireRecords(store_);
}

void TForm2::createMenu()
{
    PanelMenu = panel(this, QRect(24, 170, 210, 170));
    botCuestio = button(PanelMenu, QRect(10, 15, 190, 40));
    BotLOMCE = button(PanelMenu, QRect(10, 65, 190, 40));
    BitAcabarLogse = button(PanelMenu, QRect(10, 115, 190, 40));
    // The LOMCE overview is not part of the program yet.
    BotLOMCE->setEnabled(false);

    PanelMenu2 = panel(this, QRect(PanelMenu->geometry().right() + 1 - 20, 170, 450, 170));
    BotCuestio1 = button(PanelMenu2, QRect(10, 15, 430, 40));
    BotCuestio3 = button(PanelMenu2, QRect(10, 65, 430, 40));
    BotCuestio2 = button(PanelMenu2, QRect(10, 115, 430, 40));
    // The intermediate-grade questionnaire is not part of the program yet.
    BotCuestio2->setEnabled(false);
    PanelMenu2->hide();

    botCuestio->installEventFilter(this);
    BitAcabarLogse->installEventFilter(this);
    connect(BitAcabarLogse, &QPushButton::clicked, this, &TForm2::BitAcabarLogseClick);
    connect(BotCuestio1, &QPushButton::clicked, this, &TForm2::BotCuestio1Click);
    connect(BotCuestio3, &QPushButton::clicked, this, &TForm2::BotCuestio3Click);
}

void TForm2::createQuestionnairePanel()
{
    PanelCuestio = panel(this, QRect(290, 40, 712, 700));

    Gcuestio = new QTableWidget(0, 3, PanelCuestio);
    Gcuestio->setGeometry(10, 10, 488, 610);
    Gcuestio->setFont(arialFont(11));
    Gcuestio->verticalHeader()->hide();
    Gcuestio->verticalHeader()->setDefaultSectionSize(22);
    Gcuestio->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gcuestio->horizontalHeader()->setFont(arialFont(11, true));
    Gcuestio->setColumnWidth(0, 335);
    Gcuestio->setColumnWidth(1, 95);
    Gcuestio->setColumnWidth(2, 35);
    Gcuestio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Gcuestio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Gcuestio->setSelectionBehavior(QAbstractItemView::SelectRows);
    Gcuestio->setSelectionMode(QAbstractItemView::SingleSelection);
    Gcuestio->setWordWrap(false);
    paintBackground(Gcuestio, ColorScreen);
    Gcuestio->installEventFilter(this);
    connect(Gcuestio, &QTableWidget::cellClicked, this, [this](int row, int) { GcuestioClick(row + 1); });

    ListresCues = new ResultList(PanelCuestio);
    ListresCues->setGeometry(10, 10, 692, 610);
    ListresCues->setItemHeight(20);
    paintBackground(ListresCues, ColorScreen);
    ListresCues->setDrawItem([this](QPainter& painter, const QRect& rect, int index, const DrawState&) {
        drawResultLine(painter, rect, index);
    });
    connect(ListresCues, &ResultList::lineHovered, this, &TForm2::ListresCuesMouseMove);
    connect(ListresCues, &ResultList::lineClicked, this, &TForm2::ListresCuesClick);

    BotResCues = button(PanelCuestio, QRect(10, 640, 160, 36));
    AcabarCues = button(PanelCuestio, QRect(180, 640, 110, 36));
    ImpResul = button(PanelCuestio, QRect(402, 640, 150, 36));
    grabar = button(PanelCuestio, QRect(562, 640, 140, 36));
    BotContinuar = button(PanelCuestio, QRect(AcabarCues->geometry().right() + 1 + 10, 640 - 4, 56, 44));
    BotContinuar->setIcon(arrowIcon());
    BotContinuar->setIconSize(QSize(40, 28));
    connect(BotResCues, &QPushButton::clicked, this, &TForm2::BotResCuesClick);
    connect(AcabarCues, &QPushButton::clicked, this, &TForm2::AcabarCuesClick);
    connect(ImpResul, &QPushButton::clicked, this, &TForm2::ImpResulClick);
    connect(grabar, &QPushButton::clicked, this, &TForm2::grabarClick);
    connect(BotContinuar, &QPushButton::clicked, this, &TForm2::BotContinuarClick);

    LabelAviso = new QLabel(this);
    LabelAviso->setFrameShape(QFrame::Box);
    LabelAviso->setAutoFillBackground(true);
    QPalette yellow = LabelAviso->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    LabelAviso->setPalette(yellow);
    LabelAviso->setContentsMargins(4, 1, 4, 1);
    LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
    LabelAviso->hide();
}

void TForm2::createCareersPanel()
{
    PanelCar = panel(PanelCuestio, QRect(46, 30, 620, 580));
    ListCar = new QListWidget(PanelCar);
    ListCar->setGeometry(10, 10, 600, 500);
    ListCar->setFont(QFont(QStringLiteral("Courier New"), 10));
    ListCar->setSelectionMode(QAbstractItemView::NoSelection);
    paintBackground(ListCar, ColorScreen);
    BotCerrar = button(PanelCar, QRect(10, 526, 140, 36));
    BotImpTit = button(PanelCar, QRect(160, 526, 220, 36));
    connect(BotCerrar, &QPushButton::released, this, &TForm2::BotCerrarClick);
    connect(BotImpTit, &QPushButton::released, this, &TForm2::BotImpTitClick);
    connect(ListCar, &QListWidget::itemClicked, this, &TForm2::ListCarClick);
    PanelCar->hide();
}

void TForm2::createGuide()
{
    payuda = new QFrame(this);
    payuda->setGeometry(10, 380, 272, 370);
    paintBackground(payuda, ColorScreen);
    chica = new QLabel(payuda);
    chica->setGeometry(108, 4, 56, 168);
    for (size_t k = 0; k < LabelAyu.size(); ++k) {
        LabelAyu[k] = new QLabel(payuda);
        LabelAyu[k]->setGeometry(6, 178 + int(k) * 23, 262, 22);
    }
    TimerAyuda = new QTimer(this);
    TimerAyuda->setInterval(200);
    connect(TimerAyuda, &QTimer::timeout, this, &TForm2::TimerAyudaTimer);
    payuda->hide();
}

void TForm2::setTexts()
{
    const UiText& t = store_.uiText;
    setWindowTitle(t[kCaptionLine] + QStringLiteral("  ") + t[kItinerariesLine]);
    LabelAno->setText(t[kCourseLine] + QLatin1Char('\n') + QStringLiteral("2016/17"));
    botCuestio->setText(t[kQuestionnairesLine]);
    BotLOMCE->setText(t[kLomceLine]);
    BitAcabarLogse->setText(t[kBackLine]);
    BotCuestio1->setText(t[kFullLine]);
    BotCuestio1->setToolTip(t[kFullHintLine]);
    BotCuestio2->setText(t[kVocationalLine]);
    BotCuestio2->setToolTip(t[kVocationalHintLine]);
    BotCuestio3->setText(t[kShortLine]);
    BotCuestio3->setToolTip(t[kShortHintLine]);
    Gcuestio->setHorizontalHeaderLabels({t[kQuestionnairesLine], t[kPostersLine], QStringLiteral("Not")});
    BotResCues->setText(t[kShowResultsLine]);
    AcabarCues->setText(t[kEndLine]);
    ImpResul->setText(t[kPrintLine]);
    grabar->setText(t[kSaveLine]);
    BotCerrar->setText(t[kCloseLine]);
    BotImpTit->setText(t[kPrintTitlesLine]);
    LabelAviso->setText(t[kClickForCareersLine]);
    LabelAviso->adjustSize();
}

std::array<QString, 8> TForm2::guideText(int firstLine, int lineCount) const
{
    std::array<QString, 8> lines;
    for (int k = 0; k < lineCount && k < 8; ++k)
        lines[static_cast<size_t>(k)] = store_.uiText[firstLine + k].left(kGuideLineLength);
    return lines;
}

void TForm2::showGuide(const std::array<QString, 8>& lines)
{
    guideLines_ = lines;
    QFont font = arialFont(11 + fontSizeDelta_);
    for (QLabel* label : LabelAyu) {
        label->clear();
        label->setFont(font);
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
    }
    guideTick_ = 0;
    payuda->show();
    TimerAyuda->start();
}

void TForm2::TimerAyudaTimer()
{
    ++guideTick_;
    if (guideTick_ > static_cast<int>(LabelAyu.size())) {
        TimerAyuda->stop();
        guideTick_ = 0;
        return;
    }
    const auto k = static_cast<size_t>(guideTick_ - 1);
    LabelAyu[k]->setText(guideLines_[k]);
    if (k < static_cast<size_t>(ImageList1.size()))
        chica->setPixmap(QPixmap::fromImage(ImageList1[static_cast<qsizetype>(k)]));
}

void TForm2::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!gradientBackground_)
        return;
    QPainter painter(this);
    painting::verticalGradient(painter, rect(), Qt::white, ColorScreen);
}

void TForm2::closeEvent(QCloseEvent* event)
{
    if (store_.run.startupAborted) {
        event->accept();
        return;
    }
    TForm4* dialog = screens().Form4;
    if (!dialog || !confirmLeavingProgram(*dialog, store_)) {
        event->ignore();
        return;
    }
    returnToMainMenu();
    exitProgram(store_);
    event->accept();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (PanelCar->isVisible())
            ListCarClick();
        else if (escapeEndsQuestionnaire_ && AcabarCues->isVisible())
            AcabarCuesClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == botCuestio && event->type() == QEvent::Enter)
        botCuestioMouseEnter();
    else if (watched == BitAcabarLogse && event->type() == QEvent::Enter)
        BitAcabarLogseMouseEnter();
    else if (watched == Gcuestio && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Gcuestio->currentRow() >= 0) {
            GcuestioClick(Gcuestio->currentRow() + 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
