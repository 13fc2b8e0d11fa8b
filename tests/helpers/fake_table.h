#pragma once

// A table source over texts held in the test: columns and rows as given.

#include <stdexcept>
#include <string>
#include <vector>

#include "support/table_source.h"

namespace belvane::testing {

class FakeTable final : public xlsx::ColumnListSource {
public:
    FakeTable(std::vector<xlsx::SourceColumn> columns, std::vector<std::vector<std::string>> rows,
              xlsx::SourceKind kind = xlsx::SourceKind::ListView)
        : rows_(std::move(rows)), kind_(kind)
    {
        columns_ = std::move(columns);
    }

    xlsx::SourceKind kind() const override { return kind_; }
    int64_t rowCount() const override
    {
        return rowsOverride_ >= 0 ? rowsOverride_ : static_cast<int64_t>(rows_.size());
    }
    void cellText(int64_t row, int column, std::string& out) const override
    {
        if (row == failAtRow_)
            throw std::runtime_error("the source failed");
        if (static_cast<size_t>(row) < rows_.size())
            out += rows_[static_cast<size_t>(row)].at(static_cast<size_t>(column));
        else
            out += std::to_string(row); // rows beyond the texts given: their number
    }

    // Claims more rows than the texts given (they read as their numbers).
    void setRowCount(int64_t n) { rowsOverride_ = n; }
    // cellText throws at this row.
    void failAt(int64_t row) { failAtRow_ = row; }

private:
    std::vector<std::vector<std::string>> rows_;
    xlsx::SourceKind kind_;
    int64_t rowsOverride_ = -1;
    int64_t failAtRow_ = -1;
};

} // namespace belvane::testing
