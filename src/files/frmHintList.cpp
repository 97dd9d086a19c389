#include "files/frmHintList.h"

#include "app/Shared.h"
#include "board/ClearRecord.h"
#include "files/FileNames.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/FormInstance.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace velin {

namespace {

// 0x800000 in the game's 0xBBGGRR notation: navy.
const QColor kBarColour(0x00, 0x00, 0x80);

} // namespace

frmHintList& HintListForm()
{
    return FormInstance<frmHintList>::Get();
}

frmHintList* HintListFormIfLoaded()
{
    return FormInstance<frmHintList>::IfLoaded();
}

void UnloadHintListForm()
{
    FormInstance<frmHintList>::Unload();
}

HintList& frmHintList::Memory()
{
    static HintList memory;
    return memory;
}

frmHintList::frmHintList(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmHintList"));
    setWindowTitle(QStringLiteral("問題のヒントリスト"));
    setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 10));

    // Over the list's columns: the difficulty after two ideographic spaces,
    // the hint after five more.
    auto* lblList = new QLabel(QStringLiteral("　難易度　　　 ヒント（＊印はクリア済みの問題）"), this);
    lstHint = new QListWidget(this);
    lstHint->setObjectName(QStringLiteral("lstHint"));
    // Every line has the same height; without this the list measures all
    // 900 texts again at each refresh while it is being built.
    lstHint->setUniformItemSizes(true);
    lblList->setBuddy(lstHint);
    auto* lblFileTitle = new QLabel(QStringLiteral("ファイル名："), this);
    lblFileName = new QLabel(this);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));
    auto* lblAdviceTitle = new QLabel(QStringLiteral("「一言」："), this);
    lblAdviceValue = new QLabel(this);
    lblAdviceValue->setObjectName(QStringLiteral("lblAdviceValue"));
    lblAdviceValue->setWordWrap(true);
    lblAdviceValue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picStatus = new QLabel(this);
    picStatus->setObjectName(QStringLiteral("picStatus"));
    picStatus->setFrameShape(QFrame::Box);
    picStatus->setAccessibleName(QStringLiteral("進行状況"));
    cmdOpen = new QPushButton(QStringLiteral("問題を開く"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdReturn = new QPushButton(QStringLiteral("閉じて戻る"), this);
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));

    Twips::MoveWindow(this, 0, 0, 9000, 6700);
    Twips::PlaceControl(lblList, 200, 150, 8400, 300);
    Twips::PlaceControl(lstHint, 200, 480, 8400, 3900);
    Twips::PlaceControl(lblFileTitle, 200, 4500, 1500, 300);
    Twips::PlaceControl(lblFileName, 1750, 4500, 3000, 300);
    Twips::PlaceControl(lblAdviceTitle, 200, 4880, 1500, 300);
    Twips::PlaceControl(lblAdviceValue, 1750, 4880, 6850, 600);
    Twips::PlaceControl(picStatus, 200, 5700, 4800, 360);
    Twips::PlaceControl(cmdOpen, 5300, 5600, 1550, 480);
    Twips::PlaceControl(cmdReturn, 7050, 5600, 1550, 480);

    tmrWait.setInterval(100);
    tmrWait.setSingleShot(true);
    connect(&tmrWait, &QTimer::timeout, this, [this] { tmrWait_Timer(); });
    connect(lstHint, &QListWidget::currentRowChanged, this, [this] { lstHint_Click(); });
    connect(lstHint, &QListWidget::itemDoubleClicked, this, [this] { cmdOpen_Click(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
}

frmHintList::~frmHintList()
{
    FormInstance<frmHintList>::Forget(this);
}

bool frmHintList::Form_Load()
{
    lstHint->clear();
    lblFileName->clear();
    lblAdviceValue->clear();
    HintList& memory = Memory();
    if (Shared.HintListResume) {
        for (const HintEntry& entry : memory.Entries())
            lstHint->addItem(HintList::MarkedLine(entry, Shared.ClearList));
        HintLast = static_cast<int>(memory.Entries().size()) - 1;
        return true;
    }
    memory.Clear();
    HintLast = -1;
    UpdateStatus(0, true);
    Sounds().PlayEvent(SoundFunction);
    if (ClearRecord::Load(FileNames::ClearRecordPath(Shared.HomeFolder), Shared.ClearList) ==
        ClearRecord::LoadResult::BadMagic) {
        Platform::dialogs().MsgBox(QStringLiteral("ファイルが不正です。確認してやり直してください。"),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                                   QStringLiteral("ファイル選択エラー"));
        return true;
    }
    if (Shared.QuestionFolder.isEmpty()) {
        Platform::dialogs().MsgBox(
            QStringLiteral("問題ファイルのフォルダが不明です。ヒントリストのフォームを閉じて戻ります。"),
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("エラー情報"));
        return false;
    }
    tmrWait.start();
    return true;
}

void frmHintList::tmrWait_Timer()
{
    tmrWait.stop();
    lstHint->clear();
    HintList& memory = Memory();
    const QStringList& clearList = Shared.ClearList;
    memory.Build(
        Paths::AddDirSep(Shared.QuestionFolder),
        [&](const HintEntry& entry) { lstHint->addItem(HintList::MarkedLine(entry, clearList)); },
        [&](int k) {
            if (k >= 1 && k % 50 == 0)
                lstHint->repaint();
            UpdateStatus(static_cast<double>(k) / HintList::kHintListMax, k == 0 || k == HintList::kHintListMax);
        });
    HintLast = static_cast<int>(memory.Entries().size()) - 1;
    Shared.HintListResume = true;
}

void frmHintList::lstHint_Click()
{
    const int row = lstHint->currentRow();
    const auto& entries = Memory().Entries();
    if (row < 0 || row >= static_cast<int>(entries.size()))
        return;
    lblFileName->setText(entries[row].FileName);
    lblAdviceValue->setText(entries[row].Comment);
}

void frmHintList::cmdOpen_Click()
{
    const int row = lstHint->currentRow();
    const auto& entries = Memory().Entries();
    if (row < 0 || row >= static_cast<int>(entries.size()))
        return;
    Shared.QuestionPath = Shared.QuestionFolder + entries[row].FileName;
    Shared.HintOpenRequest = true;
    if (Shared.SolveMode == QLatin1String("Man"))
        Shared.QuestionState = QStringLiteral("Ok");
    cmdReturn_Click();
}

void frmHintList::cmdReturn_Click()
{
    tmrWait.stop();
    hide();
}

void frmHintList::UpdateStatus(double fraction, bool allowEnds)
{
    const QSize size = picStatus->contentsRect().size().expandedTo(QSize(1, 1));
    // Most steps move neither the bar by a pixel nor the percentage; they
    // would paint the same picture again.
    const int barWidth = fraction > 0 ? static_cast<int>(fraction * size.width()) : -1;
    const QString text = HintList::PercentText(fraction, allowEnds);
    if (size == statusImage_.size() && barWidth == shownBarWidth_ && text == shownText_)
        return;
    shownBarWidth_ = barWidth;
    shownText_ = text;
    if (statusImage_.size() != size)
        statusImage_ = QImage(size, QImage::Format_RGB32);
    statusImage_.fill(Qt::white);
    if (fraction > 0) {
        QPainter painter(&statusImage_);
        // Crisp text, so that the bar turns each of its pixels into exactly the other colour.
        QFont crisp = font();
        crisp.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(crisp);
        painter.setPen(kBarColour);
        painter.drawText(statusImage_.rect(), Qt::AlignCenter, text);
        // The bar inverts what it covers, so the text stays readable on it.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.fillRect(QRect(0, 0, barWidth, size.height()), kBarColour);
    }
    picStatus->setPixmap(QPixmap::fromImage(statusImage_));
    picStatus->repaint();
}

void frmHintList::CentreOn(const QWidget* owner)
{
    if (!owner)
        return;
    Twips::MoveWindow(this, Twips::Left(owner) + (Twips::Width(owner) - Twips::Width(this)) / 2,
                      Twips::Top(owner) + (Twips::Height(owner) - Twips::Height(this)) / 2, Twips::Width(this),
                      Twips::Height(this));
}

void frmHintList::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cmdReturn_Click();
}

} // namespace velin
