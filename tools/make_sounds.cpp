// SPDX-License-Identifier: MIT
// Writes the program's two default sounds, synthesised from soft bell-like tones:
//   make_sounds <folder>  ->  <folder>/Alert.wav, <folder>/Birthday.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 44100;

struct Note
{
    double start;    // seconds
    double frequency;
    double loudness;
    double ringTime; // seconds for the tone to fall to about a third
};

// A quick rounded attack, an exponential ring-out and a short fade to silence at the very end.
double envelope(double t, double ringTime, double remaining)
{
    constexpr double attack = 0.012;
    const double rise = t < attack ? std::sin(0.5 * std::numbers::pi * t / attack) : 1.0;
    const double fadeOut = std::clamp(remaining / 0.04, 0.0, 1.0);
    return rise * std::exp(-t / ringTime) * fadeOut;
}

std::vector<double> render(const std::vector<Note> &notes, double length)
{
    std::vector<double> samples(static_cast<size_t>(length * SampleRate), 0.0);
    for (const Note &note : notes) {
        for (size_t i = static_cast<size_t>(note.start * SampleRate); i < samples.size(); ++i) {
            const double now = double(i) / SampleRate;
            const double t = now - note.start;
            const double phase = 2 * std::numbers::pi * note.frequency * t;
            // The fundamental with a soft octave and a faint, quickly fading bell partial.
            const double tone = std::sin(phase) + 0.25 * std::sin(2 * phase) * std::exp(-t / 0.15)
                + 0.08 * std::sin(2.76 * phase) * std::exp(-t / 0.08);
            samples[i] += note.loudness * tone * envelope(t, note.ringTime, length - now);
        }
    }
    const double peak = std::max(1e-9, std::ranges::max(samples, {}, [](double s) { return std::abs(s); }));
    for (double &s : samples)
        s *= 0.6 / std::abs(peak);
    return samples;
}

void putLittleEndian(std::ofstream &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWave(const std::string &path, const std::vector<double> &samples)
{
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);             // format chunk size
    putLittleEndian(out, 1, 2);              // PCM
    putLittleEndian(out, 1, 2);              // mono
    putLittleEndian(out, SampleRate, 4);
    putLittleEndian(out, SampleRate * 2, 4); // bytes per second
    putLittleEndian(out, 2, 2);              // block align
    putLittleEndian(out, 16, 2);             // bits per sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (double s : samples)
        putLittleEndian(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(s * 32767))), 2);
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_sounds <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];

    // A5 then E5: a gentle "ding-dong".
    const std::vector<Note> alert{{0.0, 880.0, 1.0, 0.22}, {0.32, 659.25, 1.0, 0.28}};
    // C5 E5 G5 C6 rising, then the chord rings out.
    const std::vector<Note> birthday{{0.00, 523.25, 0.8, 0.12}, {0.14, 659.25, 0.8, 0.12},
                                     {0.28, 783.99, 0.8, 0.12}, {0.42, 1046.50, 0.9, 0.20},
                                     {0.66, 523.25, 0.5, 0.35}, {0.66, 659.25, 0.45, 0.35},
                                     {0.66, 783.99, 0.45, 0.35}, {0.66, 1046.50, 0.5, 0.30}};

    const bool written = writeWave(folder + "/Alert.wav", render(alert, 1.0))
        && writeWave(folder + "/Birthday.wav", render(birthday, 1.5));
    if (!written)
        std::cerr << "make_sounds: cannot write into " << folder << '\n';
    return written ? 0 : 1;
}
