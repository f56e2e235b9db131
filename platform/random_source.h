#pragma once

// The program's one source of randomness. Everything random goes through it, so tests can
// script the exact numbers a run consumes.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Makes the numbers that follow differ from run to run.
    virtual void seedFromClock() = 0;

    // A uniform number r with 0 <= r < 1.
    virtual float next() = 0;
};

// A uniform index over 1..n (n >= 1), from one number of the source.
int RandomIndex(RandomSource &random, int n);
