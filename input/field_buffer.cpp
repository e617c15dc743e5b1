// The two edits of a typing buffer. A space marks an empty cell; any other
// byte, a zero byte included, is a filled cell. There is no terminator and
// no cursor: the text is the run of filled cells from cell 0.

#include "input/keyboard.h"

void Keyboard::SetCharInBuffer(platform::Window* window, char character, char* buffer, int maxIdx) {
    for (int i = 0; i <= maxIdx; ++i) {
        if (buffer[i] == ' ') {
            buffer[i] = character;
            platform::RequestRepaint(window);
            return;
        }
    }
}

void Keyboard::DeleteCharInBuffer(platform::Window* window, char* buffer, int maxIdx) {
    for (int i = maxIdx; i >= 0; --i) {
        if (buffer[i] != ' ') {
            buffer[i] = ' ';
            platform::RequestRepaint(window);
            return;
        }
    }
}
