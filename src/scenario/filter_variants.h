#pragma once

// The variants of a scenario line: every combination of its filters' draw
// counts and values. The first filter varies slowest, the last fastest; within
// a filter the draw counts vary slower than the values. A one-value condition
// makes one variant per value, a list condition (and "LNO") one per draw count.
//
// The count is known before the first variant, and the variants are produced
// one at a time in that order, so a line with millions of them needs no more
// memory than one.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"
#include "scenario/filter_item.h"
#include "support/translation.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::scenario {

inline constexpr std::string_view BadFilterMessage = BELVANE_TEXT("Некорректное описание фильтра: %s!");
inline constexpr std::string_view TooManyVariantsMessage = BELVANE_TEXT(
    "Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\r"
    "Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите "
    "попытку.");

inline constexpr std::string_view NoValueListMessage =
    BELVANE_TEXT("Для данного вида статистики не доступен режим выделения по списку значений!");

class FilterVariants {
public:
    // The active items of a line, in slot order. Throws Error(BadFilterMessage)
    // for an item whose draw counts, or whose values under a condition other
    // than "LNO", expand to nothing; Error(TooManyVariantsMessage + reason)
    // when the count does not fit 32 bits; Error(NoValueListMessage) for
    // "LVA" on a method whose values have no integer form. No items: no variants.
    FilterVariants(const stats::TStatList& list, std::span<const TFilterItem> items);

    int Count() const { return count_; }
    // 0-based number of the variant Next gives next.
    int Position() const { return position_; }

    // Fills rec with the next variant (slots after the last item inactive);
    // false when all have been given.
    bool Next(TFilterRec& rec);

    // Back to the first variant.
    void Rewind();

private:
    struct Dimension {
        TFilterPart Base; // everything the item's parts share
        model::TIntArray DrawCounts;
        model::TIntArray Values;  // one-value conditions: one variant each
        std::string JoinedValues; // list conditions: the condition value of every part
        int Size = 0;             // draw counts x values, or draw counts
    };
    void Fill(TFilterRec& rec, size_t slot) const;

    std::vector<Dimension> dims_;
    std::vector<int> odometer_; // index into each dimension, the last one turning fastest
    int count_ = 0;
    int position_ = 0;
};

} // namespace belvane::scenario
