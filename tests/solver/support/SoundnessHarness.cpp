#include "SoundnessHarness.h"

#include "CompleteLineSolver.h"
#include "SolverTestSupport.h"
#include "solver/AutoSolve.h"
#include "solver/HeadlessHost.h"

#include <random>
#include <sstream>

namespace velin::testing {

namespace {

std::vector<int> CurrentLine(const LineSolver& solver)
{
    std::vector<int> cells;
    for (int p = 1; p <= solver.LineLength(); ++p)
        cells.push_back(solver.Cell(p));
    return cells;
}

std::vector<int> CurrentClues(const LineSolver& solver)
{
    std::vector<int> clues;
    for (int k = 1; k <= solver.ClueCount(); ++k)
        clues.push_back(solver.Clue(k));
    return clues;
}

const char* PassName(const LineSolver& solver)
{
    return solver.PassDirection() == LineSolver::kRowsPass ? "row" : "column";
}

// Checks every mark of one line against the forced cells computed when the
// line started.
class ForcedCellObserver : public MarkObserver {
public:
    void Arm(const LineSolver& solver, const std::string& where)
    {
        startCells_ = CurrentLine(solver);
        clues_ = CurrentClues(solver);
        verdict_ = SolveLineCompletely(startCells_, clues_);
        where_ = where;
        armed_ = verdict_.consistent;
        failed_ = false;
    }

    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        ++marks;
        ++marksByRule[solver.RuleName()];
        if (!armed_ || failed_)
            return;
        if (verdict_.forced[position - 1] == code)
            return;
        failed_ = true;
        std::ostringstream text;
        text << "rule " << solver.RuleName() << " made position " << position << " " << (code == 2 ? "filled" : "blank")
             << ", which is not forced; " << where_ << "\n"
             << "  clues:        " << ClueText(clues_) << "\n"
             << "  line at start " << LineText(startCells_) << "\n"
             << "  before mark   " << LineText(CurrentLine(solver)) << "\n"
             << "  forced        " << LineText(verdict_.forced) << "\n"
             << "  window " << solver.WindowStart << ".." << solver.WindowEnd << ", open clues " << solver.FirstOpenClue
             << ".." << solver.LastOpenClue << ", Step " << solver.Step;
        violations.push_back(text.str());
    }

    bool Failed() const { return failed_; }

    int marks = 0;
    std::map<std::string, int> marksByRule;
    std::vector<std::string> violations;

private:
    std::vector<int> startCells_;
    std::vector<int> clues_;
    LineVerdict verdict_;
    std::string where_;
    bool armed_ = false;
    bool failed_ = false;
};

// Every mark must agree with the picture.
class PictureObserver : public MarkObserver {
public:
    explicit PictureObserver(const Picture& picture) : picture_(picture) {}

    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        const int row = solver.RowOf(position);
        const int column = solver.ColumnOf(position);
        if (picture_.cells[row][column] == code || !violation.empty())
            return;
        std::ostringstream text;
        text << "rule " << solver.RuleName() << " made cell (" << row << ", " << column << ") "
             << (code == 2 ? "filled" : "blank") << " against the picture, in " << PassName(solver) << " "
             << solver.Line() << "\n"
             << "  clues:       " << ClueText(CurrentClues(solver)) << "\n"
             << "  before mark  " << LineText(CurrentLine(solver)) << "\n"
             << "  picture line "
             << LineText(solver.PassDirection() == LineSolver::kRowsPass ? picture_.Row(row) : picture_.Column(column));
        violation = text.str();
    }

    std::string violation;

private:
    const Picture& picture_;
};

} // namespace

SoundnessReport CheckLineSoundness(const SoundnessOptions& options)
{
    SoundnessReport report;
    std::mt19937 random(options.seed);
    for (int board = 0; board < options.boards; ++board) {
        const Picture picture =
            RandomPicture(random, options.minRows, options.maxRows, options.minLength, options.maxLength);
        auto model = picture.MakeBoard();
        const double share = std::uniform_real_distribution<double>(0.0, options.maxDecidedShare)(random);
        std::bernoulli_distribution decided(share);
        for (int r = 1; r <= picture.rows; ++r)
            for (int c = 1; c <= picture.columns; ++c)
                if (decided(random))
                    model->Board[r][c] = picture.cells[r][c];

        HeadlessHost host;
        LineSolver solver(*model, picture.rows, picture.columns, host);
        ForcedCellObserver observer;
        solver.SetObserver(&observer);
        solver.SetEnabledFamilies(options.families);
        bool boardFailed = false;
        for (int cycle = 1; cycle <= options.cycles && !boardFailed; ++cycle) {
            for (int pass : {LineSolver::kRowsPass, LineSolver::kColumnsPass}) {
                if (boardFailed)
                    break;
                solver.BeginPass(pass);
                for (int line = 1; line <= solver.PassLines() && !boardFailed; ++line) {
                    if (solver.LineMarkedComplete(line))
                        continue;
                    std::ostringstream where;
                    where << "seed " << options.seed << " board " << board << " (" << picture.rows << " x "
                          << picture.columns << "), cycle " << cycle << ", "
                          << (pass == LineSolver::kRowsPass ? "row " : "column ") << line;
                    solver.BeginLine(line);
                    observer.Arm(solver, where.str());
                    solver.RunLineRules(line);
                    solver.FinishLine();
                    ++report.lines;
                    boardFailed = observer.Failed();
                    // A line marked complete must have every cell decided.
                    const Grid61& runs = pass == LineSolver::kRowsPass ? model->RowRuns : model->ColumnRuns;
                    if (!boardFailed && runs[line][0] >= LineSolver::kCompleteMarker) {
                        const std::vector<int> cells = CurrentLine(solver);
                        for (int code : cells) {
                            if (code == 0) {
                                observer.violations.push_back("line marked complete with undecided cells; " +
                                                              where.str() + "\n  line " + LineText(cells) +
                                                              "\n  clues " + ClueText(CurrentClues(solver)));
                                boardFailed = true;
                                break;
                            }
                        }
                    }
                }
            }
        }
        for (const std::string& violation : observer.violations)
            if (static_cast<int>(report.violations.size()) < options.maxReports)
                report.violations.push_back(violation);
        report.marks += observer.marks;
        for (const auto& [rule, count] : observer.marksByRule)
            report.marksByRule[rule] += count;
        if (static_cast<int>(report.violations.size()) >= options.maxReports)
            break;
    }
    return report;
}

PictureReport CheckPictureSolving(const PictureOptions& options)
{
    PictureReport report;
    std::mt19937 random(options.seed);
    for (int index = 0; index < options.pictures; ++index) {
        const Picture picture =
            RandomPicture(random, options.minSize, options.maxSize, options.minSize, options.maxSize);
        auto model = picture.MakeBoard();
        HeadlessHost host(/*stopWhenStalled=*/true);
        PictureObserver observer(picture);
        SolveOptions solveOptions;
        solveOptions.observer = &observer;
        solveOptions.families = options.families;
        const SolveOutcome outcome = AutoSolve(*model, picture.rows, picture.columns, host, solveOptions);
        if (outcome.stopped)
            ++report.stalled;
        else
            ++report.solved;
        if (!observer.violation.empty()) {
            std::ostringstream text;
            text << "seed " << options.seed << " picture " << index << " (" << picture.rows << " x " << picture.columns
                 << "): " << observer.violation;
            report.violations.push_back(text.str());
        } else if (!outcome.stopped) {
            // Solved: every cell decided and agreeing with the picture.
            for (int r = 1; r <= picture.rows; ++r)
                for (int c = 1; c <= picture.columns; ++c)
                    if (model->Board[r][c] != picture.cells[r][c]) {
                        std::ostringstream text;
                        text << "seed " << options.seed << " picture " << index << ": solved run left cell (" << r
                             << ", " << c << ") at " << model->Board[r][c];
                        report.violations.push_back(text.str());
                        r = picture.rows;
                        break;
                    }
        }
        if (static_cast<int>(report.violations.size()) >= options.maxReports)
            break;
    }
    return report;
}

} // namespace velin::testing
