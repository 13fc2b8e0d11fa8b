#include "stats/stat_values.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace belvane::stats {

void SetKey(TStatDraw& d, uint64_t key)
{
    d.V1 = static_cast<int16_t>(key >> 48);
    d.V2 = static_cast<int16_t>(key >> 32);
    d.V3 = static_cast<int16_t>(key >> 16);
    d.V4 = static_cast<int16_t>(key);
}

bool SameKey(const TStatDraw& a, const TStatDraw& b)
{
    return a.V1 == b.V1 && a.V2 == b.V2 && a.V3 == b.V3 && a.V4 == b.V4;
}

namespace {

int32_t joinHalves(int16_t low, int16_t high)
{
    return static_cast<int32_t>(uint32_t{static_cast<uint16_t>(low)} | uint32_t{static_cast<uint16_t>(high)} << 16);
}

} // namespace

int32_t LowInt(const TStatDraw& d)
{
    return joinHalves(d.V1, d.V2);
}

int32_t HighInt(const TStatDraw& d)
{
    return joinHalves(d.V3, d.V4);
}

void SetLowInt(TStatDraw& d, int32_t value)
{
    d.V1 = static_cast<int16_t>(value);
    d.V2 = static_cast<int16_t>(static_cast<uint32_t>(value) >> 16);
}

void SetHighInt(TStatDraw& d, int32_t value)
{
    d.V3 = static_cast<int16_t>(value);
    d.V4 = static_cast<int16_t>(static_cast<uint32_t>(value) >> 16);
}

uint64_t KeyOfInts(int32_t low, int32_t high)
{
    TStatDraw d;
    SetLowInt(d, low);
    SetHighInt(d, high);
    return KeyOf(d);
}

uint8_t KeyByte(const TStatDraw& d, int n)
{
    const int16_t parts[4] = {d.V1, d.V2, d.V3, d.V4};
    if (n < 1 || n > 8)
        return 0;
    const auto part = static_cast<uint16_t>(parts[(n - 1) / 2]);
    return static_cast<uint8_t>((n % 2 == 1) ? part : part >> 8);
}

namespace {

// Arrays this short are searched element by element: cheaper than hashing,
// and the many small arrays of one-draw look-ups never allocate positions.
constexpr size_t kPositionsFrom = 32;

template <class Array>
auto* findLinear(Array& arr, uint64_t key)
{
    auto it = std::find_if(arr.begin(), arr.end(), [&](const TStatDraw& e) { return KeyOf(e) == key; });
    return it == arr.end() ? nullptr : &*it;
}

} // namespace

void TStatDrawArray::catchUp()
{
    if (indexed_ > size())
        forget();
    for (; indexed_ < size(); ++indexed_)
        positions_.insert(KeyOf((*this)[indexed_]), static_cast<uint32_t>(indexed_));
}

TStatDraw* FindKey(TStatDrawArray& arr, uint64_t key)
{
    if (arr.size() < kPositionsFrom)
        return findLinear(arr, key);
    arr.catchUp();
    uint32_t at = arr.positions_.find(key);
    if (at == KeyPositions::None)
        return nullptr;
    if (KeyOf(arr[at]) != key) {
        // The elements moved since their positions were stored.
        arr.forget();
        arr.catchUp();
        at = arr.positions_.find(key);
    }
    return at == KeyPositions::None ? nullptr : &arr[at];
}

const TStatDraw* FindKey(const TStatDrawArray& arr, uint64_t key)
{
    // Positions are read only when they cover every element: a const array
    // may be searched from several threads at once and is never changed here.
    if (arr.size() < kPositionsFrom || arr.indexed_ != arr.size())
        return findLinear(arr, key);
    const uint32_t at = arr.positions_.find(key);
    if (at == KeyPositions::None)
        return nullptr;
    return KeyOf(arr[at]) == key ? &arr[at] : findLinear(arr, key);
}

void AddStatDraw(TStatDrawArray& arr, const TStatDraw& rec, bool trackGaps)
{
    TStatDraw* found = FindKey(arr, KeyOf(rec));
    if (found == nullptr) {
        arr.push_back(rec);
        return;
    }
    TStatDraw& e = *found;
    e.Count += rec.Count;
    if (e.Ago == 0 || (rec.Ago > 0 && e.Ago >= rec.Ago)) {
        e.LastDraw = rec.LastDraw;
        e.Ago = rec.Ago;
    }
    if (trackGaps && rec.LastDraw > 0 && e.PrevDraw > 0) {
        // Gaps are kept in 16 bits, as the record stores them.
        const auto gap = static_cast<uint16_t>(std::abs(e.PrevDraw - rec.LastDraw));
        if (gap < e.MinGap || e.MinGap == 0)
            e.MinGap = gap;
        if (gap > e.MaxGap || e.MaxGap == 0)
            e.MaxGap = gap;
    }
    e.PrevDraw = rec.LastDraw;
}

bool HasKey(const TStatDrawArray& arr, uint64_t key)
{
    return FindKey(arr, key) != nullptr;
}

bool HasKeyPart(const TStatDrawArray& arr, int part, int16_t value)
{
    return std::any_of(arr.begin(), arr.end(), [&](const TStatDraw& e) {
        const int16_t parts[4] = {e.V1, e.V2, e.V3, e.V4};
        return part >= 1 && part <= 4 && parts[part - 1] == value;
    });
}

bool HasLowInt(const TStatDrawArray& arr, int32_t value)
{
    return std::any_of(arr.begin(), arr.end(), [&](const TStatDraw& e) { return LowInt(e) == value; });
}

bool HasHighInt(const TStatDrawArray& arr, int32_t value)
{
    return std::any_of(arr.begin(), arr.end(), [&](const TStatDraw& e) { return HighInt(e) == value; });
}

bool HasInts(const TStatDrawArray& arr, int32_t low, int32_t high)
{
    return std::any_of(arr.begin(), arr.end(),
                       [&](const TStatDraw& e) { return LowInt(e) == low && HighInt(e) == high; });
}

bool HasKeyByte(const TStatDrawArray& arr, int n, uint8_t value)
{
    return std::any_of(arr.begin(), arr.end(), [&](const TStatDraw& e) { return KeyByte(e, n) == value; });
}

void SortStatDraws(TStatDrawArray& arr)
{
    std::stable_sort(arr.begin(), arr.end(),
                     [](const TStatDraw& a, const TStatDraw& b) { return KeyOf(a) < KeyOf(b); });
    arr.forget();
}

ValueTotals StatTotals(const TStatDrawArray& arr)
{
    ValueTotals t;
    for (size_t i = 0; i < arr.size(); ++i) {
        const TStatDraw& e = arr[i];
        t.Total += e.Count;
        t.MinCount = i == 0 ? e.Count : std::min(t.MinCount, e.Count);
        t.MaxCount = i == 0 ? e.Count : std::max(t.MaxCount, e.Count);
        if (e.Ago > t.MaxAgo)
            t.MaxAgo = e.Ago;
    }
    return t;
}

TStatDraw ToStatDraw(const TStatCount& c)
{
    TStatDraw d;
    d.V1 = c.V1;
    d.V2 = c.V2;
    d.V3 = c.V3;
    d.V4 = c.V4;
    d.Count = c.Count;
    return d;
}

int32_t StepLastValue(TLastValueArray& arr, uint64_t key, int32_t drawNumber)
{
    TStatDraw k;
    SetKey(k, key);
    for (TLastValue& e : arr) {
        if (e.V1 == k.V1 && e.V2 == k.V2 && e.V3 == k.V3 && e.V4 == k.V4) {
            // Draw numbers come from a file: their difference may not fit.
            const int64_t interval = int64_t{drawNumber} - e.DrawNumber;
            e.DrawNumber = drawNumber;
            return static_cast<int32_t>(std::clamp<int64_t>(interval, std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
        }
    }
    arr.push_back({drawNumber, k.V1, k.V2, k.V3, k.V4});
    return -1;
}

int AddStatSimple(TStatSimpleArray& arr, int32_t key, int32_t amount)
{
    for (size_t i = 0; i < arr.size(); ++i) {
        if (arr[i].Key == key) {
            if (amount > 0)
                arr[i].Value += amount;
            return static_cast<int>(i);
        }
    }
    if (amount <= 0)
        return -1;
    arr.push_back({key, amount});
    return static_cast<int>(arr.size()) - 1;
}

void SortStatSimple(TStatSimpleArray& arr)
{
    std::stable_sort(arr.begin(), arr.end(), [](const TStatSimple& a, const TStatSimple& b) { return a.Key < b.Key; });
}

} // namespace belvane::stats
