#include "stats/config_data.h"
#include "stats/matrix.h"

#include <algorithm>
#include <bit>
#include <fmt/format.h>

#include "model/layout.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

using model::Ball;

// The grid's columns (Rows false) or rows (Rows true) of a matrix method.
template <bool Rows, class Base>
const Grouping& sideOf(const Base& stat)
{
    return Rows ? stat.RowGroups() : stat.ColumnGroups();
}
// The other side: rows for columns and columns for rows.
template <bool Rows, class Base>
const Grouping& acrossOf(const Base& stat)
{
    return Rows ? stat.ColumnGroups() : stat.RowGroups();
}
template <bool Rows>
int widthOf(const MatrixGrid& grid)
{
    return Rows ? grid.Rows : grid.Cols;
}

// ---- COLM, ROWM: the occupied columns (rows) as a bit mask ---------------------

// Column 1 is the most significant of C bits. The mask is kept in 64 bits:
// the low 32 in V1..V2 and the high 32 in V3..V4, which stay 0 for grids of up
// to 32 columns (rows), so a mask of more columns is not cut off.
template <bool Rows>
class MatrixMask final : public TCustomMatrixStat {
public:
    MatrixMask(const MethodClass& c, const MethodContext& context, int param) : TCustomMatrixStat(c, context, param)
    {
        const Grouping& side = sideOf<Rows>(*this);
        const int width = widthOf<Rows>(Grid());
        for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
            bit_[static_cast<size_t>(n)] = uint64_t{1} << (width - side.Of[static_cast<size_t>(n)]);
    }

    // The C (R) characters "1" or "0", column 1 first, and the mask: 10100 (020).
    std::string ValueToText(const TStatDraw& value) const override
    {
        const uint64_t mask = maskOf(value);
        const int width = widthOf<Rows>(Grid());
        std::string bits;
        for (int b = width - 1; b >= 0; --b)
            bits += (mask >> b) & 1 ? '1' : '0';
        return fmt::format("{} ({:03})", bits, mask);
    }
    // The first C (R) characters, "1" a set bit and anything else a clear one;
    // missing characters are clear bits. Masks wider than 32 bits keep their
    // low 32 here.
    int32_t TextToValue(std::string_view text) const override
    {
        uint32_t value = 0;
        size_t pos = 0;
        for (int i = 0; i < widthOf<Rows>(Grid()); ++i) {
            size_t len = 0;
            if (pos < text.size()) {
                len = 1;
                while (pos + len < text.size() && (static_cast<unsigned char>(text[pos + len]) & 0xC0) == 0x80)
                    ++len;
            }
            value = value << 1 | (len == 1 && text[pos] == '1' ? 1u : 0u);
            pos += len;
        }
        return static_cast<int32_t>(value);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override { keys.add(keyOf(occupied(numbers))); }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<MatrixMask>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher(
            [set = ValueSet::of(selected, [](const TStatDraw& r) { return std::optional<int64_t>(maskOf(r)); }),
             bit = bit_](const TComb& c) {
                return set.contains(
                    static_cast<int64_t>(bit[c[0]] | bit[c[1]] | bit[c[2]] | bit[c[3]] | bit[c[4]] | bit[c[5]]));
            });
    }

private:
    static uint64_t maskOf(const TStatDraw& v)
    {
        return uint64_t{static_cast<uint32_t>(LowInt(v))} | uint64_t{static_cast<uint32_t>(HighInt(v))} << 32;
    }
    static uint64_t keyOf(uint64_t mask)
    {
        return KeyOfInts(static_cast<int32_t>(static_cast<uint32_t>(mask)), static_cast<int32_t>(mask >> 32));
    }
    uint64_t occupied(const TComb& c) const
    {
        return bit_[c[0]] | bit_[c[1]] | bit_[c[2]] | bit_[c[3]] | bit_[c[4]] | bit_[c[5]];
    }

    std::array<uint64_t, 256> bit_{}; // per byte, its column's (row's) bit; none for a byte that is no number
};

// ---- COLA, ROWA, COLC, ROWC: neighbours in the grid -------------------------------

// Two numbers are neighbours in a column when their rows differ by exactly 1
// (vertical), in a row when their columns do (horizontal). Per byte, its place
// as one code, group * 64 + position across (the row of a number for the
// column members, its column for the row members): neighbours are the codes
// 1 apart. A byte that is no number gets a code nothing is 1 away from.
using PlaceCodes = std::array<uint16_t, 256>;
constexpr uint16_t kNowhere = 0xFFFF;

template <bool Rows, class Base>
PlaceCodes placeCodes(const Base& stat)
{
    PlaceCodes codes;
    codes.fill(kNowhere);
    const GroupTable& same = sideOf<Rows>(stat).Of;
    const GroupTable& across = acrossOf<Rows>(stat).Of;
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
        codes[static_cast<size_t>(n)] =
            static_cast<uint16_t>(same[static_cast<size_t>(n)] * 64 + across[static_cast<size_t>(n)]);
    return codes;
}

// The group of a place code; 63, which no grid uses, for kNowhere.
constexpr unsigned groupOfPlace(unsigned code)
{
    return (code >> 6) & 63;
}

// The groups with at least one neighbour pair.
inline uint64_t neighbourGroups(const TComb& c, const PlaceCodes& codes)
{
    std::array<int, model::BallCount> x{};
    for (size_t i = 0; i < c.size(); ++i)
        x[i] = codes[c[i]];
    uint64_t groups = 0;
    for (size_t i = 0; i + 1 < c.size(); ++i)
        for (size_t j = i + 1; j < c.size(); ++j) {
            const bool pair = (static_cast<unsigned>(x[i] - x[j] + 1) & ~2u) == 0; // 1 apart
            groups |= uint64_t{pair} << groupOfPlace(static_cast<unsigned>(x[i]));
        }
    return groups;
}

struct Neighbours {
    std::array<uint8_t, 64> pairs{}; // per group, its neighbour pairs
};

inline Neighbours neighboursOf(const TComb& c, const PlaceCodes& codes)
{
    std::array<int, model::BallCount> x{};
    for (size_t i = 0; i < c.size(); ++i)
        x[i] = codes[c[i]];
    Neighbours nb;
    for (size_t i = 0; i + 1 < c.size(); ++i)
        for (size_t j = i + 1; j < c.size(); ++j) {
            const bool pair = (static_cast<unsigned>(x[i] - x[j] + 1) & ~2u) == 0; // 1 apart
            const unsigned g = groupOfPlace(static_cast<unsigned>(x[i]));
            nb.pairs[g] = static_cast<uint8_t>(nb.pairs[g] + pair);
        }
    return nb;
}

// Each column (row) with neighbour pairs: (column, pairs + 1), ascending.
template <bool Rows>
class MatrixAdjacent final : public TCustomMatrixStat {
public:
    MatrixAdjacent(const MethodClass& c, const MethodContext& context, int param)
        : TCustomMatrixStat(c, context, param), codes_(placeCodes<Rows>(*this))
    {
    }

    std::string ValueToText(const TStatDraw& value) const override { return GroupCountText(value); }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        const Grouping& side = sideOf<Rows>(*this);
        const Neighbours nb = neighboursOf(numbers, codes_);
        for (int i = 0; i < side.ListedCount; ++i) {
            const uint8_t g = side.Listed[static_cast<size_t>(i)];
            if (nb.pairs[g] > 0)
                keys.add(PackKey(g, static_cast<int16_t>(nb.pairs[g] + 1)));
        }
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<MatrixAdjacent>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        // Per column (row), a bit for each selected pairs + 1 (2..16: six numbers make 15 pairs).
        const Grouping& side = sideOf<Rows>(*this);
        std::array<bool, 256> listed{};
        for (int i = 0; i < side.ListedCount; ++i)
            listed[side.Listed[static_cast<size_t>(i)]] = true;
        std::array<uint32_t, 64> wanted{};
        for (const TStatDraw& rec : selected)
            if (rec.V1 >= 0 && rec.V1 < 64 && listed[static_cast<size_t>(rec.V1)] && rec.V2 >= 2 && rec.V2 <= 16 &&
                rec.V3 == 0 && rec.V4 == 0)
                wanted[static_cast<size_t>(rec.V1)] |= uint32_t{1} << rec.V2;
        return MakeMatcher([wanted, codes = codes_](const TComb& c) {
            const Neighbours nb = neighboursOf(c, codes);
            uint32_t hit = 0;
            for (Ball n : c) {
                const unsigned g = groupOfPlace(codes[n]);
                hit |= wanted[g] >> (nb.pairs[g] + 1); // a group without pairs has no bit 1
            }
            return (hit & 1) != 0;
        });
    }

private:
    PlaceCodes codes_;
};

// How many columns (rows) have neighbour pairs.
template <bool Rows>
class MatrixAdjacentCount final : public TCustomMatrixGraphStat {
public:
    MatrixAdjacentCount(const MethodClass& c, const MethodContext& context, int param)
        : TCustomMatrixGraphStat(c, context, param), codes_(placeCodes<Rows>(*this))
    {
    }

    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(count(numbers))));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<MatrixAdjacentCount>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return count(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedCounts(selected), codes = codes_](const TComb& c) {
            return t[static_cast<size_t>(std::popcount(neighbourGroups(c, codes)))] != 0;
        });
    }

private:
    int count(const TComb& c) const { return std::popcount(neighbourGroups(c, codes_)); }

    PlaceCodes codes_;
};

// ---- the members over one side of the grid ------------------------------------------

using TstColumns = GroupEachStat<TCustomMatrixStat, &TCustomMatrixStat::ColumnGroups>;
using TstRows = GroupEachStat<TCustomMatrixStat, &TCustomMatrixStat::RowGroups>;
using TstColValues = GroupCountsStat<TCustomMatrixStat, &TCustomMatrixStat::ColumnGroups>;
using TstRowValues = GroupCountsStat<TCustomMatrixStat, &TCustomMatrixStat::RowGroups>;
using TstColCount = GroupOccupiedStat<TCustomMatrixGraphStat, &TCustomMatrixGraphStat::ColumnGroups>;
using TstRowCount = GroupOccupiedStat<TCustomMatrixGraphStat, &TCustomMatrixGraphStat::RowGroups>;
using TstColMask = MatrixMask<false>;
using TstRowMask = MatrixMask<true>;
using TstColAjacent = MatrixAdjacent<false>;
using TstRowAjacent = MatrixAdjacent<true>;
using TstColAjacentCnt = MatrixAdjacentCount<false>;
using TstRowAjacentCnt = MatrixAdjacentCount<true>;
using TstColValCnt = GroupMembersStat<TCustomMatrixGraphStat, &TCustomMatrixGraphStat::ColumnGroups>;
using TstRowValCnt = GroupMembersStat<TCustomMatrixGraphStat, &TCustomMatrixGraphStat::RowGroups>;

template <TupleRule Rule, int K>
using TstCombCol = GroupTupleStat<TCustomMatrixStat, &TCustomMatrixStat::ColumnTable, Rule, K>;
template <TupleRule Rule, int K>
using TstCombRow = GroupTupleStat<TCustomMatrixStat, &TCustomMatrixStat::RowTable, Rule, K>;

constexpr TupleRule Mix = TupleRule::Mix;
constexpr TupleRule Seq = TupleRule::Seq;

// COL%d and ROW%d: none without a grid.
ParamRange columnRange(const TConfigData& config)
{
    return config.MatrixCols <= 0 ? ParamRange{1, 0} : ParamRange{1, MatrixColsOf(config)};
}
ParamRange rowRange(const TConfigData& config)
{
    return config.MatrixCols <= 0 ? ParamRange{1, 0}
                                  : ParamRange{1, model::CeilDiv(model::MaxNumber, MatrixColsOf(config))};
}

template <class T>
constexpr MethodClass tupleClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>(
        {.id = id, .caption = caption, .group = GroupMatrix, .flags = FlagS, .valueFromText = false});
}

} // namespace

int MatrixColsOf(const TConfigData& config)
{
    return std::clamp(config.MatrixCols, MinMatrixCols, MaxMatrixCols);
}

MatrixGrid::MatrixGrid(const TConfigData& config)
{
    const int cols = MatrixColsOf(config);
    const int rows = model::CeilDiv(model::MaxNumber, cols);
    Cols = static_cast<uint8_t>(cols);
    Rows = static_cast<uint8_t>(rows);
    Columns = Grouping::Make([cols](int n) { return model::MatrixColumn(n, cols); });
    Columns.CountsUpTo = std::min(rows, model::BallCount);
    Columns.OccupiedUpTo = std::min(cols, model::BallCount);
    Columns.MembersUpTo = rows;
    RowsOf = Grouping::Make([cols](int n) { return model::MatrixRow(n, cols); });
    RowsOf.CountsUpTo = std::min(cols, model::BallCount);
    RowsOf.OccupiedUpTo = std::min(rows, model::BallCount);
    RowsOf.MembersUpTo = cols;
}

constinit const MethodClass TstColumnsClass = MakeStatClass<TstColumns>(
    {.id = "COLS", .caption = BELVANE_TEXT("Столбцы матрицы (не пустые)"), .group = GroupMatrix, .flags = FlagN});
constinit const MethodClass TstRowsClass = MakeStatClass<TstRows>(
    {.id = "ROWS", .caption = BELVANE_TEXT("Строки матрицы (не пустые)"), .group = GroupMatrix, .flags = FlagN});
constinit const MethodClass TstColValuesClass =
    MakeStatClass<TstColValues>({.id = "COLV",
                                 .caption = BELVANE_TEXT("Количество чисел в столбце матрицы"),
                                 .group = GroupMatrix,
                                 .flags = FlagN,
                                 .valueFromText = false});
constinit const MethodClass TstRowValuesClass =
    MakeStatClass<TstRowValues>({.id = "ROWV",
                                 .caption = BELVANE_TEXT("Количество чисел в строке матрицы"),
                                 .group = GroupMatrix,
                                 .flags = FlagN,
                                 .valueFromText = false});
constinit const MethodClass TstColCountClass =
    MakeStatClass<TstColCount>({.id = "COLN",
                                .caption = BELVANE_TEXT("Количество не пустых столбцов в матрице"),
                                .group = GroupMatrix,
                                .flags = FlagN});
constinit const MethodClass TstRowCountClass =
    MakeStatClass<TstRowCount>({.id = "ROWN",
                                .caption = BELVANE_TEXT("Количество не пустых строк в матрице"),
                                .group = GroupMatrix,
                                .flags = FlagN});
constinit const MethodClass TstColMaskClass = MakeStatClass<TstColMask>(
    {.id = "COLM", .caption = BELVANE_TEXT("Сочетания столбцов матрицы"), .group = GroupMatrix, .flags = FlagN});
constinit const MethodClass TstRowMaskClass = MakeStatClass<TstRowMask>(
    {.id = "ROWM", .caption = BELVANE_TEXT("Сочетания строк матрицы"), .group = GroupMatrix, .flags = FlagN});
constinit const MethodClass TstColAjacentClass =
    MakeStatClass<TstColAjacent>({.id = "COLA",
                                  .caption = BELVANE_TEXT("Столбцы матрицы со смежными числами"),
                                  .group = GroupMatrix,
                                  .flags = FlagN});
constinit const MethodClass TstRowAjacentClass =
    MakeStatClass<TstRowAjacent>({.id = "ROWA",
                                  .caption = BELVANE_TEXT("Строки матрицы со смежными числами"),
                                  .group = GroupMatrix,
                                  .flags = FlagN});
constinit const MethodClass TstColAjacentCntClass =
    MakeStatClass<TstColAjacentCnt>({.id = "COLC",
                                     .caption = BELVANE_TEXT("Количество столбцов матрицы со смежными числами"),
                                     .group = GroupMatrix,
                                     .flags = FlagN});
constinit const MethodClass TstRowAjacentCntClass =
    MakeStatClass<TstRowAjacentCnt>({.id = "ROWC",
                                     .caption = BELVANE_TEXT("Количество строк матрицы со смежными числами"),
                                     .group = GroupMatrix,
                                     .flags = FlagN});

constinit const MethodClass TstCombColMix2Class =
    tupleClass<TstCombCol<Mix, 2>>("KFM2", BELVANE_TEXT("Сочетания из 2 столбцов по всем числам тиража"));
constinit const MethodClass TstCombColMix3Class =
    tupleClass<TstCombCol<Mix, 3>>("KFM3", BELVANE_TEXT("Сочетания из 3 столбцов по всем числам тиража"));
constinit const MethodClass TstCombColMix4Class =
    tupleClass<TstCombCol<Mix, 4>>("KFM4", BELVANE_TEXT("Сочетания из 4 столбцов по всем числам тиража"));
constinit const MethodClass TstCombColSeq2Class =
    tupleClass<TstCombCol<Seq, 2>>("KFS2", BELVANE_TEXT("Сочетания из 2 столбцов по соседним числам"));
constinit const MethodClass TstCombColSeq3Class =
    tupleClass<TstCombCol<Seq, 3>>("KFS3", BELVANE_TEXT("Сочетания из 3 столбцов по соседним числам"));
constinit const MethodClass TstCombColSeq4Class =
    tupleClass<TstCombCol<Seq, 4>>("KFS4", BELVANE_TEXT("Сочетания из 4 столбцов по соседним числам"));
constinit const MethodClass TstCombRowMix2Class =
    tupleClass<TstCombRow<Mix, 2>>("KRM2", BELVANE_TEXT("Сочетания из 2 строк по всем числам тиража"));
constinit const MethodClass TstCombRowMix3Class =
    tupleClass<TstCombRow<Mix, 3>>("KRM3", BELVANE_TEXT("Сочетания из 3 строк по всем числам тиража"));
constinit const MethodClass TstCombRowMix4Class =
    tupleClass<TstCombRow<Mix, 4>>("KRM4", BELVANE_TEXT("Сочетания из 4 строк по всем числам тиража"));
constinit const MethodClass TstCombRowSeq2Class =
    tupleClass<TstCombRow<Seq, 2>>("KRS2", BELVANE_TEXT("Сочетания из 2 строк по соседним числам"));
constinit const MethodClass TstCombRowSeq3Class =
    tupleClass<TstCombRow<Seq, 3>>("KRS3", BELVANE_TEXT("Сочетания из 3 строк по соседним числам"));
constinit const MethodClass TstCombRowSeq4Class =
    tupleClass<TstCombRow<Seq, 4>>("KRS4", BELVANE_TEXT("Сочетания из 4 строк по соседним числам"));

constinit const MethodClass TstColValCntClass =
    MakeStatClass<TstColValCnt>({.id = "COL%d",
                                 .caption = BELVANE_TEXT("Количество чисел в %0:d столбце матрицы"),
                                 .helpId = "COLx",
                                 .group = GroupMatrix,
                                 .flags = FlagN,
                                 .paramRange = columnRange});
constinit const MethodClass TstRowValCntClass =
    MakeStatClass<TstRowValCnt>({.id = "ROW%d",
                                 .caption = BELVANE_TEXT("Количество чисел в %0:d строке матрицы"),
                                 .helpId = "ROWx",
                                 .group = GroupMatrix,
                                 .flags = FlagN,
                                 .paramRange = rowRange});

} // namespace belvane::stats
