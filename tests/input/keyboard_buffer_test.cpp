// The two buffer edits on their own: where a character lands, what counts as
// empty, and that only a changed cell asks for a repaint.

#include <cstring>
#include <string>

#include "keyboard_driver.h"

namespace {

std::string Cells(const char* buffer, int count) { return std::string(buffer, static_cast<std::size_t>(count)); }

TEST_F(KeyboardTest, AppendFillsTheFirstSpaceAndDeleteBlanksTheLastFilledCell) {
    char buffer[kBufferSize];
    Blank(buffer);
    Keyboard::SetCharInBuffer(nullptr, '7', buffer, 3);
    EXPECT_EQ(Cells(buffer, 4), "7   ");
    EXPECT_EQ(Repaints(), 1);
    Keyboard::DeleteCharInBuffer(nullptr, buffer, 3);
    EXPECT_EQ(Cells(buffer, 4), "    ");
    EXPECT_EQ(Repaints(), 2);
    Keyboard::DeleteCharInBuffer(nullptr, buffer, 3);  // nothing left to delete
    EXPECT_EQ(Repaints(), 2);

    std::memcpy(buffer, " 5", 2);  // a gap: the first space is cell 0
    Keyboard::SetCharInBuffer(nullptr, '3', buffer, 3);
    EXPECT_EQ(Cells(buffer, 2), "35");
}

TEST_F(KeyboardTest, BufferEditsStayWithinTheLastIndex) {
    char buffer[kBufferSize];
    Blank(buffer);
    std::memcpy(buffer, "1234", 4);
    Keyboard::SetCharInBuffer(nullptr, '9', buffer, 3);  // full up to index 3
    EXPECT_EQ(Cells(buffer, 5), "1234 ");
    EXPECT_EQ(Repaints(), 0);
    Keyboard::SetCharInBuffer(nullptr, '9', buffer, 4);
    EXPECT_EQ(Cells(buffer, 5), "12349");

    Keyboard::DeleteCharInBuffer(nullptr, buffer, 2);  // cells above index 2 stay
    EXPECT_EQ(Cells(buffer, 5), "12 49");

    Keyboard::SetCharInBuffer(nullptr, '1', buffer, -1);
    Keyboard::DeleteCharInBuffer(nullptr, buffer, -1);
    EXPECT_EQ(Cells(buffer, 5), "12 49");
    EXPECT_EQ(Repaints(), 2);
}

TEST_F(KeyboardTest, ZeroBytesCountAsFilledCells) {
    char buffer[kBufferSize] = {};  // a buffer no click has blanked yet
    Keyboard::SetCharInBuffer(nullptr, '1', buffer, 13);
    EXPECT_EQ(Cells(buffer, kBufferSize), std::string(kBufferSize, '\0'));
    EXPECT_EQ(Repaints(), 0);
    Keyboard::DeleteCharInBuffer(nullptr, buffer, 13);
    EXPECT_EQ(buffer[13], ' ');
    EXPECT_EQ(Repaints(), 1);
}

}  // namespace
