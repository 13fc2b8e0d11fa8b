#include "stats/chains.h"

#include <array>
#include <optional>

#include "stats/channels.h"
#include "stats/config_data.h"
#include "stats/group_stats.h"
#include "stats/segments.h"
#include "support/delphi_format.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

// How the parts of a value are written: plain decimal, or at least two digits (channels).
enum class PartStyle { Plain, TwoDigits };

// The draws one chain step compares, all read in the same order (sorted or as
// drawn): this draw D0, the one or two before it (D1, D2), the newest draw of
// the window R0 and the one before it R1.
struct ChainDraws {
    TComb D0{};
    TComb D1{};
    TComb D2{};
    TComb R0{};
    TComb R1{};
};

// The root of the family. The aspect a chain follows is a table over all
// bytes: the number itself, its channel or its segment; NoGroup for a byte
// that is no number of the game.
class TCustomChainStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;

    const GroupTable& Aspect() const { return aspect_; }

protected:
    void SetAspect(const GroupTable& aspect, PartStyle style)
    {
        aspect_ = aspect;
        Style = style;
    }
    std::string PartText(int part) const
    {
        return Style == PartStyle::TwoDigits ? DelphiFormat("%.2d", {int64_t{part}}) : std::to_string(part);
    }
    bool InArchive(int index) const { return index >= 0 && index <= HighIndex(); }

    PartStyle Style = PartStyle::Plain;

private:
    GroupTable aspect_{};
};

// ---- the aspects ----------------------------------------------------------------

const GroupTable kNumbersThemselves = MakeGroupTable([](int n) { return n; });

class TCustomChainValuesStat : public TCustomChainStat {
public:
    TCustomChainValuesStat(const MethodClass& c, const MethodContext& context, int param)
        : TCustomChainStat(c, context, param)
    {
        SetAspect(kNumbersThemselves, PartStyle::Plain);
    }
};

class TCustomChainChannelsStat : public ChannelLayoutBase<TCustomChainStat> {
public:
    TCustomChainChannelsStat(const MethodClass& c, const MethodContext& context, int param)
        : ChannelLayoutBase(c, context, param)
    {
        SetAspect(ChannelTable(), PartStyle::TwoDigits);
    }
    // The counts of numbers in one channel listed in advance: 0..S.
    int CountSeedsUpTo() const { return ChannelSize(); }
};

class TCustomChainSegmentsStat : public SegmentLayoutBase<TCustomChainStat> {
public:
    TCustomChainSegmentsStat(const MethodClass& c, const MethodContext& context, int param)
        : SegmentLayoutBase(c, context, param)
    {
        SetAspect(SegmentTable(), PartStyle::Plain);
    }
    // Only the count 0 is listed in advance.
    int CountSeedsUpTo() const { return 0; }
};

// ---- chains over two or three draws --------------------------------------------------

// A chain over `Draws` draws: values (from, to) or (from two back, from one
// back, to). A draw whose predecessors are not in the archive, or a window
// whose newest draw (or, over three draws, the one before it) is not, gives
// no value, and a filter without those reference draws matches nothing.
template <class AspectBase, int Draws>
class ChainOfDraws : public AspectBase {
    static_assert(Draws == 2 || Draws == 3);

public:
    using AspectBase::AspectBase;
    static constexpr int DrawCount = Draws;

    // "12 -> 14", "3-5 -> 7", "02 -> 05".
    std::string ValueToText(const TStatDraw& value) const override
    {
        if (Draws == 2)
            return this->PartText(value.V1) + " -> " + this->PartText(value.V2);
        return this->PartText(value.V1) + "-" + this->PartText(value.V2) + " -> " + this->PartText(value.V3);
    }

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (!this->InArchive(index) || !this->InArchive(index - (Draws - 1)) || !ReferencesPresent(lastIdx))
            return;
        ChainDraws d;
        d.D0 = this->CurDraw.Balls;
        d.R0 = this->RefDraw.Balls;
        d.D1 = this->DrawAt(index - 1, sorted).Balls;
        if (Draws == 3) {
            d.D2 = this->DrawAt(index - 2, sorted).Balls;
            d.R1 = this->DrawAt(lastIdx - 1, sorted).Balls;
        }
        KeyList keys;
        ChainValues(d, keys);
        for (uint64_t key : keys)
            this->AddValue(arr, key, true);
    }

    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at) override
    {
        if (!ReferencesPresent(at.LastIndex))
            return NeverMatcher();
        return PrepareChainMatches(selected, at);
    }

protected:
    // The values of one draw whose predecessors and reference draws exist.
    virtual void ChainValues(const ChainDraws& d, KeyList& keys) const = 0;
    // The filter test, the reference draws being there.
    virtual std::unique_ptr<Matcher> PrepareChainMatches(const TStatDrawArray& selected,
                                                         const MatchContext& at) const = 0;

    bool ReferencesPresent(int lastIdx) const
    {
        return this->InArchive(lastIdx) && (Draws == 2 || this->InArchive(lastIdx - 1));
    }

    // The key of a step: (before1, now), or (before2, before1, now) over three draws.
    static uint64_t ChainKey(int before2, int before1, int now)
    {
        const auto part = [](int v) { return static_cast<int16_t>(v); };
        return Draws == 2 ? PackKey(part(before1), part(now)) : PackKey(part(before2), part(before1), part(now));
    }
    // The part the next draw fills: the successor.
    static int16_t Successor(const TStatDraw& value) { return Draws == 2 ? value.V2 : value.V3; }
    static std::optional<int64_t> SuccessorOf(const TStatDraw& value) { return Successor(value); }
};

// ---- numbers, channels, segments: all of them, by position, one position -----------

enum class ChainRule {
    All,         // every number of D1 whose aspect R0 has, against every number of D0
    Positions,   // position by position, where the earlier draws agree with the references
    OnePosition, // the same at position Param only
};

template <class DrawsBase, ChainRule Rule>
class TstChainRule final : public DrawsBase {
public:
    using DrawsBase::DrawsBase;

protected:
    void ChainValues(const ChainDraws& d, KeyList& keys) const override
    {
        const GroupTable& a = this->Aspect();
        if constexpr (Rule == ChainRule::All) {
            const uint64_t reference = OccupiedGroups(d.R0, a);
            for (model::Ball r : d.D1)
                if ((GroupBit(a[r]) & reference) != 0)
                    for (model::Ball x : d.D0)
                        if (a[x] != NoGroup)
                            keys.add(this->ChainKey(0, a[r], a[x]));
        } else if constexpr (Rule == ChainRule::Positions) {
            for (size_t i = 0; i < model::BallCount; ++i)
                step(d, i, keys);
        } else if (this->Param >= 1 && this->Param <= model::BallCount) {
            step(d, static_cast<size_t>(this->Param - 1), keys);
        }
    }

    // Any number of the combination whose aspect is a selected successor.
    std::unique_ptr<Matcher> PrepareChainMatches(const TStatDrawArray& selected, const MatchContext&) const override
    {
        const ByteTable wanted = SelectedBytes(selected, &DrawsBase::SuccessorOf);
        const GroupTable& a = this->Aspect();
        ByteTable t{};
        for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
            t[static_cast<size_t>(n)] = a[static_cast<size_t>(n)] != NoGroup ? wanted[a[static_cast<size_t>(n)]] : 0;
        return MakeMatcher(
            [t](const TComb& c) { return (t[c[0]] | t[c[1]] | t[c[2]] | t[c[3]] | t[c[4]] | t[c[5]]) != 0; });
    }

private:
    void step(const ChainDraws& d, size_t i, KeyList& keys) const
    {
        const GroupTable& a = this->Aspect();
        const uint8_t before1 = a[d.D1[i]];
        const uint8_t now = a[d.D0[i]];
        if (before1 == NoGroup || now == NoGroup || before1 != a[d.R0[i]])
            return;
        if constexpr (DrawsBase::DrawCount == 3) {
            const uint8_t before2 = a[d.D2[i]];
            if (before2 == NoGroup || before2 != a[d.R1[i]])
                return;
            keys.add(this->ChainKey(before2, before1, now));
        } else {
            keys.add(this->ChainKey(0, before1, now));
        }
    }
};

// ---- how many numbers lie in channel (segment) Param ---------------------------------

template <class DrawsBase>
class TstChainCount final : public DrawsBase {
public:
    TstChainCount(const MethodClass& c, const MethodContext& context, int param) : DrawsBase(c, context, param)
    {
        this->Style = PartStyle::Plain;
        const GroupTable& a = this->Aspect();
        for (size_t b = 0; b < in_.size(); ++b)
            in_[b] = a[b] != NoGroup && a[b] == param ? 1 : 0;
    }

    // The successors of the reference counts: (c(R0), t), or (c(R1), c(R0), t).
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        if (!this->ReferencesPresent(lastIdx))
            return;
        const int r0 = countIn(this->DrawAt(lastIdx, false).Balls);
        const int r1 = DrawsBase::DrawCount == 3 ? countIn(this->DrawAt(lastIdx - 1, false).Balls) : 0;
        for (int t = 0; t <= this->CountSeedsUpTo(); ++t)
            this->AddSeed(arr, this->ChainKey(r1, r0, t));
    }

protected:
    void ChainValues(const ChainDraws& d, KeyList& keys) const override
    {
        const int before1 = countIn(d.D1);
        if (before1 != countIn(d.R0))
            return;
        const int before2 = DrawsBase::DrawCount == 3 ? countIn(d.D2) : 0;
        if (DrawsBase::DrawCount == 3 && before2 != countIn(d.R1))
            return;
        keys.add(this->ChainKey(before2, before1, countIn(d.D0)));
    }

    // The combination's count in the channel (segment) is a selected successor.
    std::unique_ptr<Matcher> PrepareChainMatches(const TStatDrawArray& selected, const MatchContext&) const override
    {
        std::array<uint8_t, model::BallCount + 1> wanted{};
        for (const TStatDraw& rec : selected)
            if (const int16_t v = DrawsBase::Successor(rec); v >= 0 && v <= model::BallCount)
                wanted[static_cast<size_t>(v)] = 1;
        return MakeMatcher([wanted, in = in_](const TComb& c) {
            return wanted[static_cast<size_t>(in[c[0]] + in[c[1]] + in[c[2]] + in[c[3]] + in[c[4]] + in[c[5]])] != 0;
        });
    }

private:
    int countIn(const TComb& c) const { return in_[c[0]] + in_[c[1]] + in_[c[2]] + in_[c[3]] + in_[c[4]] + in_[c[5]]; }

    std::array<uint8_t, 256> in_{};
};

// ---- numbers inside their channel ------------------------------------------------------

using TCustomChainChannels2Stat = ChainOfDraws<TCustomChainChannelsStat, 2>;

enum class InsideMode {
    All,          // every same-channel successor (r, x), or (r, 0) when there is none
    Successful,   // only the (r, x)
    Unsuccessful, // only the (r, 0)
    Count,        // (r, how many numbers of D0 share r's channel)
};

// For every number r of D1 that the newest draw has: what D0 holds in r's channel.
template <InsideMode Mode>
class TCustomChainChannels2Inside final : public TCustomChainChannels2Stat {
public:
    TCustomChainChannels2Inside(const MethodClass& c, const MethodContext& context, int param)
        : TCustomChainChannels2Stat(c, context, param)
    {
        if (Mode == InsideMode::Count)
            Style = PartStyle::Plain;
    }

protected:
    void ChainValues(const ChainDraws& d, KeyList& keys) const override
    {
        const GroupTable& a = Aspect();
        const uint64_t reference = numberBits(d.R0);
        for (model::Ball r : d.D1) {
            if (a[r] == NoGroup || (reference >> r & 1) == 0)
                continue;
            int successor = 0;
            for (model::Ball x : d.D0) {
                if (a[x] != a[r])
                    continue;
                if (Mode == InsideMode::Count) {
                    ++successor;
                } else {
                    successor = x;
                    if (Mode != InsideMode::Unsuccessful)
                        keys.add(ChainKey(0, r, x));
                }
            }
            if (Mode == InsideMode::Count || (successor == 0 && Mode != InsideMode::Successful))
                keys.add(ChainKey(0, r, successor));
        }
    }

    // Only the values of numbers p of the newest draw can match: (p, x) when
    // the combination holds x; (p, 0) when it has no number in p's channel;
    // in the count mode (p, k) when it has exactly k there.
    std::unique_ptr<Matcher> PrepareChainMatches(const TStatDrawArray& selected, const MatchContext& at) const override
    {
        const GroupTable& a = Aspect();
        const uint64_t reference = numberBits(DrawAt(at.LastIndex, at.Sorted).Balls);
        const auto ofNewest = [reference](const TStatDraw& s) {
            return model::isValidNumber(s.V1) && (reference >> s.V1 & 1) != 0;
        };
        if constexpr (Mode == InsideMode::Count) {
            // Each channel of the newest draw gets a four-bit slot of a
            // counter; a combination's counts in all of them come from one sum.
            std::array<uint8_t, 64> slotOf{};
            slotOf.fill(kNoSlot);
            std::array<uint8_t, kSlots> wantedCounts{}; // per slot, bit k: the count k is selected
            int slots = 0;
            for (const TStatDraw& s : selected) {
                if (!ofNewest(s) || s.V2 < 0 || s.V2 > model::BallCount)
                    continue;
                const uint8_t channel = a[static_cast<size_t>(s.V1)];
                if (slotOf[channel] == kNoSlot)
                    slotOf[channel] = static_cast<uint8_t>(slots++);
                wantedCounts[slotOf[channel]] |= static_cast<uint8_t>(1u << s.V2);
            }
            std::array<uint32_t, 256> counter{};
            for (size_t b = 0; b < counter.size(); ++b)
                if (a[b] < slotOf.size() && slotOf[a[b]] != kNoSlot)
                    counter[b] = uint32_t{1} << (4 * slotOf[a[b]]);
            return MakeMatcher([counter, wantedCounts](const TComb& c) {
                const uint32_t sum =
                    counter[c[0]] + counter[c[1]] + counter[c[2]] + counter[c[3]] + counter[c[4]] + counter[c[5]];
                uint32_t hit = 0;
                for (size_t slot = 0; slot < kSlots; ++slot)
                    hit |= uint32_t{wantedCounts[slot]} >> (sum >> (4 * slot) & 15);
                return (hit & 1) != 0;
            });
        } else {
            ByteTable successors{};
            uint64_t emptyChannels = 0;
            for (const TStatDraw& s : selected) {
                if (!ofNewest(s))
                    continue;
                if (s.V2 == 0)
                    emptyChannels |= GroupBit(a[static_cast<size_t>(s.V1)]);
                else if (s.V2 > 0 && s.V2 < 256)
                    successors[static_cast<size_t>(s.V2)] = 1;
            }
            return MakeMatcher([successors, emptyChannels, a](const TComb& c) {
                return (successors[c[0]] | successors[c[1]] | successors[c[2]] | successors[c[3]] | successors[c[4]] |
                        successors[c[5]]) != 0 ||
                       (emptyChannels & ~OccupiedGroups(c, a)) != 0;
            });
        }
    }

private:
    // The newest draw has at most six channels.
    static constexpr size_t kSlots = model::BallCount;
    static constexpr uint8_t kNoSlot = 255;

    // The numbers 1..45 of six bytes as bits; other bytes set none.
    static uint64_t numberBits(const TComb& c)
    {
        uint64_t bits = 0;
        for (model::Ball n : c)
            if (model::isValidNumber(n))
                bits |= uint64_t{1} << n;
        return bits;
    }
};

// ---- the members -------------------------------------------------------------------------

using TCustomChainValues2Stat = ChainOfDraws<TCustomChainValuesStat, 2>;
using TCustomChainValues3Stat = ChainOfDraws<TCustomChainValuesStat, 3>;
using TCustomChainChannels3Stat = ChainOfDraws<TCustomChainChannelsStat, 3>;
using TCustomChainSegments2Stat = ChainOfDraws<TCustomChainSegmentsStat, 2>;
using TCustomChainSegments3Stat = ChainOfDraws<TCustomChainSegmentsStat, 3>;

using TstChain2DrawsAll = TstChainRule<TCustomChainValues2Stat, ChainRule::All>;
using TstChain2DrawsPos = TstChainRule<TCustomChainValues2Stat, ChainRule::Positions>;
using TstChain2Pos = TstChainRule<TCustomChainValues2Stat, ChainRule::OnePosition>;
using TstChain3DrawsPos = TstChainRule<TCustomChainValues3Stat, ChainRule::Positions>;
using TstChain3Pos = TstChainRule<TCustomChainValues3Stat, ChainRule::OnePosition>;
using TstChain2ChannelsAll = TstChainRule<TCustomChainChannels2Stat, ChainRule::All>;
using TstChain2ChannelsPos = TstChainRule<TCustomChainChannels2Stat, ChainRule::Positions>;
using TstChain2Channel = TstChainRule<TCustomChainChannels2Stat, ChainRule::OnePosition>;
using TstChain3ChannelsPos = TstChainRule<TCustomChainChannels3Stat, ChainRule::Positions>;
using TstChain3Channel = TstChainRule<TCustomChainChannels3Stat, ChainRule::OnePosition>;
using TstChain2CnlCnt = TstChainCount<TCustomChainChannels2Stat>;
using TstChain3CnlCnt = TstChainCount<TCustomChainChannels3Stat>;
using TstChainChannels2InsideAll = TCustomChainChannels2Inside<InsideMode::All>;
using TstChainChannels2InsideSuc = TCustomChainChannels2Inside<InsideMode::Successful>;
using TstChainChannels2InsideBad = TCustomChainChannels2Inside<InsideMode::Unsuccessful>;
using TstChainChannels2InsideCnt = TCustomChainChannels2Inside<InsideMode::Count>;
using TstChain2SegmentsAll = TstChainRule<TCustomChainSegments2Stat, ChainRule::All>;
using TstChain2SegmentsPos = TstChainRule<TCustomChainSegments2Stat, ChainRule::Positions>;
using TstChain2Segment = TstChainRule<TCustomChainSegments2Stat, ChainRule::OnePosition>;
using TstChain3SegmentsPos = TstChainRule<TCustomChainSegments3Stat, ChainRule::Positions>;
using TstChain3Segment = TstChainRule<TCustomChainSegments3Stat, ChainRule::OnePosition>;
using TstChain2SgmCnt = TstChainCount<TCustomChainSegments2Stat>;
using TstChain3SgmCnt = TstChainCount<TCustomChainSegments3Stat>;

ParamRange positionRange(const TConfigData&)
{
    return {1, model::BallCount};
}

template <class T>
constexpr MethodClass chainClass(std::string_view id, std::string_view caption, uint8_t flags,
                                 std::string_view helpId = {}, MethodClass::RangeOf range = nullptr)
{
    return MakeStatClass<T>({.id = id,
                             .caption = caption,
                             .helpId = helpId,
                             .group = GroupChains,
                             .flags = static_cast<uint8_t>(flags | FlagD),
                             .valueFromText = false,
                             .paramRange = range});
}

constexpr uint8_t InOrder = FlagS; // the member reads positions: the order of the numbers matters
constexpr uint8_t AnyOrder = 0;

} // namespace

// Captions carry the number of draws already; "%d" takes the position, channel or segment.
constinit const MethodClass TstChain2DrawsAllClass =
    chainClass<TstChain2DrawsAll>("SDV2", BELVANE_TEXT("Переходы чисел между 2 тиражами без учета позиции"), AnyOrder);
constinit const MethodClass TstChain2DrawsPosClass =
    chainClass<TstChain2DrawsPos>("SDP2", BELVANE_TEXT("Переходы чисел между 2 тиражами с учетом позиции"), InOrder);
constinit const MethodClass TstChain2PosClass = chainClass<TstChain2Pos>(
    "SDN%d", BELVANE_TEXT("Переходы чисел между 2 тиражами в %d позиции"), InOrder, "SDNx", positionRange);
constinit const MethodClass TstChain3DrawsPosClass =
    chainClass<TstChain3DrawsPos>("SDP3", BELVANE_TEXT("Переходы чисел между 3 тиражами с учетом позиции"), InOrder);
constinit const MethodClass TstChain3PosClass = chainClass<TstChain3Pos>(
    "SDM%d", BELVANE_TEXT("Переходы чисел между 3 тиражами в %d позиции"), InOrder, "SDMx", positionRange);
constinit const MethodClass TstChain2ChannelsAllClass = chainClass<TstChain2ChannelsAll>(
    "SCV2", BELVANE_TEXT("Переходы каналов между 2 тиражами без учета позиции"), AnyOrder);
constinit const MethodClass TstChain2ChannelsPosClass = chainClass<TstChain2ChannelsPos>(
    "SCP2", BELVANE_TEXT("Переходы каналов между 2 тиражами с учетом позиции"), InOrder);
constinit const MethodClass TstChain2ChannelClass = chainClass<TstChain2Channel>(
    "SCN%d", BELVANE_TEXT("Переходы каналов между 2 тиражами в %d позиции"), InOrder, "SCNx", positionRange);
constinit const MethodClass TstChain3ChannelsPosClass = chainClass<TstChain3ChannelsPos>(
    "SCP3", BELVANE_TEXT("Переходы каналов между 3 тиражами с учетом позиции"), InOrder);
constinit const MethodClass TstChain3ChannelClass = chainClass<TstChain3Channel>(
    "SCM%d", BELVANE_TEXT("Переходы каналов между 3 тиражами в %d позиции"), InOrder, "SCMx", positionRange);
constinit const MethodClass TstChain2CnlCntClass = chainClass<TstChain2CnlCnt>(
    "SC2C%d", BELVANE_TEXT("Переходы кол-ва чисел в %d канале между 2 тиражами"), AnyOrder, "SC2Cx", ChannelParamRange);
constinit const MethodClass TstChain3CnlCntClass = chainClass<TstChain3CnlCnt>(
    "SC3C%d", BELVANE_TEXT("Переходы кол-ва чисел в %d канале между 3 тиражами"), AnyOrder, "SC3Cx", ChannelParamRange);
constinit const MethodClass TstChainChannels2InsideAllClass =
    chainClass<TstChainChannels2InsideAll>("SDA2", BELVANE_TEXT("Переходы чисел в пределах каналов (все)"), AnyOrder);
constinit const MethodClass TstChainChannels2InsideSucClass = chainClass<TstChainChannels2InsideSuc>(
    "SDG2", BELVANE_TEXT("Переходы чисел в пределах каналов (N-M, удачные)"), AnyOrder);
constinit const MethodClass TstChainChannels2InsideBadClass = chainClass<TstChainChannels2InsideBad>(
    "SDZ2", BELVANE_TEXT("Переходы чисел в пределах каналов (N-0, не удачные)"), AnyOrder);
constinit const MethodClass TstChainChannels2InsideCntClass = chainClass<TstChainChannels2InsideCnt>(
    "SDC2", BELVANE_TEXT("Переходы чисел в пределах каналов (количество)"), AnyOrder);
constinit const MethodClass TstChain2SegmentsAllClass = chainClass<TstChain2SegmentsAll>(
    "SSV2", BELVANE_TEXT("Переходы сегментов между 2 тиражами без учета позиции"), AnyOrder);
constinit const MethodClass TstChain2SegmentsPosClass = chainClass<TstChain2SegmentsPos>(
    "SSP2", BELVANE_TEXT("Переходы сегментов между 2 тиражами с учетом позиции"), InOrder);
constinit const MethodClass TstChain2SegmentClass = chainClass<TstChain2Segment>(
    "SSN%d", BELVANE_TEXT("Переходы сегментов между 2 тиражами в %d позиции"), InOrder, "SSNx", positionRange);
constinit const MethodClass TstChain3SegmentsPosClass = chainClass<TstChain3SegmentsPos>(
    "SSP3", BELVANE_TEXT("Переходы сегментов между 3 тиражами с учетом позиции"), InOrder);
constinit const MethodClass TstChain3SegmentClass = chainClass<TstChain3Segment>(
    "SSM%d", BELVANE_TEXT("Переходы сегментов между 3 тиражами в %d позиции"), InOrder, "SSMx", positionRange);
constinit const MethodClass TstChain2SgmCntClass = chainClass<TstChain2SgmCnt>(
    "SS2C%d", BELVANE_TEXT("Переходы кол-ва чисел в %d сегменте между 2 тиражами"), AnyOrder, "SS2Cx", SegmentRange);
constinit const MethodClass TstChain3SgmCntClass = chainClass<TstChain3SgmCnt>(
    "SS3C%d", BELVANE_TEXT("Переходы кол-ва чисел в %d сегменте между 3 тиражами"), AnyOrder, "SS3Cx", SegmentRange);

} // namespace belvane::stats
