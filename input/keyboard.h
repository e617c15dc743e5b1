#pragma once
// The keyboard: every key-down of the game window comes here with its
// virtual-key code and the current screen. Keys edit the focused field's
// buffer, and a numeric field's number is stored and limited at once; there
// is no commit key and nothing is ever reported to the player. The window
// serves only to ask for repaints of the whole window.

#include "platform/window.h"

class Keyboard {
public:
    // One key-down message. Only Backspace, Escape, Space, the letters and
    // the digits of the main row and the keypad do anything; no modifier
    // state is read, so letters are always lower case.
    static void keyboard(platform::Window* window, unsigned int key, int screen);

    // Puts `character` into the first space among cells 0..maxIdx and asks
    // for a repaint; a field with no space there (full) is left alone.
    static void SetCharInBuffer(platform::Window* window, char character, char* buffer, int maxIdx);

    // Blanks the last non-space among cells maxIdx..0 and asks for a
    // repaint; a field of spaces only is left alone.
    static void DeleteCharInBuffer(platform::Window* window, char* buffer, int maxIdx);
};
