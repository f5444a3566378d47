// The sound card behind the media interpreter: one always-open output stream
// on a thread of its own, into which every playing sound is mixed, so a PLAY
// is heard within a few milliseconds and keeps playing while the window
// thread pauses. With no audio output the program stays silent.
#pragma once

#include "platform/media_control.h"

namespace platform {

// Converts pcm to the given rate and channel count (linear interpolation).
Pcm convertPcm(const Pcm& in, int rate, int channels);

// The process-wide device; silent when there is no application object or
// no audio output.
AudioDevice& systemAudioDevice();

// Stops the audio thread; called when the application object goes away.
void shutdownAudio();

}  // namespace platform
