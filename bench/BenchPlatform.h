#pragma once
// The game's platform for the benchmarks of its windows: offscreen unless a
// platform is named, no sound, and every box answered at once (its text goes
// to stderr), so the figures are the game's own.
#include <memory>
#include <vector>

namespace velin::bench {

// Before the QApplication is made.
void UseOffscreenPlatform();

// After it: installs the services and the game's application set-up, and
// fixes the layout values for the screen. Lives as long as the benchmark.
class GamePlatform {
public:
    GamePlatform();
    ~GamePlatform();
    GamePlatform(const GamePlatform&) = delete;
    GamePlatform& operator=(const GamePlatform&) = delete;

private:
    struct Services;
    std::unique_ptr<Services> services_;
};

double Median(std::vector<double> values);

} // namespace velin::bench
