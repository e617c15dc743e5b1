// The real program start on SDL, in a child process so that its window,
// signals and exit stay out of the test runner.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

#include <SDL.h>

#include "main/game_start.h"
#include "main/window_procedure.h"
#include "platform/random.h"
#include "platform/sdl_window.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"
#include "saves/slot_stamp.h"
#include "support/game_folder.h"

namespace {

constexpr int kPicturesStillHeld = 99;

// A forked child holds whatever the tests before it left in the records and
// the interface state, and may count the catalogue as loaded; the program
// starts with none of it.
void StartAsTheProgramDoes() {
    ResetGameState();
    load_photo_times = 0;
}

int PlayTheGame() {
    int code = RunGame();
    if (LoadedPhotoCount() != 0) code = kPicturesStillHeld;
    return code;
}

// Runs `play` in a child with the given video driver. With `stop`, the
// child gets SIGTERM at once; it arrives blocked, so it is handled when the
// game accepts signals, whatever it was doing. Returns the wait status.
int RunChild(const char* driver, bool stop, std::string* errorOutput, int (*play)() = PlayTheGame) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    sigset_t term;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    // Blocked before the fork, so the child holds it blocked from its start.
    sigset_t saved;
    sigprocmask(SIG_BLOCK, &term, &saved);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], STDERR_FILENO);
        setenv("SDL_VIDEODRIVER", driver, 1);
        StartAsTheProgramDoes();
        _exit(play());   // no exit handlers: the child leaves the runner's state alone
    }
    sigprocmask(SIG_SETMASK, &saved, nullptr);
    close(pipeEnds[1]);
    if (child < 0) return -1;
    if (stop) kill(child, SIGTERM);
    int status = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    char buffer[512];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) errorOutput->append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    return status;
}

// Runs `play` in a child on SDL's dummy driver and expects it to end with
// exit code 0.
void ExpectCleanExit(int (*play)(), bool stop = false) {
    std::string errors;
    const int status = RunChild("dummy", stop, &errors, play);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << errors;
}

}  // namespace

namespace {

// A few records of each kind, the interface state, the latest save's stamp
// and the picture count, as bytes.
std::string StateBytes() {
    std::string bytes;
    auto add = [&bytes](const auto& record) {
        bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
    };
    add(PlayerObj);
    add(PlayerBank);
    add(PlayerResearch);
    add(PlayerModel(1));
    add(Opponent1Research);
    add(ExpensesObj);
    add(MainObj);
    add(SlotMainObj);
    add(load_photo_times);
    return bytes;
}

// What the program starts with, taken in the runner before the test
// dirties it, and seen by the child as the fork copied it.
std::string gStartBytes;
std::int32_t gStartDraw = 0;

int CompareWithTheProgramStart() {
    if (StateBytes() != gStartBytes) return 6;
    return platform::Rand() == gStartDraw ? 0 : 7;
}

}  // namespace

// Whatever the tests before it left behind, a forked child starts from the
// program's own start: its records, interface state, stamps, picture count
// and random sequence.
TEST(GameStart, AForkedChildStartsAsTheProgramDoes) {
    ResetGameState();
    load_photo_times = 0;
    gStartBytes = StateBytes();
    gStartDraw = platform::Rand();
    PlayerObj.Cash = 123456.0;
    PlayerBank.LoanLeft = 7;
    PlayerModel(1).Price = 999;
    Opponent1Research.ResearchLevel[PART_ENGINE] = 4;
    MainObj.Screen = SCREEN_GAME_OFFICE;
    SlotMainObj.Year = 1999;
    load_photo_times = 3;
    for (int draw = 0; draw < 5; ++draw) platform::Rand();
    ExpectCleanExit(CompareWithTheProgramStart);
    ResetGameState();
    load_photo_times = 0;
}

TEST(GameStart, SigtermClosesTheWindowLikeTheQuitButton) { ExpectCleanExit(PlayTheGame, true); }

TEST(GameStart, WithoutAnyDisplayItSaysSoOnceAndFails) {
    std::string errors;
    const int status = RunChild("no-such-video-driver", false, &errors);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_EQ(errors.find("velmara: "), 0u) << errors;
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
}

namespace {

// Keys come through SDL as key-down messages with their key numbers: Escape
// leaves the intro; a key held with Alt belongs to the system.
int PressKeysThroughSdl() {
    platform::Window* window = platform::OpenSdlWindow(WindowProcedure);
    if (window == nullptr) return 2;
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_ESCAPE;
    key.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&key);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    platform::RunSdlMessageLoop(window);
    if (MainObj.Screen != SCREEN_INTRO) return 3;

    window = platform::OpenSdlWindow(WindowProcedure);
    if (window == nullptr) return 2;
    key.key.keysym.mod = KMOD_NONE;
    SDL_PushEvent(&key);
    SDL_PushEvent(&quit);
    const int code = platform::RunSdlMessageLoop(window);
    platform::CloseSdlWindow();
    return MainObj.Screen == SCREEN_MENU ? code : 4;
}

}  // namespace

TEST(GameStart, KeysArriveAsKeyDownMessages) { ExpectCleanExit(PressKeysThroughSdl); }

namespace {

// The game's window covers the desktop without a frame and asks to stay
// above every other window.
int CheckWindowKind() {
    platform::Window* window = platform::OpenSdlWindow(WindowProcedure);
    if (window == nullptr) return 2;
    Uint32 flags = 0;
    for (Uint32 id = 1; id < 16 && flags == 0; ++id)
        if (SDL_Window* shown = SDL_GetWindowFromID(id)) flags = SDL_GetWindowFlags(shown);
    platform::CloseSdlWindow();
    constexpr Uint32 kWanted = SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
    return (flags & kWanted) == kWanted ? 0 : 5;
}

}  // namespace

TEST(GameStart, TheWindowIsFramelessFullScreenAndOnTop) { ExpectCleanExit(CheckWindowKind); }
