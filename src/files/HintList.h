#pragma once
// The hint list's model: one pass over the 901 question numbers times the
// three name prefixes, an entry per question file found (its list text, its
// comment and its file name), the cleared marks from the clear record, and
// the progress figures shown while the pass runs.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace velin {

struct HintEntry {
    // Two ideographic spaces, the difficulty line, five ideographic spaces, the hint.
    QString Line;
    QString Comment;
    QString FileName; // such as velin012.dat
};

class HintList {
public:
    static constexpr int kHintListMax = 900;
    // Within one number the prefixes are tried in this order.
    static const QStringList& Prefixes();

    // The entry for one candidate file, or false when it cannot be read.
    static bool ReadEntry(const QString& folder, const QString& fileName, HintEntry& entry);
    // The list text with "*" in place of its first character when the clear
    // record names the file.
    static QString MarkedLine(const HintEntry& entry, const QStringList& clearList);

    // The whole pass. `onNumber` runs after the three prefixes of each number
    // k (0..900), with the entries so far; `onEntry` after each entry added.
    void Build(const QString& folder, const std::function<void(const HintEntry&)>& onEntry,
               const std::function<void(int k)>& onNumber);
    const std::vector<HintEntry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

    // The progress text's percentage: the fraction times 100 rounded half up;
    // without `allowEnds`, 0 shows as 1 and 100 as 99.
    static int Percent(double fraction, bool allowEnds);
    static QString PercentText(double fraction, bool allowEnds);

private:
    std::vector<HintEntry> entries_;
};

} // namespace velin
