#pragma once
// Counts the heap allocations a stretch of code makes, so that a benchmark
// can show that an inner loop makes none. Linking AllocationCounter.cpp
// replaces the program's operator new.

namespace velin::bench {

class AllocationCounter {
public:
    // Starts counting from zero.
    AllocationCounter();
    ~AllocationCounter();
    // Allocations since the counter was made.
    long Count() const;
};

} // namespace velin::bench
