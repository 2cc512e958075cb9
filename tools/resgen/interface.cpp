// Pictures of the screens around the play view: the menu buttons, the OK button of the dead
// player and of the level-complete dialog, the dead notice, the score panel and its digits.
//
// Their sizes follow the screen layout: buttons 192 wide stand at x 416 and so are centred on
// the 1024-pixel screen; the OK picture keeps its top rows transparent so that the dialog's label
// and text box at y 350..362 stay visible above it; the dead notice (at 387, 259) ends above the
// OK button's visible plate; the panel frames five digits from 20 right and 15 below its corner
// at a pitch of 18, and is narrow enough for the three panels at x 355, 481 and 890.
// Called on the generator's one thread.
#include <string>

#include "tools/resgen/art.h"
#include "tools/resgen/font.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/paint.h"
#include "tools/resgen/palette.h"

namespace resgen {

namespace {

constexpr int kButtonWidth = 192;
constexpr int kButtonHeight = 56;
constexpr int kOkClearRows = 8;  // transparent rows above the OK plate
constexpr int kNoticeWidth = 250;
constexpr int kNoticeHeight = 96;
constexpr int kPanelWidth = 124;
constexpr int kPanelHeight = 52;
constexpr int kDigitWidth = 14;
constexpr int kDigitHeight = 22;

// A caption with a vertical gradient from `ramp` (light at the top), an ink outline and a drop
// shadow, centred on (cx, cy).
void PaintCaption(Canvas& c, std::string_view text, int scale, double cx, double cy,
                  const Ramp& ramp, double top, double bottom) {
    Colour rows[7];
    for (int r = 0; r < 7; ++r) rows[r] = ramp.Pick(mathx::Lerp(top, bottom, r / 6.0), 0, 0);
    Canvas letters(c.Width, c.Height);
    const int x = static_cast<int>(cx - TextWidth(text, scale) / 2.0 + 0.5);
    const int y = static_cast<int>(cy - 7 * scale / 2.0 + 0.5);
    DrawLetters(letters, x, y, text, scale, rows);
    AddOutline(letters, palette::Ink);
    AddShadow(letters, 1, 2, palette::Ink);
    Stamp(c, letters, 0, 0);
}

// The stone-and-steel plate every button is made of. `lit` is the hovered look: a brighter face,
// a gold inner line and small crystals flanking the caption.
Canvas PaintButton(std::string_view caption, int clearRows, bool lit) {
    Canvas c(kButtonWidth, kButtonHeight + clearRows);
    const int y0 = clearRows, y1 = clearRows + kButtonHeight - 1;
    ShadeSlab(c, 0, y0, kButtonWidth - 1, y1, 10, 3, palette::Steel, lit ? 0.6 : 0.42);
    const Colour line = lit ? palette::Gold.At(5) : palette::Steel.At(2);
    for (int x = 12; x < kButtonWidth - 12; ++x) {
        c.Set(x, y0 + 6, line);
        c.Set(x, y1 - 6, line);
    }
    const double cy = (y0 + y1 + 1) / 2.0;
    PaintCaption(c, caption, 3, kButtonWidth / 2.0, cy, lit ? palette::Gold : palette::Helmet,
                 lit ? 1.0 : 0.9, lit ? 0.55 : 0.35);
    // Crystals beside the caption, where there is room for them inside the rim.
    const double half = TextWidth(caption, 3) / 2.0 + 16;
    if (lit && half <= kButtonWidth / 2.0 - 14) {
        DrawGem(c, kButtonWidth / 2.0 - half, cy, 11, false);
        DrawGem(c, kButtonWidth / 2.0 + half, cy, 11, false);
    }
    return c;
}

void PaintSkull(Canvas& c, double cx, double cy) {
    ShadeBall(c, cx, cy, 15, 13, palette::Rock, 0.35, 1.0);
    ShadeSlab(c, cx - 8, cy + 8, cx + 7, cy + 17, 3, 1.5, palette::Rock, 0.7);
    for (int side : {-1, 1}) ShadeBall(c, cx + side * 6, cy + 1, 4.5, 5, palette::Red, 0.0, 0.35);
    FillPolygon(c, {cx - 1.5, cy + 7, cx + 1.5, cy + 7, cx, cy + 4}, palette::Ink);
    for (int tooth = -6; tooth <= 6; tooth += 4) {
        FillRect(c, static_cast<int>(cx) + tooth, static_cast<int>(cy) + 13,
                 static_cast<int>(cx) + tooth, static_cast<int>(cy) + 17, palette::Rock.At(1));
    }
}

Canvas PaintDeadNotice() {
    Canvas c(kNoticeWidth, kNoticeHeight);
    ShadeSlab(c, 0, 0, kNoticeWidth - 1, kNoticeHeight - 1, 12, 3, palette::Blight, 0.35);
    for (int x = 14; x < kNoticeWidth - 14; ++x) {
        c.Set(x, 7, palette::Toxic.At(4));
        c.Set(x, kNoticeHeight - 8, palette::Toxic.At(3));
    }
    PaintSkull(c, 44, 44);
    PaintCaption(c, "YOU DIED", 3, 152, 38, palette::Red, 0.95, 0.5);
    PaintCaption(c, "PRESS OK", 2, 152, 66, palette::Rock, 0.95, 0.7);
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintPanel() {
    Canvas c(kPanelWidth, kPanelHeight);
    ShadeSlab(c, 0, 0, kPanelWidth - 1, kPanelHeight - 1, 9, 3, palette::Steel, 0.42);
    // The window behind the digits: sunk into the plate, so lit on its bottom and right edges.
    const int x0 = 14, y0 = 11, x1 = 111, y1 = 40;
    FillRect(c, x0, y0, x1, y1, palette::Ink);
    FillRect(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, Hex(0x0B0910));
    for (int x = x0; x <= x1; ++x) c.Set(x, y1 + 1, palette::Steel.At(6));
    for (int y = y0; y <= y1 + 1; ++y) c.Set(x1 + 1, y, palette::Steel.At(6));
    for (int x = x0 + 1; x < x1; ++x) c.Set(x, y0 + 1, Hex(0x1A1620));
    for (int ry : {6, kPanelHeight - 7})
        for (int rx : {6, kPanelWidth - 7})
            ShadeBall(c, rx + 0.5, ry + 0.5, 2.5, 2.5, palette::Steel, 0.15, 1.0);
    return c;
}

Canvas PaintDigit(int digit) {
    Canvas c(kDigitWidth, kDigitHeight);
    const char* const* glyph = DigitGlyph(digit);
    for (int r = 0; r < 10; ++r) {
        const Colour fill = palette::Gold.Pick(0.98 - r * 0.045, 0, 0);
        for (int k = 0; k < 6; ++k) {
            if (glyph[r][k] != '#') continue;
            FillRect(c, 1 + 2 * k, 1 + 2 * r, 2 + 2 * k, 2 + 2 * r, fill);
        }
    }
    AddOutline(c, palette::Ink);
    return c;
}

}  // namespace

std::vector<Picture> MenuPictures() {
    std::vector<Picture> out;
    out.push_back({"res/menu/veryweak.bmp", PaintDeadNotice()});
    out.push_back({"res/menu/playgame up.bmp", PaintButton("PLAY GAME", 0, false)});
    out.push_back({"res/menu/playgame down.bmp", PaintButton("PLAY GAME", 0, true)});
    out.push_back({"res/menu/back up.bmp", PaintButton("QUIT", 0, false)});
    out.push_back({"res/menu/back down.bmp", PaintButton("QUIT", 0, true)});
    out.push_back({"res/menu/okup.bmp", PaintButton("OK", kOkClearRows, false)});
    out.push_back({"res/menu/okdown.bmp", PaintButton("OK", kOkClearRows, true)});
    return out;
}

std::vector<Picture> ScorePictures() {
    std::vector<Picture> out;
    out.push_back({"res/score/panel.bmp", PaintPanel()});
    for (int d = 0; d <= 9; ++d)
        out.push_back({"res/score/" + std::to_string(d) + ".bmp", PaintDigit(d)});
    return out;
}

}  // namespace resgen
