// velin-bench-board
//
// Figures for the board form, offscreen: loading and drawing the 60 x 60
// default question (target: under 150 ms), and a "Pc" solve of it with every
// decided cell drawn as its disc (target: under 2 s).
#include "BenchPlatform.h"
#include "app/Shared.h"
#include "app/SubMain.h"
#include "board/frmNono.h"
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

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    const bench::GamePlatform platform;

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
    std::printf("  median %.1f ms, first %.1f ms, slowest %.1f ms (target: under 150 ms)\n", bench::Median(loads),
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
    std::printf("  median %.1f ms, slowest %.1f ms, %d of %d cells decided (target: under 2 s)\n",
                bench::Median(solves), *std::max_element(solves.begin(), solves.end()), decided,
                Shared.RowCount * Shared.ColumnCount);
    UnloadNonoForm();
    return 0;
}
