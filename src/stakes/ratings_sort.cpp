#include "stakes/ratings_sort.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "support/cp1251.h"

namespace belvane::stakes {
namespace {

// Alphabets in order, small letters as Windows-1251 bytes.
constexpr std::string_view kLatin = "abcdefghijklmnopqrstuvwxyz";
// а б в г ґ ѓ д ђ е ё є ж з ѕ и і ї й ј к ќ л љ м н њ о п р с т ћ у ў ф х ц ч џ ш щ ъ ы ь э ю я
constexpr std::array<uint8_t, 47> kCyrillic = {0xE0, 0xE1, 0xE2, 0xE3, 0xB4, 0x83, 0xE4, 0x90, 0xE5, 0xB8, 0xBA, 0xE6,
                                               0xE7, 0xBE, 0xE8, 0xB3, 0xBF, 0xE9, 0xBC, 0xEA, 0x9D, 0xEB, 0x9A, 0xEC,
                                               0xED, 0x9C, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0x9E, 0xF3, 0xA2, 0xF4, 0xF5,
                                               0xF6, 0xF7, 0x9F, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};

struct Weights {
    std::array<uint8_t, 256> Primary{};  // 1..255; 0 ends the level
    std::array<uint8_t, 256> Tertiary{}; // 1 small or no letter, 2 capital
};

Weights makeWeights()
{
    Weights w;
    std::array<int, 256> letterRank{}; // 0: no letter
    int rank = 0;
    for (char c : kLatin)
        letterRank[static_cast<uint8_t>(c)] = ++rank;
    for (uint8_t c : kCyrillic)
        letterRank[c] = ++rank;

    // Punctuation and symbols first, in byte order, then digits, then letters.
    int next = 1;
    for (int b = 0; b < 256; ++b) {
        const auto small = cp1251::foldCase(static_cast<unsigned char>(b));
        if (letterRank[small] == 0 && !(b >= '0' && b <= '9'))
            w.Primary[static_cast<size_t>(b)] = static_cast<uint8_t>(next++);
        w.Tertiary[static_cast<size_t>(b)] = 1;
    }
    for (int b = '0'; b <= '9'; ++b)
        w.Primary[static_cast<size_t>(b)] = static_cast<uint8_t>(next++);
    for (int b = 0; b < 256; ++b) {
        const auto small = cp1251::foldCase(static_cast<unsigned char>(b));
        if (letterRank[small] != 0) {
            w.Primary[static_cast<size_t>(b)] = static_cast<uint8_t>(next + letterRank[small] - 1);
            w.Tertiary[static_cast<size_t>(b)] = small == b ? 1 : 2;
        }
    }
    return w;
}

const Weights& weights()
{
    static const Weights w = makeWeights();
    return w;
}

// Zero-count records sort after every other one, whatever the direction.
struct SortKey {
    bool Empty = false;
    int64_t Number = 0;
    std::string Text;
};

SortKey keyOf(const RatingRecord& r, int column)
{
    SortKey k;
    k.Empty = r.Count <= 0;
    if (k.Empty)
        return k;
    switch (column) {
    case 0:
        k.Text = CollationKey(r.Key);
        break;
    case 1:
        k.Number = r.Count;
        break;
    case 2:
        k.Number = r.MatchesSum;
        break;
    case 3: // the average to two decimals
        k.Number = DivRoundHalfEven(int64_t{r.MatchesSum} * 100, r.Count);
        break;
    case 4: // hundredths of the money unit
        k.Number = DivRoundHalfEven(r.Profit, 100);
        break;
    case 5:
        k.Number = DivRoundHalfEven(r.Profit, int64_t{r.Count} * 100);
        break;
    default:
        k.Number = r.MatchCounts[static_cast<size_t>(column - 6)];
        break;
    }
    return k;
}

} // namespace

std::string CollationKey(std::string_view utf8)
{
    const std::string bytes = cp1251::fromUtf8(utf8);
    const Weights& w = weights();
    std::string key;
    key.reserve(bytes.size() * 2 + 1);
    for (char c : bytes)
        key += static_cast<char>(w.Primary[static_cast<uint8_t>(c)]);
    key += '\0';
    for (char c : bytes)
        key += static_cast<char>(w.Tertiary[static_cast<uint8_t>(c)]);
    return key;
}

void SortRatingsArray(TRatingsArray& records, int column, bool descending)
{
    if (column < 0 || column >= RatingsSortColumnCount || records.size() < 2)
        return;
    std::vector<SortKey> keys;
    keys.reserve(records.size());
    for (const auto& r : records)
        keys.push_back(keyOf(r, column));

    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const bool text = column == 0;
    std::stable_sort(order.begin(), order.end(), [&](size_t ia, size_t ib) {
        const SortKey& a = keys[ia];
        const SortKey& b = keys[ib];
        if (a.Empty || b.Empty)
            return !a.Empty && b.Empty;
        if (text)
            return descending ? b.Text < a.Text : a.Text < b.Text;
        return descending ? b.Number < a.Number : a.Number < b.Number;
    });

    TRatingsArray sorted;
    sorted.reserve(records.size());
    for (size_t i : order)
        sorted.push_back(std::move(records[i]));
    records = std::move(sorted);
}

} // namespace belvane::stakes
