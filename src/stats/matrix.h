#pragma once

// The matrix methods (group 4): the numbers 1..45 laid out row by row in a
// grid of MatrixCols columns, and a draw described by the columns and rows its
// numbers fall into — which ones, how many numbers each holds, how many are
// occupied, their pattern as a bit mask, vertical and horizontal neighbours,
// and tuples of columns or rows by position.

#include <cstdint>

#include "stats/group_stats.h"
#include "stats/stat_class.h"

namespace belvane::stats {

extern const TStatClass TstColumnsClass;       // COLS
extern const TStatClass TstRowsClass;          // ROWS
extern const TStatClass TstColValuesClass;     // COLV
extern const TStatClass TstRowValuesClass;     // ROWV
extern const TStatClass TstColCountClass;      // COLN
extern const TStatClass TstRowCountClass;      // ROWN
extern const TStatClass TstColMaskClass;       // COLM
extern const TStatClass TstRowMaskClass;       // ROWM
extern const TStatClass TstColAjacentClass;    // COLA
extern const TStatClass TstRowAjacentClass;    // ROWA
extern const TStatClass TstColAjacentCntClass; // COLC
extern const TStatClass TstRowAjacentCntClass; // ROWC
extern const TStatClass TstCombColMix2Class;   // KFM2
extern const TStatClass TstCombColMix3Class;   // KFM3
extern const TStatClass TstCombColMix4Class;   // KFM4
extern const TStatClass TstCombColSeq2Class;   // KFS2
extern const TStatClass TstCombColSeq3Class;   // KFS3
extern const TStatClass TstCombColSeq4Class;   // KFS4
extern const TStatClass TstCombRowMix2Class;   // KRM2
extern const TStatClass TstCombRowMix3Class;   // KRM3
extern const TStatClass TstCombRowMix4Class;   // KRM4
extern const TStatClass TstCombRowSeq2Class;   // KRS2
extern const TStatClass TstCombRowSeq3Class;   // KRS3
extern const TStatClass TstCombRowSeq4Class;   // KRS4
extern const TStatClass TstColValCntClass;     // COL%d
extern const TStatClass TstRowValCntClass;     // ROW%d

// The columns the methods use: MatrixCols brought into 1..45, as the
// configuration file is read.
int MatrixColsOf(const TConfigData& config);

// The grid a matrix method keeps from its creation on.
struct TMatrixGrid {
    uint8_t Cols = 0;
    uint8_t Rows = 0;
    TGrouping Columns; // column(n) = (n - 1) mod C + 1
    TGrouping RowsOf;  // row(n) = (n - 1) div C + 1

    explicit TMatrixGrid(const TConfigData& config);
};

class TCustomMatrixStat : public TCustomNumbersStat {
public:
    TCustomMatrixStat(const TStatClass& statClass, const TStatList& list, int param);

    const TMatrixGrid& Grid() const { return grid_; }
    const TGrouping& ColumnGroups() const { return grid_.Columns; }
    const TGrouping& RowGroups() const { return grid_.RowsOf; }
    const TGroupTable& ColumnTable() const { return grid_.Columns.Of; }
    const TGroupTable& RowTable() const { return grid_.RowsOf.Of; }

private:
    TMatrixGrid grid_;
};

// The same, for the members with a graph.
class TCustomMatrixGraphStat : public TCustomGraphStat {
public:
    TCustomMatrixGraphStat(const TStatClass& statClass, const TStatList& list, int param);

    const TMatrixGrid& Grid() const { return grid_; }
    const TGrouping& ColumnGroups() const { return grid_.Columns; }
    const TGrouping& RowGroups() const { return grid_.RowsOf; }
    const TGroupTable& ColumnTable() const { return grid_.Columns.Of; }
    const TGroupTable& RowTable() const { return grid_.RowsOf.Of; }

private:
    TMatrixGrid grid_;
};

} // namespace belvane::stats
