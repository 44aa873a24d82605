#include "university/star_map_window.h"

#include "data/colors.h"
#include "data/data_store.h"
#include "data/map_regions.h"
#include "platform/cp1252.h"
#include "university/star_map_doubles.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kCommunities = 19;
constexpr int kDesignScreenWidth = 1024;
constexpr int kExtraHeight = 10;
constexpr int kCaptionHeight = 17;
constexpr int kPulseCycle = 3;
constexpr int kCommunityNameWidth = 60;

bool isCommunity(int region)
{
    return region >= 1 && region <= kCommunities;
}

// The designed left edge (half the window past the 1024-pixel design screen),
// pulled back so that the whole window stays on the desktop.
int leftEdge(int width)
{
    int left = kDesignScreenWidth - width / 2;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        left = std::max(desktop.left(), std::min(left, desktop.right() + 1 - width));
    }
    return left;
}

} // namespace

TForm7::TForm7(DataStore& store)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
    , store_(store)
{
    const QImage& mapa = store_.pictures.mapa;
    setFixedSize(mapa.width(), mapa.height() + kExtraHeight);
    setAutoFillBackground(true);
    setPalette(QPalette(ColorLabelText, ColorScreen));
    move(leftEdge(width()), 0);

    MapaEstrellas = new MapPicture(this);
    MapaEstrellas->setGeometry(0, 0, mapa.width(), mapa.height());
    MapaEstrellas->setCanvas(mapa);
    MapaEstrellas->onMouseMove = [this](int x, int y) { MapaEstrellasMouseMove(x, y); };
    // The click takes the community under the pointer, even without a move before it.
    MapaEstrellas->onClick = [this](int x, int y) {
        MapaEstrellasMouseMove(x, y);
        MapaEstrellasClick();
    };

    PanelMapa = new QLabel(this);
    PanelMapa->setAutoFillBackground(true);
    PanelMapa->setPalette(QPalette(Qt::black, ColorPale));
    PanelMapa->setFrameStyle(QFrame::Box | QFrame::Plain);
    PanelMapa->setAlignment(Qt::AlignCenter);
    PanelMapa->setFont(QFont(QStringLiteral("Arial"), 8));
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();

    TimerEstrellas = new QTimer(this);
    TimerEstrellas->setInterval(200);
    connect(TimerEstrellas, &QTimer::timeout, this, [this] { TimerEstrellasTimer(); });
}

void TForm7::showBlinking()
{
    MapaEstrellas->setCanvas(store_.pictures.mapa);
    TimerEstrellas->start();
    show();
}

void TForm7::hideBlinking()
{
    TimerEstrellas->stop();
    hide();
}

void TForm7::TimerEstrellasTimer()
{
    ++pulseA_;
    ++pulseB_;
    if (host_) {
        const CommunityMarks& marks = host_->communityMarks();
        QPainter painter(&MapaEstrellas->canvas());
        painter.setPen(pen_);
        painter.setBrush(brush_);
        for (int community = 1; community <= kCommunities; ++community) {
            if (marks.flags[static_cast<size_t>(community)])
                painter.drawEllipse(starPosition(community), pulseA_, pulseB_);
        }
        MapaEstrellas->update();
    }
    pen_ = Qt::white;
    if (pulseA_ == 1)
        brush_ = QColor(255, 255, 0);
    else if (pulseA_ == 2)
        brush_ = QColor(0, 0, 128);
    else if (pulseA_ == 3)
        brush_ = QColor(128, 0, 0);
    if (pulseA_ >= kPulseCycle)
        pulseA_ = 0;
    if (pulseB_ >= kPulseCycle)
        pulseB_ = 0;
}

void TForm7::MapaEstrellasMouseMove(int x, int y)
{
    const RegionGrid& grid = store_.regionGrids.communities;
    if (x <= 0 || x > grid.columns() || y <= 0 || y > grid.rows())
        return;
    PanelMapa->setGeometry(x, y, MapState::kCaptionWidth, kCaptionHeight);
    const int region = regionAt(store_.regionGrids, MapKind::Communities, x, y);
    store_.mapState.currentRegion = region;
    if (isCommunity(region)) {
        const auto name = text::trimRight(text::cut(text::from(store_.comunida[region], 3), kCommunityNameWidth));
        PanelMapa->setText(cp1252::decode(name));
    } else {
        PanelMapa->clear();
    }
    PanelMapa->show();
}

void TForm7::MapaEstrellasClick()
{
    const int community = store_.mapState.currentRegion;
    if (!isCommunity(community) || !host_)
        return;
    host_->setSelectedCommunity(community);
    if (!host_->doublesMode()) {
        const int row = host_->communityMarks().firstRow[static_cast<size_t>(community)];
        if (row > 0)
            host_->scrollGridToRow(row);
        return;
    }
    host_->showGridRows(composeStarMapDoubles(store_, community, host_->selectedDegree()));
}
