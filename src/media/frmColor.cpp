#include "media/frmColor.h"

#include "app/Settings.h"
#include "app/Shared.h"
#include "board/frmNono.h"
#include "media/Palette.h"
#include "media/SoundPlayer.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace velin {

namespace {

// The designed places of the panel, the first swatch and the preview, in twips.
constexpr double kPanelLeft = 240;
constexpr double kPanelTop = 240;
constexpr Palette::Rect kFirstSwatch{120, 120, 420, 420};

QString CssColour(int32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF).name();
}

} // namespace

void PaintBackground(QWidget* control, int32_t colour)
{
    control->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #808080;").arg(CssColour(colour)));
}

frmColor::frmColor(frmNono* board) : QWidget(nullptr, Qt::Dialog), board_(board)
{
    setObjectName(QStringLiteral("frmColor"));
    setWindowTitle(QStringLiteral("バックカラーの変更 "));
    setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));

    const Palette::Rect last = Palette::SwatchRect(Palette::kColours - 1, kFirstSwatch);
    const double panelWidth = last.left + last.width + kFirstSwatch.left;
    const double panelHeight = last.top + last.height + kFirstSwatch.top;
    picPaintBox = new QFrame(this);
    picPaintBox->setObjectName(QStringLiteral("picPaintBox"));
    picPaintBox->setFrameShape(QFrame::Panel);
    picPaintBox->setFrameShadow(QFrame::Sunken);
    picPaintBox->setToolTip(QStringLiteral("選択可能な色を表示します"));
    Twips::PlaceControl(picPaintBox, kPanelLeft, kPanelTop, panelWidth, panelHeight);

    // Form_Load: swatch 0 as designed, the others laid out from it.
    for (int i = 0; i < Palette::kColours; ++i) {
        const Palette::Rect r = Palette::SwatchRect(i, kFirstSwatch);
        QPushButton* swatch = new QPushButton(picPaintBox);
        swatch->setObjectName(QStringLiteral("picPaint%1").arg(i));
        swatch->setAccessibleName(QStringLiteral("色%1").arg(i + 1));
        swatch->setFlat(true);
        PaintBackground(swatch, Palette::kColours32[static_cast<size_t>(i)]);
        Twips::PlaceControl(swatch, r.left, r.top, r.width, r.height);
        connect(swatch, &QPushButton::clicked, this, [this, i] { picPaint_Click(i); });
        picPaint[static_cast<size_t>(i)] = swatch;
    }

    const double right = kPanelLeft + panelWidth + 240;
    picPalette = new QLabel(this);
    picPalette->setObjectName(QStringLiteral("picPalette"));
    picPalette->setToolTip(QStringLiteral("選択中の色を表示します"));
    picPalette->setAccessibleName(QStringLiteral("選択中の色"));
    PaintBackground(picPalette, Palette::kColours32[0]);
    Twips::PlaceControl(picPalette, right, kPanelTop, 1300, 700);

    cmdSelect = new QPushButton(QStringLiteral(" 登　録 "), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setToolTip(QStringLiteral("背景色を決定します"));
    cmdCancele = new QPushButton(QStringLiteral(" 中　止 "), this);
    cmdCancele->setObjectName(QStringLiteral("cmdCancele"));
    cmdCancele->setToolTip(QStringLiteral("現在の処理をキャンセルします"));
    Twips::PlaceControl(cmdSelect, right, kPanelTop + panelHeight - 1000, 1300, 430);
    Twips::PlaceControl(cmdCancele, right, kPanelTop + panelHeight - 430, 1300, 430);
    connect(cmdSelect, &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(cmdCancele, &QPushButton::clicked, this, [this] { cmdCancele_Click(); });

    setFixedSize(Twips::ToPixelsX(right + 1300 + 240), Twips::ToPixelsY(kPanelTop * 2 + panelHeight));
}

void frmColor::picPaint_Click(int index)
{
    PaintBackground(picPalette, Palette::kColours32[static_cast<size_t>(index)]);
    SelectedColor = static_cast<int16_t>(index);
}

void frmColor::cmdSelect_Click()
{
    Shared.FormColor = Palette::kColours32[static_cast<size_t>(SelectedColor)];
    Sounds().PlayEvent(SoundEntry);
    WriteSettings();
    unloaded_ = true;
    if (board_)
        board_->PointToMenuBar();
    hide();
}

void frmColor::cmdCancele_Click()
{
    Form_Unload();
}

void frmColor::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cmdCancele_Click();
}

void frmColor::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Sounds().PlayEvent(SoundStop);
    if (board_)
        board_->PointToMenuBar();
    hide();
}

} // namespace velin
