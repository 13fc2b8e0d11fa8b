// Scenario lines: nine "|"-separated fields (options, seven filter steps, a
// comment) as a user types them, a scenario file brings them or a rating
// row's comment gives them back. Each input line is split, parsed against the
// full registry, printed in canonical form, opened in the element dialog,
// and its filter variants are counted and the first of them built.

#include <cstdlib>

#include "fuzz_support.h"
#include "combs/filter.h"
#include "model/draws.h"
#include "scenario/filter_item.h"
#include "scenario/filter_variants.h"
#include "scenario/rating_key_line.h"
#include "scenario/script_element.h"
#include "scenario/script_line.h"
#include "scenario/script_options.h"
#include "stats/config_data.h"
#include "stats/stat_list.h"

using namespace belvane;

namespace {

struct Registry {
    model::TDrawsArray draws;
    stats::TConfigData config;
    stats::TStatList list{{&draws, &config}};
    Registry() { list.BuildMethods(); }
};

// Enough variants to reach every dimension of the odometer, few enough to stay quick.
constexpr int MaxVariantsBuilt = 64;

void LineOnce(const stats::TStatList& list, std::string_view line)
{
    const scenario::ScriptLineFields fields = scenario::SplitScriptLine(line);
    // A line written back from its fields reads as the same fields.
    if (!(scenario::SplitScriptLine(scenario::JoinScriptLine(fields)) == fields))
        std::abort();

    const scenario::TScriptOptions options = scenario::ParseScriptOptions(fields.Options);
    if (!(scenario::ParseScriptOptions(scenario::ScriptOptionsText(options)) == options))
        std::abort();
    (void)scenario::PrintScriptOptions(options);
    (void)scenario::ScriptOptionsSummary(options);

    const std::vector<scenario::TFilterItem> items = scenario::ParseLineFilters(list, fields);
    for (const scenario::TFilterItem& item : items) {
        (void)scenario::FilterItemText(list, item);
        (void)combs::ValidateFilterStep(scenario::FilterStepInputOf(list, item));
    }
    try {
        scenario::FilterVariants variants(list, items);
        scenario::TFilterRec rec;
        for (int i = 0; i < MaxVariantsBuilt && variants.Next(rec); ++i)
            (void)scenario::FilterRecText(list, rec);
    } catch (const Error&) {
    }

    (void)scenario::CanonicalScriptLine(list, line);
    (void)scenario::ScriptRowTexts(list, line);
    (void)scenario::IsSeparatorLine(line);
    (void)scenario::IsUsableScriptLine(list, line);
    (void)scenario::RatingKeyToScriptLine(line);
    try {
        (void)scenario::UsableRatingKeyLine(list, line);
    } catch (const Error&) {
    }

    const scenario::ScriptElementFields element = scenario::ElementFieldsFromLine(line, 10);
    if (!scenario::ValidateElementFields(element))
        (void)scenario::ElementLineText(element);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Registry registry;
    fuzz::InputReader input(data, size);
    for (int lines = 0; lines < 8 && !input.Rest().empty(); ++lines)
        LineOnce(registry.list, input.Line());
    return 0;
}
