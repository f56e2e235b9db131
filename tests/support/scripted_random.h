#pragma once

#include "platform/random_source.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <vector>

// Hands out exactly the numbers a test lists, and fails the test if asked for one more.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<float> numbers) : numbers_(numbers) {}
    explicit ScriptedRandom(const std::vector<float> &numbers)
        : numbers_(numbers.begin(), numbers.end()) {}

    void seedFromClock() override { ++seeds; }

    float next() override {
        if (numbers_.empty()) {
            ADD_FAILURE() << "the scripted random numbers ran out";
            throw std::runtime_error("scripted random numbers ran out");
        }
        const float r = numbers_.front();
        numbers_.pop_front();
        return r;
    }

    size_t remaining() const { return numbers_.size(); }

    int seeds = 0;

private:
    std::deque<float> numbers_;
};

// The number that makes RandomIndex pick `index` out of 1..n.
inline float Pick(int index, int n) {
    return (static_cast<float>(index) - 0.5f) / n;
}
