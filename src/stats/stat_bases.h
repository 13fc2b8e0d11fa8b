#pragma once

// The family bases every concrete method derives from. They differ in how a
// value is shown and read back, and the graph and mask bases add operations.

#include "stats/custom_stat.h"

namespace belvane::stats {

// Values that are numbers 1..45, shown as number texts.
class TCustomValuesStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueToText(const TStatDraw& value) const override;
};

// Values that are counts or other integers.
class TCustomNumbersStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueToText(const TStatDraw& value) const override;
};

// Methods with a graph: one number plotted per draw.
class TCustomGraphStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueToText(const TStatDraw& value) const override;

    // The value plotted for six numbers standing at draw position `index`.
    virtual int CombValue(const TComb& numbers, int index, bool sorted, int lastIdx) = 0;
    // CombValue of the numbers of draw `index` (sorted when asked).
    int GraphValue(int index, int lastIdx, bool sorted);
};

// Counts shown as a ratio against the rest of six: V1 = 2 is "2:4".
class TCustomRatioStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueToText(const TStatDraw& value) const override;
    // The integer before the first ":".
    int32_t TextToValue(std::string_view text) const override;
};

// Six-bit masks, one bit per position, the first position the most significant
// (bit 5). Shown as six letters and the mask: "ЧнЧннЧ (022)".
class TCustomMaskStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueToText(const TStatDraw& value) const override;
    // The first six characters: OneLetter gives a set bit, anything else a clear one.
    int32_t TextToValue(std::string_view text) const override;
    // All 64 masks.
    void InitValues(int lastIdx, TStatDrawArray& arr) override;

    virtual std::string_view ZeroLetter() const = 0;
    virtual std::string_view OneLetter() const = 0;

protected:
    // Builds the mask of six numbers from a per-number property.
    template <class Property>
    static int32_t MaskOf(const TComb& numbers, Property has)
    {
        int32_t mask = 0;
        for (model::Ball n : numbers)
            mask = mask << 1 | (has(n) ? 1 : 0);
        return mask;
    }
};

} // namespace belvane::stats
