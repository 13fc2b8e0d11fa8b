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

extern const MethodClass TstColumnsClass;       // COLS
extern const MethodClass TstRowsClass;          // ROWS
extern const MethodClass TstColValuesClass;     // COLV
extern const MethodClass TstRowValuesClass;     // ROWV
extern const MethodClass TstColCountClass;      // COLN
extern const MethodClass TstRowCountClass;      // ROWN
extern const MethodClass TstColMaskClass;       // COLM
extern const MethodClass TstRowMaskClass;       // ROWM
extern const MethodClass TstColAjacentClass;    // COLA
extern const MethodClass TstRowAjacentClass;    // ROWA
extern const MethodClass TstColAjacentCntClass; // COLC
extern const MethodClass TstRowAjacentCntClass; // ROWC
extern const MethodClass TstCombColMix2Class;   // KFM2
extern const MethodClass TstCombColMix3Class;   // KFM3
extern const MethodClass TstCombColMix4Class;   // KFM4
extern const MethodClass TstCombColSeq2Class;   // KFS2
extern const MethodClass TstCombColSeq3Class;   // KFS3
extern const MethodClass TstCombColSeq4Class;   // KFS4
extern const MethodClass TstCombRowMix2Class;   // KRM2
extern const MethodClass TstCombRowMix3Class;   // KRM3
extern const MethodClass TstCombRowMix4Class;   // KRM4
extern const MethodClass TstCombRowSeq2Class;   // KRS2
extern const MethodClass TstCombRowSeq3Class;   // KRS3
extern const MethodClass TstCombRowSeq4Class;   // KRS4
extern const MethodClass TstColValCntClass;     // COL%d
extern const MethodClass TstRowValCntClass;     // ROW%d

// The columns the methods use: MatrixCols brought into 1..45, as the
// configuration file is read.
int MatrixColsOf(const TConfigData& config);

// The grid a matrix method keeps from its creation on.
struct MatrixGrid {
    uint8_t Cols = 0;
    uint8_t Rows = 0;
    Grouping Columns; // column(n) = (n - 1) mod C + 1
    Grouping RowsOf;  // row(n) = (n - 1) div C + 1

    explicit MatrixGrid(const TConfigData& config);
};

// The family base over either root: the grid is read from the configuration
// when the method is created.
template <class Base>
class MatrixLayoutBase : public Base {
public:
    MatrixLayoutBase(const MethodClass& statClass, const MethodContext& context, int param)
        : Base(statClass, context, param), grid_(*context.Config)
    {
    }

    const MatrixGrid& Grid() const { return grid_; }
    const Grouping& ColumnGroups() const { return grid_.Columns; }
    const Grouping& RowGroups() const { return grid_.RowsOf; }
    const GroupTable& ColumnTable() const { return grid_.Columns.Of; }
    const GroupTable& RowTable() const { return grid_.RowsOf.Of; }

private:
    MatrixGrid grid_;
};

using TCustomMatrixStat = MatrixLayoutBase<TCustomNumbersStat>;
// The same, for the members with a graph.
using TCustomMatrixGraphStat = MatrixLayoutBase<TCustomGraphStat>;

} // namespace belvane::stats
