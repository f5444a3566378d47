// Speaking the declared sounds with espeak-ng and shaping them with sox into
// one audio format for all: mono 16-bit WAV at kSampleRate, peak-normalised.
#pragma once

#include "resources/content.h"

#include <string>
#include <vector>

namespace gen {

constexpr int kSampleRate = 22050;

// sox output arguments that bring any input to the common format at path.
std::vector<std::string> soxOut(const std::string& path);

// The espeak-ng voice that speaks a declared voice.
std::string speechVoice(content::Voice v);

// The text espeak-ng is given for a sound: English as it stands, Mandarin as
// its reading in pinyin (see readings.h). Throws ContentError when a Mandarin
// sound has no reading.
std::string espeakText(const content::Sound& sound);

// Runs a program (found on PATH) to its end; its output goes to `log`.
// Returns the exit status, or -1 when it could not be started.
int runProgram(const std::vector<std::string>& argv, std::string* log = nullptr);

// The command as one line, for messages.
std::string commandLine(const std::vector<std::string>& argv);
// Runs a program to its end and returns what it printed; throws ContentError
// naming `who` and the command when it fails.
std::string runOrThrow(const std::vector<std::string>& argv, const std::string& who);

// The version texts of espeak-ng and sox; throws ContentError naming the
// missing one and its Debian package.
std::string voiceToolVersions();

// Writes the sound to outPath, whole or not at all (through a temporary
// beside it); workDir holds scratch files. Throws ContentError.
void synthesise(const content::Sound& sound, const std::string& workDir, const std::string& outPath);

}  // namespace gen
