#pragma once
// The board form, the game's main window: the menu bar with every command,
// the persistent drawing surface with the grid, the clues and the
// information block, the Start button, and the play state of one question.
// Its implementation is split by concern: frmNono.cpp (construction, menus,
// idle state, options, leaving), frmNono_Draw.cpp (loading and drawing a
// question), frmNono_Play.cpp (start, stop, cell input, answer check, clock),
// frmNono_Suspend.cpp (suspend, restore, clear record), frmNono_Info.cpp (the
// information window, popups), frmNono_Authoring.cpp (authoring commands).
#include "board/BoardLayout.h"
#include "board/BoardModel.h"
#include "board/CellInput.h"
#include "board/PlayClock.h"
#include "platform/Surface.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <initializer_list>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QFrame;

namespace velin {

class BoardCanvas;
class frmEntry;

class frmNono : public QMainWindow {
    Q_OBJECT
public:
    explicit frmNono(QWidget* parent = nullptr);
    ~frmNono() override;

    // Menus, named as the game names them.
    QMenu* menuFile = nullptr;
    QMenu* menuEdit = nullptr;
    QMenu* menuView = nullptr;
    QMenu* menuCrossLine = nullptr;
    QMenu* menuOption = nullptr;
    QMenu* menuBgm = nullptr;
    QMenu* menuEndMessage = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* MenuFileOpen = nullptr;
    QAction* MenuFileHintList = nullptr;
    QAction* MenuQuestionEntry = nullptr;
    QAction* MenuQuestionMake = nullptr;
    QAction* MenuFileHalt = nullptr;
    QAction* MenuFileRestor = nullptr;
    QAction* MenuFilePrint = nullptr;
    QAction* MenuFilePrintForm = nullptr;
    QAction* MenuFileWhiteForm = nullptr;
    QAction* MenuStop = nullptr;
    QAction* MenuFileExit = nullptr;
    QAction* MenuEditCopy = nullptr;
    QAction* mnuViewWebBrowser = nullptr;
    QAction* mnuViewComment = nullptr;
    QAction* mnuViewDifficulty = nullptr;
    std::array<QAction*, 2> MarkOn_Off{};
    QAction* MenuOptionSound = nullptr;
    QAction* MenuOptionSoundChange = nullptr;
    std::array<QAction*, 2> BGM_On_Off{};
    QAction* MenuOptionColor = nullptr;
    QAction* MenuLineStyle = nullptr;
    std::array<QAction*, 2> On_Off{};
    QAction* MenuHelp_velin = nullptr;
    QAction* MenuHelp_Ver = nullptr;

    // Controls.
    BoardCanvas* canvas = nullptr;
    QPushButton* cmdStart = nullptr;
    QLabel* imgSnake = nullptr;      // the opening picture of the idle board
    QLabel* lblIdleHint = nullptr;   // "ヒント　爬虫類"
    QLabel* lblIdleAnswer = nullptr; // "答　え　へ　び"
    QLabel* lblComent = nullptr;     // the instruction label of the idle board
    QFrame* shpComent = nullptr;     // the shape framing it
    QFrame* MenuLine = nullptr;      // the separator under the menu bar
    QFrame* linMarkX = nullptr;      // cross lines following the pointer
    QFrame* linMarkY = nullptr;
    QTimer tmrTimer; // the play clock, 1000 ms
    QTimer tmrPopup; // runs an authoring command once a popup menu has closed

    Surface surface;
    BoardModel model;

    // Form-level play state.
    QString PlayInput = QStringLiteral("Off");
    QString StopRequest;
    bool PopupShown = false;
    bool SkipNextClick = false;
    int DownX = 0;
    int DownY = 0;
    QString WrongRow;
    QString WrongColumn;
    QString ColorChangePending = QStringLiteral("Off");
    QString PendingCommand;
    // InputSwitch and PlayInput as they were when an authoring job began.
    QString SavedInputSwitch;
    QString SavedPlayInput;
    double MinFormWidth = 0;
    // The play clock (SolveStartTime, ElapsedSeconds, ClockStarted,
    // ClockBlink, ClockText).
    PlayClock Clock;
    // Where the loaded question was drawn.
    BoardLayout layout;

    // Loading and drawing (frmNono_Draw.cpp). LoadQuestion returns false
    // when the file could not be read (the board keeps its picture).
    bool LoadQuestion();
    void ShowAnswer();
    void ShowBatchFileName();
    TextMetrics Metrics();

    // Play control (frmNono_Play.cpp).
    void ResetPlay();
    void cmdStart_Click();
    void MenuStop_Click();
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseUp(int button, int shift, double x, double y);
    void tmrTimer_Timer();
    void ShowPlayTime();
    // Every cell decided: the answer check and the end message.
    void AnswerCheck();
    // True while a person's clicks change cells.
    bool InputLive() const;
    // True while a "Pc" or "Check" run is in progress. Nothing may start a
    // second run or load another question under the running solver: Start
    // and the commands that load a question do nothing until it has ended.
    bool SolverRunning() const { return solverRunning_; }
    // Adds the question to the clear record after a correct answer
    // (frmNono_Suspend.cpp).
    void RecordCleared(const QString& questionPath);

    // Suspend and restore (frmNono_Suspend.cpp). Restor reads the backup onto
    // the board; false, with the board unchanged, when it could not.
    void MenuFileHalt_Click();
    void MenuFileRestor_Click();
    bool Restor();

    // The information window and the popups (frmNono_Info.cpp).
    void InfBox(const QString& message, const QString& title = QString());
    void mnuViewComment_Click();
    void mnuViewDifficulty_Click();
    void lblComent_MouseUp(int button);
    void imgSnake_MouseUp(int button);
    void tmrPopup_Timer();

    // The authoring commands (frmNono_Authoring.cpp).
    void MenuQuestionEntry_Click();
    void MenuQuestionMake_Click();

    // The File menu's open commands (files/OpenQuestion.cpp).
    void MenuFileOpen_Click();
    void MenuFileHintList_Click();

    // The make-from-a-drawing job (frmNono_Make.cpp). PrepareDrawingBoard
    // lays out an empty grid of the registered size with Start captioned
    // "処 理"; OpenDrawingBoard lets a person's input draw on it. DrawingJob:
    // the board is a drawing grid ("Private"). DrawingInput follows each
    // input: "登 録" is offered while every cell is decided. RegisterDrawing
    // writes the question file from the drawing. SelectSolveModeOption marks
    // SolveMode in the file selection form's mode group.
    void PrepareDrawingBoard();
    void OpenDrawingBoard();
    bool DrawingJob() const;
    // The answer to the stop question of a reference solve (6 Yes, 7 No,
    // 2 Cancel); -1 when none is pending.
    int ReferenceStopAnswer = -1;
    // Asks the stop question of a reference solve; true when the answer has
    // dealt with the stop, false when the ordinary stop follows.
    bool ReferenceStopQuestion();
    void DrawingInput(bool complete);
    void RegisterDrawing();
    void SelectSolveModeOption();

    // Sound and colour commands (media/MediaCommands.cpp) and the web page
    // window (help/).
    void MenuOptionSound_Click();
    void MenuOptionSoundChange_Click();
    void MenuOptionColor_Click();
    void mnuViewWebBrowser_Click();
    // Printing (print/frmNono_Print.cpp). BlankForm is set while a blank grid
    // prints: no title and no clues.
    bool BlankForm = false;
    void MenuFilePrint_Click();
    void MenuFilePrintForm_Click();
    void MenuFileWhiteForm_Click();

    // Board form events and commands.
    void MenuFileExit_Click();
    void MenuEditCopy_Click();
    void MarkOn_Off_Click(int index);
    void On_Off_Click(int index);
    void MenuLineStyle_Click();
    void BGM_On_Off_Click(int index);
    void MenuHelp_Ver_Click();
    void MenuHelp_velin_Click();
    // Mirrors the settings record in the option menus' check marks.
    void ShowSettingsInMenus();
    // Mirrors the BGM state (checked item, enabled) in its menu.
    void ShowBgmMenu();
    void ShowCrossLines(bool visible);
    // Puts the cross lines through the point (x, y) of the board, in twips.
    void PlaceCrossLines(double x, double y);
    // Pointer guidance: onto the menu bar, onto the middle of the Start button.
    void PointToMenuBar();
    void PointToStart();
    // How much the inner height shrinks when these menus are shown, that is
    // how much taller the menu bar grows when they make it wrap.
    double MenuWrapHeight(std::initializer_list<QMenu*> menus);
    // The window state as the window manager has it now. A minimise that
    // arrived during the last lines of a solver run is still among the
    // pending events; read without them, the state is stale and the board
    // stayed minimised behind its end message.
    bool MinimisedOrMaximised();
    // Stretches the separator under the menu bar to the inner width.
    void Form_Resize();
    // Places the opening picture and its texts relative to the Start button.
    void PlaceIdleControls();

    // A twips rectangle of the surface in the canvas's pixels, with a margin.
    QRect PixelRect(double x, double y, double width, double height) const;
    // The form's bounds in twips (outer), and its inner size.
    double FormLeft() const;
    double FormTop() const;
    double FormWidth() const;
    double FormHeight() const;
    double ScaleWidth() const;
    double ScaleHeight() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Solver runs (frmNono_Solve.cpp): the solver on the loaded board, with
    // this form drawing its marks.
    void AutoSolve();
    // The end message after a solver run ("Pc" and "Check").
    void ShowEndMessage(QString result, const QString& errorText, const QString& startText, const QString& endText);

private:
    bool solverRunning_ = false;
    // Lets the batch's own next load through; LoadQuestion clears it.
    bool batchLoading_ = false;

    void RunPc();
    // The drawing job's steps (frmNono_Make.cpp).
    void OfferSuspendedPuzzle();
    void RunDrawingJob(const QString& defaultSolveMode);
    bool DrawingValuesRefused();
    void FillEntryForm(frmEntry& entry, bool counts);
    void ShowReferenceForm();
    bool ReferenceLoop();
    bool ChooseReference();
    void ReferenceSolve();
    void RunCheck();
    void DrawMark(const CellInput::CellMark& mark);
    void PrintClock(const PlayClock::Display& display);
    void RefreshArea(double x, double y, double width, double height);
    void DrawQuestion();
    void HideIdleBoard();
    void BuildMenus();
    void BuildControls();
};

// The one board form of the run.
frmNono& NonoForm();
frmNono* NonoFormIfLoaded();
void UnloadNonoForm();

} // namespace velin
