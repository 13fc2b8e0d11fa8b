#include "stats/sequences.h"

#include <array>

#include "stats/stat_bases.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

// Whether the number at the next position continues a run: it is one more
// than the number before it. The graph accepts one less as well, so that a
// draw in drawn order shows its runs whichever way they were drawn.
enum class Step { Rise, RiseOrFall };

template <Step Rule>
constexpr bool continues(int before, int next)
{
    const int d = next - before;
    return Rule == Step::Rise ? d == 1 : (d == 1 || d == -1);
}

// The lengths of the runs as a set of bits (bit k for a run of length k).
int runLengthBits(const TComb& c)
{
    int bits = 0;
    int current = 1;
    for (size_t i = 1; i < c.size(); ++i) {
        if (continues<Step::Rise>(c[i - 1], c[i])) {
            ++current;
        } else {
            bits |= 1 << current;
            current = 1;
        }
    }
    return bits | 1 << current;
}

// How many runs of two or more.
template <Step Rule>
int runCount(const TComb& c)
{
    int count = 0;
    bool open = false;
    for (size_t i = 1; i < c.size(); ++i) {
        if (continues<Rule>(c[i - 1], c[i])) {
            open = true;
            count += i + 1 == c.size() ? 1 : 0;
        } else {
            count += open ? 1 : 0;
            open = false;
        }
    }
    return count;
}

// The length of the longest run (1 without neighbours).
template <Step Rule>
int longestRun(const TComb& c)
{
    int current = 1;
    int longest = 1;
    for (size_t i = 1; i < c.size(); ++i) {
        current = continues<Rule>(c[i - 1], c[i]) ? current + 1 : 1;
        longest = current > longest ? current : longest;
    }
    return longest;
}

// ---- SEQL: the length of every run -------------------------------------------

class TstSequenceLen final : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, 1, model::BallCount);
    }
    // The runs in position order: the lengths add up to six.
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        int current = 1;
        for (size_t i = 1; i < numbers.size(); ++i) {
            if (continues<Step::Rise>(numbers[i - 1], numbers[i])) {
                ++current;
            } else {
                keys.add(PackKey(static_cast<int16_t>(current)));
                current = 1;
            }
        }
        keys.add(PackKey(static_cast<int16_t>(current)));
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        int wanted = 0;
        for (const TStatDraw& rec : selected)
            if (const auto v = project::V1Alone(rec); v && *v >= 1 && *v <= model::BallCount)
                wanted |= 1 << *v;
        return MakeMatcher([wanted](const TComb& c) { return (runLengthBits(c) & wanted) != 0; });
    }
};

// ---- SEQS, LENS: one count per draw ---------------------------------------------

template <int (*Value)(const TComb&), int (*Plotted)(const TComb&), int FirstSeed, int LastSeed>
class TstSequenceCount final : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, FirstSeed, LastSeed);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(Value(numbers))));
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return Plotted(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1Alone)](const TComb& c) {
            return t[static_cast<size_t>(Value(c))] != 0;
        });
    }
};

// Six numbers make at most three runs of two.
using TstSequenceCnt = TstSequenceCount<runCount<Step::Rise>, runCount<Step::RiseOrFall>, 0, model::BallCount / 2>;
using TstSequenceLenMax = TstSequenceCount<longestRun<Step::Rise>, longestRun<Step::RiseOrFall>, 1, model::BallCount>;

} // namespace

constinit const MethodClass TstSequenceLenClass =
    MakeStatClass<TstSequenceLen>({.id = "SEQL",
                                   .caption = BELVANE_TEXT("Длина последовательности в тираже"),
                                   .group = GroupSequences,
                                   .flags = FlagS | FlagN});
constinit const MethodClass TstSequenceCntClass =
    MakeStatClass<TstSequenceCnt>({.id = "SEQS",
                                   .caption = BELVANE_TEXT("Количество последовательностей в тираже"),
                                   .group = GroupSequences,
                                   .flags = FlagS | FlagN});
constinit const MethodClass TstSequenceLenMaxClass =
    MakeStatClass<TstSequenceLenMax>({.id = "LENS",
                                      .caption = BELVANE_TEXT("Макс. длина последовательности в тираже"),
                                      .group = GroupSequences,
                                      .flags = FlagS | FlagN});

} // namespace belvane::stats
