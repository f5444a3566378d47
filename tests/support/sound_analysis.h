// Looking at a sound the way the ear would check it, without any tool:
// levels, the strength of one frequency over a stretch (Goertzel, through a
// Hann window), a loudness envelope and the bursts it shows.
#pragma once

#include "platform/media_control.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace testing_support {

// A mono sound, samples from -1 to 1.
struct Sound {
    int rate = 0;
    std::vector<double> x;
    double seconds() const { return rate ? double(x.size()) / rate : 0; }
    size_t at(double second) const { return std::min(x.size(), size_t(std::max(0.0, second) * rate)); }
};

// The WAV file's first channel; empty when it is not a WAV. `info` gets its
// header.
inline Sound ReadSound(const std::string& path, platform::WavInfo* info = nullptr)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    platform::Pcm decoded;
    Sound s;
    if (!platform::decodeWav(bytes, decoded) || decoded.channels < 1)
        return s;
    if (info)
        platform::parseWav(bytes, *info);
    s.rate = decoded.sampleRate;
    for (size_t i = 0; i < decoded.samples.size(); i += size_t(decoded.channels))
        s.x.push_back(decoded.samples[i] / 32768.0);
    return s;
}

inline double Db(double amplitude)
{
    return amplitude > 0 ? 20 * std::log10(amplitude) : -200;
}

inline double PeakDb(const Sound& s)
{
    double peak = 0;
    for (const double v : s.x)
        peak = std::max(peak, std::abs(v));
    return Db(peak);
}

// RMS of samples [from, to) in dBFS (0 dB: a square wave at full scale).
inline double RmsDb(const Sound& s, size_t from = 0, size_t to = SIZE_MAX)
{
    to = std::min(to, s.x.size());
    if (from >= to)
        return -200;
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += s.x[i] * s.x[i];
    return Db(std::sqrt(sum / double(to - from)));
}

// The amplitude of frequency hz in samples [from, from + n), in dBFS of a
// sine (0 dB: a full-scale sine of exactly that frequency).
inline double ToneDb(const Sound& s, size_t from, size_t n, double hz)
{
    n = std::min(n, s.x.size() - std::min(from, s.x.size()));
    if (n < 2)
        return -200;
    const double w = 2 * std::numbers::pi * hz / s.rate;
    const double coeff = 2 * std::cos(w);
    double s1 = 0, s2 = 0, windowSum = 0;
    for (size_t i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(n - 1));
        windowSum += hann;
        const double s0 = s.x[from + i] * hann + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
    return Db(2 * std::sqrt(std::max(0.0, power)) / windowSum);
}

// The power in the band [lo, hi], summed over frequencies `step` apart, in
// dB: for comparing bands of the same stretch.
inline double BandDb(const Sound& s, size_t from, size_t n, double lo, double hi, double step = 50)
{
    double power = 0;
    for (double hz = lo; hz <= hi; hz += step)
        power += std::pow(10, ToneDb(s, from, n, hz) / 10);
    return power > 0 ? 10 * std::log10(power) : -200;
}

// The frequency among [lo, hi] in steps of step that is strongest there.
inline double StrongestHz(const Sound& s, size_t from, size_t n, double lo, double hi, double step)
{
    double best = lo, bestDb = -1e9;
    for (double hz = lo; hz <= hi; hz += step)
        if (const double db = ToneDb(s, from, n, hz); db > bestDb) {
            bestDb = db;
            best = hz;
        }
    return best;
}

// RMS level of consecutive frames of `ms` milliseconds.
inline std::vector<double> Envelope(const Sound& s, double ms)
{
    const size_t n = std::max<size_t>(1, size_t(s.rate * ms / 1000));
    std::vector<double> env;
    for (size_t i = 0; i + n <= s.x.size(); i += n)
        env.push_back(RmsDb(s, i, i + n));
    return env;
}

struct Burst {
    size_t first = 0;  // frames of the envelope, last included
    size_t last = 0;
    size_t frames() const { return last - first + 1; }
};

// The stretches of the envelope louder than `below` dB under its loudest
// frame; stretches closer than `gap` frames count as one.
inline std::vector<Burst> Bursts(const std::vector<double>& env, double below, size_t gap = 1)
{
    const double top = env.empty() ? 0 : *std::max_element(env.begin(), env.end());
    std::vector<Burst> bursts;
    for (size_t i = 0; i < env.size(); ++i) {
        if (env[i] < top - below)
            continue;
        if (!bursts.empty() && i - bursts.back().last <= gap)
            bursts.back().last = i;
        else
            bursts.push_back({i, i});
    }
    return bursts;
}

}  // namespace testing_support
