#include "app/question_dialog.h"

#include "data/colors.h"
#include "data/ui_text.h"
#include "platform/modal_service.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kYesLine = 141;
constexpr int kNoLine = 140;

QFont arial(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(11);
    font.setBold(bold);
    return font;
}

} // namespace

TForm4::TForm4(const UiText& texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , LabelNombre(new QLabel(this))
    , LabelNombre2(new QLabel(this))
    , EditNombre(new QLineEdit(this))
    , ShadowSi(new QPushButton(texts[kYesLine], this))
    , ShadowNo(new QPushButton(texts[kNoLine], this))
{
    setObjectName(QStringLiteral("Form4"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorPale);
    setPalette(colours);

    LabelNombre->setFont(arial(true));
    LabelNombre->setWordWrap(true);
    LabelNombre2->setFont(arial(true));
    LabelNombre2->setWordWrap(true);
    EditNombre->setFont(arial(false));
    ShadowSi->setDefault(true);
    ShadowSi->setAutoDefault(true);
    ShadowNo->setAutoDefault(false);
    for (QPushButton* button : {ShadowSi, ShadowNo}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumWidth(90);
    }
    connect(ShadowSi, &QPushButton::clicked, this, &QDialog::accept);
    connect(ShadowNo, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ShadowSi);
    buttons->addWidget(ShadowNo);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(LabelNombre);
    layout->addWidget(LabelNombre2);
    layout->addWidget(EditNombre);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    LabelNombre2->hide();
    EditNombre->hide();
}

bool TForm4::ask()
{
    adjustSize();
    return modalService().exec(*this) == QDialog::Accepted;
}

void TForm4::done(int result)
{
    EditNombre->hide();
    LabelNombre2->hide();
    ShadowNo->show();
    QDialog::done(result);
}
