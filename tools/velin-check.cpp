// velin-check [--grid] [--analyse [--budget MS]] FILE...
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
//
// --analyse adds three columns to each readable file's line: how many
// pictures fit the clues ("unique", "multiple", "none", or "unknown" when the
// budget ran out), the search nodes and the analysis time in microseconds.
// With --grid a line "solution:" and a picture follow the board, and for
// "multiple" a line "another:" and a second, different picture. --budget
// bounds the analysis of each file (default 2000 ms).
#include "board/BoardModel.h"
#include "board/ErrorCheck.h"
#include "board/QuestionFile.h"
#include "solver/AutoSolve.h"
#include "solver/HeadlessHost.h"
#include "solver/search/Analysis.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
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
    std::fprintf(stderr, "usage: velin-check [--grid] [--analyse [--budget MS]] FILE...\n");
    return 2;
}

// Takes "--budget MS" out of the arguments; false when MS is not a count of
// milliseconds.
bool TakeBudget(QStringList& arguments, int& budgetMs)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--budget"));
    if (at < 0)
        return true;
    bool ok = false;
    budgetMs = at + 1 < arguments.size() ? arguments.at(at + 1).toInt(&ok) : 0;
    arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    return ok && budgetMs > 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    const bool grid = files.removeAll(QStringLiteral("--grid")) > 0;
    const bool analyse = files.removeAll(QStringLiteral("--analyse")) > 0;
    search::AnalysisOptions analysisOptions;
    if (!TakeBudget(files, analysisOptions.budgetMs))
        return Usage();
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
        // Before the solver marks anything: the analysis reads the clues only.
        const search::PuzzleClues clues =
            analyse ? search::CluesOf(model, question->RowCount, question->ColumnCount) : search::PuzzleClues{};
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
            << micros;
        search::Analysis analysis;
        if (analyse) {
            analysis = search::Analyse(clues, analysisOptions);
            out << '\t' << search::VerdictWord(analysis.verdict) << '\t' << analysis.nodes << '\t' << analysis.micros;
        }
        out << '\n';
        if (grid)
            out << Grid(model, rows, columns);
        const bool pictured =
            analysis.verdict == search::Verdict::Unique || analysis.verdict == search::Verdict::Multiple;
        if (grid && analyse && pictured && !analysis.solutions.empty()) {
            out << "solution:\n" << analysis.solutions.front().join(u'\n') << '\n';
            if (analysis.verdict == search::Verdict::Multiple && analysis.solutions.size() > 1)
                out << "another:\n" << analysis.solutions.at(1).join(u'\n') << '\n';
        }
        if (verdict != QLatin1String("solved") && status == 0)
            status = 1;
    }
    return status;
}
