#pragma once
// The program's start: opens the game window, runs its message loop and
// returns the exit code (0 after a normal close or SIGINT/SIGTERM; not 0
// when no window could be made).

int RunGame();
