// The draws statistics table of the shredding methods, checked cell for cell
// on the real archive against a stand-alone computation: formulas that are
// quotients of sums of numbers, whose first decimal digits are worked out in
// exact integer arithmetic (floor(num * 10^d / den) mod 10^d), with and without
// the full-set comparison, for the default formulas and for formulas over the
// draws before that the tool is told to use.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "reference/reference_support.h"

namespace belvane::testing {
namespace {

using reference::Draw;
using reference::Key;
using reference::TableRequest;

using Six = std::array<int, 6>;

// A formula num(n, p, t) / den(n, p, t) of integer sums, valued exactly; a
// zero denominator gives 0, as any failure of a formula does.
struct Quotient {
    std::string text; // what the tool is given
    int digits = 2;
    std::function<int(const Six& n, const Six& p, const Six& t)> num;
    std::function<int(const Six& n, const Six& p, const Six& t)> den;

    int value(const Six& n, const Six& p, const Six& t) const
    {
        const int64_t a = std::llabs(num(n, p, t));
        const int64_t b = std::llabs(den(n, p, t));
        if (b == 0)
            return 0;
        int64_t scale = 1;
        for (int i = 0; i < digits; ++i)
            scale *= 10;
        return static_cast<int>(a * scale / b % scale);
    }
};

int sum(const Six& s, std::initializer_list<int> at)
{
    int total = 0;
    for (int i : at)
        total += s[static_cast<size_t>(i - 1)];
    return total;
}

const Quotient kDefault1{"(n1+n2+n3)/(n4+n5+n6)", 2,
                         [](const Six& n, const Six&, const Six&) {
                             return sum(n, {1, 2, 3});
                         },
                         [](const Six& n, const Six&, const Six&) {
                             return sum(n, {4, 5, 6});
                         }};
const Quotient kDefault2{"(n4+n5+n6)/(n1+n2+n3)", 2,
                         [](const Six& n, const Six&, const Six&) {
                             return sum(n, {4, 5, 6});
                         },
                         [](const Six& n, const Six&, const Six&) {
                             return sum(n, {1, 2, 3});
                         }};
const Quotient kDefault3{"(n1+n3+n5)/(n2+n4+n6)", 2,
                         [](const Six& n, const Six&, const Six&) {
                             return sum(n, {1, 3, 5});
                         },
                         [](const Six& n, const Six&, const Six&) {
                             return sum(n, {2, 4, 6});
                         }};
// With the draw before and the one before that, three digits.
const Quotient kBefore{"(N1+p1+t2)/(n6+7)", 3,
                       [](const Six& n, const Six& p, const Six& t) { return n[0] + p[0] + t[1]; },
                       [](const Six& n, const Six&, const Six&) { return n[5] + 7; }};
// Zero for a combination alone (p1 = t1 = 0) and wherever two draws in a row start alike.
const Quotient kDifference{"(n2-n1)/(p1-t1)", 2, [](const Six& n, const Six&, const Six&) { return n[1] - n[0]; },
                           [](const Six&, const Six& p, const Six& t) { return p[0] - t[0]; }};

class ShreddingReference : public ArchiveTest<> {
protected:
    // The numbers of the draw at an array position as the method sees them;
    // zeros before the first draw.
    Six numbersAt(int index, bool sorted) const
    {
        return index < 0 ? Six{} : reference::ballsOf(draws[static_cast<size_t>(index)], sorted);
    }

    std::vector<reference::TableRow> expectedTable(const Quotient& q, const TableRequest& r) const
    {
        reference::Distribution full;
        if (r.fullSet)
            full = reference::countOverFullSet([&](const Six& c) {
                return std::vector<Key>{Key{static_cast<int16_t>(q.value(c, Six{}, Six{})), 0, 0, 0}};
            });
        reference::TableInput input;
        input.valuesOf = [&](int index) {
            const int v =
                q.value(numbersAt(index, r.sorted), numbersAt(index - 1, r.sorted), numbersAt(index - 2, r.sorted));
            return std::vector<reference::DrawValue>{{Key{static_cast<int16_t>(v), 0, 0, 0}, true}};
        };
        input.text = [](const Key& k) { return std::to_string(k[0]); };
        input.fullSet = r.fullSet ? &full : nullptr;
        return reference::buildTable(draws, input, r);
    }

    int compareTable(const std::string& id, const Quotient& q, const TableRequest& r)
    {
        return compareTables(describe(id, r) + " with " + q.text, cli(statsArgs(id, r)), expectedTable(q, r));
    }

    const std::vector<std::pair<int, int>> windows{{1000, 0}, {100, 5}, {7, 200}, {1, 1176},
                                                   {2, 1175}, {1, 0},   {2000, 0}};
};

TEST_F(ShreddingReference, TheDefaultFormulas)
{
    int differences = 0;
    const std::pair<const char*, const Quotient*> methods[] = {
        {"SHR1", &kDefault1}, {"SHR2", &kDefault2}, {"SHR3", &kDefault3}};
    for (const auto& [id, q] : methods)
        for (const auto& [len, offset] : windows)
            for (bool sorted : {false, true})
                differences += compareTable(id, *q, {.len = len, .offset = offset, .sorted = sorted});
    // The full-set norms of the prefetch files.
    differences += compareTable("SHR1", kDefault1, {.len = 1000, .offset = 0, .sorted = false, .fullSet = true});
    differences += compareTable("SHR3", kDefault3, {.len = 50, .offset = 30, .sorted = true, .fullSet = true});
    EXPECT_EQ(differences, 0);
}

TEST_F(ShreddingReference, FormulasOverTheDrawsBefore)
{
    const auto set2 = cli({"shredding", "set", "2", kBefore.text, "--digits", "3"});
    ASSERT_EQ(set2.exitCode, 0) << set2.err;
    const auto set3 = cli({"shredding", "set", "3", kDifference.text});
    ASSERT_EQ(set3.exitCode, 0) << set3.err;
    int differences = 0;
    for (const auto& [len, offset] : windows)
        for (bool sorted : {false, true}) {
            differences += compareTable("SHR2", kBefore, {.len = len, .offset = offset, .sorted = sorted});
            differences += compareTable("SHR3", kDifference, {.len = len, .offset = offset, .sorted = sorted});
        }
    differences += compareTable("SHR2", kBefore, {.len = 300, .offset = 3, .sorted = false, .fullSet = true});
    // Alone, every combination divides by zero: one value, 0, for the whole full set.
    differences += compareTable("SHR3", kDifference, {.len = 300, .offset = 3, .sorted = true, .fullSet = true});
    EXPECT_EQ(differences, 0);
}

} // namespace
} // namespace belvane::testing
