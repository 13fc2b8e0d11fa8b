#include "support/byte_codec.h"

#include <algorithm>

#include "support/cp1251.h"
#include "support/translation.h"

namespace belvane {
namespace {

constexpr size_t kMaxShortString = 255;

void checkCapacity(size_t capacity)
{
    if (capacity > kMaxShortString)
        throw Error(support::Text("Длина строкового поля записи превышает 255 символов!"));
}

} // namespace

void ByteWriter::put(const void* p, size_t n)
{
    if (n > out_.size() - pos_)
        throw Error(support::Text("Запись не помещается в отведённый ей размер!"));
    std::memcpy(out_.data() + pos_, p, n);
    pos_ += n;
}

void ByteWriter::le(uint64_t v, size_t n)
{
    uint8_t buf[8];
    for (size_t i = 0; i < n; ++i)
        buf[i] = static_cast<uint8_t>(v >> (8 * i));
    put(buf, n);
}

void ByteWriter::zeros(size_t n)
{
    if (n > out_.size() - pos_)
        throw Error(support::Text("Запись не помещается в отведённый ей размер!"));
    std::fill_n(out_.data() + pos_, n, uint8_t{0});
    pos_ += n;
}

void ByteWriter::shortString(std::string_view utf8, size_t capacity)
{
    checkCapacity(capacity);
    std::string bytes = cp1251::fromUtf8(utf8);
    if (bytes.size() > capacity)
        bytes.resize(capacity);
    u8(static_cast<uint8_t>(bytes.size()));
    put(bytes.data(), bytes.size());
    zeros(capacity - bytes.size());
}

const uint8_t* ByteReader::take(size_t n)
{
    if (n > in_.size() - pos_)
        throw Error(support::Text("Запись файла данных обрывается раньше своего конца!"));
    const uint8_t* p = in_.data() + pos_;
    pos_ += n;
    return p;
}

uint64_t ByteReader::le(size_t n)
{
    const uint8_t* p = take(n);
    uint64_t v = 0;
    for (size_t i = 0; i < n; ++i)
        v |= uint64_t{p[i]} << (8 * i);
    return v;
}

void ByteReader::bytes(std::span<uint8_t> out)
{
    const uint8_t* p = take(out.size());
    std::memcpy(out.data(), p, out.size());
}

void ByteReader::skip(size_t n)
{
    take(n);
}

std::string ByteReader::shortString(size_t capacity)
{
    checkCapacity(capacity);
    const size_t length = std::min<size_t>(u8(), capacity);
    const uint8_t* p = take(capacity);
    return cp1251::toUtf8(std::string_view(reinterpret_cast<const char*>(p), length));
}

} // namespace belvane
