#include "combs/list_queries.h"

#include <fmt/format.h>

#include "model/number_sets.h"
#include "support/translation.h"

namespace belvane::combs {

std::string DistinctNumbersMessage(std::span<const TComb> combs)
{
    return support::Message("В текущем списке комбинаций содержится {} уникальных номеров",
                            model::DistinctNumbers(combs, combs.size()).size());
}

std::vector<const model::TDraw*> FindInDraws(const model::TDrawsArray& draws, const TComb& comb)
{
    std::vector<const model::TDraw*> found;
    for (auto it = draws.rbegin(); it != draws.rend() && found.size() < MaxFoundDraws; ++it) {
        bool all = true;
        for (model::Ball n : comb)
            all = all && model::InDraw(*it, n);
        if (all)
            found.push_back(&*it);
    }
    return found;
}

std::string FindInDrawsMessage(const model::TDrawsArray& draws, const TComb& comb)
{
    const auto found = FindInDraws(draws, comb);
    if (found.empty())
        return support::Text("Выделенная комбинация не найдена в архиве тиражей!");
    std::string text = support::Text("Выделенная комбинация найдена в следующих тиражах:\r");
    for (const model::TDraw* d : found)
        text += "\r" + model::DrawToText(*d);
    return text;
}

} // namespace belvane::combs
