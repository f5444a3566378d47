// The sounds of things themselves, played instead of speech where a sound
// declares a recording: animal calls cut from Tux Paint's stamp sounds
// (Debian package tuxpaint-stamps-default), and sounds made with sox where no
// free recording exists. Each is brought to the voices' format and loudness.
#pragma once

#include "resources/content.h"

#include <span>
#include <string>
#include <vector>

namespace gen {

// Where the Debian package installs the stamp sounds.
constexpr const char* kStampSoundFolder = "/usr/share/tuxpaint/stamps/";
constexpr const char* kStampSoundPackage = "tuxpaint-stamps-default";

// The loudness recordings are brought to: the RMS level most spoken sounds
// have (they lie between -21 and -17 dBFS), with peaks no higher than
// theirs; a sound whose peaks would pass that stays quieter.
constexpr double kRecordingRmsDb = -18.0;
constexpr double kRecordingPeakDb = -1.0;

struct Recording {
    std::string name;                     // as a sound's `recording` names it ("dog")
    std::string source = {};              // a file below kStampSoundFolder; empty: made from the parts
    std::vector<std::string> parts = {};  // made: the sox synthesis of each part, mixed together
    std::string effects = {};             // sox effects on the source or the mix: the cut, repeats, shaping
};

// Every recording, by name.
std::span<const Recording> recordings();
// nullptr for a name no recording has.
const Recording* findRecording(const std::string& name);

// Writes the recording to outPath, whole or not at all, in the common format
// at kRecordingRmsDb; stem names its scratch files. Throws ContentError, for
// a missing source naming the file and its package.
void record(const Recording& recording, const content::Sound& sound, const std::string& stem,
            const std::string& outPath);
// The same for the recording the sound declares.
void makeRecording(const content::Sound& sound, const std::string& stem, const std::string& outPath);

}  // namespace gen
