// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bounds-checked little-endian reads: nothing in a metafile is trusted, so
// every count, size and offset is checked before it is used.

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include <QByteArray>

// A read outside the bytes it is allowed to see.
struct OutOfBounds : std::runtime_error {
    OutOfBounds() : std::runtime_error("read past the end") {}
};

class ByteView {
  public:
    ByteView() = default;
    ByteView(const char* data, qsizetype size) : data_(data), size_(size < 0 ? 0 : size) {}
    explicit ByteView(const QByteArray& bytes) : ByteView(bytes.constData(), bytes.size()) {}

    qsizetype size() const { return size_; }
    const char* data() const { return data_; }

    bool has(qsizetype offset, qsizetype length) const {
        return offset >= 0 && length >= 0 && offset <= size_ && length <= size_ - offset;
    }
    ByteView sub(qsizetype offset, qsizetype length) const {
        check(offset, length);
        return ByteView(data_ + offset, length);
    }
    uint8_t u8(qsizetype at) const { return uint8_t(read<1>(at)); }
    uint16_t u16(qsizetype at) const { return uint16_t(read<2>(at)); }
    int16_t i16(qsizetype at) const { return int16_t(u16(at)); }
    uint32_t u32(qsizetype at) const { return uint32_t(read<4>(at)); }
    int32_t i32(qsizetype at) const { return int32_t(u32(at)); }
    float f32(qsizetype at) const {
        const uint32_t bits = u32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArray bytes(qsizetype at, qsizetype length) const {
        check(at, length);
        return QByteArray(data_ + at, length);
    }

  private:
    void check(qsizetype offset, qsizetype length) const {
        if (!has(offset, length)) throw OutOfBounds();
    }
    template <int N>
    uint64_t read(qsizetype at) const {
        check(at, N);
        uint64_t value = 0;
        for (int i = N - 1; i >= 0; --i) value = value << 8 | uint8_t(data_[at + i]);
        return value;
    }

    const char* data_ = nullptr;
    qsizetype size_ = 0;
};
