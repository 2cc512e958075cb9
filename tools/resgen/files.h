// Writers of the two file formats the game reads: 24-bit Windows bitmaps and 16-bit PCM WAV.
// Called by the generator's main thread; both return false when the file cannot be written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/resgen/canvas.h"

namespace resgen {

// The bytes of an uncompressed 24-bit bitmap: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows
// from the bottom up, each padded to a multiple of 4 bytes.
std::vector<std::uint8_t> EncodeBitmap(const Canvas& canvas);

// The bytes of an RGBA PNG file (stored, uncompressed image data); key pixels are transparent.
std::vector<std::uint8_t> EncodePng(const Canvas& canvas);

// The bytes of a RIFF WAVE file of 16-bit PCM samples; stereo samples are interleaved L, R.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int channels,
                                     int sampleRate);

// The bytes of the sample player's test tune: a one-second Standard MIDI File of four notes.
std::vector<std::uint8_t> EncodeTestTune();

// Writes the bytes, creating the parent folders first.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace resgen
