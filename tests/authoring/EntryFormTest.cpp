#include "../board/BoardFixture.h"
#include "authoring/frmEntry.h"
#include "board/QuestionFile.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace velin;
using namespace velin::test;

namespace {

class Entry : public BoardTest {
protected:
    void TearDown() override
    {
        UnloadEntryForm();
        BoardTest::TearDown();
    }
    // A fresh form for `jobMode`.
    frmEntry& Open(const QString& jobMode = QStringLiteral("Append"))
    {
        UnloadEntryForm();
        Shared.JobMode = jobMode;
        return EntryForm();
    }
    // Types the values of a question and its clues, leaving the count boxes
    // as a person does.
    static void Fill(frmEntry& f, const QString& file, const QStringList& rows, const QStringList& columns,
                     const QString& title = QStringLiteral("さかな"), const QString& answer = QStringLiteral("イルカ"))
    {
        f.txtTitle->setText(title);
        f.txtAnswer->setText(answer);
        f.txtNando->setText(QStringLiteral("2"));
        f.txtLine->setText(QString::number(rows.size()));
        f.txtColumn->setText(QString::number(columns.size()));
        f.txtCount_LostFocus();
        for (int i = 0; i < rows.size(); ++i)
            f.grid.SetCell(i + 1, 1, rows.at(i));
        for (int i = 0; i < columns.size(); ++i)
            f.grid.SetCell(i + 1, 2, columns.at(i));
        f.txtFile->setText(file);
    }
    QStringList Boxes() const
    {
        QStringList texts;
        for (const auto& box : platform.dialogs.Boxes())
            texts << box.text;
        return texts;
    }
    QStringList QuestionFiles() const { return QDir(questions.Path()).entryList(QDir::Files); }
};

// A 2 x 3 picture: .#. / ###
const QStringList kRows{"1", "3"};
const QStringList kColumns{"1", "2", "1"};

} // namespace

TEST_F(Entry, RegisterWritesTheQuestionTheGameReadsAndListsIt)
{
    FileSelForm().SetFolder(questions.Path());
    frmEntry& f = Open();
    Fill(f, QStringLiteral("007"), kRows, kColumns);
    f.cmdSet_Click();

    EXPECT_TRUE(platform.dialogs.Boxes().empty());
    EXPECT_TRUE(f.ClosingByProgram);
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Append"));
    const QString path = questions.File(QStringLiteral("kabQue007.dat"));
    EXPECT_EQ(Shared.QuestionPath, path);
    EXPECT_EQ(questions.ReadBytes(QStringLiteral("kabQue007.dat")),
              QByteArray::fromHex("82b382a982c88149") + "\r\n" +        // さかな！
                  QByteArray::fromHex("8343838b834a82c582b582bd8142") + // イルカでした。
                  "\r\n\r\n2\r\n2\r\n3\r\n1\r\n3\r\n1\r\n2\r\n1\r\n");
    const auto back = QuestionFile::Read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Title, QStringLiteral("さかな！"));
    EXPECT_EQ(back->Answer, QStringLiteral("イルカでした。"));
    EXPECT_EQ(back->RowCount, 2);
    EXPECT_EQ(back->ColumnCount, 3);
    EXPECT_FALSE(FileSelForm().filFile->findItems(QStringLiteral("kabQue007.dat"), Qt::MatchExactly).isEmpty());

    // Four digits give a four-digit name.
    frmEntry& g = Open();
    Fill(g, QStringLiteral("1234"), kRows, kColumns);
    g.cmdSet_Click();
    EXPECT_TRUE(QFile::exists(questions.File(QStringLiteral("kabQue1234.dat"))));
}

TEST_F(Entry, RefusalsNameTheBoxAndKeepTheFormOpen)
{
    struct Case {
        const char* name;
        void (*spoil)(frmEntry&);
        QString text;
        const char* focus;
    };
    const Case cases[] = {
        {"file number 7", [](frmEntry& f) { f.txtFile->setText("7"); },
         QStringLiteral("【ファイル番号】が範囲外です。再設定して下さい。"), "txtFile"},
        {"hint typed and emptied", [](frmEntry& f) { f.txtTitle->setText(""); },
         QStringLiteral("【タイトル】が未設定です。再設定して下さい。"), "txtTitle"},
        {"a clue left empty", [](frmEntry& f) { f.grid.SetCell(2, 2, ""); },
         QStringLiteral("【縦・横方向データ】が未設定です。再設定して下さい。"), "txtData"},
        {"an emoji in a clue", [](frmEntry& f) { f.grid.SetCell(1, 1, QStringLiteral("1🙂")); },
         QStringLiteral("【縦・横方向データ】の行(横方向)"
                        "1番目に登録できない文字「🙂」があります。再設定して下さい。"),
         "txtData"},
        {"an emoji in the answer", [](frmEntry& f) { f.txtAnswer->setText(QStringLiteral("🐬")); },
         QStringLiteral("【答　え】に登録できない文字「🐬」があります。再設定して下さい。"), "txtAnswer"},
    };
    for (const Case& c : cases) {
        frmEntry& f = Open();
        f.show();
        QApplication::setActiveWindow(&f);
        Fill(f, QStringLiteral("010"), kRows, kColumns);
        c.spoil(f);
        platform.dialogs.log.clear();
        f.cmdSet_Click();
        ASSERT_EQ(platform.dialogs.Boxes().size(), 1u) << c.name;
        const auto box = platform.dialogs.Boxes().front();
        EXPECT_EQ(box.text, c.text) << c.name;
        EXPECT_EQ(box.title, QStringLiteral("登録データ再設定")) << c.name;
        EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation) << c.name;
        EXPECT_FALSE(f.ClosingByProgram) << c.name;
        EXPECT_FALSE(f.isHidden()) << c.name;
        ASSERT_TRUE(QApplication::focusWidget()) << c.name;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.focus)) << c.name;
        EXPECT_TRUE(QuestionFiles().isEmpty()) << c.name;
    }
}

TEST_F(Entry, OverwriteQuestionFindsAFileThatDiffersInLetterCase)
{
    questions.WriteAnsi(QStringLiteral("KABQUE020.dat"), {"old"});
    frmEntry& f = Open();
    Fill(f, QStringLiteral("020"), kRows, kColumns);
    platform.dialogs.answers.push_back(Dialogs::Answer::No);
    f.cmdSet_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].text, QStringLiteral("ファイルが既に存在します。上書きして宜しいですか！"));
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("ファイルの上書き確認"));
    EXPECT_EQ(platform.dialogs.Boxes()[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_FALSE(f.ClosingByProgram);
    EXPECT_EQ(questions.ReadBytes(QStringLiteral("KABQUE020.dat")), QByteArray("old\r\n"));

    platform.dialogs.answers.push_back(Dialogs::Answer::Yes);
    f.cmdSet_Click();
    EXPECT_TRUE(f.ClosingByProgram);
    EXPECT_EQ(QuestionFiles(), QStringList{QStringLiteral("KABQUE020.dat")});
    EXPECT_TRUE(QuestionFile::Read(questions.File(QStringLiteral("KABQUE020.dat"))));
}

TEST_F(Entry, AFailedWriteIsReportedAndTheFormKeepsTheWork)
{
    Shared.QuestionFolder = questions.File(QStringLiteral("missing/"));
    frmEntry& f = Open();
    Fill(f, QStringLiteral("030"), kRows, kColumns);
    f.cmdSet_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("ファイル書込"));
    EXPECT_TRUE(platform.dialogs.Boxes()[0].text.contains(QStringLiteral("kabQue030.dat")));
    EXPECT_FALSE(f.ClosingByProgram);
    EXPECT_EQ(f.grid.Cell(2, 1), QStringLiteral("3"));
    EXPECT_EQ(f.txtTitle->text(), QStringLiteral("さかな"));
}

TEST_F(Entry, TheAppendJobTestSolvesTheNewQuestion)
{
    platform.dialogs.modalScripts.push_back([](QWidget* form) {
        auto& f = static_cast<frmEntry&>(*form);
        Fill(f, QStringLiteral("007"), kRows, kColumns);
        f.cmdSet_Click();
    });
    Board().MenuQuestionEntry_Click();
    EXPECT_EQ(EntryFormIfLoaded(), nullptr);
    EXPECT_EQ(Shared.QuestionPath, questions.File(QStringLiteral("kabQue007.dat")));
    EXPECT_EQ(Shared.QuestionTitle, QStringLiteral("さかな！"));
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Pc"));
    EXPECT_TRUE(Board().cmdStart->isEnabled());

    Board().cmdStart_Click();
    EXPECT_EQ(EndMsgForm().lblComent->text(), QStringLiteral("問題の追加登録処理が全て終了しました。"));
    EXPECT_EQ(EndMsgForm().lblMessage->text(), QStringLiteral("終　　了"));
    EXPECT_EQ(Board().model.Board[1][2], 2);
    EXPECT_EQ(Board().model.Board[1][1], 1);
}

TEST_F(Entry, ACancelledJobLeavesTheShownQuestionAndModesAsTheyWere)
{
    Shared.DefaultSolveMode = QStringLiteral("Man");
    Shared.SolveMode = QStringLiteral("Man");
    Shared.InputSwitch = QStringLiteral("On");
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), {"#.", ".#", "##"}, QStringLiteral("ねこ"))));
    const QuestionValues before = Shared;

    platform.dialogs.modalScripts.push_back([](QWidget* form) {
        auto& f = static_cast<frmEntry&>(*form);
        EXPECT_TRUE(Shared.QuestionTitle.isEmpty());
        f.txtTitle->setText(QStringLiteral("いぬ"));
        f.txtLine->setText(QStringLiteral("9"));
        f.close(); // the close box is Cancel
    });
    Board().MenuQuestionEntry_Click();
    EXPECT_TRUE(Shared.JobMode.isEmpty());
    EXPECT_EQ(Shared.QuestionTitle, before.QuestionTitle);
    EXPECT_EQ(Shared.AnswerName, before.AnswerName);
    EXPECT_EQ(Shared.Difficulty, before.Difficulty);
    EXPECT_EQ(Shared.RowCount, 3);
    EXPECT_EQ(Shared.ColumnCount, 2);
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Man"));
    EXPECT_EQ(Shared.InputSwitch, QStringLiteral("On"));
    EXPECT_TRUE(FileSelForm().optMode[0]->isChecked());
}

TEST_F(Entry, ACancelAfterEveryValueWasTypedStillPutsTheShownQuestionBack)
{
    // The form stores each box as it is typed; a cancel must not leave the
    // shown question with a title and sizes that were never registered.
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), {"#.", ".#", "##"}, QStringLiteral("ねこ"))));
    const QuestionValues before = Shared;
    platform.dialogs.modalScripts.push_back([](QWidget* form) {
        auto& f = static_cast<frmEntry&>(*form);
        f.txtTitle->setText(QStringLiteral("いぬ"));
        f.txtAnswer->setText(QStringLiteral("しば"));
        f.txtNando->setText(QStringLiteral("4"));
        f.txtLine->setText(QStringLiteral("9"));
        f.txtColumn->setText(QStringLiteral("8"));
        f.cmdReset_Click();
    });
    Board().MenuQuestionEntry_Click();
    EXPECT_TRUE(Shared.JobMode.isEmpty());
    EXPECT_EQ(Shared.QuestionTitle, before.QuestionTitle);
    EXPECT_EQ(Shared.AnswerName, before.AnswerName);
    EXPECT_EQ(Shared.Difficulty, before.Difficulty);
    EXPECT_EQ(Shared.RowCount, before.RowCount);
    EXPECT_EQ(Shared.ColumnCount, before.ColumnCount);
}

TEST_F(Entry, ThePopupRunsTheJobOnceTheMenuHasClosed)
{
    Board().PopupShown = true;
    Board().MenuQuestionEntry_Click();
    EXPECT_FALSE(Board().PopupShown);
    EXPECT_EQ(Board().PendingCommand, QStringLiteral("Append"));
    EXPECT_TRUE(Board().tmrPopup.isActive());
    EXPECT_TRUE(platform.dialogs.log.empty());

    bool shown = false;
    platform.dialogs.modalScripts.push_back([&shown](QWidget* form) {
        shown = form->objectName() == QLatin1String("frmEntry") && Shared.JobMode == QLatin1String("Append");
        static_cast<frmEntry*>(form)->cmdReset_Click();
    });
    Board().tmrPopup_Timer();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Board().tmrPopup.isActive());
    EXPECT_TRUE(Board().PendingCommand.isEmpty());
    EXPECT_EQ(EntryFormIfLoaded(), nullptr);
}

TEST_F(Entry, FullAndCompactLayouts)
{
    platform.screen.captionPixels = 23;
    frmEntry& full = Open();
    EXPECT_EQ(full.windowTitle(), QStringLiteral("問題ファイル登録"));
    EXPECT_NEAR(Twips::Height(&full), 6420 * 1.04, 15);
    EXPECT_NEAR(Twips::Top(&full), 420, 15);
    EXPECT_NEAR(Twips::ControlTop(full.cmdSet), 240, 15);
    EXPECT_TRUE(full.cmdReference->isHidden());
    EXPECT_FALSE(full.grdData->isHidden());
    EXPECT_TRUE(full.lblAttention->isHidden());
    EXPECT_NEAR(Twips::ControlTop(full.txtFile), 5390, 15);
    EXPECT_NEAR(full.grdData->columnWidth(0) * 15.0, 3160, 15);
    EXPECT_NEAR(Twips::ControlHeight(full.filFile), 2000, 15);
    EXPECT_NEAR(Twips::ControlTop(full.filFile) + 2040, full.ClientHeight(), 15);
    EXPECT_EQ(full.lblFile->text(), QStringLiteral("登録ファイル名は(kabQue番号.dat)固定。     番号３桁は"));
    EXPECT_EQ(full.cmdSet->text(), QStringLiteral("登　　録"));
    EXPECT_EQ(full.cmdSet->toolTip(), QStringLiteral("設定したデータを登録します"));
    EXPECT_EQ(full.lblTitle->buddy(), full.txtTitle);

    frmEntry& compact = Open(QStringLiteral("Private"));
    EXPECT_NEAR(Twips::Height(&compact), 4360 * 1.04, 15);
    EXPECT_NEAR(Twips::ControlTop(compact.cmdSet), 100, 15);
    EXPECT_FALSE(compact.cmdReference->isHidden());
    EXPECT_TRUE(compact.grdData->isHidden());
    EXPECT_FALSE(compact.lblAttention->isHidden());
    const double attention = Twips::ControlTop(compact.lblAttention);
    EXPECT_NEAR(Twips::ControlTop(compact.lblFolder) - attention, 610, 15);
    EXPECT_NEAR(Twips::ControlTop(compact.cmdFile) - attention, 1160, 15);
    EXPECT_NEAR(Twips::ControlHeight(compact.filFile), 1800, 15);
    // Private registers the values only, with their stars.
    Fill(compact, QStringLiteral("100"), {"1"}, {"1"});
    compact.cmdSet_Click();
    EXPECT_TRUE(compact.ClosingByProgram);
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
    EXPECT_EQ(Shared.DifficultyMark, QStringLiteral("★★"));
    EXPECT_TRUE(QuestionFiles().isEmpty());

    Shared.RowCount = 12;
    Shared.ColumnCount = 15;
    frmEntry& reference = Open(QStringLiteral("Reference_Ok"));
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
    EXPECT_EQ(reference.txtLine->text(), QStringLiteral("12"));
    EXPECT_FALSE(reference.txtColumn->isEnabled());
    EXPECT_NEAR(Twips::ControlTop(reference.cmdSet), 240, 15);
    EXPECT_TRUE(reference.cmdReference->isHidden());

    frmEntry& again = Open(QStringLiteral("Private"));
    again.cmdReference_Click();
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Reference"));
    EXPECT_TRUE(again.ClosingByProgram);
}

TEST_F(Entry, FileListProposesTheNextNumberAndF12CyclesThePrefix)
{
    questions.WriteAnsi(QStringLiteral("kabQue123.dat"), {"x"});
    frmEntry& f = Open();
    f.cmdFile_Click();
    EXPECT_FALSE(f.filFile->isHidden());
    EXPECT_TRUE(f.cmdFile->isHidden());
    ASSERT_EQ(f.filFile->count(), 1);
    platform.screen.pointerMoves.clear();
    f.filFile_DblClick(f.filFile->item(0)->text());
    EXPECT_EQ(f.txtFile->text(), QStringLiteral("124"));
    ASSERT_EQ(platform.screen.pointerMoves.size(), 1u);
    const double captionAndBar = Twips::Height(&f) - Twips::InnerHeight(f.centralWidget());
    EXPECT_NEAR(platform.screen.pointerMoves[0].x(),
                Twips::Left(&f) + Twips::ControlLeft(f.cmdSet) + Twips::ControlWidth(f.cmdSet) / 2, 1);
    EXPECT_NEAR(platform.screen.pointerMoves[0].y(),
                Twips::Top(&f) + captionAndBar + Twips::ControlTop(f.cmdSet) + Twips::ControlHeight(f.cmdSet) / 3, 1);

    Shared.QuestionPrefix = QStringLiteral("velin");
    QTest::keyRelease(f.txtFile, Qt::Key_F12);
    EXPECT_EQ(Shared.QuestionPrefix, QStringLiteral("nono"));
    EXPECT_EQ(f.lblFile->text(), QStringLiteral("登録ファイル名は(nono番号.dat)固定。       番号３桁は"));
}

TEST_F(Entry, KeysOfTheBoxesAndTheEditor)
{
    frmEntry& f = Open();
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::keyClicks(f.txtNando, QStringLiteral("0819"));
    EXPECT_EQ(f.txtNando->text(), QStringLiteral("1"));
    EXPECT_EQ(Shared.Difficulty, 1);
    QTest::keyClicks(f.txtLine, QStringLiteral("a5"));
    EXPECT_EQ(f.txtLine->text(), QStringLiteral("5"));

    struct Move {
        QLineEdit* from;
        QWidget* to;
    };
    for (const Move& m :
         {Move{f.txtTitle, f.txtAnswer}, Move{f.txtAnswer, f.txtComment}, Move{f.txtComment, f.txtNando},
          Move{f.txtNando, f.txtLine}, Move{f.txtLine, f.txtColumn}, Move{f.txtFile, f.cmdSet}}) {
        m.from->setFocus();
        QTest::keyClick(m.from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), m.to) << m.from->objectName().toStdString();
    }
    // The editor wants a puzzle of at least 2 x 2: the column count first.
    f.txtColumn->setText(QStringLiteral("1"));
    f.txtColumn->setFocus();
    QTest::keyClick(f.txtColumn, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.txtColumn);
    EXPECT_TRUE(f.txtColumn->text().isEmpty());

    QTest::keyClicks(f.txtColumn, QStringLiteral("3"));
    QTest::keyClick(f.txtColumn, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), f.txtData);
    EXPECT_EQ(f.grid.GridLineCount, 5);
    QTest::keyClicks(f.txtData, QStringLiteral("3/1"));
    QTest::keyClick(f.txtData, Qt::Key_Return);
    EXPECT_EQ(f.grdData->item(0, 0)->text(), QStringLiteral("3/1"));
    EXPECT_EQ(f.grid.CurrentRow(), 2);
    EXPECT_TRUE(f.txtData->text().isEmpty());
    QTest::keyClick(f.txtData, Qt::Key_Up);
    EXPECT_EQ(f.txtData->text(), QStringLiteral("3/1"));
    // Blocked cells show their text in the grid.
    EXPECT_EQ(f.grdData->item(4, 1)->text(), ClueGrid::BlockedText);

    f.Menu_Coment_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("編集機能解説"));
    EXPECT_EQ(platform.dialogs.Boxes()[0].text, ClueGrid::HelpText());
    EXPECT_EQ(f.Menu_Paste->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F9));
    // The help menu opens the board's about box.
    f.MenuHelp_Ver->trigger();
    EXPECT_EQ(platform.dialogs.log.back().text, QStringLiteral("frmAbout"));
}
