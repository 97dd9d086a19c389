// The solver's marks on seeded puzzles, as one fingerprint per puzzle (or
// block of lines), against the fingerprints of the solver as it stood before
// its walks over a line learned to step from one change of cell code to the
// next. Every cell, its code, the rule that marked it and the order of the
// marks go into a fingerprint, with how the run ended; so a change to a rule,
// to the order of the rules or to what a walk sees names the first puzzle
// where the marks differ. A deliberate change to what the solver does
// records the table afresh: the failure messages print the new values. The
// pictures come from the standard library's distributions, whose sequences
// each library defines for itself: the values are those of libstdc++, the
// library the project builds with.
#include "support/MarkFingerprints.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace velin::testing {
namespace {

struct Recorded {
    const char* name;
    uint64_t value;
};

const Recorded kPictures[] = {
    {"picture 0 (16 x 38)", 0xd41cbe75c6f9caefULL},
    {"picture 1 (58 x 2)", 0x24ee5326dfe6aea1ULL},
    {"picture 2 (7 x 12)", 0x3eb056d220d305adULL},
    {"picture 3 (12 x 55)", 0x87e849982dae3a50ULL},
    {"picture 4 (35 x 3)", 0x0da4b8652e5093a7ULL},
    {"picture 5 (53 x 49)", 0xf30d1d2a5b03a6aeULL},
    {"picture 6 (23 x 19)", 0xfce084a4043ce207ULL},
    {"picture 7 (52 x 52)", 0xeb3ab561d39b50b3ULL},
    {"picture 8 (18 x 2)", 0x7898924e67563f93ULL},
    {"picture 9 (26 x 33)", 0x325b678d2f4283d9ULL},
    {"picture 10 (39 x 46)", 0x836200f09c870514ULL},
    {"picture 11 (54 x 17)", 0x4c0f8de2c8e09341ULL},
    {"picture 12 (52 x 25)", 0x227545611a3b409bULL},
    {"picture 13 (15 x 20)", 0x10f1cbbe1c89c281ULL},
    {"picture 14 (28 x 49)", 0x3991b183d6975078ULL},
    {"picture 15 (12 x 23)", 0xc527e8042c65b1e2ULL},
    {"picture 16 (12 x 51)", 0xade9809badf8ebaaULL},
    {"picture 17 (3 x 53)", 0x8601def444ed63b1ULL},
    {"picture 18 (39 x 38)", 0x28da3cb40767245aULL},
    {"picture 19 (5 x 35)", 0xddb93ebede6e0b96ULL},
    {"picture 20 (6 x 46)", 0xc2e632d77beff0bfULL},
    {"picture 21 (5 x 58)", 0xe5e2f14119290d32ULL},
    {"picture 22 (20 x 10)", 0xa469c9933305c981ULL},
    {"picture 23 (45 x 56)", 0xeb10cc951d3df63eULL},
    {"picture 24 (16 x 10)", 0x267e0651197e94bfULL},
    {"picture 25 (55 x 17)", 0xad06d6d481c9c243ULL},
    {"picture 26 (20 x 48)", 0x10a74a267ba42207ULL},
    {"picture 27 (13 x 31)", 0x0bce5c8aa6124c61ULL},
    {"picture 28 (58 x 13)", 0x9c99e79e19c3f784ULL},
    {"picture 29 (23 x 4)", 0x3c610681a26193b4ULL},
    {"picture 30 (42 x 43)", 0x5fc3771b8882798aULL},
    {"picture 31 (10 x 17)", 0x0354e9025e79c522ULL},
    {"picture 32 (27 x 56)", 0x542a5f0b507e812dULL},
    {"picture 33 (39 x 54)", 0x1ff55c2986d823cbULL},
    {"picture 34 (40 x 55)", 0x2cac93645c282f4aULL},
    {"picture 35 (59 x 41)", 0xba347929004cc739ULL},
    {"picture 36 (48 x 19)", 0xad1a3e24a6fa3707ULL},
    {"picture 37 (59 x 44)", 0x1c10cad2d1fb3e52ULL},
    {"picture 38 (17 x 36)", 0xeed913357517f22fULL},
    {"picture 39 (55 x 10)", 0x0501b79e4b78f5d9ULL},
    {"picture 40 (45 x 16)", 0x88a82981768114adULL},
    {"picture 41 (2 x 41)", 0x292027109f681685ULL},
    {"picture 42 (15 x 3)", 0xedd9a62786f4ff8eULL},
    {"picture 43 (24 x 27)", 0x4fac7387267475edULL},
    {"picture 44 (50 x 13)", 0x08ca82279eb032eaULL},
    {"picture 45 (6 x 20)", 0xc2442ba6aef31097ULL},
    {"picture 46 (35 x 39)", 0x97f703a9b02ab4deULL},
    {"picture 47 (13 x 46)", 0x7ebbdd90560c4d3fULL},
    {"picture 48 (13 x 12)", 0x88e5b9f7f0a3bf34ULL},
    {"picture 49 (2 x 29)", 0x1de2c98f80e7d804ULL},
    {"picture 50 (20 x 4)", 0x23f13a2cb2c78a26ULL},
    {"picture 51 (27 x 38)", 0x7041bf683e4fd421ULL},
    {"picture 52 (30 x 56)", 0xec9475ea0c2afde4ULL},
    {"picture 53 (53 x 49)", 0x985e6f1d8fc8893eULL},
    {"picture 54 (2 x 18)", 0xd6c54406ab3b6debULL},
    {"picture 55 (57 x 13)", 0x1122ea5e8e4bac0bULL},
    {"picture 56 (2 x 19)", 0x760a92403e9fdc42ULL},
    {"picture 57 (43 x 26)", 0x3e9ec4667dbaef0fULL},
    {"picture 58 (4 x 3)", 0x7c9c448fce0f4e6cULL},
    {"picture 59 (13 x 47)", 0xf8432de135bee17eULL},
};

const Recorded kLines[] = {
    {"lines 0 to 4999", 0x576d6409c36a255aULL},
    {"lines 5000 to 9999", 0x612626f52b331e83ULL},
    {"lines 10000 to 14999", 0xaad9082d6922ecf2ULL},
    {"lines 15000 to 19999", 0x1833ea0479a6c921ULL},
    {"lines 20000 to 24999", 0x4c9574624e521011ULL},
    {"lines 25000 to 29999", 0x9cfaf38899ed23c5ULL},
    {"lines 30000 to 34999", 0x3e5565611084e4f6ULL},
    {"lines 35000 to 39999", 0xed28349c4674cc49ULL},
    {"lines 40000 to 44999", 0x7b65a87556d0b708ULL},
    {"lines 45000 to 49999", 0x009914410df2e334ULL},
    {"lines 50000 to 54999", 0x137a12d73ac4bb57ULL},
    {"lines 55000 to 59999", 0x0223b4b6b97ff23bULL},
    {"lines 60000 to 64999", 0xe314045c7c865458ULL},
    {"lines 65000 to 69999", 0xd1c836ce22eb559cULL},
    {"lines 70000 to 74999", 0xd19d3a4d39cd152eULL},
    {"lines 75000 to 79999", 0xf44be521df4cbf2fULL},
    {"lines 80000 to 84999", 0xc8c12adb01a3415fULL},
    {"lines 85000 to 89999", 0x87737f027450b3a2ULL},
    {"lines 90000 to 94999", 0x18be89b5ece02656ULL},
    {"lines 95000 to 99999", 0x9eb08a7b587b9868ULL},
};

const Recorded kDamagedLines[] = {
    {"damaged lines 0 to 4999", 0x255596a48a92ee3aULL},
    {"damaged lines 5000 to 9999", 0x6c17df803300fc04ULL},
    {"damaged lines 10000 to 14999", 0x3a0b9286649c5658ULL},
    {"damaged lines 15000 to 19999", 0xca647373a0db6c98ULL},
    {"damaged lines 20000 to 24999", 0x452daf1a541cc0acULL},
    {"damaged lines 25000 to 29999", 0x3c9d97b206704193ULL},
    {"damaged lines 30000 to 34999", 0xd74e82a2f36686ddULL},
    {"damaged lines 35000 to 39999", 0x69e6270ccdd0e919ULL},
    {"damaged lines 40000 to 44999", 0x9b0878bde95ec8b3ULL},
    {"damaged lines 45000 to 49999", 0x918d78f18c93888eULL},
};

std::string Hex(uint64_t value)
{
    char text[19];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
    return text;
}

template <size_t N>
void ExpectRecorded(const std::vector<Fingerprint>& prints, const Recorded (&recorded)[N], const std::string& how)
{
    ASSERT_EQ(prints.size(), N);
    for (size_t i = 0; i < N; ++i) {
        EXPECT_EQ(prints[i].name, recorded[i].name);
        if (prints[i].value != recorded[i].value) {
            ADD_FAILURE() << how << prints[i].name << ": the marks differ from those recorded (now "
                          << Hex(prints[i].value) << ")";
            return;
        }
    }
}

TEST(RecordedMarks, RandomPicturesPlainAndAsTheGameSolves)
{
    constexpr int kCount = static_cast<int>(std::size(kPictures));
    ExpectRecorded(PictureFingerprints(kCount, false), kPictures, "plain, ");
    ExpectRecorded(PictureFingerprints(kCount, true), kPictures, "");
}

TEST(RecordedMarks, RandomLinesThroughTheWholePipeline)
{
    ExpectRecorded(LineFingerprints(static_cast<int>(std::size(kLines)), 5000), kLines, "");
}

TEST(RecordedMarks, RandomCluesAgainstRandomCells)
{
    ExpectRecorded(DamagedLineFingerprints(static_cast<int>(std::size(kDamagedLines)), 5000), kDamagedLines, "");
}

} // namespace
} // namespace velin::testing
