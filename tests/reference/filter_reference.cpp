#include "reference/filter_reference.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "reference/reference_table.h"

namespace belvane::filterref {
namespace {

// ---- values of six ascending numbers -------------------------------------------

bool isPrime(int n)
{
    // 1 counts as prime in this game.
    static const int primes[] = {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    return std::find(std::begin(primes), std::end(primes), n) != std::end(primes);
}

int sumOf(const int* a)
{
    return a[0] + a[1] + a[2] + a[3] + a[4] + a[5];
}

// Adjacent differences d1..d5.
void diffs(const int* a, int* d)
{
    for (int i = 0; i < 5; ++i)
        d[i] = a[i + 1] - a[i];
}

// Adjacent differences never exceed 40 (1 41 42 43 44 45), so they fit one base-41 digit.
constexpr int kDiffBase = 41;

// Each function writes the keys of one combination into out and returns how many.
using KeysFn = int (*)(const int* a, int param, int* out);

int numsKeys(const int* a, int, int* out)
{
    for (int i = 0; i < 6; ++i)
        out[i] = a[i];
    return 6;
}

int digsKeys(const int* a, int, int* out)
{
    int n = 0;
    for (int i = 0; i < 6; ++i) {
        if (a[i] >= 10)
            out[n++] = a[i] / 10;
        out[n++] = a[i] % 10;
    }
    return n;
}

template <bool (*Has)(int)>
int countKeys(const int* a, int, int* out)
{
    int c = 0;
    for (int i = 0; i < 6; ++i)
        c += Has(a[i]) ? 1 : 0;
    out[0] = c;
    return 1;
}

template <bool (*Has)(int)>
int maskKeys(const int* a, int, int* out)
{
    int mask = 0;
    for (int i = 0; i < 6; ++i)
        mask = mask * 2 + (Has(a[i]) ? 1 : 0);
    out[0] = mask;
    return 1;
}

bool isEven(int n)
{
    return n % 2 == 0;
}
bool isOdd(int n)
{
    return n % 2 == 1;
}
bool isSmall(int n)
{
    return n <= 22;
}
bool isLarge(int n)
{
    return n >= 23;
}

int posKeys(const int* a, int param, int* out)
{
    out[0] = a[param - 1];
    return 1;
}

int noKeys(const int*, int, int*)
{
    return 0;
}

int sumKeys(const int* a, int, int* out)
{
    out[0] = sumOf(a);
    return 1;
}

template <bool (*Has)(int)>
int partSumKeys(const int* a, int, int* out)
{
    int s = 0;
    for (int i = 0; i < 6; ++i)
        if (Has(a[i]))
            s += a[i];
    out[0] = s;
    return 1;
}

struct SumRange {
    int low, high;
};
constexpr SumRange kSumRanges[] = {{93, 183}, {102, 174}, {110, 166}};

int sumRangeKeys(const int* a, int param, int* out)
{
    const int s = sumOf(a);
    out[0] = s >= kSumRanges[param - 1].low && s <= kSumRanges[param - 1].high ? 1 : 0;
    return 1;
}

int s2t3Keys(const int* a, int, int* out)
{
    // Every position i and pair j < k of the other positions with n_j + n_k = n_i. The numbers
    // ascend, so only pairs below i can add up to n_i; the others are skipped for speed.
    int c = 0;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < i; ++j)
            for (int k = j + 1; k < i; ++k)
                if (a[j] + a[k] == a[i])
                    ++c;
    out[0] = c;
    return 1;
}

int difaKeys(const int* a, int, int* out)
{
    diffs(a, out);
    return 5;
}

int difmKeys(const int* a, int, int* out)
{
    int d[5];
    diffs(a, d);
    out[0] = *std::max_element(d, d + 5);
    return 1;
}

int difdKeys(const int* a, int, int* out)
{
    out[0] = a[5] - a[0];
    return 1;
}

// Distinct differences in order of first appearance, with how often each occurs.
int tally(const int* a, int* value, int* count)
{
    int d[5];
    diffs(a, d);
    int n = 0;
    for (int i = 0; i < 5; ++i) {
        int at = 0;
        while (at < n && value[at] != d[i])
            ++at;
        if (at == n) {
            value[n] = d[i];
            count[n++] = 0;
        }
        ++count[at];
    }
    return n;
}

int difoKeys(const int* a, int, int* out)
{
    int value[5], count[5];
    const int n = tally(a, value, count);
    for (int i = 0; i < n; ++i)
        out[i] = value[i] * 8 + count[i];
    return n;
}

int difkKeys(const int* a, int, int* out)
{
    int value[5], count[5];
    const int n = tally(a, value, count);
    out[0] = *std::max_element(count, count + n);
    return 1;
}

// KDSk: the windows of k consecutive differences, first difference as the most significant digit.
int kdsKeys(const int* a, int k, int* out)
{
    int d[5];
    diffs(a, d);
    for (int w = 0; w + k <= 5; ++w) {
        int key = 0;
        for (int i = 0; i < k; ++i)
            key = key * kDiffBase + d[w + i];
        out[w] = key;
    }
    return 6 - k;
}

// ---- value texts -----------------------------------------------------------------

using TextFn = std::string (*)(int key, int param, int refSum);

std::string decimalText(int key, int, int)
{
    return std::to_string(key);
}

std::string ratioText(int key, int, int)
{
    return std::to_string(key) + ":" + std::to_string(6 - key);
}

std::string twoDigits(int v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

template <const char* (*Letter)(bool)>
std::string maskText(int key, int, int)
{
    std::string s;
    for (int bit = 5; bit >= 0; --bit)
        s += Letter(((key >> bit) & 1) != 0);
    char buf[16];
    std::snprintf(buf, sizeof buf, " (%03d)", key);
    return s + buf;
}

const char* parityLetter(bool odd)
{
    return odd ? "н" : "Ч";
}
const char* halfLetter(bool large)
{
    return large ? "2" : "1";
}
const char* primeLetter(bool prime)
{
    return prime ? "П" : "С";
}

std::string sumRangeText(int key, int param, int)
{
    if (key == 0)
        return "Остальные";
    return std::to_string(kSumRanges[param - 1].low) + "-" + std::to_string(kSumRanges[param - 1].high);
}

// The combination's sum after a reference draw of sum refSum, the two sums written out.
std::string sumChangeText(int key, int, int refSum)
{
    const int a = refSum, b = key;
    if (b < a)
        return "- " + twoDigits(a - b) + " : " + std::to_string(a) + " - " + std::to_string(a - b) + " = " +
               std::to_string(b);
    return "+" + twoDigits(b - a) + " : " + std::to_string(a) + " + " + std::to_string(b - a) + " = " +
           std::to_string(b);
}

std::string sumMoveText(int key, int, int refSum)
{
    const int v = key - refSum;
    return v < 0 ? "- " + twoDigits(-v) : "+" + twoDigits(v);
}

std::string sumTrendText(int key, int, int refSum)
{
    return key == refSum ? "=" : key > refSum ? "+" : "-";
}

std::string diffCountText(int key, int, int)
{
    return std::to_string(key / 8) + " x " + std::to_string(key % 8);
}

std::string kdsText(int key, int k, int)
{
    int parts[4];
    for (int i = k - 1; i >= 0; --i) {
        parts[i] = key % kDiffBase;
        key /= kDiffBase;
    }
    std::string s;
    for (int i = 0; i < k; ++i)
        s += (i ? ":" : "") + std::to_string(parts[i]);
    return s;
}

// ---- the methods -----------------------------------------------------------------

struct Method {
    std::string id;
    KeysFn keys;
    TextFn text;
    int keySpace;
    int param = 0;
    bool referenceDraw = false; // the text depends on the latest draw of the window
    bool sumRange = false;      // SUMn: the in-range row, when selected, wins over "Остальные"
};

const std::vector<Method>& methods()
{
    static const std::vector<Method> all = [] {
        std::vector<Method> m{
            {"NUMS", numsKeys, decimalText, 46},        {"DIGS", digsKeys, decimalText, 10},
            {"EVEN", countKeys<isEven>, ratioText, 7},  {"EVNV", maskKeys<isOdd>, maskText<parityLetter>, 64},
            {"SMAL", countKeys<isSmall>, ratioText, 7}, {"SMLV", maskKeys<isLarge>, maskText<halfLetter>, 64},
            {"PRIM", countKeys<isPrime>, ratioText, 7}, {"PRMV", maskKeys<isPrime>, maskText<primeLetter>, 64},
        };
        for (int p = 1; p <= 6; ++p)
            m.push_back({"POS" + std::to_string(p), posKeys, decimalText, 46, p});
        m.push_back({"POE1", noKeys, decimalText, 1, 1});
        m.push_back({"SUMS", sumKeys, decimalText, 256});
        for (int p = 1; p <= 3; ++p)
            m.push_back({"SUM" + std::to_string(p), sumRangeKeys, sumRangeText, 2, p, false, true});
        m.push_back({"SUMC", sumKeys, sumChangeText, 256, 0, true});
        m.push_back({"SUMV", sumKeys, sumMoveText, 256, 0, true});
        m.push_back({"SUMT", sumKeys, sumTrendText, 256, 0, true});
        m.push_back({"SUME", partSumKeys<isEven>, decimalText, 256});
        m.push_back({"SUMP", partSumKeys<isPrime>, decimalText, 256});
        m.push_back({"S2T3", s2t3Keys, decimalText, 64});
        m.push_back({"DIFA", difaKeys, decimalText, kDiffBase});
        m.push_back({"DIFM", difmKeys, decimalText, kDiffBase});
        m.push_back({"DIFD", difdKeys, decimalText, 45});
        m.push_back({"DIFO", difoKeys, diffCountText, kDiffBase * 8});
        m.push_back({"DIFK", difkKeys, decimalText, 6});
        m.push_back({"KDS2", kdsKeys, kdsText, kDiffBase * kDiffBase, 2});
        m.push_back({"KDS3", kdsKeys, kdsText, kDiffBase * kDiffBase * kDiffBase, 3});
        m.push_back({"KDS4", kdsKeys, kdsText, kDiffBase * kDiffBase * kDiffBase * kDiffBase, 4});
        return m;
    }();
    return all;
}

const Method& method(const std::string& id)
{
    for (const Method& m : methods())
        if (m.id == id)
            return m;
    throw std::invalid_argument("no reference for method " + id);
}

bool contains(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Compares the lines a filter should leave with a list file, one combination at a time.
class ListCheck {
public:
    ListCheck(const std::string* bytes, std::string* error) : bytes_(bytes), error_(error) {}

    void expect(const int* a)
    {
        if (!bytes_ || failed_)
            return;
        char line[24];
        size_t len = 0;
        for (int i = 0; i < 6; ++i) {
            if (a[i] >= 10)
                line[len++] = static_cast<char>('0' + a[i] / 10);
            line[len++] = static_cast<char>('0' + a[i] % 10);
            line[len++] = i < 5 ? ';' : '\r';
        }
        line[len++] = '\n';
        ++lines_;
        if (bytes_->compare(pos_, len, line, len) != 0) {
            const size_t end = bytes_->find('\n', pos_);
            *error_ = "line " + std::to_string(lines_) + ": expected " + std::string(line, len - 2) + ", got \"" +
                      bytes_->substr(pos_, end == std::string::npos ? 40 : end - pos_) + "\"";
            failed_ = true;
            return;
        }
        pos_ += len;
    }

    void finish()
    {
        if (bytes_ && !failed_ && pos_ != bytes_->size())
            *error_ = "the list goes on after the expected " + std::to_string(lines_) + " lines";
    }

private:
    const std::string* bytes_;
    std::string* error_;
    size_t pos_ = 0;
    int64_t lines_ = 0;
    bool failed_ = false;
};

} // namespace

const std::vector<std::string>& methodIds()
{
    static const std::vector<std::string> ids = [] {
        std::vector<std::string> v;
        for (const Method& m : methods())
            v.push_back(m.id);
        return v;
    }();
    return ids;
}

bool usesReferenceDraw(const std::string& id)
{
    return method(id).referenceDraw;
}

std::vector<std::string> valueTexts(const std::string& id, const std::array<int, 6>& comb, int refSum)
{
    const Method& m = method(id);
    int keys[16];
    const int n = m.keys(comb.data(), m.param, keys);
    std::vector<std::string> texts;
    for (int i = 0; i < n; ++i)
        texts.push_back(m.text(keys[i], m.param, refSum));
    return texts;
}

std::vector<FilterOutcome> filterFullSet(const std::string& id, const std::vector<FilterCase>& cases)
{
    const Method& m = method(id);
    if (cases.size() > 32)
        throw std::invalid_argument("at most 32 cases per pass");
    std::vector<FilterOutcome> outcomes(cases.size());

    // For every key, the cases (one bit each) that selected its text; worked out when the key first shows up.
    std::vector<int64_t> selectedBy(static_cast<size_t>(m.keySpace), -1);
    auto casesOf = [&](int key) -> uint32_t {
        int64_t& bits = selectedBy[static_cast<size_t>(key)];
        if (bits < 0) {
            bits = 0;
            for (size_t c = 0; c < cases.size(); ++c) {
                bool hit = contains(cases[c].texts, m.text(key, m.param, cases[c].refSum));
                if (m.sumRange && key == 0 && contains(cases[c].texts, m.text(1, m.param, 0)))
                    hit = false; // the in-range row decides the whole selection
                if (hit)
                    bits |= int64_t{1} << c;
            }
        }
        return static_cast<uint32_t>(bits);
    };

    std::vector<ListCheck> keepChecks, removeChecks;
    for (size_t c = 0; c < cases.size(); ++c) {
        keepChecks.emplace_back(cases[c].keepList, &outcomes[c].keepListError);
        removeChecks.emplace_back(cases[c].removeList, &outcomes[c].removeListError);
    }
    std::vector<size_t> checked;
    for (size_t c = 0; c < cases.size(); ++c)
        if (cases[c].keepList || cases[c].removeList)
            checked.push_back(c);

    int keys[16];
    reference::forEachCombination([&](const std::array<int, 6>& comb) {
        const int* a = comb.data();
        const int n = m.keys(a, m.param, keys);
        uint32_t bits = 0;
        for (int i = 0; i < n; ++i)
            bits |= casesOf(keys[i]);
        for (uint32_t rest = bits; rest != 0; rest &= rest - 1)
            ++outcomes[static_cast<size_t>(__builtin_ctz(rest))].matching;
        for (size_t c : checked) {
            if ((bits >> c) & 1)
                keepChecks[c].expect(a);
            else
                removeChecks[c].expect(a);
        }
    });
    for (size_t c : checked) {
        keepChecks[c].finish();
        removeChecks[c].finish();
    }
    return outcomes;
}

} // namespace belvane::filterref
