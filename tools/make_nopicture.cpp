// SPDX-License-Identifier: MIT
// Writes the picture shown for a contact without one: a person's silhouette on a soft
// background, 96 x 96, as a GIF.   make_nopicture <file.gif>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Size = 96;
constexpr int BackgroundShades = 16; // vertical gradient steps
constexpr int CoverageSteps = 16;    // anti-aliased edge steps; 16 x 16 = a full 256-colour table

struct Rgb
{
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

const Rgb TopColour{0xe6, 0xf2, 0xf0};
const Rgb BottomColour{0xc4, 0xe2, 0xdd};
const Rgb FigureColour{0x3b, 0x54, 0x70};

bool insideFigure(double x, double y)
{
    auto within = [](double dx, double dy, double rx, double ry) {
        return (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
    };
    const bool head = within(x - 48, y - 38, 17, 17);
    // The shoulders keep a thin gap around the head.
    const bool shoulders = within(x - 48, y - 95, 35, 35) && !within(x - 48, y - 38, 20.5, 20.5);
    return head || shoulders;
}

// Palette index = background shade * CoverageSteps + figure coverage.
std::vector<uint8_t> drawPixels()
{
    std::vector<uint8_t> pixels;
    pixels.reserve(Size * Size);
    constexpr int Samples = 4;
    for (int y = 0; y < Size; ++y) {
        const int shade = y * BackgroundShades / Size;
        for (int x = 0; x < Size; ++x) {
            int hits = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    hits += insideFigure(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
            const int coverage = (hits * (CoverageSteps - 1) + Samples * Samples / 2) / (Samples * Samples);
            pixels.push_back(static_cast<uint8_t>(shade * CoverageSteps + coverage));
        }
    }
    return pixels;
}

std::array<uint8_t, 768> palette()
{
    std::array<uint8_t, 768> table{};
    for (int shade = 0; shade < BackgroundShades; ++shade) {
        const Rgb background = mix(TopColour, BottomColour, shade / double(BackgroundShades - 1));
        for (int coverage = 0; coverage < CoverageSteps; ++coverage) {
            const Rgb colour = mix(background, FigureColour, coverage / double(CoverageSteps - 1));
            const int at = 3 * (shade * CoverageSteps + coverage);
            table[at] = static_cast<uint8_t>(std::lround(colour.r));
            table[at + 1] = static_cast<uint8_t>(std::lround(colour.g));
            table[at + 2] = static_cast<uint8_t>(std::lround(colour.b));
        }
    }
    return table;
}

// LZW data without any real compression: every pixel is sent as its own 9-bit code, and a
// clear code restarts the table before it would grow past 9 bits. Any GIF decoder reads this.
std::vector<uint8_t> lzwCodes(const std::vector<uint8_t> &pixels)
{
    constexpr unsigned ClearCode = 256, EndCode = 257, CodeWidth = 9, CodesPerTable = 250;
    std::vector<uint8_t> bytes;
    uint32_t bitBuffer = 0;
    unsigned bitCount = 0;
    auto emit = [&](unsigned code) {
        bitBuffer |= code << bitCount;
        bitCount += CodeWidth;
        while (bitCount >= 8) {
            bytes.push_back(static_cast<uint8_t>(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i % CodesPerTable == 0)
            emit(ClearCode);
        emit(pixels[i]);
    }
    emit(EndCode);
    if (bitCount > 0)
        bytes.push_back(static_cast<uint8_t>(bitBuffer & 0xFF));
    return bytes;
}

void putWord(std::ofstream &out, unsigned value)
{
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>((value >> 8) & 0xFF));
}

bool writeGif(const std::string &path)
{
    std::ofstream out(path, std::ios::binary);
    out.write("GIF89a", 6);
    putWord(out, Size);
    putWord(out, Size);
    out.put(static_cast<char>(0xF7)); // global colour table of 256 entries, 8 bits per primary
    out.put(0);                       // background colour index
    out.put(0);                       // square pixels
    const auto table = palette();
    out.write(reinterpret_cast<const char *>(table.data()), table.size());

    out.put(0x2C); // image descriptor: whole screen, not interlaced, no local table
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, Size);
    putWord(out, Size);
    out.put(0);

    out.put(8); // minimum LZW code size
    const std::vector<uint8_t> data = lzwCodes(drawPixels());
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t length = std::min<size_t>(255, data.size() - at);
        out.put(static_cast<char>(length));
        out.write(reinterpret_cast<const char *>(data.data() + at), static_cast<std::streamsize>(length));
    }
    out.put(0);    // end of image data
    out.put(0x3B); // trailer
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_nopicture <file.gif>\n";
        return 2;
    }
    if (!writeGif(argv[1])) {
        std::cerr << "make_nopicture: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
