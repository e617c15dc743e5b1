#pragma once
// The one thing the keyboard asks of the window: paint everything again at
// the next paint. Several requests before that paint give one paint.

struct GameWindow;
using WindowHandle = GameWindow*;

void RequestRepaint(WindowHandle window);

// Requests made since the program started or since the last reset; tests
// read it to tell a key that repaints from one that does not.
long RepaintRequestCount();
void ResetRepaintRequestCount();
