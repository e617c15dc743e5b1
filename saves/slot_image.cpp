#include "saves/slot_image.h"

#include <cassert>
#include <cstring>

namespace {

class FieldWriter {
public:
    explicit FieldWriter(char* image) : cursor_(image) {}

    void Stamp(i32& value) { Int(value); }
    void Int(i32& value) { EncodeIntegerField(value, Next()); }
    void Money(double& value) { EncodeMoneyField(value, Next()); }
    void Name(char (&name)[kNameSize]) { std::memcpy(Next(), name, kNameFieldBytes); }

    const char* End() const { return cursor_; }

private:
    char* Next() {
        char* field = cursor_;
        cursor_ += kFieldSize;
        return field;
    }
    char* cursor_;
};

class FieldReader {
public:
    explicit FieldReader(const char* image) : cursor_(image) {}

    void Stamp(i32&) { Next(); }  // describes the file, not the game
    void Int(i32& value) { value = DecodeIntegerField(Next()); }
    void Money(double& value) { value = DecodeMoneyField(Next()); }
    void Name(char (&name)[kNameSize]) { std::memcpy(name, Next(), kNameFieldBytes); }

    const char* End() const { return cursor_; }

private:
    const char* Next() {
        const char* field = cursor_;
        cursor_ += kFieldSize;
        return field;
    }
    const char* cursor_;
};

// The layout is checked when the game is compiled: it must name exactly
// one value per field of the file.
struct FieldCounter {
    std::size_t Fields = 0;
    constexpr void Stamp(i32&) { ++Fields; }
    constexpr void Int(i32&) { ++Fields; }
    constexpr void Money(double&) { ++Fields; }
    constexpr void Name(char (&)[kNameSize]) { ++Fields; }
};

constexpr std::size_t CountFields() {
    FieldCounter counter;
    WalkSlotFile(counter);
    return counter.Fields;
}

static_assert(CountFields() == kSlotFieldCount);

}  // namespace

void WriteSlotImage(char (&image)[kSlotFileSize]) {
    FieldWriter writer(image);
    WalkSlotFile(writer);
    assert(writer.End() == image + kSlotFileSize);
}

void ReadSlotImage(const char (&image)[kSlotFileSize]) {
    FieldReader reader(image);
    WalkSlotFile(reader);
    assert(reader.End() == image + kSlotFileSize);
}
