#pragma once

// Little-endian field-by-field encoders for the fixed binary records of the
// data files. Records are never read or written by casting structs: every
// field goes through these, and every length byte is range-checked.

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "support/error.h"

namespace belvane {

class ByteWriter {
public:
    explicit ByteWriter(std::span<uint8_t> out) : out_(out) {}

    void u8(uint8_t v) { put(&v, 1); }
    void i16(int16_t v) { uint16(static_cast<uint16_t>(v)); }
    void uint16(uint16_t v) { le(v, 2); }
    void i32(int32_t v) { le(static_cast<uint32_t>(v), 4); }
    void uint32(uint32_t v) { le(v, 4); }
    void i64(int64_t v) { le(static_cast<uint64_t>(v), 8); }
    void bytes(std::span<const uint8_t> b) { put(b.data(), b.size()); }
    void zeros(size_t n);

    // A length-prefixed text field of the given capacity (at most 255): one
    // length byte, then `capacity` bytes of which the first `length` hold the
    // text in Windows-1251. A longer text is cut to the capacity.
    void shortString(std::string_view utf8, size_t capacity);

    size_t position() const { return pos_; }

private:
    void le(uint64_t v, size_t n);
    void put(const void* p, size_t n);

    std::span<uint8_t> out_;
    size_t pos_ = 0;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> in) : in_(in) {}

    uint8_t u8() { return static_cast<uint8_t>(le(1)); }
    int16_t i16() { return static_cast<int16_t>(le(2)); }
    uint16_t uint16() { return static_cast<uint16_t>(le(2)); }
    int32_t i32() { return static_cast<int32_t>(le(4)); }
    uint32_t uint32() { return static_cast<uint32_t>(le(4)); }
    int64_t i64() { return static_cast<int64_t>(le(8)); }
    void bytes(std::span<uint8_t> out);
    void skip(size_t n);

    // Reads a field written by ByteWriter::shortString. A length byte larger
    // than the capacity is not trusted: the text is cut to the capacity.
    std::string shortString(size_t capacity);

    size_t position() const { return pos_; }

private:
    uint64_t le(size_t n);
    const uint8_t* take(size_t n);

    std::span<const uint8_t> in_;
    size_t pos_ = 0;
};

} // namespace belvane
