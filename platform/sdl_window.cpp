#include "platform/sdl_window.h"

#include <SDL.h>

#include <csignal>
#include <cstdio>

#include "platform/cursor_file.h"
#include "platform/sdl_keys.h"

namespace platform {

namespace {

struct SdlState {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    SDL_Cursor* ownPointer = nullptr;   // from cursor.cur, or null for SDL's default
    bool pointerKnown = false;          // a position has been posted
    std::int32_t pointerX = 0;
    std::int32_t pointerY = 0;
    bool presentWanted = false;
};

SdlState Sdl;

void Complain(const char* what) {
    std::fprintf(stderr, "velmara: %s: %s\n", what, SDL_GetError());
}

SDL_Surface* SurfaceOf(const CursorImage& image) {
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.argb.data()), image.width,
                                              image.height, 32, image.width * 4, SDL_PIXELFORMAT_ARGB8888);
}

void* CreatePointer(const CursorImage& image) {
    SDL_Surface* surface = SurfaceOf(image);
    if (surface == nullptr) return nullptr;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, image.hotX, image.hotY);
    SDL_FreeSurface(surface);
    return cursor;
}

void ShowPointer(Window&, void* native) {
    SDL_Cursor* cursor = native != nullptr ? static_cast<SDL_Cursor*>(native) : Sdl.ownPointer;
    SDL_SetCursor(cursor != nullptr ? cursor : SDL_GetDefaultCursor());
}

// The display for the canvas: a renderer scaling 800 x 600 to the window
// with black bars where the aspect differs.
bool StartSdlDisplay(Window&) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    Sdl.renderer = SDL_CreateRenderer(Sdl.window, -1, 0);
    if (Sdl.renderer == nullptr) {
        Complain("cannot draw into the game window");
        return false;
    }
    if (SDL_RenderSetLogicalSize(Sdl.renderer, kCanvasWidth, kCanvasHeight) != 0) {
        Complain("cannot scale the game window");
        return false;
    }
    Sdl.texture = SDL_CreateTexture(Sdl.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                    kCanvasWidth, kCanvasHeight);
    if (Sdl.texture == nullptr) {
        Complain("cannot make the game's picture");
        return false;
    }
    return true;
}

const WindowBackend SdlBackend{StartSdlDisplay, CreatePointer, ShowPointer};

void Present(Window& window) {
    if (Sdl.renderer == nullptr || Sdl.texture == nullptr) return;
    SDL_UpdateTexture(Sdl.texture, nullptr, &window.canvas.pixels[0][0], kCanvasWidth * sizeof(Pixel));
    SDL_SetRenderDrawColor(Sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(Sdl.renderer);
    SDL_RenderCopy(Sdl.renderer, Sdl.texture, nullptr, nullptr);
    SDL_RenderPresent(Sdl.renderer);
}

void PostPointerMove(Window* window, std::int32_t x, std::int32_t y) {
    Sdl.pointerKnown = true;
    Sdl.pointerX = x;
    Sdl.pointerY = y;
    PostWindowMessage(window, MESSAGE_MOUSE_MOVE, 0, PackPosition(x, y));
}

void Translate(Window* window, const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:   // also how SDL reports SIGINT and SIGTERM
            PostWindowMessage(window, MESSAGE_CLOSE, 0, 0);
            break;
        case SDL_KEYDOWN: {
            const std::uint32_t key = GameKeyOf(event.key.keysym.sym, event.key.keysym.mod);
            if (key != 0) PostWindowMessage(window, MESSAGE_KEY_DOWN, key, 0);
            break;
        }
        case SDL_MOUSEMOTION:
            PostPointerMove(window, event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN: {
            if (event.button.button != SDL_BUTTON_LEFT) break;
            // The click map reads the position of the last move, so a click
            // that arrives without one is preceded by it.
            if (!Sdl.pointerKnown || Sdl.pointerX != event.button.x || Sdl.pointerY != event.button.y) {
                PostPointerMove(window, event.button.x, event.button.y);
            }
            const bool second = event.button.clicks % 2 == 0;
            PostWindowMessage(window, second ? MESSAGE_LEFT_BUTTON_DOUBLE : MESSAGE_LEFT_BUTTON_DOWN, 0,
                              PackPosition(event.button.x, event.button.y));
            break;
        }
        case SDL_WINDOWEVENT:
            // The canvas keeps everything drawn, so an uncovered or resized
            // window only needs the canvas shown again.
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                Sdl.presentWanted = true;
            }
            break;
        default:
            break;
    }
}

// SDL keeps one icon per window; the desktop scales it down wherever it
// shows a small one, so the larger image of the file is the one to give.
void LoadWindowIcon() {
    CursorImage icon;
    if (!ReadCursorFile("icon.ico", 32, icon)) return;
    SDL_Surface* surface = SurfaceOf(icon);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(Sdl.window, surface);
    SDL_FreeSurface(surface);
}

void LoadOwnPointer() {
    CursorImage pointer;
    if (!ReadCursorFile("cursor.cur", 32, pointer)) return;
    Sdl.ownPointer = static_cast<SDL_Cursor*>(CreatePointer(pointer));
    if (Sdl.ownPointer != nullptr) SDL_SetCursor(Sdl.ownPointer);
}

// SIGINT and SIGTERM become SDL's quit event once SDL has its handlers in
// place; a signal that came during start-up (blocked until then) is
// delivered now.
void AcceptStopSignals() {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

}  // namespace

Window* OpenSdlWindow(WindowProcedureFn procedure) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        Complain("cannot open the game window");
        return nullptr;
    }
    AcceptStopSignals();
    Sdl = SdlState{};
    // The window covers the desktop at its own size even where no window
    // manager grants the full-screen request, and stays above other windows.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0 || desktop.w <= 0 || desktop.h <= 0) {
        desktop.w = kCanvasWidth;
        desktop.h = kCanvasHeight;
    }
    Sdl.window = SDL_CreateWindow("Velmara", 0, 0, desktop.w, desktop.h,
                                  SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP |
                                      SDL_WINDOW_ALWAYS_ON_TOP);
    if (Sdl.window == nullptr) {
        Complain("cannot open the game window");
        SDL_Quit();
        return nullptr;
    }
    LoadWindowIcon();
    LoadOwnPointer();
    Window* window = OpenWindow(procedure, &SdlBackend);
    SDL_ShowWindow(Sdl.window);
    RequestRepaint(window);
    return window;
}

std::int32_t RunSdlMessageLoop(Window* window) {
    for (;;) {
        const std::int32_t paintsBefore = window->paints;
        Pump pump = Pump::Handled;
        while (pump == Pump::Handled) pump = DispatchNextMessage(window);
        if (pump == Pump::Quit) return window->exitCode;
        if (window->paints != paintsBefore || Sdl.presentWanted) {
            Sdl.presentWanted = false;
            Present(*window);
        }
        SDL_Event event;
        if (SDL_WaitEvent(&event) == 0) continue;
        do {
            Translate(window, event);
        } while (SDL_PollEvent(&event) != 0);
    }
}

void CloseSdlWindow() {
    if (Sdl.texture != nullptr) SDL_DestroyTexture(Sdl.texture);
    if (Sdl.renderer != nullptr) SDL_DestroyRenderer(Sdl.renderer);
    if (Sdl.window != nullptr) SDL_DestroyWindow(Sdl.window);
    Sdl = SdlState{};
    SDL_Quit();
}

}  // namespace platform
