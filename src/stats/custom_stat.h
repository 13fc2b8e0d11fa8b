#pragma once

// The base of every statistic method. An instance is created per use (one
// statistics-table run, one filter run, one graph) from a registry entry; it
// holds the current and the reference draw and the value record being filled,
// and reads the archive through the registry.

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

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
// more is a fault of the method, reported, never dropped.
class KeyList {
public:
    void add(uint64_t key)
    {
        if (count_ == keys_.size()) [[unlikely]]
            throw std::length_error("a method gave more values than a value list holds");
        keys_[count_++] = key;
    }
    void clear() { count_ = 0; }
    size_t size() const { return count_; }
    uint64_t operator[](size_t i) const { return keys_[i]; }
    const uint64_t* begin() const { return keys_.data(); }
    const uint64_t* end() const { return keys_.data() + count_; }

private:
    std::array<uint64_t, 64> keys_{};
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
    // key; -1 when none has it.
    int FindNextDraw(const TStatDraw& rec, int fromIdx, bool sorted, int lastIdx);

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

} // namespace belvane::stats
