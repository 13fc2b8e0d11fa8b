#include "app/draws_list.h"

#include "support/translation.h"

namespace belvane::app {

const model::TDraw& DrawAtRow(const model::TDrawsArray& draws, int row)
{
    return draws.at(static_cast<size_t>(model::IndexAtDistance(draws, row)));
}

std::string DrawsListCell(const model::TDraw& draw, int column, bool sorted)
{
    switch (column) {
    case ColNumber:
        return std::to_string(draw.Number);
    case ColExtra:
        return std::to_string(draw.Extra);
    case ColSum:
        return std::to_string(draw.sum());
    case ColDate:
        return std::string(draw.dateText());
    default:
        if (column >= ColBall1 && column <= ColBall6)
            return std::to_string(model::ViewBalls(draw, sorted)[static_cast<size_t>(column - ColBall1)]);
        return {};
    }
}

std::string DrawsListCaption(int column)
{
    if (column < 0 || column >= DrawsListColumnCount)
        return {};
    return support::Text(DrawsListCaptions[static_cast<size_t>(column)]);
}

std::string ArchiveCountText(size_t count)
{
    return support::Message("Архив тиражей: {}", count);
}

std::string NextDrawNumberText(int64_t nextNumber)
{
    return support::Message("Следующий тираж: {}", nextNumber);
}

} // namespace belvane::app
