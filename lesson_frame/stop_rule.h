// How a screen's player stops the current sound before it plays the next one.
#pragma once

namespace frame {

enum class StopRule {
    IfCurrent,    // only when a sound is current (most screens)
    Always,       // always, even with nothing open ("CLOSE " + nothing)
    IfNameGiven,  // only when the new name is not empty
};

}  // namespace frame
