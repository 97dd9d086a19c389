#include "MarkFingerprints.h"

#include "CompleteLineSolver.h"
#include "SolverTestSupport.h"
#include "solver/AutoSolve.h"

#include <random>

namespace velin::testing {
namespace {

// FNV-1a, 64 bits.
class Hash {
public:
    void Add(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            value_ ^= bytes[i];
            value_ *= 0x100000001b3ULL;
        }
    }
    void Add(int number)
    {
        const auto fixed = static_cast<int32_t>(number);
        Add(&fixed, sizeof fixed);
    }
    void Add(const char* text) { Add(text, std::char_traits<char>::length(text) + 1); }
    uint64_t Value() const { return value_; }

private:
    uint64_t value_ = 0xcbf29ce484222325ULL;
};

class HashingObserver : public MarkObserver {
public:
    explicit HashingObserver(Hash& hash) : hash_(hash) {}
    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        hash_.Add(solver.RowOf(position));
        hash_.Add(solver.ColumnOf(position));
        hash_.Add(code);
        hash_.Add(solver.RuleName());
    }

private:
    Hash& hash_;
};

// Stops after two cycles in a row that decide nothing, as a player would.
class StallingHost : public HeadlessHost {
public:
    void CycleFinished(int cellsDecided) override
    {
        idle_ = cellsDecided == 0 ? idle_ + 1 : 0;
        if (idle_ == 2)
            RequestStop();
    }

private:
    int idle_ = 0;
};

uint64_t SolveAndHash(const Picture& picture, bool skip)
{
    const auto model = picture.MakeBoard();
    Hash hash;
    HashingObserver observer(hash);
    StallingHost host;
    SolveOptions options;
    options.observer = &observer;
    options.skipFruitlessVisits = skip;
    const SolveOutcome outcome = AutoSolve(*model, picture.rows, picture.columns, host, options);
    hash.Add(outcome.cycles);
    hash.Add(outcome.stopped ? 1 : 0);
    for (int r = 1; r <= picture.rows; ++r) {
        hash.Add(model->RowRuns[r][0]);
        for (int c = 1; c <= picture.columns; ++c)
            hash.Add(model->Board[r][c]);
    }
    for (int c = 1; c <= picture.columns; ++c)
        hash.Add(model->ColumnRuns[c][0]);
    return hash.Value();
}

// Lines made by makeLine (its cells as text, returning the clues), run
// through the whole line pipeline, one fingerprint per block of lines.
template <typename MakeLine>
std::vector<Fingerprint> LineBlockFingerprints(const std::string& label, unsigned seed, int blocks,
                                               int linesPerBlock, MakeLine makeLine)
{
    std::vector<Fingerprint> prints;
    std::mt19937 random(seed);
    for (int block = 0; block < blocks; ++block) {
        Hash hash;
        for (int n = 0; n < linesPerBlock; ++n) {
            std::string cells;
            const std::vector<int> clues = makeLine(random, cells);
            OneLine line(cells, clues);
            HashingObserver observer(hash);
            line.solver.SetObserver(&observer);
            line.RunPipeline();
            hash.Add(line.Text().c_str());
            hash.Add(line.MarkedComplete() ? 1 : 0);
        }
        prints.push_back({label + " " + std::to_string(block * linesPerBlock) + " to " +
                              std::to_string((block + 1) * linesPerBlock - 1),
                          hash.Value()});
    }
    return prints;
}

} // namespace

std::vector<Fingerprint> PictureFingerprints(int pictures, bool skipFruitlessVisits)
{
    std::vector<Fingerprint> prints;
    std::mt19937 random(20261210);
    for (int n = 0; n < pictures; ++n) {
        const Picture picture = RandomPicture(random, 2, 60, 2, 60);
        const std::string name =
            "picture " + std::to_string(n) + " (" + std::to_string(picture.rows) + " x " + std::to_string(picture.columns) + ")";
        prints.push_back({name, SolveAndHash(picture, skipFruitlessVisits)});
    }
    return prints;
}

std::vector<Fingerprint> LineFingerprints(int blocks, int linesPerBlock)
{
    // A picture line of random density, its clues, and each cell shown with
    // a random chance.
    return LineBlockFingerprints("lines", 777, blocks, linesPerBlock, [](std::mt19937& random, std::string& cells) {
        const int length = 1 + static_cast<int>(random() % 60);
        const int density = 20 + static_cast<int>(random() % 70);
        std::vector<int> picture(length);
        for (int& code : picture)
            code = static_cast<int>(random() % 100) < density ? kFilled : kBlank;
        const int shown = static_cast<int>(random() % 100);
        for (int code : picture)
            cells += static_cast<int>(random() % 100) < shown ? (code == kFilled ? '#' : '.') : '?';
        return RunsOf(picture);
    });
}

std::vector<Fingerprint> DamagedLineFingerprints(int blocks, int linesPerBlock)
{
    return LineBlockFingerprints("damaged lines", 4242, blocks, linesPerBlock,
                                 [](std::mt19937& random, std::string& cells) {
                                     const int length = 1 + static_cast<int>(random() % 60);
                                     for (int i = 0; i < length; ++i)
                                         cells += "?.#"[random() % 3];
                                     std::vector<int> clues(1 + random() % 8);
                                     for (int& clue : clues)
                                         clue = static_cast<int>(random() % (length / 2 + 2));
                                     return clues;
                                 });
}

} // namespace velin::testing
