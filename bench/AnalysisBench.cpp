// velin-bench-analysis [CORPUS_FOLDER]
//
// Figures for the uniqueness analysis of velin-check --analyse and
// velin-import, headless:
//  - the corpus of puzzles drawn by people (default: ../shared/corpus beside
//    the project), read and analysed one after the other as one
//    velin-check --analyse run does: verdicts, total, median and slowest
//    time, and the difficulty the importer would give each;
//  - 200 seeded random 30 x 30 pictures of 50 % density, the classic hard
//    case for uniqueness: verdicts, how many are decided within 0.1 s, the
//    median and the slowest time;
//  - the branching choices measured on both sets, so the default is chosen
//    from figures;
//  - heap allocations per analysis, which must not grow with the search.
#include "board/BoardModel.h"
#include "board/QuestionFile.h"
#include "solver/search/Analysis.h"
#include "solver/search/Difficulty.h"

#include "AllocationCounter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <random>
#include <vector>

using namespace velin;
using search::Verdict;

namespace {

std::vector<int> RunsOf(const std::vector<bool>& cells)
{
    std::vector<int> runs;
    int run = 0;
    for (size_t i = 0; i <= cells.size(); ++i) {
        if (i < cells.size() && cells[i]) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

search::PuzzleClues RandomPuzzle(std::mt19937& random, int rows, int columns)
{
    std::bernoulli_distribution filled(0.5);
    std::vector<std::vector<bool>> cells(rows, std::vector<bool>(columns));
    for (auto& row : cells)
        for (size_t c = 0; c < row.size(); ++c)
            row[c] = filled(random);
    search::PuzzleClues puzzle{rows, columns, {}, {}};
    for (const auto& row : cells)
        puzzle.rowClues.push_back(RunsOf(row));
    for (int c = 0; c < columns; ++c) {
        std::vector<bool> column(rows);
        for (int r = 0; r < rows; ++r)
            column[r] = cells[r][c];
        puzzle.columnClues.push_back(RunsOf(column));
    }
    return puzzle;
}

struct Tally {
    int verdicts[4] = {};
    int byLines = 0;
    int withoutSearch = 0;
    int within100ms = 0;
    int cpuWithin100ms = 0;
    int wrongPictures = 0;
    long nodes = 0;
    long allocationsLow = -1;
    long allocationsHigh = 0;
    std::vector<double> millis;
    std::vector<double> cpuMillis;
    int difficulty[8] = {};

    void Add(const search::PuzzleClues& puzzle, const search::Analysis& a, double ms, long allocated, double cpuMs)
    {
        cpuMillis.push_back(cpuMs);
        ++verdicts[static_cast<int>(a.verdict)];
        byLines += a.solvedByLines;
        withoutSearch += a.verdict == Verdict::Unique && a.solvedWithoutSearch && !a.solvedByLines;
        within100ms += a.verdict != Verdict::Unknown && ms < 100;
        cpuWithin100ms += a.verdict != Verdict::Unknown && cpuMs < 100;
        nodes += a.nodes;
        millis.push_back(ms);
        for (const QStringList& picture : a.solutions)
            wrongPictures += !search::SatisfiesClues(puzzle, picture);
        ++difficulty[search::DifficultyOf(a)];
        allocationsLow = allocationsLow < 0 ? allocated : std::min(allocationsLow, allocated);
        allocationsHigh = std::max(allocationsHigh, allocated);
    }
    static double MedianOf(const std::vector<double>& values)
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[sorted.size() / 2];
    }
    static double SlowestOf(const std::vector<double>& values)
    {
        return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    }
    static double TotalOf(const std::vector<double>& values)
    {
        double sum = 0;
        for (double ms : values)
            sum += ms;
        return sum;
    }
    double Median() const { return MedianOf(millis); }
    double Slowest() const { return SlowestOf(millis); }
    double Total() const { return TotalOf(millis); }
    void PrintVerdicts() const
    {
        std::printf("unique %d / multiple %d / none %d / unknown %d", verdicts[0], verdicts[1], verdicts[2],
                    verdicts[3]);
    }
};

double CpuMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The analysis with its wall-clock time (what velin-check prints and the
// budget bounds) and its processor time (what the machine's other work does
// not inflate).
search::Analysis Timed(const search::PuzzleClues& puzzle, const search::AnalysisOptions& options, double& ms,
                       long& allocated, double& cpuMs)
{
    QElapsedTimer timer;
    const double cpuStart = CpuMillis();
    timer.start();
    const bench::AllocationCounter allocations;
    search::Analysis a = search::Analyse(puzzle, options);
    allocated = allocations.Count();
    ms = timer.nsecsElapsed() / 1e6;
    cpuMs = CpuMillis() - cpuStart;
    return a;
}

struct Named {
    const char* name;
    search::AnalysisOptions options;
};

std::vector<Named> Choices(int budgetMs)
{
    using search::Branching;
    using search::FirstValue;
    const auto make = [budgetMs](Branching branching, FirstValue value, bool probing = true, bool intersect = true) {
        search::AnalysisOptions options;
        options.budgetMs = budgetMs;
        options.branching = branching;
        options.firstValue = value;
        options.probing = probing;
        options.intersect = intersect;
        return options;
    };
    search::AnalysisOptions interleaved = make(Branching::MostDecided, FirstValue::Poorer);
    interleaved.interleave = true;
    search::AnalysisOptions learntInterleaved = make(Branching::MostDecidedLearnt, FirstValue::Poorer);
    learntInterleaved.interleave = true;
    return {{"learnt most decided, poorer (default)", make(Branching::MostDecidedLearnt, FirstValue::Poorer)},
            {"learnt most decided, richer value", make(Branching::MostDecidedLearnt, FirstValue::Richer)},
            {"learnt most decided and balanced in turn", learntInterleaved},
            {"most decided cell, poorer value", make(Branching::MostDecided, FirstValue::Poorer)},
            {"most decided and balanced in turn", interleaved},
            {"most decided cell, richer value", make(Branching::MostDecided, FirstValue::Richer)},
            {"most decided cell, filled first", make(Branching::MostDecided, FirstValue::Filled)},
            {"most decided cell, no common cells", make(Branching::MostDecided, FirstValue::Poorer, true, false)},
            {"balanced cell, poorer value", make(Branching::Balanced, FirstValue::Poorer)},
            {"least decided cell, poorer value", make(Branching::LeastDecided, FirstValue::Poorer)},
            {"largest poorer try, poorer value", make(Branching::LargestMinimum, FirstValue::Poorer)},
            {"first undecided cell, filled first", make(Branching::FirstCell, FirstValue::Filled)},
            {"no probing, first undecided cell", make(Branching::FirstCell, FirstValue::Filled, false)}};
}

std::vector<std::pair<QString, search::PuzzleClues>> ReadCorpus(const QString& folder, double& readMs)
{
    std::vector<std::pair<QString, search::PuzzleClues>> puzzles;
    const QDir dir(folder);
    QElapsedTimer timer;
    timer.start();
    for (const QString& name : dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name)) {
        const auto question = QuestionFile::Read(dir.filePath(name));
        BoardModel model;
        if (!question || !QuestionFile::ParseClues(*question, model))
            continue;
        puzzles.emplace_back(name, search::CluesOf(model, question->RowCount, question->ColumnCount));
    }
    readMs = timer.nsecsElapsed() / 1e6;
    return puzzles;
}

void Corpus(const QString& folder)
{
    double readMs = 0;
    const auto puzzles = ReadCorpus(folder, readMs);
    if (puzzles.empty()) {
        std::printf("Corpus: no puzzles in %s (skipped)\n\n", qPrintable(folder));
        return;
    }
    Tally tally;
    QStringList slow;
    for (const auto& [name, puzzle] : puzzles) {
        double ms = 0;
        long allocated = 0;
        double cpuMs = 0;
        const search::Analysis a = Timed(puzzle, {}, ms, allocated, cpuMs);
        tally.Add(puzzle, a, ms, allocated, cpuMs);
        if (ms >= 100 || a.verdict == Verdict::Unknown)
            slow << QStringLiteral("%1 (%2, %3 ms)").arg(name, search::VerdictWord(a.verdict)).arg(ms, 0, 'f', 1);
    }
    std::printf("Corpus %s: %zu puzzles, default budget 2000 ms each\n", qPrintable(folder), puzzles.size());
    std::printf("  ");
    tally.PrintVerdicts();
    std::printf("\n  finished by line logic %d, unique after probing %d, unique after search %d\n", tally.byLines,
                tally.withoutSearch, tally.verdicts[0] - tally.byLines - tally.withoutSearch);
    std::printf(
        "  analysis, wall clock: total %.1f ms (reading the files %.1f ms more), median %.2f ms, slowest %.1f ms\n",
        tally.Total(), readMs, tally.Median(), tally.Slowest());
    std::printf("  analysis, processor:  total %.1f ms, median %.2f ms, slowest %.1f ms\n",
                Tally::TotalOf(tally.cpuMillis), Tally::MedianOf(tally.cpuMillis), Tally::SlowestOf(tally.cpuMillis));
    std::printf("  decided in under 100 ms: %d of %zu (processor time: %d) (target: all, all together under 1 s)\n",
                tally.within100ms, puzzles.size(), tally.cpuWithin100ms);
    if (!slow.isEmpty())
        std::printf("  slow or undecided: %s\n", qPrintable(slow.join(QStringLiteral(", "))));
    std::printf("  pictures that break a clue: %d\n", tally.wrongPictures);
    std::printf("  difficulty the importer gives:");
    for (int d = 1; d <= 7; ++d)
        std::printf("  %d: %d", d, tally.difficulty[d]);
    std::printf("\n  heap allocations per analysis: %ld to %ld, whatever the search nodes (%ld in all)\n\n",
                tally.allocationsLow, tally.allocationsHigh, tally.nodes);
}

std::vector<search::PuzzleClues> RandomSet(int count)
{
    std::mt19937 random(20261210);
    std::vector<search::PuzzleClues> set;
    for (int i = 0; i < count; ++i)
        set.push_back(RandomPuzzle(random, 30, 30));
    return set;
}

void Random(const std::vector<search::PuzzleClues>& set)
{
    Tally tally;
    for (const auto& puzzle : set) {
        double ms = 0;
        long allocated = 0;
        double cpuMs = 0;
        const search::Analysis a = Timed(puzzle, {}, ms, allocated, cpuMs);
        tally.Add(puzzle, a, ms, allocated, cpuMs);
    }
    std::printf("Random 30 x 30, 50 %% density, %zu puzzles (seeded), default budget 2000 ms each\n", set.size());
    std::printf("  ");
    tally.PrintVerdicts();
    std::printf("\n  decided within 0.1 s: %d of %zu (anchor: 185 of 200); median %.2f ms, slowest %.1f ms\n",
                tally.within100ms, set.size(), tally.Median(), tally.Slowest());
    std::printf("  processor time: decided within 0.1 s %d, median %.2f ms, slowest %.1f ms\n", tally.cpuWithin100ms,
                Tally::MedianOf(tally.cpuMillis), Tally::SlowestOf(tally.cpuMillis));
    std::printf("  pictures that break a clue: %d; heap allocations per analysis: %ld to %ld (%ld nodes in all)\n\n",
                tally.wrongPictures, tally.allocationsLow, tally.allocationsHigh, tally.nodes);
}

void Branching(const QString& folder, const std::vector<search::PuzzleClues>& randomSet)
{
    double readMs = 0;
    const auto corpus = ReadCorpus(folder, readMs);
    const int budgetMs = 500;
    const size_t randomCount = std::min<size_t>(randomSet.size(), 100);
    std::printf("Branching choices, budget %d ms, processor times (corpus; first %zu random 30 x 30):\n", budgetMs,
                randomCount);
    std::printf("  %-42s %-44s %s\n", "choice", "corpus", "random");
    for (const Named& choice : Choices(budgetMs)) {
        Tally onCorpus;
        for (const auto& entry : corpus) {
            double ms = 0;
            long allocated = 0;
            double cpuMs = 0;
            const search::Analysis a = Timed(entry.second, choice.options, ms, allocated, cpuMs);
            onCorpus.Add(entry.second, a, ms, allocated, cpuMs);
        }
        Tally onRandom;
        for (size_t i = 0; i < randomCount; ++i) {
            double ms = 0;
            long allocated = 0;
            double cpuMs = 0;
            const search::Analysis a = Timed(randomSet[i], choice.options, ms, allocated, cpuMs);
            onRandom.Add(randomSet[i], a, ms, allocated, cpuMs);
        }
        std::printf("  %-42s unknown %2d, total %7.1f ms, slowest %6.1f   unknown %2d, <0.1 s %3d, median %6.2f ms\n",
                    choice.name, onCorpus.verdicts[3], Tally::TotalOf(onCorpus.cpuMillis),
                    Tally::SlowestOf(onCorpus.cpuMillis), onRandom.verdicts[3], onRandom.cpuWithin100ms,
                    Tally::MedianOf(onRandom.cpuMillis));
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELIN_CORPUS_DIR);
    const std::vector<search::PuzzleClues> randomSet = RandomSet(200);
    Corpus(corpus);
    Random(randomSet);
    Branching(corpus, randomSet);
    return 0;
}
