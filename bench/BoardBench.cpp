// velin-bench-board
//
// Figures for the board form, offscreen: loading and drawing the 60 x 60
// default question (target: under 150 ms), and a "Pc" solve of it with every
// decided cell drawn as its disc (target: under 2 s).
#include "app/Shared.h"
#include "app/SubMain.h"
#include "board/frmNono.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Mci.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Surface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velin;

namespace {

// No sound, and every box answered at once: the figures are the board's own.
class SilentMci final : public Mci {
public:
    long SendString(const QString&, QString& reply) override
    {
        reply.clear();
        return 0;
    }
};

class AnsweringDialogs final : public Dialogs {
public:
    Answer MsgBox(const QString& text, Buttons, Icon, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override { return {}; }
    void ShowModal(QWidget*) override {}
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication();
    AnsweringDialogs dialogs;
    SilentMci mci;
    QtScreen screen;
    SystemClock clock;
    Platform::Install(&dialogs, &mci, &screen, &clock);
    SetLayoutValues(screen.HeightTwips());

    const QString path = QStringLiteral(VELIN_DATA_DIR "/Question/velin012.dat");
    frmNono& board = NonoForm();
    board.show();
    QApplication::processEvents();

    std::vector<double> loads;
    for (int i = 0; i < 15; ++i) {
        Shared.QuestionPath = path;
        QElapsedTimer timer;
        timer.start();
        const bool ok = board.LoadQuestion();
        QApplication::processEvents(); // the repaint that shows it
        loads.push_back(timer.nsecsElapsed() / 1e6);
        if (!ok) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("Load and draw the %d x %d default question, offscreen, %zu runs:\n", Shared.ColumnCount,
                Shared.RowCount, loads.size());
    std::printf("  median %.1f ms, first %.1f ms, slowest %.1f ms (target: under 150 ms)\n", Median(loads),
                loads.front(), *std::max_element(loads.begin(), loads.end()));

    std::vector<double> solves;
    for (int i = 0; i < 5; ++i) {
        Shared.QuestionPath = path;
        Shared.SolveMode = QStringLiteral("Pc");
        Shared.EndMessageDisplay = false;
        board.LoadQuestion();
        board.surface.FillStyle = Surface::FillSolid;
        board.surface.FillColor = 0x008000;
        QElapsedTimer timer;
        timer.start();
        board.cmdStart_Click();
        QApplication::processEvents();
        solves.push_back(timer.nsecsElapsed() / 1e6);
    }
    int decided = 0;
    for (int r = 1; r <= Shared.RowCount; ++r)
        for (int c = 1; c <= Shared.ColumnCount; ++c)
            decided += board.model.Board[r][c] != 0;
    std::printf("\"Pc\" solve of it on the board with every disc drawn, %zu runs:\n", solves.size());
    std::printf("  median %.1f ms, slowest %.1f ms, %d of %d cells decided (target: under 2 s)\n", Median(solves),
                *std::max_element(solves.begin(), solves.end()), decided, Shared.RowCount * Shared.ColumnCount);
    UnloadNonoForm();
    return 0;
}
