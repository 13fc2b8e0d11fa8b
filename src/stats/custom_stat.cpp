#include "stats/custom_stat.h"

#include "model/number_sets.h"
#include "support/text.h"

namespace belvane::stats {
namespace {

const TDrawsArray kNoDraws;

} // namespace

TCustomStat::TCustomStat(const MethodClass& statClass, const MethodContext& context, int param)
    : Param(param), Draws(context.Draws ? context.Draws : &kNoDraws), context_(context), class_(statClass)
{
}

int32_t TCustomStat::TextToValue(std::string_view text) const
{
    return text::toIntDef(text, 0);
}

int32_t TCustomStat::ParseValue(std::string_view text) const
{
    return class_.ValueFromText() ? TextToValue(text) : 0;
}

void TCustomStat::InitValues(int, TStatDrawArray&)
{
    Cur = {};
}

TDraw TCustomStat::DrawAt(int index, bool sorted) const
{
    if (index < 0 || index > HighIndex())
        return {};
    const TDraw& d = (*Draws)[static_cast<size_t>(index)];
    return sorted ? model::SortedDraw(d) : d;
}

void TCustomStat::LoadDraws(int index, int refIndex, bool sorted)
{
    CurDraw = DrawAt(index, sorted);
    if (class_.GetFlags() & FlagD)
        RefDraw = DrawAt(refIndex, sorted);
}

void TCustomStat::NumbersValues(const TComb&, KeyList&) const {}

void TCustomStat::ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& out) const
{
    for (const TComb& comb : combs) {
        if (!out.hasRoom())
            return;
        KeyList keys = out.next();
        NumbersValues(comb, keys);
        out.keep(keys);
    }
}

bool TCustomStat::TracksGapAt(size_t) const
{
    return true;
}

void TCustomStat::AddValue(TStatDrawArray& arr, uint64_t key, bool trackGaps)
{
    TStatDraw rec = Cur;
    SetKey(rec, key);
    AddStatDraw(arr, rec, trackGaps);
}

void TCustomStat::AddSeed(TStatDrawArray& arr, uint64_t key)
{
    TStatDraw rec;
    SetKey(rec, key);
    AddStatDraw(arr, rec, false);
}

void TCustomStat::AddSeeds(TStatDrawArray& arr, int from, int to)
{
    for (int v = from; v <= to; ++v)
        AddSeed(arr, PackKey(static_cast<int16_t>(v)));
}

void TCustomStat::CombValues(const TComb& comb, TStatDrawArray& arr)
{
    Cur = {};
    Cur.Count = 1;
    if (!class_.CanPrefetch())
        return;
    KeyList keys;
    NumbersValues(comb, keys);
    for (uint64_t key : keys)
        AddValue(arr, key, false);
}

void TCustomStat::DrawValues(int index, int lastIdx, TLastValueArray&, GapWork&, TStatDrawArray& arr, bool sorted)
{
    LoadDraws(index, lastIdx, sorted);
    Cur = {};
    Cur.LastDraw = CurDraw.Number;
    Cur.PrevDraw = CurDraw.Number;
    Cur.Ago = lastIdx - index + 1;
    Cur.Count = 1;

    KeyList keys;
    NumbersValues(CurDraw.Balls, keys);
    for (size_t i = 0; i < keys.size(); ++i)
        AddValue(arr, keys[i], TracksGapAt(i));
}

int TCustomStat::FindNextDraw(const TStatDraw& rec, int fromIdx, bool sorted, int lastIdx)
{
    GapWork work;
    TStatDrawArray values;
    TLastValueArray lastValues;
    for (int index = std::max(fromIdx, 0); index <= HighIndex(); ++index) {
        values.clear();
        lastValues.clear();
        DrawValues(index, lastIdx, lastValues, work, values, sorted);
        if (const TStatDraw* found = FindKey(values, KeyOf(rec)))
            return found->LastDraw;
    }
    return -1;
}

std::unique_ptr<Matcher> TCustomStat::PrepareMatches(const TStatDrawArray& selected, const MatchContext&)
{
    // The general test: any value of the combination's numbers equals a selected key.
    return MakeMatcher([this, set = ValueSet::of(selected, project::Key)](const TComb& comb) {
        KeyList keys;
        NumbersValues(comb, keys);
        for (uint64_t key : keys)
            if (set.contains(static_cast<int64_t>(key)))
                return true;
        return false;
    });
}

bool TCustomStat::Matches(const TComb& comb, const TStatDrawArray& selected, [[maybe_unused]] bool mode, bool sorted,
                          int lastIdx)
{
    return PrepareMatches(selected, {lastIdx, sorted})->matches(comb);
}

} // namespace belvane::stats
