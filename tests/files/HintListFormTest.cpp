// The hint list form: the build with its progress bar, the marks, the
// selection, opening a question on the board, and the later openings from
// memory.
#include "../board/BoardFixture.h"
#include "board/ClearRecord.h"
#include "files/FileNames.h"
#include "platform/AnsiText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace velin;
using namespace velin::test;

namespace {

const QStringList kPlus{"..#..", "..#..", "#####", "..#..", "..#.."};

class HintListForm_ : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        WriteQuestion(QStringLiteral("nono003.dat"), kPlus, QStringLiteral("じゅうじ"));
        questions.WriteAnsi(QStringLiteral("velin003.dat"),
                            QuestionLines(RowCluesOf(kPlus), ColumnCluesOf(kPlus), QStringLiteral("たす"),
                                          QStringLiteral("こたえ"), QStringLiteral("足し算の記号"), 2));
        WriteQuestion(QStringLiteral("velin901.dat"), kPlus);
    }
    QStringList Items() const
    {
        QStringList items;
        const QListWidget* list = HintListForm().lstHint;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    // Opens the hint list from the File menu; `user` acts while it is shown.
    void Open(const std::function<void(frmHintList&)>& user)
    {
        platform.dialogs.modalScripts.push_back([user](QWidget* form) {
            auto* hints = qobject_cast<frmHintList*>(form);
            ASSERT_NE(hints, nullptr);
            user(*hints);
            if (hints->isVisible())
                hints->cmdReturn_Click();
        });
        Board().MenuFileHintList_Click();
    }
};

TEST_F(HintListForm_, BuildsOnceMarksClearedAndOpensTheChosenQuestion)
{
    AnsiText::WriteLines(questions.Parent() + FileNames::kClearRecordName,
                         {ClearRecord::kMagic, QStringLiteral("/another/folder/NONO003.DAT")});
    Shared.SolveMode = QStringLiteral("Man");
    Open([&](frmHintList& f) {
        EXPECT_TRUE(f.tmrWait.isActive());
        f.tmrWait_Timer();
        EXPECT_EQ(Items(),
                  (QStringList{QStringLiteral("　　2　　　　　たす"), QStringLiteral("*　3　　　　　じゅうじ")}));
        EXPECT_EQ(f.HintLast, 1);
        f.lstHint->setCurrentRow(0);
        EXPECT_EQ(f.lblFileName->text(), QStringLiteral("velin003.dat"));
        EXPECT_EQ(f.lblAdviceValue->text(), QStringLiteral("足し算の記号"));
        f.lstHint->setCurrentRow(1);
        EXPECT_EQ(f.lblAdviceValue->text(), QStringLiteral("コメントはありません！"));
        f.cmdOpen_Click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(Shared.HintListResume);
    EXPECT_EQ(Shared.QuestionPath, questions.Path() + QStringLiteral("nono003.dat"));
    EXPECT_EQ(Shared.QuestionTitle, QStringLiteral("じゅうじ"));
    EXPECT_EQ(Shared.QuestionState, QStringLiteral("Ok"));
    EXPECT_TRUE(Board().cmdStart->isEnabled());

    // Later openings come from memory, with the marks as the record now says.
    Shared.ClearList = QStringList{QStringLiteral("/x/velin003.dat")};
    QFile::remove(questions.File(QStringLiteral("velin003.dat")));
    Open([&](frmHintList& f) {
        EXPECT_FALSE(f.tmrWait.isActive());
        EXPECT_EQ(Items(),
                  (QStringList{QStringLiteral("*　2　　　　　たす"), QStringLiteral("　　3　　　　　じゅうじ")}));
    });
    EXPECT_FALSE(Shared.HintOpenRequest);
}

TEST_F(HintListForm_, BatchCheckTakesTheChosenFileAsItsRange)
{
    Shared.SolveMode = QStringLiteral("Check");
    Open([](frmHintList& f) {
        f.tmrWait_Timer();
        f.lstHint->setCurrentRow(1);
        f.cmdOpen_Click();
    });
    EXPECT_EQ(Shared.CheckFirstNo, 3);
    EXPECT_EQ(Shared.CheckFileNo, 3);
    EXPECT_EQ(Shared.CheckLastNo, 3);
    EXPECT_EQ(Shared.InputSwitch, QStringLiteral("On"));
}

TEST_F(HintListForm_, RefusalsOfTheFolderAndTheRecord)
{
    Shared.QuestionFolder.clear();
    Board().MenuFileHintList_Click();
    auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("問題ファイルのフォルダが不明です。ヒントリストのフォームを閉じて戻ります。"));
    EXPECT_EQ(boxes[0].title, QStringLiteral("エラー情報"));
    EXPECT_FALSE(HintListForm().isVisible());
    EXPECT_FALSE(HintListForm().tmrWait.isActive());

    // A damaged record: the box, and the form stays open with an empty list.
    Shared.QuestionFolder = questions.Path();
    AnsiText::WriteLines(questions.Parent() + FileNames::kClearRecordName, {QStringLiteral("*** Kab files check ***")});
    bool shownEmpty = false;
    Open([&](frmHintList& f) { shownEmpty = f.lstHint->count() == 0 && !f.tmrWait.isActive(); });
    EXPECT_TRUE(shownEmpty);
    boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].title, QStringLiteral("ファイル選択エラー"));
}

TEST_F(HintListForm_, ProgressBarInvertsTheTextItCovers)
{
    frmHintList& f = HintListForm();
    f.UpdateStatus(0.5, false);
    const QImage image = f.StatusImage().convertToFormat(QImage::Format_RGB32);
    const QRgb navy = qRgb(0, 0, 0x80);
    const QRgb white = qRgb(255, 255, 255);
    const int mid = image.height() / 2;
    EXPECT_EQ(image.pixel(1, 1), navy);
    EXPECT_EQ(image.pixel(image.width() - 2, 1), white);
    // Inside the text: on the bar's half the text is white, on the other navy.
    bool whiteOnBar = false;
    bool navyBeyond = false;
    for (int x = image.width() / 2 - 40; x < image.width() / 2; ++x)
        whiteOnBar |= image.pixel(x, mid) == white;
    for (int x = image.width() / 2; x < image.width() / 2 + 40; ++x)
        navyBeyond |= image.pixel(x, mid) == navy;
    EXPECT_TRUE(whiteOnBar);
    EXPECT_TRUE(navyBeyond);

    f.UpdateStatus(0, true);
    EXPECT_EQ(f.StatusImage().pixel(1, 1), white);
}

} // namespace
