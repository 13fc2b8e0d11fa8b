#include "stats/comb_values.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "stats/group_tuples.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

// Every number of the game is its own group; a byte that is no number is in none.
const GroupTable kNumberGroups = MakeGroupTable([](int n) { return n; });

// The family base: values are tuples of numbers, which cannot be typed in; a
// bare combination yields none (no full-set form).
class TCustomCombValuesStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;

    const GroupTable& NumberTable() const { return kNumberGroups; }
};

template <TupleRule Rule, int K>
using TstCombVal = GroupTupleStat<TCustomCombValuesStat, &TCustomCombValuesStat::NumberTable, Rule, K>;

constexpr TupleRule Mix = TupleRule::Mix;
constexpr TupleRule Seq = TupleRule::Seq;

// ---- KNP2%d, KNP3%d, KNP4%d: the K numbers from position Param on ----------------

template <int K>
class TstCombValPos final : public TCustomCombValuesStat {
public:
    static constexpr int LastStart = model::BallCount - K + 1;

    TstCombValPos(const MethodClass& c, const MethodContext& context, int param)
        : TCustomCombValuesStat(c, context, param), first_(static_cast<size_t>(std::clamp(param, 1, LastStart) - 1))
    {
    }

    std::string ValueToText(const TStatDraw& value) const override { return GroupTuples<Seq, K>::Text(value); }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        if (const auto key = keyAt(numbers, first_))
            keys.add(*key);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        std::vector<uint64_t> wanted;
        for (const TStatDraw& rec : selected)
            wanted.push_back(KeyOf(rec));
        std::sort(wanted.begin(), wanted.end());
        wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
        return MakeMatcher([wanted = std::move(wanted), first = first_](const TComb& c) {
            const auto key = keyAt(c, first);
            return key && std::binary_search(wanted.begin(), wanted.end(), *key);
        });
    }

private:
    // The K numbers from position `first` on; none when a byte there is no number.
    static std::optional<uint64_t> keyAt(const TComb& c, size_t first)
    {
        std::array<int16_t, 4> parts{};
        for (size_t j = 0; j < K; ++j) {
            if (kNumberGroups[c[first + j]] == NoGroup)
                return std::nullopt;
            parts[j] = c[first + j];
        }
        return PackKey(parts[0], parts[1], parts[2], parts[3]);
    }

    size_t first_;
};

template <int K>
constexpr ParamRange startPositions(const TConfigData&)
{
    return {1, TstCombValPos<K>::LastStart};
}

template <class T>
constexpr MethodClass combValueClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>(
        {.id = id, .caption = caption, .group = GroupNumbers, .flags = FlagS, .valueFromText = false});
}

template <int K>
constexpr MethodClass positionClass(std::string_view id, std::string_view caption, std::string_view helpId)
{
    return MakeStatClass<TstCombValPos<K>>({.id = id,
                                            .caption = caption,
                                            .helpId = helpId,
                                            .group = GroupNumbers,
                                            .flags = FlagS,
                                            .valueFromText = false,
                                            .paramRange = startPositions<K>});
}

} // namespace

constinit const MethodClass TstCombValMix2Class =
    combValueClass<TstCombVal<Mix, 2>>("KNM2", BELVANE_TEXT("Сочетания из 2 чисел по всем числам тиража"));
constinit const MethodClass TstCombValMix3Class =
    combValueClass<TstCombVal<Mix, 3>>("KNM3", BELVANE_TEXT("Сочетания из 3 чисел по всем числам тиража"));
constinit const MethodClass TstCombValMix4Class =
    combValueClass<TstCombVal<Mix, 4>>("KNM4", BELVANE_TEXT("Сочетания из 4 чисел по всем числам тиража"));
constinit const MethodClass TstCombValSeq2Class =
    combValueClass<TstCombVal<Seq, 2>>("KNS2", BELVANE_TEXT("Сочетания из 2 соседних чисел тиража"));
constinit const MethodClass TstCombValSeq3Class =
    combValueClass<TstCombVal<Seq, 3>>("KNS3", BELVANE_TEXT("Сочетания из 3 соседних чисел тиража"));
constinit const MethodClass TstCombValSeq4Class =
    combValueClass<TstCombVal<Seq, 4>>("KNS4", BELVANE_TEXT("Сочетания из 4 соседних чисел тиража"));
constinit const MethodClass TstCombValPos2Class =
    positionClass<2>("KNP2%d", BELVANE_TEXT("Сочетания из 2-х чисел тиража начиная с %0:d позиции"), "KNP2");
constinit const MethodClass TstCombValPos3Class =
    positionClass<3>("KNP3%d", BELVANE_TEXT("Сочетания из 3-х чисел тиража начиная с %0:d позиции"), "KNP3");
constinit const MethodClass TstCombValPos4Class =
    positionClass<4>("KNP4%d", BELVANE_TEXT("Сочетания из 4-х чисел тиража начиная с %0:d позиции"), "KNP4");

} // namespace belvane::stats
