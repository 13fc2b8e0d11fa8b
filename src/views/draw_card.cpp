#include "views/draw_card.h"

#include "model/layout.h"
#include "views/chart.h"
#include "views/draw_window.h"

namespace belvane::views {

std::vector<CardRow> BuildDrawCard(const model::TDrawsArray& draws, const CardColoring& coloring)
{
    std::vector<CardRow> rows(draws.size());
    for (size_t i = 0; i < draws.size(); ++i) {
        const model::TDraw& draw = draws[draws.size() - 1 - i];
        CardRow& row = rows[i];
        row.DrawNumber = draw.Number;
        row.Extra = draw.Extra;
        ForEachNumber(draw, [&](int n) { row.Filled[static_cast<size_t>(n)] = true; });
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        CardRow& row = rows[i];
        for (size_t n = 1; n <= 45; ++n) {
            CardCellClass& c = row.Classes[n];
            c = CardCellClass::Plain;
            if (coloring.Sequences && row.Filled[n]) {
                const bool repeated =
                    (i > 0 && rows[i - 1].Filled[n]) || (i + 1 < rows.size() && rows[i + 1].Filled[n]);
                const bool run = (n > 1 && row.Filled[n - 1]) || (n < 45 && row.Filled[n + 1]);
                if (repeated)
                    c = run ? CardCellClass::RunRepeat : CardCellClass::Repeat;
                else if (run)
                    c = CardCellClass::Run;
            }
            if (c == CardCellClass::Plain && coloring.Channels)
                c = CardCellClass::Channel;
        }
    }
    return rows;
}

Rgb CardCellColor(CardCellClass cellClass, int number, int channelSize)
{
    switch (cellClass) {
    case CardCellClass::Channel:
        return channelSize > 0 ? ChannelColor(model::ChannelOf(number, channelSize)) : White;
    case CardCellClass::RunRepeat:
        return Yellow;
    case CardCellClass::Repeat:
        return Lime;
    case CardCellClass::Run:
        return Aqua;
    case CardCellClass::Plain:
        break;
    }
    return White;
}

} // namespace belvane::views
