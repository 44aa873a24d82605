// Tform0: the configuration panel (language and animation, saved for the next
// start).
#include "app/main_menu.h"

#include "app/main_menu_widgets.h"
#include "data/colors.h"
#include "data/data_store.h"
#include "platform/message_service.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kCannotSave = QStringLiteral("Lo siento. No puedo grabar.");
constexpr int kRestartLine = 607;

QLabel* labelAt(const QString& text, QWidget* parent, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* buttonAt(const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    return button;
}

} // namespace

void Tform0::createConfigurationPanel()
{
    const UiText& t = store_.uiText;
    panelConfigu = new QFrame(this);
    panelConfigu->setFrameShape(QFrame::Panel);
    panelConfigu->setFrameShadow(QFrame::Raised);
    panelConfigu->setLineWidth(2);
    panelConfigu->setAutoFillBackground(true);
    QPalette palette = panelConfigu->palette();
    palette.setColor(QPalette::Window, ColorPanel);
    palette.setColor(QPalette::WindowText, ColorLabelText);
    panelConfigu->setPalette(palette);
    panelConfigu->setGeometry(312, 170, 400, 404);

    Labelidioma = labelAt(t[396], panelConfigu, {16, 14});
    const std::array<QString, 4> languages = {QStringLiteral("Castellano"), QStringLiteral("Català/Valencià"),
                                              QStringLiteral("Galego"), QStringLiteral("Euskera")};
    std::array<QRadioButton**, 4> languageButtons = {&cas, &cat, &gal, &eus};
    for (int code = 0; code < 4; ++code) {
        auto* button = new QRadioButton(languages[code], panelConfigu);
        button->setFont(arial(9, false));
        button->move(24, 42 + 26 * code);
        button->adjustSize();
        connect(button, &QRadioButton::clicked, this, &Tform0::LanguageClick);
        *languageButtons[code] = button;
    }
    LabelIdiomaSel = labelAt(QString(), panelConfigu, {208, 44});
    LabelIdiomaSel->setFixedWidth(176);

    PanelCofigu2 = new QFrame(panelConfigu);
    PanelCofigu2->setFrameShape(QFrame::StyledPanel);
    PanelCofigu2->setGeometry(16, 156, 176, 72);
    LabelAnimacion = labelAt(t[606], PanelCofigu2, {8, 8});
    si = new QRadioButton(t[141], PanelCofigu2);
    no = new QRadioButton(t[140], PanelCofigu2);
    si->move(16, 38);
    no->move(92, 38);
    for (QRadioButton* button : {si, no}) {
        button->setFont(arial(9, false));
        button->adjustSize();
        connect(button, &QRadioButton::clicked, this, &Tform0::AnimationClick);
    }
    LabelSINO = labelAt(QString(), panelConfigu, {208, 196});
    LabelSINO->setFixedWidth(176);

    ButtonGrabar = buttonAt(t[608], panelConfigu, {16, 244, 120, 30});
    ButtonRetroConf = buttonAt(t[82], panelConfigu, {264, 244, 120, 30});
    connect(ButtonGrabar, &QPushButton::clicked, this, &Tform0::ButtonGrabarClick);
    connect(ButtonRetroConf, &QPushButton::clicked, this, &Tform0::ButtonRetroConfClick);
    LabelReiniciar = labelAt(t[kRestartLine], panelConfigu, {16, 284});
    LabelReiniciar->setFont(arial(9, true));
    LabelReiniciar->adjustSize();

    LabelActualizar = labelAt(QStringLiteral("Actualizar durante el curso 2016/17"), panelConfigu, {16, 320});
    ButActualizar = buttonAt(QStringLiteral("Actualizar"), panelConfigu, {16, 350, 120, 30});
    ButActualizar->setEnabled(false);
    lblSize = labelAt(QString(), panelConfigu, {150, 330});
    lblSize->hide();
    ProgressBar1 = new QProgressBar(panelConfigu);
    ProgressBar1->setGeometry(150, 354, 234, 22);
    ProgressBar1->hide();

    panelConfigu->hide();
}

void Tform0::LabelConfigClick()
{
    const std::array<QRadioButton*, 4> languageButtons = {cas, cat, gal, eus};
    if (store_.run.languageCode >= 0 && store_.run.languageCode < 4)
        languageButtons[store_.run.languageCode]->setChecked(true);
    const LoadContext ctx = store_.context();
    bool archives = true;
    for (const char* archive : StartupPictures::kWorldArchives)
        archives = archives && ctx.exists(QLatin1String(archive));
    PanelCofigu2->setVisible(archives);
    LabelSINO->setVisible(archives);
    (store_.run.savedAnimation ? si : no)->setChecked(true);
    LanguageClick();
    AnimationClick();
    panelConfigu->show();
    panelConfigu->raise();
}

void Tform0::LanguageClick()
{
    for (QRadioButton* button : {cas, cat, gal, eus})
        if (button->isChecked())
            LabelIdiomaSel->setText(button->text());
}

void Tform0::AnimationClick()
{
    LabelSINO->setText(si->isChecked() ? si->text() : no->text());
}

void Tform0::ButtonGrabarClick()
{
    const int languageBefore = store_.run.languageCode;
    const bool animationBefore = store_.run.savedAnimation;
    const std::array<QRadioButton*, 4> languageButtons = {cas, cat, gal, eus};
    for (int code = 0; code < 4; ++code)
        if (languageButtons[code]->isChecked())
            store_.run.languageCode = code;
    store_.run.savedAnimation = si->isChecked();
    store_.run.settings = {store_.run.languageCode, store_.run.savedAnimation};

    if (!settings_.write(store_.run.settings))
        messageService().show(kCannotSave);
    else if (store_.run.languageCode != languageBefore || store_.run.savedAnimation != animationBefore)
        messageService().show(store_.uiText[kRestartLine]);
    panelConfigu->hide();
}

void Tform0::ButtonRetroConfClick()
{
    panelConfigu->hide();
}
