#pragma once

// The base of every statistic method. An instance is created per use (one
// statistics-table run, one filter run, one graph) from a registry entry; it
// holds the current and the reference draw and the value record being filled,
// and reads the archive through the registry.

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/draws.h"
#include "stats/matcher.h"
#include "stats/method_context.h"
#include "stats/stat_class.h"
#include "stats/stat_values.h"

namespace belvane::stats {

using model::TComb;
using model::TDraw;
using model::TDrawsArray;

// The values one draw or combination yields, as packed keys (PackKey), in the
// order they are recorded. Sixty-four is more than any method produces: one
// more is a fault of the method, reported, never dropped. A list holds its
// keys itself, or writes them straight into a KeyBuffer.
class KeyList {
public:
    static constexpr size_t MaxKeys = 64;

    KeyList() { keys_ = own_.data(); }
    // A copy holds its keys itself.
    KeyList(const KeyList& other) : count_(other.count_)
    {
        keys_ = own_.data();
        std::copy_n(other.keys_, count_, keys_);
    }
    KeyList& operator=(const KeyList& other)
    {
        if (this != &other) {
            count_ = other.count_;
            std::copy_n(other.keys_, count_, keys_);
        }
        return *this;
    }

    void add(uint64_t key)
    {
        if (count_ == MaxKeys) [[unlikely]]
            throw std::length_error("a method gave more values than a value list holds");
        keys_[count_++] = key;
    }
    void clear() { count_ = 0; }
    size_t size() const { return count_; }
    uint64_t operator[](size_t i) const { return keys_[i]; }
    const uint64_t* begin() const { return keys_; }
    const uint64_t* end() const { return keys_ + count_; }

private:
    friend class KeyBuffer;
    // Writing into storage with room for MaxKeys keys.
    explicit KeyList(uint64_t* storage) : keys_(storage) {}

    std::array<uint64_t, MaxKeys> own_; // written before read: no need to clear it
    uint64_t* keys_ = nullptr;
    size_t count_ = 0;
};

// The keys of a run of combinations, each combination's after the one
// before: the full-set counts take a method's values a chunk at a time. The
// buffer is reused; keys beyond its capacity are dropped.
class KeyBuffer {
public:
    // Room for the keys of this many combinations (as many as a KeyList holds each).
    explicit KeyBuffer(size_t combinations) : keys_(combinations * KeyList::MaxKeys) {}

    void add(uint64_t key)
    {
        if (count_ < keys_.size())
            keys_[count_++] = key;
    }
    // The next combination's keys, written in place: a list over the free
    // end of the buffer, then `keep` of that list. No list when full.
    bool hasRoom() const { return keys_.size() - count_ >= KeyList::MaxKeys; }
    KeyList next() { return KeyList(keys_.data() + count_); }
    void keep(const KeyList& next) { count_ += next.size(); }

    void clear() { count_ = 0; }
    size_t size() const { return count_; }
    std::span<const uint64_t> keys() const { return {keys_.data(), count_}; }

private:
    std::vector<uint64_t> keys_;
    size_t count_ = 0;
};

class TCustomStat {
public:
    TCustomStat(const MethodClass& statClass, const MethodContext& context, int param);
    TCustomStat(const TCustomStat&) = delete;
    TCustomStat& operator=(const TCustomStat&) = delete;
    virtual ~TCustomStat() = default;

    const MethodClass& Class() const { return class_; }
    std::string Caption() const { return class_.CaptionFor(Param); }

    // Value texts.
    virtual std::string ValueToText(const TStatDraw& value) const = 0;
    // The text as a decimal integer, 0 when it is not one.
    virtual int32_t TextToValue(std::string_view text) const;
    // TextToValue when the class's values can be typed in, else 0.
    int32_t ParseValue(std::string_view text) const;

    // Every value listed in advance, with Count 0 (the base lists none).
    virtual void InitValues(int lastIdx, TStatDrawArray& arr);

    // CurDraw := the draw at array position index; for methods with flag D,
    // RefDraw := the draw at refIndex. A position outside the archive gives an
    // all-zero draw; with `sorted` the copied numbers are sorted ascending.
    virtual void LoadDraws(int index, int refIndex, bool sorted);

    // The values of a bare combination, Count 1 each, no gap tracking. Methods
    // with flag N record NumbersValues; the others add nothing.
    virtual void CombValues(const TComb& comb, TStatDrawArray& arr);

    // The values of draw `index` of the window ending at lastIdx, with gap
    // tracking. The base step loads the draw and fills LastDraw, PrevDraw, Ago
    // and Count of Cur; then NumbersValues of the draw's numbers are recorded.
    virtual void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                            bool sorted);

    // The number of the first draw from fromIdx on whose values include rec's
    // key; -1 when none has it. Each draw is asked alone, with one work area
    // for the whole walk.
    virtual int FindNextDraw(const TStatDraw& rec, int fromIdx, bool sorted, int lastIdx);

    // The filter test. PrepareMatches analyses the selection once, reading
    // the reference draws it needs itself; the matcher it returns is
    // immutable and may run on every core. Matches is the one-off form
    // (mode, kept for its callers, changes nothing).
    virtual std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at);
    bool Matches(const TComb& comb, const TStatDrawArray& selected, bool mode, bool sorted, int lastIdx);

    // The values of six numbers alone, for methods whose values need nothing
    // else (in the order they are recorded; a value may repeat). Every method
    // with flag N gives here what a bare combination yields: the full-set
    // counts are taken from it.
    virtual void NumbersValues(const TComb& numbers, KeyList& keys) const;
    // NumbersValues of every combination of a chunk, appended to `keys` in
    // order (combinations of six distinct numbers 1..45 only). The base asks
    // NumbersValues for each; a family whose values are quick to compute
    // overrides it with NumbersValuesOfEach, which spares the call per
    // combination.
    virtual void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const;

    int Param;
    const TDrawsArray* Draws;
    TDraw CurDraw;
    TDraw RefDraw;
    TStatDraw Cur;

protected:
    // The draw at array position index (all zero outside the archive), sorted when asked.
    TDraw DrawAt(int index, bool sorted) const;
    int HighIndex() const { return static_cast<int>(Draws->size()) - 1; }

    // Records one value of the current draw or combination (Cur with the key).
    void AddValue(TStatDrawArray& arr, uint64_t key, bool trackGaps);
    // Lists one value in advance, Count 0.
    static void AddSeed(TStatDrawArray& arr, uint64_t key);
    static void AddSeeds(TStatDrawArray& arr, int from, int to); // V1 = from..to

    // Whether DrawValues tracks the gap of the value at this position of the
    // draw's values (all of them, unless a family records repeats in one draw).
    virtual bool TracksGapAt(size_t position) const;

    const TConfigData& Config() const { return *context_.Config; }

    const MethodContext context_;

private:
    const MethodClass& class_;
};

// ChunkNumbersValues of a method whose values Declaring::NumbersValues gives:
// called directly, the compiler inlines it into the loop. A class derived
// from Declaring that computes other values overrides ChunkNumbersValues too
// (the registry-wide contract test compares both forms for every method).
template <class Declaring>
void NumbersValuesOfEach(const Declaring& method, std::span<const TComb> combs, KeyBuffer& out)
{
    for (const TComb& comb : combs) {
        if (!out.hasRoom())
            return;
        KeyList keys = out.next();
        method.Declaring::NumbersValues(comb, keys);
        out.keep(keys);
    }
}

} // namespace belvane::stats
