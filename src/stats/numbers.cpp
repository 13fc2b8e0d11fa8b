#include "stats/config_data.h"
#include "stats/numbers.h"

#include <algorithm>
#include <array>

#include "stats/stat_bases.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

using model::Ball;

// Per-byte property tables: a combination read from a file may hold any byte.
using ByteTable = std::array<uint8_t, 256>;

template <class Property>
constexpr ByteTable tableOf(Property has)
{
    ByteTable t{};
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
        t[static_cast<size_t>(n)] = has(n) ? 1 : 0;
    return t;
}

constexpr bool isPrime(int n)
{
    constexpr int primes[] = {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    for (int p : primes)
        if (p == n)
            return true;
    return false;
}

constexpr ByteTable kEven = tableOf([](int n) { return n % 2 == 0; });
constexpr ByteTable kOdd = tableOf([](int n) { return n % 2 != 0; });
constexpr ByteTable kSmall = tableOf([](int n) { return n <= 22; });
constexpr ByteTable kLarge = tableOf([](int n) { return n >= 23; });
constexpr ByteTable kPrime = tableOf(isPrime);

int countIn(const TComb& c, const ByteTable& t)
{
    return t[c[0]] + t[c[1]] + t[c[2]] + t[c[3]] + t[c[4]] + t[c[5]];
}

int maskIn(const TComb& c, const ByteTable& t)
{
    return t[c[0]] << 5 | t[c[1]] << 4 | t[c[2]] << 3 | t[c[3]] << 2 | t[c[4]] << 1 | t[c[5]];
}

// ---- NUMS: each of the six numbers -------------------------------------

class TstValues final : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, model::MinNumber, model::MaxNumber);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        for (Ball n : numbers)
            keys.add(PackKey(n));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstValues>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1Alone)](const TComb& c) {
            return (t[c[0]] | t[c[1]] | t[c[2]] | t[c[3]] | t[c[4]] | t[c[5]]) != 0;
        });
    }
};

// ---- DIGS: each decimal digit of each number ----------------------------

// Bit d set when digit d occurs in the number's text.
constexpr std::array<uint16_t, 256> kDigitBits = [] {
    std::array<uint16_t, 256> t{};
    for (int n = 0; n < 256; ++n)
        for (int v = n;; v /= 10) {
            t[static_cast<size_t>(n)] |= static_cast<uint16_t>(1u << (v % 10));
            if (v < 10)
                break;
        }
    return t;
}();

// The decimal digits of each byte as written, most significant first.
struct NumberDigits {
    std::array<int16_t, 3> digit{};
    size_t count = 0;
};
constexpr std::array<NumberDigits, 256> kDigits = [] {
    std::array<NumberDigits, 256> t{};
    for (int n = 0; n < 256; ++n) {
        NumberDigits& d = t[static_cast<size_t>(n)];
        if (n >= 100)
            d.digit[d.count++] = static_cast<int16_t>(n / 100);
        if (n >= 10)
            d.digit[d.count++] = static_cast<int16_t>(n / 10 % 10);
        d.digit[d.count++] = static_cast<int16_t>(n % 10);
    }
    return t;
}();

class TstDigits final : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;

    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        for (Ball n : numbers) {
            const NumberDigits& digits = kDigits[n];
            for (size_t i = 0; i < digits.count; ++i)
                keys.add(PackKey(digits.digit[i]));
        }
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstDigits>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        uint16_t wanted = 0;
        for (const TStatDraw& rec : selected)
            if (const auto v = project::V1Alone(rec); v && *v >= 0 && *v <= 9)
                wanted |= static_cast<uint16_t>(1u << *v);
        return MakeMatcher([wanted](const TComb& c) {
            const unsigned digits = kDigitBits[c[0]] | kDigitBits[c[1]] | kDigitBits[c[2]] | kDigitBits[c[3]] |
                                    kDigitBits[c[4]] | kDigitBits[c[5]];
            return (digits & wanted) != 0;
        });
    }
};

// ---- EVEN, SMAL, PRIM: how many numbers have a property -----------------

template <const ByteTable& Property>
class TstCount final : public TCustomRatioStat {
public:
    using TCustomRatioStat::TCustomRatioStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, 1, model::BallCount); // the count 0 gets its row only when it occurs
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(countIn(numbers, Property))));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstCount>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return countIn(numbers, Property); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1)](const TComb& c) {
            return t[static_cast<size_t>(countIn(c, Property))] != 0;
        });
    }
};

// ---- EVNV, SMLV, PRMV: the property by position, as a six-bit mask --------

struct MaskLetters {
    std::string_view zero;
    std::string_view one;
};

template <const ByteTable& Property, bool SeedAllMasks>
class TstMask : public TCustomMaskStat {
public:
    TstMask(const MethodClass& c, const MethodContext& context, int param, MaskLetters letters)
        : TCustomMaskStat(c, context, param), letters_(letters)
    {
    }

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        if (SeedAllMasks)
            TCustomMaskStat::InitValues(lastIdx, arr);
        else
            TCustomStat::InitValues(lastIdx, arr);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(KeyOfInts(maskIn(numbers, Property)));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstMask>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::LowInt)](const TComb& c) {
            return t[static_cast<size_t>(maskIn(c, Property))] != 0;
        });
    }
    std::string_view ZeroLetter() const override { return letters_.zero; }
    std::string_view OneLetter() const override { return letters_.one; }

private:
    MaskLetters letters_;
};

class TstEvenValues final : public TstMask<kOdd, true> {
public:
    TstEvenValues(const MethodClass& c, const MethodContext& l, int p) : TstMask(c, l, p, {"Ч", "н"}) {}
};
class TstSmallValues final : public TstMask<kLarge, false> {
public:
    TstSmallValues(const MethodClass& c, const MethodContext& l, int p) : TstMask(c, l, p, {"1", "2"}) {}
};
class TstPrimeValues final : public TstMask<kPrime, true> {
public:
    TstPrimeValues(const MethodClass& c, const MethodContext& l, int p) : TstMask(c, l, p, {"С", "П"}) {}
};

// ---- POS%d: the number at position Param ----------------------------------

class TstPosVal final : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, model::MinNumber, model::MaxNumber);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override { keys.add(PackKey(at(numbers))); }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstPosVal>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return at(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher(
            [t = SelectedBytes(selected, project::V1), pos = position()](const TComb& c) { return t[c[pos]] != 0; });
    }

private:
    size_t position() const { return static_cast<size_t>(std::clamp(Param, 1, model::BallCount) - 1); }
    Ball at(const TComb& numbers) const { return numbers[position()]; }
};

// ---- POE%d: the extra number; shown, never filtered ------------------------

class TstPosExt final : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        AddValue(arr, PackKey(CurDraw.Extra), true);
    }
    int CombValue(const TComb&, int index, bool sorted, int) override { return DrawAt(index, sorted).Extra; }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray&, const MatchContext&) override
    {
        return NeverMatcher();
    }
};

constexpr ParamRange positions(const TConfigData&)
{
    return {1, model::BallCount};
}
constexpr ParamRange extraNumbers(const TConfigData&)
{
    return {1, model::ExtraCount};
}

} // namespace

constinit const MethodClass TstValuesClass = MakeStatClass<TstValues>(
    {.id = "NUMS", .caption = BELVANE_TEXT("Числа тиража"), .group = GroupNumbers, .flags = FlagN});
constinit const MethodClass TstDigitsClass = MakeStatClass<TstDigits>(
    {.id = "DIGS", .caption = BELVANE_TEXT("Цифры тиража"), .group = GroupNumbers, .flags = FlagN});
constinit const MethodClass TstEvenCountClass =
    MakeStatClass<TstCount<kEven>>({.id = "EVEN",
                                    .caption = BELVANE_TEXT("Количество четных чисел в тираже (Ч:Н)"),
                                    .group = GroupNumbers,
                                    .flags = FlagN});
constinit const MethodClass TstEvenValuesClass =
    MakeStatClass<TstEvenValues>({.id = "EVNV",
                                  .caption = BELVANE_TEXT("Четные и нечетные числа в тираже (Чн..нЧ)"),
                                  .group = GroupNumbers,
                                  .flags = FlagS | FlagN});
constinit const MethodClass TstSmallCountClass =
    MakeStatClass<TstCount<kSmall>>({.id = "SMAL",
                                     .caption = BELVANE_TEXT("Количество чисел из первой половины диапазона (1П:2П)"),
                                     .group = GroupNumbers,
                                     .flags = FlagN});
constinit const MethodClass TstSmallValuesClass =
    MakeStatClass<TstSmallValues>({.id = "SMLV",
                                   .caption = BELVANE_TEXT("Числа из первой половины диапазона (12..12)"),
                                   .group = GroupNumbers,
                                   .flags = FlagS | FlagN});
constinit const MethodClass TstPrimeCountClass = MakeStatClass<TstCount<kPrime>>(
    {.id = "PRIM", .caption = BELVANE_TEXT("Количество простых чисел (П:С)"), .group = GroupNumbers, .flags = FlagN});
constinit const MethodClass TstPrimeValuesClass =
    MakeStatClass<TstPrimeValues>({.id = "PRMV",
                                   .caption = BELVANE_TEXT("Простые и составные числа (ПС..СП)"),
                                   .group = GroupNumbers,
                                   .flags = FlagS | FlagN});
constinit const MethodClass TstPosValClass =
    MakeStatClass<TstPosVal>({.id = "POS%d",
                              .caption = BELVANE_TEXT("Число в %0:d позиции тиража"),
                              .helpId = "POSx",
                              .group = GroupNumbers,
                              .flags = FlagS | FlagN,
                              .paramRange = positions});
constinit const MethodClass TstPosExtClass =
    MakeStatClass<TstPosExt>({.id = "POE%d",
                              .caption = BELVANE_TEXT("Extra (Bonus, Star...) - число (!без фильтра!)"),
                              .helpId = "POSx",
                              .group = GroupNumbers,
                              .flags = 0,
                              .paramRange = extraNumbers});

bool IsSmallNumber(int n)
{
    return n >= 0 && n <= 255 && kSmall[static_cast<size_t>(n)];
}

bool IsInPrimeSet(int n)
{
    return n >= 0 && n <= 255 && kPrime[static_cast<size_t>(n)];
}

} // namespace belvane::stats
