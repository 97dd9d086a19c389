#include "SolverTestSupport.h"

#include "CompleteLineSolver.h"

#include <algorithm>

namespace velin::testing {

void PutClues(Grid61& runs, int line, const std::vector<int>& clues)
{
    runs[line][0] = static_cast<int16_t>(clues.size());
    for (size_t k = 0; k < clues.size(); ++k)
        runs[line][k + 1] = static_cast<int16_t>(clues[k]);
}

std::vector<int> CluesOf(const Grid61& runs, int line)
{
    std::vector<int> clues;
    const int count = runs[line][0] % LineSolver::kCompleteMarker;
    for (int k = 1; k <= count; ++k)
        clues.push_back(runs[line][k]);
    return clues;
}

OneLine::OneLine(const std::string& cells, const std::vector<int>& clues)
    : model(std::make_unique<BoardModel>()), solver(*model, 1, static_cast<int>(cells.size()), host)
{
    const std::vector<int> codes = ParseLine(cells);
    for (size_t p = 0; p < codes.size(); ++p)
        model->Board[1][p + 1] = static_cast<int16_t>(codes[p]);
    PutClues(model->RowRuns, 1, clues);
    PutClues(model->RowClues, 1, clues);
}

LineSolver& OneLine::Begin()
{
    solver.BeginPass(LineSolver::kRowsPass);
    solver.BeginLine(1);
    return solver;
}

void OneLine::RunPipeline()
{
    solver.BeginPass(LineSolver::kRowsPass);
    if (solver.LineMarkedComplete(1))
        return;
    solver.RunLineRules(1);
    solver.FinishLine();
}

std::string OneLine::Text() const
{
    std::vector<int> codes;
    for (int p = 1; p <= solver.PassLength(); ++p)
        codes.push_back(model->Board[1][p]);
    return LineText(codes);
}

std::vector<int> Picture::Row(int r) const
{
    std::vector<int> line;
    for (int c = 1; c <= columns; ++c)
        line.push_back(cells[r][c]);
    return line;
}

std::vector<int> Picture::Column(int c) const
{
    std::vector<int> line;
    for (int r = 1; r <= rows; ++r)
        line.push_back(cells[r][c]);
    return line;
}

std::unique_ptr<BoardModel> Picture::MakeBoard() const
{
    auto model = std::make_unique<BoardModel>();
    for (int r = 1; r <= rows; ++r) {
        PutClues(model->RowRuns, r, RunsOf(Row(r)));
        PutClues(model->RowClues, r, RunsOf(Row(r)));
    }
    for (int c = 1; c <= columns; ++c) {
        PutClues(model->ColumnRuns, c, RunsOf(Column(c)));
        PutClues(model->ColumnClues, c, RunsOf(Column(c)));
    }
    return model;
}

Picture RandomPicture(std::mt19937& random, int minRows, int maxRows, int minColumns, int maxColumns)
{
    Picture picture;
    picture.rows = std::uniform_int_distribution<int>(minRows, maxRows)(random);
    picture.columns = std::uniform_int_distribution<int>(minColumns, maxColumns)(random);
    // Each picture has its own taste for run and gap lengths; some rows
    // are copied from the row above, which gives columns long runs too.
    const int runMean = std::uniform_int_distribution<int>(1, 8)(random);
    const int gapMean = std::uniform_int_distribution<int>(1, 4)(random);
    const double repeatShare = std::uniform_real_distribution<double>(0.0, 0.6)(random);
    std::uniform_int_distribution<int> runLength(1, 2 * runMean - 1);
    std::uniform_int_distribution<int> gapLength(1, 2 * gapMean - 1);
    std::bernoulli_distribution repeat(repeatShare);
    std::bernoulli_distribution startFilled(0.5);
    for (int r = 1; r <= picture.rows; ++r) {
        if (r > 1 && repeat(random)) {
            picture.cells[r] = picture.cells[r - 1];
            continue;
        }
        bool filled = startFilled(random);
        int c = 1;
        while (c <= picture.columns) {
            const int length = filled ? runLength(random) : gapLength(random);
            for (int i = 0; i < length && c <= picture.columns; ++i, ++c)
                picture.cells[r][c] = filled ? 2 : 1;
            filled = !filled;
        }
    }
    return picture;
}

void RecordingHost::CellDecided(int, int, int16_t)
{
    ++decided;
    log.push_back("cell");
}

void RecordingHost::ProcessEvents()
{
    log.push_back("events");
    ++eventsSeen;
    if (stopAtEvents != 0 && eventsSeen == stopAtEvents)
        stop = true;
}

void RecordingHost::CycleFinished(int)
{
    log.push_back("cycle");
    ++cyclesSeen;
    if (stopAfterCycles != 0 && cyclesSeen >= stopAfterCycles)
        stop = true;
}

int RecordingHost::Count(const std::string& word) const
{
    return static_cast<int>(std::count(log.begin(), log.end(), word));
}

} // namespace velin::testing
