// velin-bench-solver [CORPUS_FOLDER]
//
// Figures for the automatic solver, headless:
//  - when valgrind is installed, AutoSolve's instructions counted by
//    callgrind, the plain path (every rule on every visit) beside the
//    default one that skips the pattern groups where they cannot act: over
//    the corpus, on two of its largest puzzles and on random 60 x 60 puzzles;
//  - the median time to solve line-solvable 60 x 60 puzzles, and the number of
//    heap allocations made while solving (the line loop must make none);
//  - strength: over a seeded set of random line-solvable puzzles from 10 x 10
//    to 60 x 60, how many the game's solver finishes, beside a complete line
//    solver (which finishes them all by construction);
//  - the same comparison on the corpus of puzzles drawn by people, when the
//    folder is present (default: ../shared/corpus beside the project).
#include "LineLogic.h"
#include "board/BoardModel.h"
#include "board/QuestionFile.h"
#include "solver/AutoSolve.h"
#include "solver/HeadlessHost.h"

#include "AllocationCounter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

using namespace velin;

namespace {

struct Puzzle {
    int rows = 0;
    int columns = 0;
    std::vector<art::Clue> rowClues;
    std::vector<art::Clue> columnClues;
};

art::Clue RunsOf(const std::vector<bool>& line)
{
    art::Clue runs;
    int run = 0;
    for (bool filled : line) {
        if (filled) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0)
        runs.push_back(run);
    return runs;
}

// A random picture whose rows hold runs of random lengths, so that long and
// short clues both occur; kept only when a complete line solver finishes it.
Puzzle RandomLineSolvable(std::mt19937& random, int rows, int columns)
{
    for (;;) {
        std::vector<std::vector<bool>> cells(rows, std::vector<bool>(columns));
        std::uniform_int_distribution<int> runLength(1, std::max(2, columns / 4));
        std::uniform_int_distribution<int> gapLength(1, 3);
        for (int r = 0; r < rows; ++r) {
            int c = gapLength(random) - 1;
            while (c < columns) {
                const int len = runLength(random);
                for (int k = 0; k < len && c < columns; ++k)
                    cells[r][c++] = true;
                c += gapLength(random);
            }
        }
        Puzzle p{rows, columns, {}, {}};
        for (int r = 0; r < rows; ++r)
            p.rowClues.push_back(RunsOf(cells[r]));
        for (int c = 0; c < columns; ++c) {
            std::vector<bool> column(rows);
            for (int r = 0; r < rows; ++r)
                column[r] = cells[r][c];
            p.columnClues.push_back(RunsOf(column));
        }
        art::CellGrid grid(rows, std::vector<art::Cell>(columns, art::Cell::Unknown));
        if (art::SolveByLines(p.rowClues, p.columnClues, grid) && art::IsComplete(grid))
            return p;
    }
}

void PutClue(Grid61& grid, int line, const art::Clue& clue)
{
    if (clue.empty()) { // an empty line: the single clue 0
        grid[line][0] = 1;
        grid[line][1] = 0;
        return;
    }
    grid[line][0] = static_cast<int16_t>(clue.size());
    for (size_t k = 0; k < clue.size(); ++k)
        grid[line][k + 1] = static_cast<int16_t>(clue[k]);
}

BoardModel BoardOf(const Puzzle& p)
{
    BoardModel model;
    for (int r = 0; r < p.rows; ++r)
        PutClue(model.RowRuns, r + 1, p.rowClues[r]);
    for (int c = 0; c < p.columns; ++c)
        PutClue(model.ColumnRuns, c + 1, p.columnClues[c]);
    model.RowClues = model.RowRuns;
    model.ColumnClues = model.ColumnRuns;
    return model;
}

art::Clue ClueOf(const Grid61& grid, int line)
{
    art::Clue clue;
    for (int k = 1; k <= grid[line][0]; ++k)
        if (grid[line][k] > 0)
            clue.push_back(grid[line][k]);
    return clue;
}

struct Result {
    bool finished = false;
    double micros = 0;
    long allocations = 0;
};

Result SolveWithGame(const BoardModel& start, int rows, int columns, bool skipFruitless = true)
{
    BoardModel model = start;
    HeadlessHost host(/*stopWhenStalled=*/true);
    SolveOptions options;
    options.skipFruitlessVisits = skipFruitless;
    QElapsedTimer timer;
    const bench::AllocationCounter allocations;
    timer.start();
    const SolveOutcome outcome = AutoSolve(model, rows, columns, host, options);
    const qint64 ns = timer.nsecsElapsed();
    return {!outcome.stopped, ns / 1000.0, allocations.Count()};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Speed()
{
    std::mt19937 random(20261210);
    std::vector<double> times;
    long allocated = 0;
    int unfinished = 0;
    const int puzzles = 15;
    for (int i = 0; i < puzzles; ++i) {
        const Puzzle p = RandomLineSolvable(random, 60, 60);
        const BoardModel board = BoardOf(p);
        std::vector<double> runs;
        for (int rep = 0; rep < 5; ++rep) {
            const Result r = SolveWithGame(board, 60, 60);
            runs.push_back(r.micros);
            allocated += r.allocations;
            unfinished += r.finished ? 0 : 1;
        }
        times.push_back(Median(runs));
    }
    std::sort(times.begin(), times.end());
    std::printf("Headless solve, %d random line-solvable 60 x 60 puzzles (median of 5 runs each):\n", puzzles);
    std::printf("  median %.2f ms, fastest %.2f ms, slowest %.2f ms (target: median under 5 ms)\n",
                Median(times) / 1000, times.front() / 1000, times.back() / 1000);
    std::printf("  runs not finished: %d; heap allocations while solving: %ld\n\n", unfinished, allocated);
}

void Strength()
{
    std::mt19937 random(7);
    std::printf("Strength on random line-solvable puzzles (seeded):\n");
    std::printf("  %-9s %8s %14s %14s %12s\n", "size", "puzzles", "game solver", "complete line", "median ms");
    int total = 0;
    int finished = 0;
    for (int size = 10; size <= 60; size += 10) {
        const int count = 30;
        int ok = 0;
        std::vector<double> times;
        for (int i = 0; i < count; ++i) {
            const Puzzle p = RandomLineSolvable(random, size, size);
            const Result r = SolveWithGame(BoardOf(p), size, size);
            ok += r.finished;
            times.push_back(r.micros);
        }
        std::printf("  %2d x %-4d %8d %14d %14d %12.3f\n", size, size, count, ok, count, Median(times) / 1000);
        total += count;
        finished += ok;
    }
    std::printf("  all sizes: the game's solver finishes %d of %d (complete line logic: %d of %d)\n\n", finished, total,
                total, total);
}

void Corpus(const QString& folder)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::printf("Corpus: no puzzles in %s (skipped)\n", qPrintable(folder));
        return;
    }
    int readable = 0;
    int game = 0;
    int lines = 0;
    int gameOnly = 0;
    QStringList missed;
    for (const QString& name : files) {
        const auto question = QuestionFile::Read(dir.filePath(name));
        BoardModel model;
        if (!question || !QuestionFile::ParseClues(*question, model))
            continue;
        ++readable;
        const int rows = question->RowCount;
        const int columns = question->ColumnCount;
        std::vector<art::Clue> rowClues;
        std::vector<art::Clue> columnClues;
        for (int r = 1; r <= rows; ++r)
            rowClues.push_back(ClueOf(model.RowRuns, r));
        for (int c = 1; c <= columns; ++c)
            columnClues.push_back(ClueOf(model.ColumnRuns, c));
        art::CellGrid grid(rows, std::vector<art::Cell>(columns, art::Cell::Unknown));
        const bool byLines = art::SolveByLines(rowClues, columnClues, grid) && art::IsComplete(grid);
        const bool byGame = SolveWithGame(model, rows, columns).finished;
        lines += byLines;
        game += byGame;
        gameOnly += byGame && !byLines;
        if (byLines && !byGame)
            missed << name;
    }
    std::printf("Corpus %s: %d puzzles read\n", qPrintable(folder), readable);
    std::printf("  the game's solver finishes %d; complete line logic finishes %d", game, lines);
    if (gameOnly)
        std::printf(" (%d finished by the game only)", gameOnly);
    std::printf("\n");
    if (!missed.isEmpty())
        std::printf("  line-solvable but not finished by the game: %s\n", qPrintable(missed.join(u' ')));
}

void DefaultSet()
{
    const QDir dir(QStringLiteral(VELIN_DATA_DIR "/Question"));
    std::printf("Default question set:\n");
    for (const QString& name : dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name)) {
        const auto question = QuestionFile::Read(dir.filePath(name));
        BoardModel model;
        if (!question || !QuestionFile::ParseClues(*question, model))
            continue;
        const Result r = SolveWithGame(model, question->RowCount, question->ColumnCount);
        std::printf("  %-14s %2d x %-2d %-9s %8.3f ms\n", qPrintable(name), question->ColumnCount, question->RowCount,
                    r.finished ? "finished" : "stalled", r.micros / 1000);
    }
    std::printf("\n");
}

// ---- Instruction counts ---------------------------------------------------

// The sets the instruction counts are taken on. Each is solved by a child
// run of this program under callgrind, which counts only inside AutoSolve.
struct CountedSet {
    const char* key;
    const char* label;
};
constexpr CountedSet kCountedSets[] = {
    {"corpus", "corpus, every puzzle"},
    {"nono031", "nono031.dat (60 x 50)"},
    {"nono097", "nono097.dat"},
    {"random60", "15 random 60 x 60"},
};

// The child: solves one set on one path and prints nothing.
int SolveSet(const QString& set, bool skipFruitless, const QString& corpus)
{
    std::vector<std::pair<BoardModel, std::pair<int, int>>> boards;
    if (set == QLatin1String("random60")) {
        std::mt19937 random(20261210);
        for (int i = 0; i < 15; ++i)
            boards.push_back({BoardOf(RandomLineSolvable(random, 60, 60)), {60, 60}});
    } else {
        const QDir dir(corpus);
        const QStringList files = set == QLatin1String("corpus")
                                      ? dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name)
                                      : QStringList{set + QStringLiteral(".dat")};
        for (const QString& name : files) {
            const auto question = QuestionFile::Read(dir.filePath(name));
            BoardModel model;
            if (question && QuestionFile::ParseClues(*question, model))
                boards.push_back({model, {question->RowCount, question->ColumnCount}});
        }
    }
    for (const auto& [board, size] : boards)
        SolveWithGame(board, size.first, size.second, skipFruitless);
    return boards.empty() ? 1 : 0;
}

// AutoSolve's instructions for one set and path, or -1 when callgrind could
// not count them.
double CountInstructions(const QString& valgrind, const QString& set, bool skipFruitless, const QString& corpus)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("callgrind.out"));
    QProcess child;
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(valgrind, {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + out,
                           QStringLiteral("--toggle-collect=velin::AutoSolve*"),
                           QCoreApplication::applicationFilePath(), QStringLiteral("--solve"), set,
                           skipFruitless ? QStringLiteral("skip") : QStringLiteral("plain"), corpus});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return -1;
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("totals:") || line.startsWith("summary:"))
            return line.mid(line.indexOf(':') + 1).trimmed().toDouble();
    }
    return -1;
}

void Instructions(const QString& corpus)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::printf("Instruction counts: valgrind not found (skipped)\n\n");
        return;
    }
    std::printf("AutoSolve's instructions (callgrind), every rule on every visit beside the default path:\n");
    std::printf("  %-24s %14s %14s %8s\n", "set", "plain path", "default path", "ratio");
    for (const CountedSet& set : kCountedSets) {
        const double plain = CountInstructions(valgrind, QLatin1String(set.key), false, corpus);
        const double fast = CountInstructions(valgrind, QLatin1String(set.key), true, corpus);
        if (plain <= 0 || fast <= 0) {
            std::printf("  %-24s %14s\n", set.label, "not counted");
            continue;
        }
        std::printf("  %-24s %12.1f M %12.1f M %7.1f %%\n", set.label, plain / 1e6, fast / 1e6, 100 * fast / plain);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("--solve")) {
        const QString corpus = args.size() > 4 ? args.at(4) : QStringLiteral(VELIN_CORPUS_DIR);
        return SolveSet(args.at(2), args.at(3) == QLatin1String("skip"), corpus);
    }
    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELIN_CORPUS_DIR);
    Instructions(corpus);
    Speed();
    Strength();
    DefaultSet();
    Corpus(corpus);
    return 0;
}
