#pragma once

// The value records statistics are accumulated in, and the array helpers
// every method family uses.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "stats/key_positions.h"

namespace belvane::stats {

// Per-value statistics over a range of draws (or combinations). A value is
// identified by its four-part key V1..V4; parts a method does not use are 0.
struct TStatDraw {
    int32_t LastDraw = 0; // number of the most recent draw that had the value
    int32_t Ago = 0;      // lastIdx - index + 1 of that draw (1 = the latest); 0 = never
    int32_t PrevDraw = 0; // number of the occurrence counted last (for gaps)
    uint16_t MinGap = 0;  // smallest gap between consecutive occurrences; 0 = none yet
    uint16_t MaxGap = 0;  // largest such gap
    int32_t Count = 0;    // draws (or combinations) that had the value
    int32_t Expected = 0; // expected count from the full set (filled by the statistics table)
    int16_t V1 = 0;
    int16_t V2 = 0;
    int16_t V3 = 0;
    int16_t V4 = 0;
};

// The key as one 64-bit integer, V1 in the most significant 16 bits, each part
// taken as unsigned: ascending keys are the order of SortStatDraws.
constexpr uint64_t PackKey(int16_t v1, int16_t v2 = 0, int16_t v3 = 0, int16_t v4 = 0)
{
    return uint64_t{static_cast<uint16_t>(v1)} << 48 | uint64_t{static_cast<uint16_t>(v2)} << 32 |
           uint64_t{static_cast<uint16_t>(v3)} << 16 | uint64_t{static_cast<uint16_t>(v4)};
}
constexpr uint64_t KeyOf(const TStatDraw& d)
{
    return PackKey(d.V1, d.V2, d.V3, d.V4);
}

// The value records of one calculation, in the order they were first
// recorded. Beyond a few dozen values the array keeps beside its elements
// where each key sits, so that recording a value is not a walk over every
// value seen so far (a draw may bring tens of values that are new). Changes
// that drop or move elements forget those positions; a reordering (sorting)
// is noticed on the next look-up. Keys of elements are not to be changed in
// place while values are still being recorded into the array.
class TStatDrawArray : public std::vector<TStatDraw> {
    using Base = std::vector<TStatDraw>;

public:
    using Base::Base;

    void clear() noexcept
    {
        Base::clear();
        forget();
    }
    iterator erase(const_iterator pos)
    {
        forget();
        return Base::erase(pos);
    }
    iterator erase(const_iterator first, const_iterator last)
    {
        forget();
        return Base::erase(first, last);
    }
    template <class... Args>
    iterator insert(Args&&... args)
    {
        forget();
        return Base::insert(std::forward<Args>(args)...);
    }
    template <class... Args>
    void assign(Args&&... args)
    {
        forget();
        Base::assign(std::forward<Args>(args)...);
    }
    void resize(size_type n)
    {
        forget();
        Base::resize(n);
    }
    void pop_back()
    {
        forget();
        Base::pop_back();
    }

private:
    friend TStatDraw* FindKey(TStatDrawArray& arr, uint64_t key);
    friend // The first element with the key; nullptr when none has it.
        const TStatDraw*
        FindKey(const TStatDrawArray& arr, uint64_t key);
    TStatDraw* FindKey(TStatDrawArray& arr, uint64_t key);
    friend void SortStatDraws(TStatDrawArray& arr);

    void forget() noexcept
    {
        positions_.clear();
        indexed_ = 0;
    }
    // Brings the positions up to the elements appended since the last look-up.
    void catchUp();

    KeyPositions positions_;
    size_t indexed_ = 0; // elements [0, indexed_) have their positions stored
};

void SetKey(TStatDraw& d, uint64_t key);
bool SameKey(const TStatDraw& a, const TStatDraw& b);

// A 32-bit value held in V1..V2 (V1 the low half) or V3..V4 (V3 the low half).
int32_t LowInt(const TStatDraw& d);  // V1..V2
int32_t HighInt(const TStatDraw& d); // V3..V4
void SetLowInt(TStatDraw& d, int32_t value);
void SetHighInt(TStatDraw& d, int32_t value);
uint64_t KeyOfInts(int32_t low, int32_t high = 0);

// Byte n (1..8) of the eight key bytes, byte 1 being the low byte of V1.
uint8_t KeyByte(const TStatDraw& d, int n);

// Records one value: adds to the element with the same key or appends a copy
// of rec. The most recent occurrence wins LastDraw and Ago; with trackGaps the
// gap to the occurrence counted before updates MinGap and MaxGap.
void AddStatDraw(TStatDrawArray& arr, const TStatDraw& rec, bool trackGaps);

// Key searches over a selection.
bool HasKey(const TStatDrawArray& arr, uint64_t key);                // all four parts
bool HasKeyPart(const TStatDrawArray& arr, int part, int16_t value); // one part 1..4
bool HasLowInt(const TStatDrawArray& arr, int32_t value);            // V1..V2 as 32 bits
bool HasHighInt(const TStatDrawArray& arr, int32_t value);           // V3..V4 as 32 bits
bool HasInts(const TStatDrawArray& arr, int32_t low, int32_t high);  // both halves
bool HasKeyByte(const TStatDrawArray& arr, int n, uint8_t value);    // one key byte
// The first element with the key; nullptr when none has it.
const TStatDraw* FindKey(const TStatDrawArray& arr, uint64_t key);
TStatDraw* FindKey(TStatDrawArray& arr, uint64_t key);

// Ascending by V1, V2, V3, V4, each compared as unsigned 16-bit.
void SortStatDraws(TStatDrawArray& arr);

struct ValueTotals {
    int64_t Total = 0; // sum of Count
    int32_t MinCount = 0;
    int32_t MaxCount = 0;
    int32_t MaxAgo = 0; // largest positive Ago
};
ValueTotals StatTotals(const TStatDrawArray& arr);

// The 12-byte record of the full-set value files: the key and a count.
struct TStatCount {
    int16_t V1 = 0;
    int16_t V2 = 0;
    int16_t V3 = 0;
    int16_t V4 = 0;
    int32_t Count = 0;
};
TStatDraw ToStatDraw(const TStatCount& c);

// Per value key, the draw number of the value's last occurrence.
struct TLastValue {
    int32_t DrawNumber = 0;
    int16_t V1 = 0;
    int16_t V2 = 0;
    int16_t V3 = 0;
    int16_t V4 = 0;
};
using TLastValueArray = std::vector<TLastValue>;

// The interval since the value's last occurrence (drawNumber - stored number),
// storing drawNumber; -1 and a new element when the value is new.
int32_t StepLastValue(TLastValueArray& arr, uint64_t key, int32_t drawNumber);

struct TStatSimple {
    int32_t Key = 0;
    int32_t Value = 0;
};
using TStatSimpleArray = std::vector<TStatSimple>;

// Adds amount to the element with the key, appending it when new; a
// non-positive amount only looks the key up. Returns the element's position, or
// -1 when a look-up finds nothing.
int AddStatSimple(TStatSimpleArray& arr, int32_t key, int32_t amount);
void SortStatSimple(TStatSimpleArray& arr);

// The scratch area one run of a statistic shares between all its DrawValues
// calls: zero-filled once per run. The serial methods keep their series here,
// indexed by the value followed: numbers 1..45, channels from 1, segments
// from 0 (segment 0 is a segment like any other).
struct GapWork {
    struct Series {
        int32_t Length = 0;     // draws in the series so far
        int32_t DrawNumber = 0; // number of the series' last draw
        int32_t Age = 0;        // lastIdx - index + 1 of that draw
    };
    static constexpr int MaxValue = 45;
    std::array<Series, MaxValue + 1> Entries{};
};

} // namespace belvane::stats
