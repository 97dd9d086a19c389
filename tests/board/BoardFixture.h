#pragma once
// A fresh board form for one test, on a 640 x 480 screen unless the test
// says otherwise, with question files written into a temporary folder.
#include "Fixtures.h"
#include "TestPlatform.h"
#include "app/SubMain.h"
#include "board/dlgInformation.h"
#include "board/frmEndMsg.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
#include "files/frmHintList.h"
#include "media/SoundPlayer.h"
#include "platform/Twips.h"

#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace velin::test {

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Sounds().Reset();
        SetLayoutValues(platform.screen.height);
        Shared.SolveMode = Shared.DefaultSolveMode;
        Shared.QuestionFolder = questions.Path();
        Shared.HomeFolder = questions.Path();
        // The board resets the play state as it loads.
        NonoForm();
    }
    void TearDown() override
    {
        UnloadHintListForm();
        UnloadInformationForm();
        UnloadFileSelForm();
        UnloadEndMsgForm();
        UnloadNonoForm();
        Sounds().Reset();
    }
    frmNono& Board() { return NonoForm(); }

    // Writes a question for `picture` (rows of '#' and '.') and loads it.
    QString WriteQuestion(const QString& name, const QStringList& picture,
                          const QString& title = QStringLiteral("テスト"))
    {
        return questions.WriteAnsi(name, QuestionLines(RowCluesOf(picture), ColumnCluesOf(picture), title));
    }
    bool Load(const QString& path)
    {
        Shared.QuestionPath = path;
        Shared.QuestionState = QStringLiteral("Ok");
        return Board().LoadQuestion();
    }
    // Loads the picture and starts a person's play.
    void StartMan(const QStringList& picture)
    {
        Shared.SolveMode = QStringLiteral("Man");
        Shared.DefaultSolveMode = QStringLiteral("Man");
        Shared.InputSwitch = QStringLiteral("On");
        ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), picture)));
        Board().cmdStart->setEnabled(true);
        Board().cmdStart_Click();
    }
    // A press on cell (r0, c0) and a release on (r1, c1).
    void Drag(int r0, int c0, int r1, int c1, int button = 1, int shift = 0)
    {
        const GridGeometry grid = Board().layout.Grid();
        Board().Form_MouseDown(button, shift, grid.CellCentreX(c0), grid.CellCentreY(r0));
        Board().Form_MouseUp(button, shift, grid.CellCentreX(c1), grid.CellCentreY(r1));
    }
    void Click(int r, int c, int button = 1, int shift = 0) { Drag(r, c, r, c, button, shift); }

    TestPlatform platform;
    // A "Question" folder, so that the backup and the clear record land in
    // the test's own folder above it.
    TempFolder questions{QStringLiteral("Question")};
};

} // namespace velin::test
