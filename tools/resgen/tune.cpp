// The short MIDI tune the sample player's tests open: a Standard MIDI File, format 0, that plays
// four piano notes of a quarter second each (C, E, G, high C) at 120 beats a minute.
#include <cstdint>
#include <vector>

#include "tools/resgen/files.h"

namespace resgen {

namespace {

constexpr int kTicksPerBeat = 96;
constexpr std::uint8_t kNoteOn = 0x90;   // channel 1
constexpr std::uint8_t kNoteOff = 0x80;  // channel 1

void Put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A delta time as MIDI writes it: seven bits a byte, the high bit set on all but the last.
void PutDelta(std::vector<std::uint8_t>& out, std::uint32_t ticks) {
    std::uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = static_cast<std::uint8_t>(ticks & 0x7F);
        ticks >>= 7;
    } while (ticks != 0);
    while (count > 1) out.push_back(static_cast<std::uint8_t>(bytes[--count] | 0x80));
    out.push_back(bytes[0]);
}

std::vector<std::uint8_t> TuneTrack() {
    std::vector<std::uint8_t> track = {0x00, 0xFF, 0x51, 0x03,
                                       0x07, 0xA1, 0x20,   // 500000 us a beat
                                       0x00, 0xC0, 0x00};  // piano
    for (std::uint8_t note : {60, 64, 67, 72}) {
        PutDelta(track, 0);
        track.insert(track.end(), {kNoteOn, note, 100});
        PutDelta(track, kTicksPerBeat / 2);
        track.insert(track.end(), {kNoteOff, note, 64});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
    return track;
}

}  // namespace

std::vector<std::uint8_t> EncodeTestTune() {
    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd'};
    Put32(file, 6);
    Put16(file, 0);  // one track
    Put16(file, 1);
    Put16(file, kTicksPerBeat);
    const std::vector<std::uint8_t> track = TuneTrack();
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    Put32(file, static_cast<std::uint32_t>(track.size()));
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

}  // namespace resgen
