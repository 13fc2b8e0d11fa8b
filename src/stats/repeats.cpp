#include "stats/repeats.h"

#include <bit>
#include <cstdint>

#include "model/layout.h"
#include "stats/group_stats.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

using model::Ball;

// The numbers 1..45 among six bytes, as bits, each moved by `shift` around
// 1..45; a byte that is no number of the game is left out.
uint64_t NumberBits(const TComb& balls, int shift = 0)
{
    uint64_t bits = 0;
    for (Ball n : balls)
        if (model::isValidNumber(n))
            bits |= uint64_t{1} << model::CyclicShift(n, shift);
    return bits;
}

constexpr bool Has(uint64_t bits, int n)
{
    return n >= 0 && n < 64 && ((bits >> n) & 1) != 0;
}

// What every repeat method reads: draws by their array position, a draw that
// lies outside the archive being no draw at all (not an all-zero one, whose
// shifted zeros would repeat as numbers).
template <class Base>
class RepeatLayout : public Base {
public:
    using Base::Base;

    // Added to every number of the earlier draws, around 1..45.
    virtual int Shift() const = 0;
    // How many draws back the earliest draw read lies (1 = the previous draw).
    virtual int Distance() const = 0;

protected:
    bool HasDraw(int index) const { return index >= 0 && index <= this->HighIndex(); }
    // The numbers of the draw at index, shifted; none outside the archive.
    uint64_t NumbersAt(int index, int shift = 0) const
    {
        return HasDraw(index) ? NumberBits(this->DrawAt(index, false).Balls, shift) : 0;
    }
};

// ---- the values members: the numbers that repeat ------------------------------------

class TCustomRepValues2Stat : public RepeatLayout<TCustomValuesStat> {
public:
    using RepeatLayout::RepeatLayout;

    // The numbers of the newest draw of the window, shifted, in drawn order.
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        if (!HasDraw(lastIdx))
            return;
        for (Ball n : DrawAt(lastIdx, false).Balls)
            if (model::isValidNumber(n))
                AddSeed(arr, PackKey(static_cast<int16_t>(model::CyclicShift(n, Shift()))));
    }

    // Any number of the combination is a selected value.
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1)](const TComb& c) {
            return (t[c[0]] | t[c[1]] | t[c[2]] | t[c[3]] | t[c[4]] | t[c[5]]) != 0;
        });
    }
};

// A number r of the draw Distance back, shifted, is a value when the newest
// draw of the window has it too (shifted alike) and the draw itself has it.
template <int S, int D>
class TstRepValues final : public TCustomRepValues2Stat {
public:
    using TCustomRepValues2Stat::TCustomRepValues2Stat;

    int Shift() const override { return S; }
    int Distance() const override { return D; }

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (!HasDraw(index - D) || !HasDraw(lastIdx))
            return;
        const uint64_t wanted = NumberBits(RefDraw.Balls, S) & NumberBits(CurDraw.Balls);
        for (Ball n : DrawAt(index - D, sorted).Balls)
            if (model::isValidNumber(n))
                if (const int r = model::CyclicShift(n, S); Has(wanted, r))
                    AddValue(arr, PackKey(static_cast<int16_t>(r)), true);
    }
};

// Over three draws: a number of the draw that the newest draw of the window
// and the previous draw have, and the draw before that has too (RPV3) or has
// not (PRL2).
template <bool InThird>
class TstRepValues3 final : public TCustomRepValues2Stat {
public:
    using TCustomRepValues2Stat::TCustomRepValues2Stat;

    int Shift() const override { return 0; }
    int Distance() const override { return 2; }

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (!HasDraw(index - 2) || !HasDraw(lastIdx))
            return;
        const uint64_t third = NumbersAt(index - 2);
        const uint64_t wanted = NumberBits(RefDraw.Balls) & NumbersAt(index - 1) & (InThird ? third : ~third);
        for (Ball n : CurDraw.Balls)
            if (Has(wanted, n))
                AddValue(arr, PackKey(static_cast<int16_t>(n)), true);
    }
};

// ---- the count members: how many numbers repeat ---------------------------------------

class TCustomRepCount2Stat : public RepeatLayout<TCustomNumbersStat> {
public:
    using RepeatLayout::RepeatLayout;

    // 1..6; no repeat at all is listed once it occurs.
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, 1, model::BallCount);
    }

    // How many numbers of the combination lie among the numbers it is scored
    // against is a selected count.
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at) override
    {
        const uint64_t counted = CountedNumbers(at.LastIndex);
        ByteTable in{};
        for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
            in[static_cast<size_t>(n)] = Has(counted, n) ? 1 : 0;
        return MakeMatcher([in, t = SelectedCounts(selected)](const TComb& c) {
            return t[static_cast<size_t>(in[c[0]] + in[c[1]] + in[c[2]] + in[c[3]] + in[c[4]] + in[c[5]])] != 0;
        });
    }

protected:
    // The numbers a combination standing for the draw after lastIdx is scored
    // against; a draw before the archive contributes none.
    virtual uint64_t CountedNumbers(int lastIdx) const = 0;
};

// How many numbers of the draw Distance back, shifted, the draw has.
template <int S, int D>
class TstRepCount final : public TCustomRepCount2Stat {
public:
    using TCustomRepCount2Stat::TCustomRepCount2Stat;

    int Shift() const override { return S; }
    int Distance() const override { return D; }

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (!HasDraw(index - D))
            return;
        const uint64_t current = NumberBits(CurDraw.Balls);
        int16_t count = 0;
        for (Ball n : DrawAt(index - D, false).Balls)
            if (model::isValidNumber(n) && Has(current, model::CyclicShift(n, S)))
                ++count;
        AddValue(arr, PackKey(count), true);
    }

protected:
    // The combination's D-th predecessor is draw lastIdx - D + 1.
    uint64_t CountedNumbers(int lastIdx) const override { return NumbersAt(lastIdx - D + 1, S); }
};

// How many numbers of the draw the previous draw has and the one before it has
// too (RPC3) or has not (PRB2).
template <bool InThird>
class TstRepCount3 final : public TCustomRepCount2Stat {
public:
    using TCustomRepCount2Stat::TCustomRepCount2Stat;

    int Shift() const override { return 0; }
    int Distance() const override { return 2; }

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (!HasDraw(index - 2))
            return;
        const uint64_t wanted = repeated(NumbersAt(index - 1), NumbersAt(index - 2));
        int16_t count = 0;
        for (Ball n : CurDraw.Balls)
            count += Has(wanted, n) ? 1 : 0;
        AddValue(arr, PackKey(count), true);
    }

protected:
    // The combination's two predecessors are draws lastIdx and lastIdx - 1.
    uint64_t CountedNumbers(int lastIdx) const override { return repeated(NumbersAt(lastIdx), NumbersAt(lastIdx - 1)); }

private:
    static uint64_t repeated(uint64_t previous, uint64_t third) { return previous & (InThird ? third : ~third); }
};

template <class T>
constexpr MethodClass repeatClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>({.id = id, .caption = caption, .group = GroupRepeats, .flags = FlagD});
}

} // namespace

constinit const MethodClass TstRepValues2Class =
    repeatClass<TstRepValues<0, 1>>("RPV2", BELVANE_TEXT("Повторяющиеся числа в 2-х тиражах подряд"));
constinit const MethodClass TstRepValues3Class =
    repeatClass<TstRepValues3<true>>("RPV3", BELVANE_TEXT("Повторяющиеся числа в 3-х тиражах подряд"));
constinit const MethodClass TstRepValues2B3Class =
    repeatClass<TstRepValues3<false>>("PRL2", BELVANE_TEXT("Повторяющиеся числа не более чем в 2-х тиражах"));
constinit const MethodClass TstRepValues2over1Class =
    repeatClass<TstRepValues<0, 2>>("PRV2O1", BELVANE_TEXT("Повторяющиеся числа в 2-х тиражах через 1 тираж(а)"));
constinit const MethodClass TstRepValues2over2Class =
    repeatClass<TstRepValues<0, 3>>("PRV2O2", BELVANE_TEXT("Повторяющиеся числа в 2-х тиражах через 2 тираж(а)"));
constinit const MethodClass TstRepValues2over3Class =
    repeatClass<TstRepValues<0, 4>>("PRV2O3", BELVANE_TEXT("Повторяющиеся числа в 2-х тиражах через 3 тираж(а)"));
constinit const MethodClass TstRepValues2P1Class =
    repeatClass<TstRepValues<1, 1>>("PRV+1", BELVANE_TEXT("Данные предыдущего тиража + 1"));
constinit const MethodClass TstRepValues2N1Class =
    repeatClass<TstRepValues<-1, 1>>("PRV-1", BELVANE_TEXT("Данные предыдущего тиража - 1"));
constinit const MethodClass TstRepValues2P2Class =
    repeatClass<TstRepValues<2, 1>>("PRV+2", BELVANE_TEXT("Данные предыдущего тиража + 2"));
constinit const MethodClass TstRepValues2N2Class =
    repeatClass<TstRepValues<-2, 1>>("PRV-2", BELVANE_TEXT("Данные предыдущего тиража - 2"));
constinit const MethodClass TstRepCount2Class =
    repeatClass<TstRepCount<0, 1>>("RPC2", BELVANE_TEXT("Количество повторов в 2-х тиражах подряд"));
constinit const MethodClass TstRepCount3Class =
    repeatClass<TstRepCount3<true>>("RPC3", BELVANE_TEXT("Количество повторов в 3-х тиражах подряд"));
constinit const MethodClass TstRepCount2B3Class =
    repeatClass<TstRepCount3<false>>("PRB2", BELVANE_TEXT("Количество повторов не более чем в 2-х тиражах"));
constinit const MethodClass TstRepCount2over1Class =
    repeatClass<TstRepCount<0, 2>>("RPO1", BELVANE_TEXT("Количество повторов в 2-х тиражах через 1 тираж(а)"));
constinit const MethodClass TstRepCount2over2Class =
    repeatClass<TstRepCount<0, 3>>("PRC2O2", BELVANE_TEXT("Количество повторов в 2-х тиражах через 2 тираж(а)"));
constinit const MethodClass TstRepCount2over3Class =
    repeatClass<TstRepCount<0, 4>>("PRC2O3", BELVANE_TEXT("Количество повторов в 2-х тиражах через 3 тираж(а)"));
constinit const MethodClass TstRepCount2P1Class =
    repeatClass<TstRepCount<1, 1>>("PRC+1", BELVANE_TEXT("Количество совпадений \"значений + 1\""));
constinit const MethodClass TstRepCount2N1Class =
    repeatClass<TstRepCount<-1, 1>>("PRC-1", BELVANE_TEXT("Количество совпадений \"значений - 1\""));
constinit const MethodClass TstRepCount2P2Class =
    repeatClass<TstRepCount<2, 1>>("PRC+2", BELVANE_TEXT("Количество совпадений \"значений + 2\""));
constinit const MethodClass TstRepCount2N2Class =
    repeatClass<TstRepCount<-2, 1>>("PRC-2", BELVANE_TEXT("Количество совпадений \"значений - 2\""));

} // namespace belvane::stats
