#pragma once
// The data files are runs of fixed-width text fields. They are read one
// field at a time through a reused field buffer: a read past the end of the
// file delivers nothing and leaves the buffer as the previous read left it,
// and a field cut off by the end gets its own bytes followed by the rest of
// the field before it.

#include <cstring>

namespace model_files {

// Copies field `index` (each `width` bytes) of the file image image[0..size)
// over the start of `buffer`; returns the number of bytes the file held for
// it (0..width).
inline long ReadField(const char* image, long size, long index, long width, char* buffer) {
    const long start = index * width;
    long available = size - start;
    if (available <= 0) return 0;
    if (available > width) available = width;
    std::memcpy(buffer, image + start, static_cast<std::size_t>(available));
    return available;
}

}  // namespace model_files
