#include <gtest/gtest.h>

#include <vector>

#include "platform/headless_window.h"
#include "platform/keys.h"
#include "platform/window.h"

using namespace platform;

namespace {

// What the recording procedure saw.
struct Seen {
    std::uint32_t message;
    std::uint32_t wparam;
    std::int32_t lparam;
};
std::vector<Seen> Log;
bool RepaintOnInput = true;

std::int32_t Recorder(Window* window, std::uint32_t message, std::uint32_t wparam, std::int32_t lparam) {
    Log.push_back({message, wparam, lparam});
    switch (message) {
        case MESSAGE_DESTROY:
            PostQuit(window, 0);
            return 0;
        case MESSAGE_KEY_DOWN:
            if (wparam == KEY_ESCAPE) CloseGameWindow(window);
            [[fallthrough]];
        case MESSAGE_MOUSE_MOVE:
        case MESSAGE_LEFT_BUTTON_DOWN:
            if (RepaintOnInput) {
                RequestRepaint(window);
                RequestRepaint(window);   // requests coalesce
            }
            return 0;
        case MESSAGE_PAINT:
        case MESSAGE_CREATE:
            return 0;
        default:
            return DefaultWindowProcedure(window, message, wparam, lparam);
    }
}

std::vector<std::uint32_t> Messages() {
    std::vector<std::uint32_t> ids;
    for (const Seen& seen : Log) ids.push_back(seen.message);
    return ids;
}

struct WindowTest : ::testing::Test {
    Window* window = nullptr;
    void SetUp() override {
        Log.clear();
        RepaintOnInput = true;
        window = OpenHeadlessWindow(Recorder);
    }
};

}  // namespace

TEST_F(WindowTest, ARequestedPaintComesBeforeTheNextInput) {
    RunMessages(window);
    Log.clear();
    PostKeyDown(window, KEY_A);
    PostClickAt(window, 5, 6);
    EXPECT_TRUE(RunMessages(window));
    EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{MESSAGE_KEY_DOWN, MESSAGE_PAINT, MESSAGE_MOUSE_MOVE,
                                                      MESSAGE_PAINT, MESSAGE_LEFT_BUTTON_DOWN, MESSAGE_PAINT}));
    EXPECT_EQ(window->paints, 4);
}

TEST_F(WindowTest, InputWithoutARepaintRequestPaintsNothing) {
    RunMessages(window);
    RepaintOnInput = false;
    Log.clear();
    PostMouseMove(window, 1, 1);
    PostLeftButtonDouble(window, 1, 1);   // the second press of a quick pair
    RunMessages(window);
    EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{MESSAGE_MOUSE_MOVE, MESSAGE_LEFT_BUTTON_DOUBLE}));
    EXPECT_EQ(window->paints, 1);
}

TEST_F(WindowTest, CloseDestroysRightAwayAndDropsWhatIsLeft) {
    RunMessages(window);
    Log.clear();
    PostKeyDown(window, KEY_ESCAPE);   // the handler closes the window itself
    PostKeyDown(window, KEY_A);
    EXPECT_FALSE(RunMessages(window));
    // The destroy is handled inside the key's handling; no paint, no later key.
    EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{MESSAGE_KEY_DOWN, MESSAGE_CLOSE, MESSAGE_DESTROY}));
    EXPECT_EQ(window->exitCode, 0);
    EXPECT_EQ(OpenedWindow(), nullptr);
    // A dead window takes no more messages or paints.
    PostClose(window);
    RequestRepaint(window);
    EXPECT_EQ(DispatchNextMessage(window), Pump::Quit);
}

TEST_F(WindowTest, OpensWithCreateAndPaintAndAPostedCloseGoesThroughTheDefaultHandling) {
    PostClose(window);
    EXPECT_FALSE(RunMessages(window));
    EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{MESSAGE_CREATE, MESSAGE_PAINT, MESSAGE_CLOSE,
                                                      MESSAGE_DESTROY}));
}

TEST_F(WindowTest, APositionKeepsItsSignInBothHalves) {
    const std::int32_t cases[][2] = {{0, 0}, {799, 599}, {-1, -1}, {-5, 700}, {32767, -32768}};
    for (const auto& c : cases) {
        const std::int32_t packed = PackPosition(c[0], c[1]);
        EXPECT_EQ(PositionX(packed), c[0]);
        EXPECT_EQ(PositionY(packed), c[1]);
    }
    // Only 16 bits travel: a far position wraps as the message format does.
    EXPECT_EQ(PositionX(PackPosition(65536 + 3, 0)), 3);
}

TEST_F(WindowTest, ABurstKeepsEveryKeyAndClickAndOnlyTheLastOfEachRunOfMoves) {
    RunMessages(window);
    RepaintOnInput = false;
    Log.clear();
    // Far more than a fixed queue of a few hundred would hold: runs of moves
    // (a drag) between keys and clicks.
    constexpr std::int32_t kRounds = 1500;
    for (std::int32_t i = 0; i < kRounds; ++i) {
        for (std::int32_t step = 0; step < 4; ++step) PostMouseMove(window, i, step);
        PostKeyDown(window, KEY_A + static_cast<std::uint32_t>(i % 26));
        PostLeftButtonDown(window, i, 100);
    }
    PostMouseMove(window, 1, 1);
    EXPECT_TRUE(RunMessages(window));

    ASSERT_EQ(Log.size(), static_cast<std::size_t>(3 * kRounds + 1));
    for (std::int32_t i = 0; i < kRounds; ++i) {
        const Seen* round = &Log[static_cast<std::size_t>(3 * i)];
        ASSERT_EQ(round[0].message, MESSAGE_MOUSE_MOVE) << i;
        EXPECT_EQ(round[0].lparam, PackPosition(i, 3)) << i;   // the latest of the run
        ASSERT_EQ(round[1].message, MESSAGE_KEY_DOWN) << i;
        EXPECT_EQ(round[1].wparam, KEY_A + static_cast<std::uint32_t>(i % 26));
        ASSERT_EQ(round[2].message, MESSAGE_LEFT_BUTTON_DOWN) << i;
        EXPECT_EQ(PositionX(round[2].lparam), i);
    }
    EXPECT_EQ(Log.back().lparam, PackPosition(1, 1));
}
