#include "app/draw_input.h"

#include "support/error.h"
#include "support/translation.h"

namespace belvane::app {

model::TDraw MakeDrawFromInput(int number, std::string_view numbersText, const std::optional<model::Date>& date)
{
    const auto numbers = model::ParseDrawText(numbersText);
    if (!numbers)
        throw Error(support::Text(model::InvalidDrawTextMessage));
    model::TDraw draw;
    draw.Number = number;
    draw.Balls = numbers->Balls;
    draw.Extra = numbers->Extra;
    draw.setDate(date);
    return draw;
}

} // namespace belvane::app
