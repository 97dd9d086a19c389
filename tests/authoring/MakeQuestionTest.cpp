#include "../board/BoardFixture.h"
#include "authoring/frmEntry.h"
#include "board/BackupFile.h"
#include "files/FileNames.h"
#include "platform/AnsiText.h"
#include "platform/Twips.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace velin;
using namespace velin::test;

namespace {

// A 10 x 10 picture the solver finishes by line logic, over more than one
// cycle, so that a stop requested during the solve arrives before the end.
const QStringList kFish{"..........", "...####...", "..######..", ".###.####.", "##########",
                        "##########", ".########.", "..######..", "...####...", ".........."};

using Modal = std::function<void(QWidget*)>;

class MakeQuestion : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        // The backup lives in the folder above HomeFolder: keep it inside
        // the test's own folder.
        QDir(questions.Path()).mkdir(QStringLiteral("home"));
        Shared.HomeFolder = questions.File(QStringLiteral("home/"));
        Shared.QuestionPrefix = QStringLiteral("velin");
        Shared.DefaultSolveMode = QStringLiteral("Pc");
        Shared.SolveMode = QStringLiteral("Pc");
        WriteQuestion(QStringLiteral("nono001.dat"), kFish, QStringLiteral("さかな！"));
    }
    void TearDown() override
    {
        UnloadEntryForm();
        BoardTest::TearDown();
    }
    void Script(Modal modal) { platform.dialogs.modalScripts.push_back(std::move(modal)); }

    // The registration form: register a question of the given size (or,
    // for a form reopened after a reference, with the sizes it shows).
    static Modal Register(int rows = 0, int columns = 0)
    {
        return [rows, columns](QWidget* form) {
            auto* f = static_cast<frmEntry*>(form);
            if (f->txtTitle->text().isEmpty())
                f->txtTitle->setText(QStringLiteral("かお"));
            if (f->txtAnswer->text().isEmpty())
                f->txtAnswer->setText(QStringLiteral("えがお"));
            if (f->txtNando->text().isEmpty())
                f->txtNando->setText(QStringLiteral("2"));
            if (rows > 0) {
                f->txtLine->setText(QString::number(rows));
                f->txtColumn->setText(QString::number(columns));
            }
            f->txtFile->setText(QStringLiteral("100"));
            f->cmdSet_Click();
        };
    }
    static Modal Cancel()
    {
        return [](QWidget* form) { static_cast<frmEntry*>(form)->cmdReset_Click(); };
    }
    static Modal Reference()
    {
        return [](QWidget* form) { static_cast<frmEntry*>(form)->cmdReference_Click(); };
    }
    // The picker: choose a question file, the suspended puzzle, or cancel.
    Modal Pick(const QString& name)
    {
        return [this, name](QWidget* form) {
            auto* f = static_cast<frmFileSel*>(form);
            pickerModeShown.push_back(!f->fraMode->isHidden());
            pickerSoundsShown.push_back(!f->lstFile->isHidden());
            const auto items = f->filFile->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1) << name.toStdString();
            f->filFile->setCurrentItem(items.first());
            f->filFile_Click();
            f->cmdOk_Click();
        };
    }
    static Modal PickSuspended()
    {
        return [](QWidget* form) { static_cast<frmFileSel*>(form)->cmdHalt_Click(); };
    }
    static Modal CancelPicker()
    {
        return [](QWidget* form) { static_cast<frmFileSel*>(form)->CmdCancel_Click(); };
    }
    // What the reopened registration form shows, then `then`.
    Modal Reopened(Modal then)
    {
        return [this, then](QWidget* form) {
            auto* f = static_cast<frmEntry*>(form);
            reopenedTexts = {f->txtTitle->text(), f->txtAnswer->text(), f->txtNando->text(), f->txtLine->text(),
                             f->txtColumn->text()};
            reopenedLocked = !f->txtLine->isEnabled() && !f->txtColumn->isEnabled();
            then(form);
        };
    }
    // Presses Stop once the reference solve is under way.
    void StopDuringTheSolve()
    {
        QTimer::singleShot(0, &Board(), [this] {
            if (!Board().SolverRunning())
                return StopDuringTheSolve();
            Board().MenuStop_Click();
        });
    }
    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const auto& box : platform.dialogs.Boxes())
            texts << box.text;
        return texts;
    }
    int Undecided() const
    {
        int n = 0;
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c <= 10; ++c)
                n += NonoForm().model.Board[r][c] == kUndecided;
        return n;
    }
    bool BoardShowsTheFish() const
    {
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c <= 10; ++c)
                if (NonoForm().model.Board[r][c] != (kFish[r - 1][c - 1] == u'#' ? kFilled : kBlank))
                    return false;
        return true;
    }

    std::vector<bool> pickerModeShown;
    std::vector<bool> pickerSoundsShown;
    QStringList reopenedTexts;
    bool reopenedLocked = false;
};

const QString kAccept = QStringLiteral("参照イラストは現在の表示で宜しいですか！");
const QString kStopQuestion = QStringLiteral("参照イラストは現在の中途表示を使用しますか！");

} // namespace

TEST_F(MakeQuestion, RegisteredValuesGiveAnEmptyDrawingBoardWhoseDrawingIsWrittenAsTheQuestion)
{
    frmNono& b = Board();
    Script(Register(2, 3));
    b.MenuQuestionMake_Click();

    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("処 理"));
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Man"));
    EXPECT_EQ(Shared.InputSwitch, QStringLiteral("On"));
    EXPECT_EQ(b.PlayInput, QStringLiteral("Off"));
    EXPECT_EQ(Shared.DefaultSolveMode, QStringLiteral("Pc"));
    EXPECT_EQ(b.model.RowClues[1][0], 0);
    EXPECT_EQ(b.model.ColumnClues[3][0], 0);

    b.cmdStart_Click();
    const QStringList drawing{"#.#", "###"};
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c)
            Click(r, c, drawing[r - 1][c - 1] == u'#' ? 1 : 2);
    ASSERT_EQ(b.cmdStart->text(), QStringLiteral("登 録"));
    b.cmdStart_Click();

    AnsiReader reader(questions.File(QStringLiteral("velin100.dat")));
    QStringList lines;
    QString line;
    while (!reader.AtEnd() && reader.ReadLine(line))
        lines << line;
    EXPECT_EQ(lines, (QStringList{"かお！", "えがおでした。", "", "2", "2", "3", "1/1", "3", "2", "1", "2"}));
}

TEST_F(MakeQuestion, CancelAtTheRegistrationFormPutsTheLoadedValuesBack)
{
    ASSERT_TRUE(Load(questions.File(QStringLiteral("nono001.dat"))));
    for (const bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "after typing every value" : "with the form left empty");
        Script([typed](QWidget* form) {
            auto* f = static_cast<frmEntry*>(form);
            if (typed) {
                f->txtTitle->setText(QStringLiteral("かお"));
                f->txtAnswer->setText(QStringLiteral("えがお"));
                f->txtNando->setText(QStringLiteral("5"));
                f->txtLine->setText(QStringLiteral("4"));
                f->txtColumn->setText(QStringLiteral("6"));
            }
            f->cmdReset_Click();
        });
        Board().MenuQuestionMake_Click();

        EXPECT_TRUE(Shared.JobMode.isEmpty());
        EXPECT_EQ(Shared.QuestionTitle, QStringLiteral("さかな！"));
        EXPECT_EQ(Shared.AnswerName, QStringLiteral("こたえ"));
        EXPECT_EQ(Shared.Difficulty, 3);
        EXPECT_EQ(Shared.RowCount, 10);
        EXPECT_EQ(Shared.ColumnCount, 10);
        EXPECT_TRUE(FileSelForm().cmdHalt->isHidden());
        EXPECT_FALSE(FileSelForm().cmdHalt->isEnabled());
    }
}

TEST_F(MakeQuestion, TheResumeButtonIsOfferedOnlyWhenTheBackupCanBeOpened)
{
    for (const bool backup : {false, true}) {
        SCOPED_TRACE(backup ? "with a backup" : "without one");
        if (backup) {
            BackupData data;
            data.QuestionPath = questions.File(QStringLiteral("nono001.dat"));
            data.RowCount = 10;
            data.ColumnCount = 10;
            ASSERT_TRUE(BackupFile::Write(FileNames::HaltDataPath(Shared.HomeFolder), data));
        }
        Shared.RestorePending = true;
        bool shown = false;
        bool enabled = false;
        Script([&](QWidget* form) {
            const frmFileSel& f = FileSelForm();
            shown = !f.cmdHalt->isHidden();
            enabled = f.cmdHalt->isEnabled();
            if (shown) {
                // Inside the form, clear of every other control.
                const QRect halt = f.cmdHalt->geometry();
                EXPECT_TRUE(f.rect().contains(halt));
                for (const QWidget* other : std::initializer_list<const QWidget*>{
                         f.cmdOk, f.CmdCancel, f.filFile, f.DirFile, f.txtFileName[0], f.lblFileList})
                    EXPECT_FALSE(halt.intersects(other->geometry())) << other->objectName().toStdString();
            }
            Cancel()(form);
        });
        Board().MenuQuestionMake_Click();
        EXPECT_EQ(shown, backup);
        EXPECT_EQ(enabled, backup);
        EXPECT_EQ(Shared.RestorePending, !backup);
        EXPECT_TRUE(FileSelForm().cmdHalt->isHidden());
    }
}

TEST_F(MakeQuestion, AChosenQuestionIsSolvedOnTheBoardAndTheFormComesBackFilled)
{
    frmNono& b = Board();
    Script(Reference());
    Script(Pick(QStringLiteral("nono001.dat")));
    Script(Reopened(Register()));
    platform.dialogs.answers = {Dialogs::Answer::Yes};
    b.MenuQuestionMake_Click();

    EXPECT_EQ(pickerModeShown, std::vector<bool>{false});
    EXPECT_EQ(pickerSoundsShown, std::vector<bool>{false});
    EXPECT_TRUE(FileSelForm().fraMode->isVisibleTo(&FileSelForm()));
    EXPECT_EQ(BoxTexts(), QStringList{kAccept});
    EXPECT_EQ(platform.dialogs.Boxes().at(0).title, QStringLiteral("イラスト参照"));
    EXPECT_EQ(reopenedTexts, (QStringList{"さかな", "こたえ", "3", "10", "10"}));
    EXPECT_TRUE(reopenedLocked);
    EXPECT_TRUE(BoardShowsTheFish());
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
    EXPECT_EQ(Shared.QuestionPath, questions.File(QStringLiteral("velin100.dat")));
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("処 理"));
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.cmdStart->isHidden());
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Man"));
    EXPECT_EQ(Shared.InputSwitch, QStringLiteral("On"));
}

TEST_F(MakeQuestion, PickersAfterTheFirst)
{
    struct Case {
        const char* name;
        std::vector<Modal> pickers;
        std::deque<Dialogs::Answer> answers;
        int registrationForms;
        bool fishAccepted;
    };
    const Case cases[] = {
        // No, then the second picker cancelled: the picture stands.
        {"No then cancel", {Pick(QStringLiteral("nono001.dat")), CancelPicker()}, {Dialogs::Answer::No}, 2, true},
        // The first picker cancelled: back to the registration form.
        {"first cancelled", {CancelPicker()}, {}, 3, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        int forms = 0;
        Script([&](QWidget* form) {
            ++forms;
            Reference()(form);
        });
        for (const Modal& picker : test.pickers)
            Script(picker);
        Script([&](QWidget* form) {
            ++forms;
            if (test.fishAccepted)
                return Cancel()(form);
            Reference()(form); // the form again: this time a picture is chosen
        });
        if (!test.fishAccepted) {
            Script(Pick(QStringLiteral("nono001.dat")));
            Script([&](QWidget* form) {
                ++forms;
                Cancel()(form);
            });
            platform.dialogs.answers = {Dialogs::Answer::Yes};
        } else {
            platform.dialogs.answers = test.answers;
        }
        Board().MenuQuestionMake_Click();
        EXPECT_EQ(forms, test.registrationForms);
        EXPECT_TRUE(BoardShowsTheFish());
        EXPECT_TRUE(platform.dialogs.modalScripts.empty());
        platform.dialogs.modalScripts.clear();
        platform.dialogs.log.clear();
        Board().ResetPlay();
    }
}

TEST_F(MakeQuestion, StopDuringTheReferenceSolve)
{
    struct Case {
        const char* name;
        Dialogs::Answer stopAnswer;
        // Yes: the partial picture; No: the picker again (then cancelled,
        // accepting the board); Cancel: the solve goes on to its end.
        bool secondPicker;
        bool askedToAccept;
        bool complete;
    };
    const Case cases[] = {
        {"Yes", Dialogs::Answer::Yes, false, false, false},
        {"No", Dialogs::Answer::No, true, false, false},
        {"Cancel", Dialogs::Answer::Cancel, false, true, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        bool secondPickerShown = false;
        Script(Reference());
        Script([this](QWidget* form) {
            Pick(QStringLiteral("nono001.dat"))(form);
            StopDuringTheSolve();
        });
        if (test.secondPicker)
            Script([&](QWidget* form) {
                secondPickerShown = true;
                CancelPicker()(form);
            });
        Script(Reopened(Register()));
        platform.dialogs.answers = {test.stopAnswer, Dialogs::Answer::Yes};
        Board().MenuQuestionMake_Click();

        const QStringList boxes = BoxTexts();
        ASSERT_FALSE(boxes.isEmpty());
        EXPECT_EQ(boxes.at(0), kStopQuestion);
        EXPECT_EQ(platform.dialogs.Boxes().at(0).buttons, Dialogs::Buttons::YesNoCancel);
        EXPECT_EQ(boxes.contains(kAccept), test.askedToAccept);
        EXPECT_EQ(secondPickerShown, test.secondPicker);
        EXPECT_EQ(Undecided() == 0, test.complete);
        EXPECT_EQ(Board().ReferenceStopAnswer, -1);
        EXPECT_TRUE(Board().StopRequest.isEmpty());
        EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
        EXPECT_EQ(reopenedTexts.value(0), QStringLiteral("さかな"));
        EXPECT_TRUE(platform.dialogs.modalScripts.empty());

        if (!test.complete) {
            // The undecided cells are drawn before "登 録" is offered.
            Board().cmdStart_Click();
            for (int r = 1; r <= 10; ++r)
                for (int c = 1; c <= 10; ++c) {
                    EXPECT_TRUE(Board().cmdStart->isHidden() || !Board().cmdStart->isEnabled());
                    if (Board().model.Board[r][c] == kUndecided)
                        Click(r, c, kFish[r - 1][c - 1] == u'#' ? 1 : 2);
                }
            EXPECT_EQ(Board().cmdStart->text(), QStringLiteral("登 録"));
            EXPECT_TRUE(Board().cmdStart->isEnabled());
        }
        platform.dialogs.log.clear();
        reopenedTexts.clear();
        Board().ResetPlay();
    }
}

TEST_F(MakeQuestion, TheResumeButtonTakesTheSuspendedPuzzleAsThePicture)
{
    BackupData data;
    data.QuestionPath = questions.File(QStringLiteral("nono001.dat"));
    data.RowCount = 10;
    data.ColumnCount = 10;
    data.UsedSeconds = 300;
    data.Cells[2][4] = kFilled;
    data.Cells[1][1] = kBlank;
    ASSERT_TRUE(BackupFile::Write(FileNames::HaltDataPath(Shared.HomeFolder), data));

    Script(Reference());
    Script(PickSuspended());
    Script(Reopened(Register()));
    platform.dialogs.answers = {Dialogs::Answer::Yes};
    Board().MenuQuestionMake_Click();

    EXPECT_EQ(BoxTexts(), QStringList{kAccept});
    EXPECT_EQ(Board().model.Board[2][4], kFilled);
    EXPECT_EQ(Board().model.Board[1][1], kBlank);
    EXPECT_EQ(Undecided(), 98);
    EXPECT_EQ(Shared.CarriedSeconds, 0);
    EXPECT_FALSE(Shared.RestorePending);
    EXPECT_EQ(reopenedTexts.value(0), QStringLiteral("さかな"));
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
}

TEST_F(MakeQuestion, AnUnreadableReferenceFileBringsThePickerBack)
{
    // Its head previews well; its 61 rows fail the reader.
    questions.WriteAnsi(QStringLiteral("nono002.dat"), {"こわれた！", "なにかでした。", "", "3", "61", "5"});
    int pickers = 0;
    Script(Reference());
    Script([&](QWidget* form) {
        ++pickers;
        Pick(QStringLiteral("nono002.dat"))(form);
    });
    Script([&](QWidget* form) {
        ++pickers;
        CancelPicker()(form);
    });
    // The first picker's cancel: back to the registration form as it opened.
    Script(Reopened(Cancel()));
    Board().MenuQuestionMake_Click();

    EXPECT_EQ(reopenedTexts.value(0), QString());
    EXPECT_FALSE(reopenedLocked);

    EXPECT_EQ(pickers, 2);
    const QStringList boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.at(0).endsWith(QStringLiteral("' を読めません ")));
    EXPECT_TRUE(platform.dialogs.modalScripts.empty());
    EXPECT_TRUE(Shared.JobMode.isEmpty());
}

TEST_F(MakeQuestion, ThePopupRunsTheJobOnceTheMenuHasClosed)
{
    Board().PopupShown = true;
    Board().MenuQuestionMake_Click();
    EXPECT_TRUE(Board().tmrPopup.isActive());
    EXPECT_EQ(Board().PendingCommand, QStringLiteral("Private"));
    EXPECT_TRUE(platform.dialogs.log.empty());

    Script(Cancel());
    Board().tmrPopup_Timer();
    EXPECT_TRUE(platform.dialogs.modalScripts.empty());
    EXPECT_TRUE(Board().PendingCommand.isEmpty());
}

TEST_F(MakeQuestion, AHintTheFileCannotHoldIsRefusedAtRegistration)
{
    Script([](QWidget* form) {
        auto* f = static_cast<frmEntry*>(form);
        f->txtTitle->setText(QStringLiteral("さかな🐟"));
        f->txtAnswer->setText(QStringLiteral("えがお"));
        f->txtNando->setText(QStringLiteral("2"));
        f->txtLine->setText(QStringLiteral("2"));
        f->txtColumn->setText(QStringLiteral("2"));
        f->txtFile->setText(QStringLiteral("100"));
        f->cmdSet_Click();
        EXPECT_FALSE(f->ClosingByProgram) << "the form stays open";
        f->cmdReset_Click();
    });
    Board().MenuQuestionMake_Click();

    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, Registration::RefusalTitle());
    EXPECT_TRUE(Shared.JobMode.isEmpty());
    EXPECT_FALSE(QFile::exists(questions.File(QStringLiteral("velin100.dat"))));
}

// Values a drawing could not be registered with bring the form back with
// what was typed; put right, the drawing board opens.
TEST_F(MakeQuestion, CountsBeyondTheBoardAndACommentTheReaderTakesForANumberAreRefused)
{
    struct Case {
        const char* name;
        QString rows;
        QString comment;
        QString refusal;
    };
    const Case cases[] = {
        {"61 rows", QStringLiteral("61"), QString(),
         QStringLiteral("【行(縦方向)枠数】が範囲外です。再設定して下さい。")},
        {"a comment ending with a digit", QStringLiteral("5"), QStringLiteral("ねこ2"),
         QStringLiteral("【コメント】は２文字以上で、数字以外の文字で終えて下さい。再設定して下さい。")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        platform.dialogs.log.clear();
        Script([&](QWidget* form) {
            auto* f = static_cast<frmEntry*>(form);
            f->txtTitle->setText(QStringLiteral("ねこ"));
            f->txtAnswer->setText(QStringLiteral("ねこ"));
            f->txtComment->setText(test.comment);
            f->txtNando->setText(QStringLiteral("2"));
            f->txtLine->setText(test.rows);
            f->txtColumn->setText(QStringLiteral("4"));
            f->txtFile->setText(QStringLiteral("100"));
            f->cmdSet_Click();
        });
        QStringList refilled;
        Script([&](QWidget* form) {
            auto* f = static_cast<frmEntry*>(form);
            refilled = {f->txtTitle->text(), f->txtComment->text(), f->txtLine->text(), f->txtColumn->text()};
            f->txtLine->setText(QStringLiteral("5"));
            f->txtComment->clear();
            f->txtFile->setText(QStringLiteral("100"));
            f->cmdSet_Click();
        });
        Board().MenuQuestionMake_Click();

        EXPECT_EQ(BoxTexts(), QStringList{test.refusal});
        EXPECT_EQ(refilled, (QStringList{"ねこ", test.comment, test.rows, "4"}));
        EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
        EXPECT_EQ(Shared.RowCount, 5);
        EXPECT_EQ(Board().cmdStart->text(), QStringLiteral("処 理"));
        Board().ResetPlay();
    }
}
