#include <cstring>

#include "support/paint_fixture.h"

namespace {

using WindowProcedureTest = PaintFixture;

}  // namespace

TEST_F(WindowProcedureTest, PointerMovesKeepTheirSignAndDoubleClicksDoNothing) {
    RunMessages(window);
    platform::PostMouseMove(window, -3, 640);
    RunMessages(window);
    EXPECT_EQ(MouseXY.X, -3);
    EXPECT_EQ(MouseXY.Y, 640);
    const MainState before = MainObj;
    const i32 paints = window->paints;
    platform::PostLeftButtonDouble(window, 5, 5);
    RunMessages(window);
    EXPECT_EQ(std::memcmp(&before, &MainObj, sizeof before), 0);
    EXPECT_EQ(window->paints, paints);
}

TEST_F(WindowProcedureTest, ClosingFreesEveryPictureAndQuitsWithZero) {
    SetPhoto(p_INTRO, 800, 600, 0x111111);
    RunMessages(window);
    ASSERT_GT(LoadedPhotoCount(), 0);
    platform::CloseGameWindow(window);   // as the quit button does: handled before it returns
    EXPECT_EQ(LoadedPhotoCount(), 0);
    EXPECT_FALSE(RunMessages(window));
    EXPECT_EQ(window->exitCode, 0);
}
