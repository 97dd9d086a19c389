// The file selection form as the sound settings' file picker: the sound list
// with "Soundなし" first, the test controls that play the chosen file, and the
// way back to the question configuration afterwards.
#include "app/Shared.h"
#include "files/frmFileSel.h"
#include "media/SoundNames.h"
#include "media/SoundPlayer.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velin {

namespace {

const QString kQuestionPattern = QStringLiteral("nono*.dat;velin*.dat;kabQue*.dat");

void SetPrompt(QLabel* label, double pointSize, bool underline, const char* colour)
{
    QFont f = label->font();
    f.setPointSizeF(pointSize);
    f.setUnderline(underline);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colour)));
}

// A click on the note picture starts the test, as the picture does not
// report clicks of its own.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            onClick_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
};

} // namespace

void frmFileSel::WireSoundTest()
{
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    cmdSoundStop->setObjectName(QStringLiteral("cmdSoundStop"));
    lstFile->setObjectName(QStringLiteral("lstFile"));
    picTest->setToolTip(QStringLiteral("選択したサウンドを試聴します"));
    picTest->installEventFilter(new ClickFilter(picTest, [this] { picTest_Click(); }));
    connect(cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    connect(cmdSoundStop, &QPushButton::clicked, this, [this] { cmdSoundStop_Click(); });
}

void frmFileSel::FillSoundList()
{
    lstFile->clear();
    lstFile->addItem(SoundNames::kNoSound);
    for (int i = 0; i < filFile->count(); ++i)
        lstFile->addItem(filFile->item(i)->text());
}

void frmFileSel::ConfigureForSound()
{
    SoundConfiguration = true;
    SetPattern(QStringLiteral("*.wav;*.mid;*.rmi"));
    FillSoundList();
    filFile->setVisible(false);
    lstFile->setVisible(true);
    lstFile->setEnabled(true);
    fraMode->setVisible(false);
    // A sound file has no hint or difficulty to show.
    lblTitle->setVisible(false);
    lblNandoMark->setVisible(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdTest, picTest, cmdSoundStop}) {
        w->setVisible(true);
        w->setEnabled(true);
    }
    SetPrompt(lblTitleName, 10, false, "#c000c0");
    setWindowTitle(QStringLiteral("サウンドファイルの選択"));
    txtFileName[0]->clear();
    txtFileName[1]->clear();
}

void frmFileSel::ConfigureBackForQuestion()
{
    SoundConfiguration = false;
    fraMode->setVisible(true);
    lblTitleName->clear();
    SetPrompt(lblTitleName, 12, true, "#000000");
    lblTitle->setVisible(true);
    lblNandoMark->setVisible(true);
    // All three question families, as the open command lists them: a caller
    // that shows the form without configuring it must still find every set.
    SetPattern(kQuestionPattern);
    filFile->setVisible(true);
    lstFile->setVisible(false);
    lstFile->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdTest, picTest, cmdSoundStop})
        w->hide();
    setWindowTitle(QStringLiteral("ファイルの選択"));
    if (!Shared.QuestionFolder.isEmpty()) {
        SetFolder(Shared.QuestionFolder);
        txtFileName[0]->clear();
        txtFileName[1]->clear();
    }
}

void frmFileSel::cmdTest_Click()
{
    Shared.SoundTestActive = true;
    SoundPlayer& sounds = Sounds();
    if (SoundPlayer::SwitchOn(SoundBGM)) {
        sounds.tmrSound.stop();
        sounds.Send(QStringLiteral("close all"));
    }
    // A file that cannot be decoded simply stays silent: the media layer
    // reports nothing and returns at once.
    sounds.PlayDirect(txtFileName[0]->text());
}

void frmFileSel::picTest_Click()
{
    cmdTest->setEnabled(true);
    cmdTest->setFocus();
    cmdTest_Click();
}

} // namespace velin
