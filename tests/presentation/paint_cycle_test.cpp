#include <climits>
#include <cstring>

#include "support/paint_fixture.h"

namespace {

constexpr platform::Pixel kMain = 0x200000, kOffice = 0x002000, kAdvert = 0x000020, kAdvert2 = 0x000040;
constexpr platform::Pixel kMenu = 0x303030, kNewGame = 0x404040, kMoneyClean = 0x505050;

struct PaintCycle : PaintFixture {
    void SetUp() override {
        PaintFixture::SetUp();
        SetPhoto(p_GAME_MAIN, 800, 600, kMain);
        SetPhoto(p_GAME_OFFICE, 800, 600, kOffice);
        SetPhoto(p_GAME_ADVERTISING, 800, 600, kAdvert);
        SetPhoto(p_GAME_ADVERTISING2, 800, 600, kAdvert2);
        SetPhoto(p_MENU, 800, 600, kMenu);
        SetPhoto(p_MENU_NEW, 800, 600, kNewGame);
        SetPhoto(p_MENU_button_new, 191, 36, 0x600000);
        SetPhoto(p_MENU_button_continue, 191, 36, 0x006000);
        SetPhoto(p_MENU_button_save_off, 191, 36, 0x700000);
        SetPhoto(p_MENU_button_save_on, 191, 36, 0x007000);
        SetPhoto(p_GAME_money_clean, 100, 20, kMoneyClean);
        PlayerObj.Year = 1908;
        PlayerObj.Cash = 100000.0;
        RunMessages(window);   // the first paint, on the intro (which has no picture here)
    }

    void Show(i32 screen) {
        MainObj.Screen = screen;
        platform::RequestRepaint(window);
        RunMessages(window);
    }

    // Marks the canvas where a background would cover it.
    void Scribble() { window->canvas.pixels[10][10] = 0xABCDEF; }
    bool Scribbled() const { return At(10, 10) == 0xABCDEF; }
};

}  // namespace

TEST_F(PaintCycle, GameScreensRedrawTheirBackgroundOnlyAfterTheScreenChanged) {
    Show(SCREEN_GAME_MAIN);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_MAIN);
    ExpectDots({{10, 10, kMain}, {231, 549, GlyphColour(FONT_LCHAR, '8')}, {635, 549, GlyphColour(FONT_LCHAR, '0')}});

    // Later paints of the same visit draw neither background nor footer.
    Scribble();
    PlayerObj.Year = 1909;
    Show(SCREEN_GAME_MAIN);
    EXPECT_TRUE(Scribbled());
    EXPECT_EQ(At(231, 549), GlyphColour(FONT_LCHAR, '8'));

    // Input asks for the background by clearing the mark.
    MainObj.LastDrawnScreen = 0;
    Show(SCREEN_GAME_MAIN);
    ExpectDots({{10, 10, kMain}, {231, 549, GlyphColour(FONT_LCHAR, '9')}});

    Show(SCREEN_GAME_OFFICE);
    EXPECT_EQ(At(10, 10), kOffice);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_OFFICE);
}

TEST_F(PaintCycle, MenuScreensRedrawEveryPaintAndKeepTheLastGameScreen) {
    Show(SCREEN_GAME_OFFICE);
    Show(SCREEN_MENU_GAME);
    EXPECT_EQ(At(10, 10), kMenu);
    EXPECT_EQ(At(302, 199), 0x006000u);   // continue, not new
    EXPECT_EQ(At(302, 261), 0x007000u);   // save game, not greyed
    Scribble();
    Show(SCREEN_MENU_GAME);
    EXPECT_FALSE(Scribbled());
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_OFFICE);

    Show(SCREEN_MENU);
    EXPECT_EQ(At(302, 199), 0x600000u);
    EXPECT_EQ(At(302, 261), 0x700000u);   // save game greyed
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_OFFICE);
}

TEST_F(PaintCycle, OfficeRedrawsItsFooterAndCleanMoneyAtEveryPaint) {
    Show(SCREEN_GAME_OFFICE);
    EXPECT_EQ(At(552, 542), kMoneyClean);
    PlayerObj.Cash = 5.0;   // text "5." : the digit one cell left of 642
    PlayerObj.Year = 1910;
    Show(SCREEN_GAME_OFFICE);
    // The old digits were covered.
    ExpectDots({{635, 549, GlyphColour(FONT_LCHAR, '5')}, {628, 549, kMoneyClean},
                {224, 549, GlyphColour(FONT_LCHAR, '1')}});

    // Money below zero shows its sign in the cell before the digits ("-3000.").
    PlayerObj.Cash = -3000.0;
    Show(SCREEN_GAME_OFFICE);
    ExpectDots({{642, 549, kMoneyClean}, {635, 549, GlyphColour(FONT_LCHAR, '0')},
                {614, 549, GlyphColour(FONT_LCHAR, '3')}, {607, 549, GlyphColour(FONT_LCHAR, '-')},
                {600, 549, kMoneyClean}});
}

TEST_F(PaintCycle, AdvertisingPicksItsBackgroundOnlyWhenItRedrawsIt) {
    Show(SCREEN_GAME_ADVERTISING);
    EXPECT_EQ(At(10, 10), kAdvert);
    MediumCampaign(PlayerAdvertising.Block[3], MEDIUM_BILLBOARD).Amount = 500;
    Show(SCREEN_GAME_ADVERTISING);
    EXPECT_EQ(At(10, 10), kAdvert);   // typed in the popup: no switch yet
    MainObj.LastDrawnScreen = 0;      // the popup closes
    Show(SCREEN_GAME_ADVERTISING);
    EXPECT_EQ(At(10, 10), kAdvert2);
    // Another medium's campaigns do not count.
    MediumCampaign(PlayerAdvertising.Block[3], MEDIUM_BILLBOARD).Amount = 0;
    MediumCampaign(PlayerAdvertising.Block[0], MEDIUM_RADIO).Amount = 500;
    MainObj.LastDrawnScreen = 0;
    Show(SCREEN_GAME_ADVERTISING);
    EXPECT_EQ(At(10, 10), kAdvert);
}

TEST_F(PaintCycle, NewGameScreenShowsNameAndHomeRegionWord) {
    std::memcpy(PlayerObj.Name, "ab_c            ", kNameSize);
    const auto d = [](char c) { return GlyphColour(FONT_DCHAR, c); };
    Show(SCREEN_MENU_NEW);
    // '_' is blank; region 0 has no word.
    ExpectDots(
        {{318, 258, d('a')}, {329, 258, d('b')}, {340, 258, kNewGame}, {351, 258, d('c')}, {361, 343, kNewGame}});

    PlayerObj.HomeRegion = REGION_EUROPE;
    Show(SCREEN_MENU_NEW);
    ExpectDots({{361, 343, d('e')}, {361 + 5 * 11, 343, d('e')}, {361 + 6 * 11, 343, kNewGame}});
    PlayerObj.HomeRegion = REGION_SOUTH_AMERICA;
    Show(SCREEN_MENU_NEW);
    ExpectDots({{344, 343, d('s')}, {355, 343, kNewGame}});   // '.' is blank
    PlayerObj.HomeRegion = 7;   // out of range: no word, no read past the table
    Show(SCREEN_MENU_NEW);
    ExpectDots({{344, 343, kNewGame}});
}

TEST_F(PaintCycle, EveryScreenPaintsAndScreensOutsideTheSetDrawNothing) {
    for (i32 screen = SCREEN_INTRO; screen <= SCREEN_GAME_OVER; ++screen) Show(screen);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_OVER);
    Show(SCREEN_GAME_MAIN);
    Scribble();
    for (i32 screen : {-1, 14, INT_MAX}) Show(screen);
    EXPECT_TRUE(Scribbled());
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_MAIN);
}

TEST(FirstPaint, FillsBlackAndRunsOnWithoutTheDataFolder) {
    ResetGameState();
    load_photo_times = 0;
    GameFolder empty(GameFolder::Empty);
    platform::Window* window = platform::OpenHeadlessWindow(WindowProcedure);
    platform::FillCanvas(window->canvas, 0xFFFFFF);
    EXPECT_TRUE(platform::RunMessages(window));
    EXPECT_EQ(load_photo_times, 1);
    EXPECT_EQ(LoadedPhotoCount(), 0);
    EXPECT_EQ(cursoron.id, 0);
    EXPECT_EQ(platform::CanvasPixel(window->canvas, 400, 300), 0u);

    // Clicks, keys and the close behave as with pictures.
    platform::PostClickAt(window, 10, 10);
    platform::PostKeyDown(window, 27);
    EXPECT_TRUE(platform::RunMessages(window));
    EXPECT_EQ(MouseXY.X, 10);
    platform::PostClose(window);
    EXPECT_FALSE(platform::RunMessages(window));
    EXPECT_EQ(window->exitCode, 0);
    load_photo_times = 0;
}
