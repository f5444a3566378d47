// The recording platform the game tests share (pair match, find the rule,
// imagine the animal, the rescue game): it logs each reseed as "Randomize"
// on request, so a test sees where in a handler the draws begin, and runs a
// hook inside each pause (for clicks a kid makes while the window is blocked).
#pragma once

#include "tests/support/recording_platform.h"

#include <cstdint>
#include <functional>

namespace games_test {

inline const char* const kRandomizeLine = "Randomize";

class QuizPlatform : public testing_support::RecordingPlatform {
public:
    bool logSeeds = false;
    std::function<void()> duringSleep;

    uint64_t highResolutionCounter() override
    {
        if (logSeeds)
            log.push_back(kRandomizeLine);
        return RecordingPlatform::highResolutionCounter();
    }
    void sleep(int milliseconds) override
    {
        RecordingPlatform::sleep(milliseconds);
        if (duringSleep)
            duringSleep();
    }
};

}  // namespace games_test
