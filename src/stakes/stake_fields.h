#pragma once

// Fields of an encoded stake record, read and written in place: the bulk
// passes (checking, finding, the ratings refresh) look at a few fields of
// every record without decoding the rest.

#include <cstdint>
#include <string_view>

#include "stakes/stake_record.h"

namespace belvane::stakes::fields {

inline int32_t readI32(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24);
}

inline int64_t readI64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return static_cast<int64_t>(v);
}

inline void writeI32(uint8_t* p, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void writeI64(uint8_t* p, int64_t value)
{
    const auto v = static_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline int32_t drawNumber(const uint8_t* r)
{
    return readI32(r + StakeDrawNumberOffset);
}
inline bool checked(const uint8_t* r)
{
    return r[StakeCheckedOffset] != 0;
}
inline int32_t listSize(const uint8_t* r)
{
    return readI32(r + StakeListSizeOffset);
}
inline int32_t count(const uint8_t* r)
{
    return readI32(r + StakeCountOffset);
}
inline int32_t matches(const uint8_t* r)
{
    return readI32(r + StakeMatchesOffset);
}
inline int64_t profit(const uint8_t* r)
{
    return readI64(r + StakeProfitOffset);
}
// The comment as the file holds it (Windows-1251), its length byte trusted
// only up to the field's capacity.
inline std::string_view comment(const uint8_t* r)
{
    const size_t length = r[StakeCommentOffset] < StakeCommentCapacity ? r[StakeCommentOffset] : StakeCommentCapacity;
    return {reinterpret_cast<const char*>(r + StakeCommentOffset + 1), length};
}

} // namespace belvane::stakes::fields
