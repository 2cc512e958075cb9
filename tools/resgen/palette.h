// The one palette every picture of the game is painted from: a ramp per material, dark to light,
// all lit from the top left. Keeping them in one place is what makes the tiles look like one game.
// Pure data, read by the painters on the generator's one thread.
#pragma once

#include "tools/resgen/canvas.h"

namespace resgen::palette {

// The darkest colour of the game, used for every outline (a deep violet rather than black, so
// outlines read as shadow on the dark backdrop).
inline constexpr Colour Ink = Hex(0x0E0A12);

inline const Ramp Cave{
    {Hex(0x120F17), Hex(0x18141E), Hex(0x1E1925), Hex(0x251F2D), Hex(0x2D2636), Hex(0x372E40)}};
inline const Ramp Earth{{Hex(0x2B170D), Hex(0x452614), Hex(0x61381D), Hex(0x7C4B27), Hex(0x985F31),
                         Hex(0xB4773F), Hex(0xCC9358)}};
inline const Ramp Pebble{
    {Hex(0x2A2326), Hex(0x463B3B), Hex(0x675A55), Hex(0x8A7C72), Hex(0xAFA293)}};
inline const Ramp Rock{{Hex(0x1C1A22), Hex(0x2E2B35), Hex(0x45414C), Hex(0x5E5965), Hex(0x7A747E),
                        Hex(0x98919A), Hex(0xBCB5BA), Hex(0xDCD6D6)}};
inline const Ramp Steel{{Hex(0x161B26), Hex(0x222A3A), Hex(0x313C50), Hex(0x425066), Hex(0x58677F),
                         Hex(0x73839B), Hex(0x95A5BB), Hex(0xBFCBDA)}};
inline const Ramp Brick{{Hex(0x2A0F0C), Hex(0x4A1B14), Hex(0x6C2A1D), Hex(0x8E3B26), Hex(0xAD5232),
                         Hex(0xC86E45), Hex(0xDE9163)}};
inline const Ramp Mortar{{Hex(0x1F1A1C), Hex(0x3A3233), Hex(0x544A48), Hex(0x6E625C)}};
inline const Ramp Ice{{Hex(0x062238), Hex(0x0A3F62), Hex(0x0E6590), Hex(0x1492C0), Hex(0x2CC0E8),
                       Hex(0x6AE2FA), Hex(0xB8F6FF), Hex(0xF4FEFF)}};
inline const Ramp Gold{{Hex(0x3A1A04), Hex(0x6A3506), Hex(0xA0560A), Hex(0xD08010), Hex(0xF2AA1E),
                        Hex(0xFFD046), Hex(0xFFEC96), Hex(0xFFFDE8)}};
inline const Ramp Toxic{{Hex(0x14240A), Hex(0x234010), Hex(0x386418), Hex(0x52901E), Hex(0x76BC26),
                         Hex(0xA2E23A), Hex(0xD2FA78), Hex(0xF2FFCC)}};
inline const Ramp Blight{{Hex(0x170B1E), Hex(0x26122F), Hex(0x381A44), Hex(0x4C245A), Hex(0x623072),
                          Hex(0x7C408C), Hex(0x9A58A8)}};
inline const Ramp Red{{Hex(0x2E0808), Hex(0x541010), Hex(0x801A16), Hex(0xAA261C), Hex(0xD03A26),
                       Hex(0xEE5E3C), Hex(0xFF9270), Hex(0xFFC8B0)}};
inline const Ramp Wood{{Hex(0x2A160A), Hex(0x442410), Hex(0x603518), Hex(0x7E4A22), Hex(0x9C6230),
                        Hex(0xBA7E44), Hex(0xD49C62)}};
inline const Ramp Skin{{Hex(0x5A2E1E), Hex(0x8A4C32), Hex(0xBA7250), Hex(0xE09C74), Hex(0xF6C29C)}};
inline const Ramp Cloth{
    {Hex(0x101830), Hex(0x1A2A52), Hex(0x243E78), Hex(0x30559C), Hex(0x4472BE), Hex(0x6894DA)}};
inline const Ramp Helmet{
    {Hex(0x4A2A04), Hex(0x825008), Hex(0xC08010), Hex(0xECB020), Hex(0xFFD44A), Hex(0xFFF0A0)}};
inline const Ramp Leather{{Hex(0x22120A), Hex(0x3A2214), Hex(0x56341E), Hex(0x74482A)}};
inline const Ramp Emerald{{Hex(0x082A16), Hex(0x0E4A26), Hex(0x147038), Hex(0x1E9C4E),
                           Hex(0x34CC6A), Hex(0x72F09A), Hex(0xC6FFD6)}};
inline const Ramp Fire{{Hex(0x3A0E06), Hex(0x6E1A08), Hex(0xA82C0A), Hex(0xDA4C0E), Hex(0xF47C18),
                        Hex(0xFFAE2C), Hex(0xFFD862), Hex(0xFFF4B8), Hex(0xFFFFF4)}};
inline const Ramp Smoke{
    {Hex(0x2A2427), Hex(0x3E3638), Hex(0x554B4B), Hex(0x6E6360), Hex(0x8A7E77), Hex(0xA89C90)}};

}  // namespace resgen::palette
