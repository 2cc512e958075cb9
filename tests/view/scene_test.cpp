// Scene drawing: the view around the player and its edges, each cell kind in its blit mode, the
// exit's two pictures, the player's poses, icons and dead notice, the flames and the panels. Every
// picture is a small synthetic one built in memory, so the checks do not depend on the art.
#include "view/scene.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <random>
#include <vector>

#include "presentation/screen_testing.h"
#include "world/game_state.h"

namespace view {
namespace {

using namespace presentation;

namespace pt = presentation::testing;

constexpr Pixel Backdrop = 0x102030;
constexpr Pixel Previous = 0xFE0101;  // what the screen held before the frame

// The colour of tile picture n: all distinct, none the backdrop or magenta.
Pixel TileColour(int n) {
    return 0x200000 + 0x000A00 * n + 0x11;
}

// A picture of one colour whose top-left 16 x 16 corner is magenta: a Keyed blit lets the
// backdrop show there, an Opaque blit paints magenta.
Image Picture(int width, int height, Pixel colour) {
    Image image = CreateImage(width, height, colour);
    DrawLine(image, 0, 0, 15, 15, KeyColour, LineKind::FilledBox);
    return image;
}

class SceneTest : public ::testing::Test {
  protected:
    SceneTest() {
        pt::OpenMemoryScreen(1024, 768);
        // The view's constructor loads the respawn button's pictures from the resource tree;
        // everything the scene draws is replaced below.
        std::filesystem::current_path(
            std::filesystem::path(__FILE__).parent_path().parent_path().parent_path());
        game_ = std::make_unique<world::GameState>();
        view_ = std::make_unique<PlayView>([](std::string_view) {});
        ReplacePictures();
        for (world::Cell& c : game_->Map.Cells) c = world::Empty;
        game_->Player.X = 20;
        game_->Player.Y = 20;
        DrawLine(Screen, 0, 0, 1023, 767, Previous, LineKind::FilledBox);
    }
    ~SceneTest() override {
        view_.reset();
        game_.reset();
        CloseScreen();
    }

    void ReplacePictures() {
        TileImageSet& tiles = view_->TileImages;
        tiles[BackgroundImage] = CreateImage(64, 64, Backdrop);
        for (int n = 1; n < TileImageCount; ++n) tiles[n] = Picture(64, 64, TileColour(n));
        PlayerSprites& s = view_->Sprites;
        for (Image* sprite : {&s.SpriteUp, &s.SpriteDown, &s.SpriteRight, &s.SpriteLeft,
                              &s.DeadNotice, &s.PickaxeIcon, &s.TntIcon})
            sprite->reset();
        for (ScorePanel* panel : {&view_->CollectedPanel, &view_->DugPanel, &view_->NeededPanel}) {
            panel->PanelImage.reset();
            for (Image& digit : panel->DigitImages) digit.reset();
        }
        for (Image& frame : view_->Flames) frame.reset();
        view_->RespawnGui.GetButton(1)->UpImage.reset();
        view_->RespawnGui.GetButton(1)->DownImage.reset();
    }

    void Draw() { DrawScene(*game_, *view_); }

    // A flame in slot s burning on the cell that was view cell (vx, vy) when it started, the
    // player then where the player is now.
    void PlaceFlame(int s, int vx, int vy) {
        world::Flame& f = game_->Flames.Slots[s];
        f.AnchorX = game_->Player.X;
        f.AnchorY = game_->Player.Y;
        f.X = f.AnchorX + vx - PlayerViewColumn;
        f.Y = f.AnchorY + vy - PlayerViewRow;
    }
    static Pixel At(int x, int y) { return pt::ScreenPixel(x, y) & 0xFFFFFF; }
    // The colour in the body of view cell (i, j), and in its top-left corner.
    static Pixel Body(int i, int j) { return At(64 * i + 40, 64 * j + 40); }
    static Pixel Corner(int i, int j) { return At(64 * i + 3, 64 * j + 3); }

    std::unique_ptr<world::GameState> game_;
    std::unique_ptr<PlayView> view_;
};

TEST_F(SceneTest, EachKindIsDrawnWithItsPictureInItsMode) {
    struct Case {
        world::Cell Code;
        int Image;  // -1: nothing drawn
        bool Opaque;
    };
    const Case cases[] = {
        {world::Earth, EarthImage, true},
        {world::Empty, -1, false},
        {world::Stone, StoneImage, false},
        {world::Crystal, CrystalImage, false},
        {world::StairUp, StairUpImage, false},
        {world::Massive, MassiveImage, true},
        {world::Block, BlockImage, false},
        {world::Pickaxe, PickaxeImage, false},
        {world::BCrystal, BCrystalImage, false},
        {world::CrystalEarth, CrystalEarthImage, true},
        {world::BCrystalEarth, BCrystalEarthImage, true},
        {world::DeadEarth, DeadEarthImage, true},
        {world::Barrel, BarrelImage, false},
        {world::Tnt, TntImage, false},
        {world::Leak, LeakImage, false},
        {world::TntPlaced, TntPlacedImage, false},
        {world::CellOfCode(15), -1, false},  // no kind: only the backdrop
        {world::CellOfCode(-1), -1, false},
        {world::CellOfCode(52), -1, false},
    };
    // One case per view cell along the top rows, left to right.
    int n = 0;
    for (const Case& c : cases) {
        const int i = n % 16, j = n / 16;
        game_->Map.At(20 + i - 7, 20 + j - 5) = c.Code;
        ++n;
    }
    Draw();
    n = 0;
    for (const Case& c : cases) {
        const int i = n % 16, j = n / 16;
        SCOPED_TRACE("code " + std::to_string(world::CodeOf(c.Code)));
        if (c.Image < 0) {
            EXPECT_EQ(Body(i, j), Backdrop);
            EXPECT_EQ(Corner(i, j), Backdrop);
        } else {
            EXPECT_EQ(Body(i, j), TileColour(c.Image));
            EXPECT_EQ(Corner(i, j), c.Opaque ? KeyColour : Backdrop);
        }
        ++n;
    }
    // Every other cell of the view is Empty: the backdrop, nothing of the previous frame.
    EXPECT_EQ(Body(10, 8), Backdrop);
    EXPECT_EQ(At(1023, 767), Backdrop);
}

TEST_F(SceneTest, ViewCellShowsTheMapCellAroundThePlayer) {
    // View cell (i, j) shows map cell (X + i - 7, Y + j - 5).
    game_->Map.At(20 - 7, 20 - 5) = world::Stone;    // view (0, 0)
    game_->Map.At(20 + 8, 20 + 6) = world::Crystal;  // view (15, 11)
    game_->Map.At(20 + 1, 20) = world::Block;        // view (8, 5), right of the player
    Draw();
    EXPECT_EQ(Body(0, 0), TileColour(StoneImage));
    EXPECT_EQ(Body(15, 11), TileColour(CrystalImage));
    EXPECT_EQ(Body(8, 5), TileColour(BlockImage));
    EXPECT_EQ(Body(7, 5), Backdrop);

    game_->Player.X = 21;  // one step right: the whole view moves one cell
    Draw();
    EXPECT_EQ(Body(7, 5), TileColour(BlockImage));
    EXPECT_EQ(Body(8, 5), Backdrop);
}

TEST_F(SceneTest, OutsideTheMapIsMassiveWall) {
    const auto check = [&](int px, int py) {
        game_->Player.X = px;
        game_->Player.Y = py;
        Draw();
        for (int i = 0; i < 16; ++i) {
            for (int j = 0; j < 12; ++j) {
                const int mx = px + i - 7, my = py + j - 5;
                const bool outside = mx < 0 || my < 0 || mx > 63 || my > 63;
                SCOPED_TRACE(::testing::Message()
                             << "player " << px << "," << py << " view " << i << "," << j);
                EXPECT_EQ(Body(i, j), outside ? TileColour(MassiveImage) : Backdrop);
                EXPECT_EQ(Corner(i, j), outside ? KeyColour : Backdrop);  // Opaque
            }
        }
    };
    check(0, 0);    // columns 0..6 and rows 0..4 are wall
    check(63, 63);  // columns 8..15 and rows 6..11 are wall
    check(7, 5);    // the view just fits: no wall at all
}

TEST_F(SceneTest, ExitIsOpenOnceEnoughCrystalsAreCollected) {
    game_->Map.At(21, 20) = world::StairDown;
    Draw();  // Collected = Needed = 0: open from the first frame
    EXPECT_EQ(Body(8, 5), TileColour(StairDownImage));
    EXPECT_EQ(Corner(8, 5), Backdrop);

    game_->Needed = 2;
    game_->Collected = 1;
    Draw();
    EXPECT_EQ(Body(8, 5), TileColour(StairDownClosedImage));
    EXPECT_EQ(Corner(8, 5), Backdrop);

    game_->Collected = 3;
    Draw();
    EXPECT_EQ(Body(8, 5), TileColour(StairDownImage));
}

TEST_F(SceneTest, StoneBesideEarthShowsTheBackdropThroughItsKey) {
    game_->Map.At(20, 21) = world::Earth;  // view (7, 6)
    game_->Map.At(21, 21) = world::Stone;  // view (8, 6)
    Draw();
    EXPECT_EQ(Corner(7, 6), KeyColour);  // earth is opaque, magenta corner and all
    EXPECT_EQ(Corner(8, 6), Backdrop);   // the stone's corner shows the backdrop, not earth
    EXPECT_EQ(Body(8, 6), TileColour(StoneImage));
}

TEST_F(SceneTest, PlayerPoseFollowsStepTimerAndFacing) {
    PlayerSprites& s = view_->Sprites;
    s.SpriteDown = Picture(64, 64, 0x0000A1);
    s.SpriteUp = Picture(64, 64, 0x0000A2);
    s.SpriteRight = Picture(64, 64, 0x0000A3);
    s.SpriteLeft = Picture(64, 64, 0x0000A4);
    game_->Map.At(20, 20) = world::StairUp;
    const struct {
        int StepTimer;
        world::Facing Facing;
        Pixel Shown;
    } cases[] = {{0, world::Facing::Right, 0x0000A1},
                 {-3, world::Facing::Up, 0x0000A1},
                 {5, world::Facing::Down, 0x0000A1},
                 {1, world::Facing::Up, 0x0000A2},
                 {3, world::Facing::Right, 0x0000A3},
                 {5, world::Facing::Left, 0x0000A4},
                 {5, world::Facing{7}, TileColour(StairUpImage)}};
    for (const auto& c : cases) {
        game_->Player.StepTimer = c.StepTimer;
        game_->Player.Facing = c.Facing;
        Draw();
        EXPECT_EQ(At(448 + 40, 320 + 40), c.Shown)
            << c.StepTimer << " " << static_cast<int>(c.Facing);
        EXPECT_EQ(At(448 + 3, 320 + 3), Backdrop);  // keyed over the stair's own corner
    }
}

TEST_F(SceneTest, ItemIconsShowOnlyWhileCarried) {
    PlayerSprites& s = view_->Sprites;
    s.PickaxeIcon = CreateImage(64, 64, 0x00B100);
    s.TntIcon = CreateImage(64, 64, 0x00B200);
    Draw();
    EXPECT_EQ(At(140, 10), Backdrop);
    EXPECT_EQ(At(214, 10), Backdrop);

    game_->Player.HasPickaxe = 1;
    Draw();
    EXPECT_EQ(At(130, 0), 0x00B100u);
    EXPECT_EQ(At(193, 63), 0x00B100u);
    EXPECT_EQ(At(129, 0), Backdrop);
    EXPECT_EQ(At(214, 10), Backdrop);

    game_->Player.HasTnt = 1;
    Draw();
    EXPECT_EQ(At(204, 0), 0x00B200u);  // drawn after the pickaxe: on top where they overlap
    EXPECT_EQ(At(267, 63), 0x00B200u);
}

TEST_F(SceneTest, DeadPlayerShowsTheNoticeAndButtonOnlyWhileFlamesGoOn) {
    PlayerSprites& s = view_->Sprites;
    s.SpriteDown = CreateImage(64, 64, 0x0000A1);
    s.PickaxeIcon = CreateImage(64, 64, 0x00B100);
    s.TntIcon = CreateImage(64, 64, 0x00B200);
    s.DeadNotice = Picture(100, 40, 0xC00001);
    view_->RespawnGui.GetButton(1)->UpImage = CreateImage(20, 20, 0xC00002);
    view_->Flames[19] = CreateImage(64, 64, 0xF10019);
    game_->Flames.Slots[4].Countdown = 19;
    PlaceFlame(4, 1, 1);
    game_->Player.HasPickaxe = 1;
    game_->Player.HasTnt = 1;
    game_->Player.Dead = 1;
    Draw();
    EXPECT_EQ(At(387 + 20, 259 + 20), 0xC00001u);  // the notice, at its place
    EXPECT_EQ(At(387 + 3, 259 + 3), Backdrop);     // ... keyed
    EXPECT_EQ(At(386, 259 + 20), Backdrop);
    EXPECT_EQ(At(416 + 10, 360 + 10), 0xC00002u);  // the "respawn" button
    EXPECT_EQ(At(448 + 40, 320 + 40), Backdrop);   // no sprite
    EXPECT_EQ(At(140, 10), Backdrop);              // no icons
    EXPECT_EQ(At(214, 10), Backdrop);
    EXPECT_EQ(At(100, 100), 0xF10019u);  // the flame that killed stays on its first picture
}

TEST_F(SceneTest, FlamesStayWhereTheyStartedAndShowTheirCountdownFrame) {
    for (int n = 0; n < FlameFrameCount; ++n) view_->Flames[n] = Picture(64, 64, 0xF10000 + n);
    game_->Flames.Slots[0].Countdown = 19;  // started at view cell (3, 4)
    PlaceFlame(0, 3, 4);
    game_->Flames.Slots[8].Countdown = 0;  // the last picture
    PlaceFlame(8, 10, 0);
    game_->Flames.Slots[3].Countdown = -1;  // idle
    PlaceFlame(3, 0, 10);
    game_->Flames.Slots[5].Countdown = 20;  // beyond the last frame: nothing, not a stray read
    game_->Map.At(20 - 4, 20 - 1) = world::Earth;  // under the flame at view (3, 4)
    Draw();
    EXPECT_EQ(At(192 + 40, 256 + 40), 0xF10013u);
    EXPECT_EQ(At(192 + 3, 256 + 3), KeyColour);  // keyed over the opaque earth's corner
    EXPECT_EQ(At(640 + 40, 40), 0xF10000u);
    EXPECT_EQ(At(40, 640 + 40), Backdrop);

    game_->Player.X += 2;  // the view moves; the flame does not
    game_->Player.Y += 1;
    game_->Flames.Slots[0].Countdown = 10;
    Draw();
    EXPECT_EQ(At(192 + 40, 256 + 40), 0xF1000Au);
    EXPECT_EQ(Body(1, 3), TileColour(EarthImage));  // the earth moved with the view
}

// The backdrop is left out under opaque cells that hide it; every pixel must be what drawing the
// whole backdrop first gives, whatever the map, the player's place and the pictures' sizes.
TEST_F(SceneTest, LeavingOutTheHiddenBackdropChangesNoPixel) {
    TileImageSet& tiles = view_->TileImages;
    tiles[BackgroundImage] = Picture(80, 70, Backdrop);  // larger than a cell: tiles overlap
    tiles[EarthImage] = CreateImage(60, 64, 0x305010);   // opaque but short of a whole cell
    tiles[DeadEarthImage].reset();                       // opaque kind without a picture
    std::mt19937 rng(99);
    for (int round = 0; round < 6; ++round) {
        for (world::Cell& c : game_->Map.Cells) c = world::CellOfCode(static_cast<int>(rng() % 16));
        game_->Player.X = static_cast<std::int32_t>(rng() % 64);
        game_->Player.Y = static_cast<std::int32_t>(rng() % 64);
        DrawLine(Screen, 0, 0, 1023, 767, Previous, LineKind::FilledBox);
        Draw();
        std::vector<Pixel> drawn(1024 * 768);
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) drawn[y * 1024 + x] = At(x, y);
        // The reference: the whole backdrop, then every cell.
        DrawLine(Screen, 0, 0, 1023, 767, Previous, LineKind::FilledBox);
        for (int x = 0; x < 1024; x += 64)
            for (int y = 0; y < 768; y += 64)
                PutImage(x, y, tiles[BackgroundImage], PutMode::Opaque);
        for (int i = 0; i < ViewColumns; ++i) {
            for (int j = 0; j < ViewRows; ++j) {
                const int mx = game_->Player.X - 7 + i, my = game_->Player.Y - 5 + j;
                const bool inside = mx >= 0 && my >= 0 && mx < 64 && my < 64;
                const CellLook look = inside ? LookOfCell(game_->Map.At(mx, my), game_->ExitIsOpen())
                                             : CellLook{MassiveImage, PutMode::Opaque};
                if (look.Image >= 0) PutImage(64 * i, 64 * j, tiles[look.Image], look.Mode);
            }
        }
        int differing = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) differing += drawn[y * 1024 + x] != At(x, y);
        EXPECT_EQ(differing, 0) << "round " << round;
    }
}

TEST_F(SceneTest, PanelsShowTheLastFiveDigitsPaddedWithZeros) {
    EXPECT_EQ(PanelDigits(7), (std::array<int, 5>{0, 0, 0, 0, 7}));
    EXPECT_EQ(PanelDigits(123456), (std::array<int, 5>{2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelDigits(-5), (std::array<int, 5>{0, 0, 0, 0, 5}));
    EXPECT_EQ(PanelDigits(-1234), (std::array<int, 5>{0, 1, 2, 3, 4}));
    EXPECT_EQ(PanelDigits(0), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(PanelDigits(INT32_MIN), (std::array<int, 5>{8, 3, 6, 4, 8}));
    EXPECT_EQ(PanelDigits(INT32_MAX), (std::array<int, 5>{8, 3, 6, 4, 7}));

    const struct {
        ScorePanel* Panel;
        std::int32_t Value;
        std::array<int, 5> Shown;
    } panels[] = {{&view_->CollectedPanel, 7, {0, 0, 0, 0, 7}},
                  {&view_->DugPanel, 123456, {2, 3, 4, 5, 6}},
                  {&view_->NeededPanel, -5, {0, 0, 0, 0, 5}}};
    for (const auto& p : panels) {
        p.Panel->PanelImage = Picture(120, 40, 0x0D0D0D);
        for (int d = 0; d < 10; ++d) p.Panel->DigitImages[d] = CreateImage(18, 20, 0xD100 + d);
    }
    game_->Collected = 7;
    game_->Dug = 123456;
    game_->Needed = -5;
    Draw();
    for (const auto& p : panels) {
        const int x = p.Panel->PanelX, y = p.Panel->PanelY;
        SCOPED_TRACE(p.Value);
        EXPECT_EQ(At(x + 3, y + 3), Backdrop);     // keyed panel corner
        EXPECT_EQ(At(x + 18, y + 20), 0x0D0D0Du);  // the panel left of the digits
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(At(x + 20 + 18 * k, y + 15), 0xD100u + p.Shown[k]) << k;
            EXPECT_EQ(At(x + 20 + 18 * k + 17, y + 34), 0xD100u + p.Shown[k]) << k;
        }
    }
}

}  // namespace
}  // namespace view
