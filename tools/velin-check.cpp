// velin-check [--grid] FILE...
//
// Solves question files with the game's own reader and solver, without a
// window, for puzzle authors who want to know which of their puzzles pure
// line logic finishes. One tab-separated line per file:
//
//   FILE  solved     DECIDED/TOTAL  CYCLES  MICROSECONDS
//   FILE  wrong      ROW  COLUMN  DECIDED/TOTAL  CYCLES  MICROSECONDS
//   FILE  stalled    DECIDED/TOTAL  CYCLES  MICROSECONDS
//   FILE  unreadable 0/0  0  MICROSECONDS
//
// "wrong" means every line was completed but the picture disagrees with the
// clues; ROW and COLUMN name the first row and column that disagree (empty
// when that direction agrees). A run that goes a whole rows-and-columns
// cycle without deciding a cell is stopped, as a player would press Stop.
// With --grid the final board follows each line: '#' filled, '.' blank,
// '?' undecided. Exit status: 0 when every file is solved, 1 when any is
// stalled or wrong, 2 when any is unreadable.
#include "board/BoardModel.h"
#include "board/ErrorCheck.h"
#include "board/QuestionFile.h"
#include "solver/AutoSolve.h"
#include "solver/HeadlessHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

using namespace velin;

namespace {

QString Grid(const BoardModel& model, int rows, int columns)
{
    QString text;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const int16_t cell = model.Board[r][c];
            text += cell == kFilled ? u'#' : cell == kBlank ? u'.' : u'?';
        }
        text += u'\n';
    }
    return text;
}

int Usage()
{
    std::fprintf(stderr, "usage: velin-check [--grid] FILE...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    const bool grid = files.removeAll(QStringLiteral("--grid")) > 0;
    if (files.isEmpty() || files.first().startsWith(QLatin1String("-")))
        return Usage();

    QTextStream out(stdout);
    int status = 0;
    for (const QString& file : files) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<QuestionData> question = QuestionFile::Read(file);
        BoardModel model;
        if (!question || !QuestionFile::ParseClues(*question, model)) {
            out << file << "\tunreadable\t0/0\t0\t" << timer.nsecsElapsed() / 1000 << '\n';
            status = 2;
            continue;
        }
        const int rows = question->RowCount;
        const int columns = question->ColumnCount;
        HeadlessHost host(/*stopWhenStalled=*/true);
        const SolveOutcome outcome = AutoSolve(model, rows, columns, host);
        QString verdict;
        if (outcome.stopped) {
            verdict = QStringLiteral("stalled");
        } else {
            const ErrorCheckResult check = ErrorCheck(model, rows, columns);
            verdict = check.Correct()
                          ? QStringLiteral("solved")
                          : QStringLiteral("wrong\t%1\t%2").arg(check.WrongRow.trimmed(), check.WrongColumn.trimmed());
        }
        const qint64 micros = timer.nsecsElapsed() / 1000;
        int decided = 0;
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                decided += model.Board[r][c] != kUndecided;
        out << file << '\t' << verdict << '\t' << decided << '/' << rows * columns << '\t' << outcome.cycles << '\t'
            << micros << '\n';
        if (grid)
            out << Grid(model, rows, columns);
        if (verdict != QLatin1String("solved") && status == 0)
            status = 1;
    }
    return status;
}
