#include "stats/method_help.h"

#include <array>

namespace belvane::stats {

const MethodHelp* FindMethodHelp(const MethodClass& c)
{
    using Table = std::span<const MethodHelp> (*)();
    static constexpr std::array<Table, 14> kTables = {
        &NumbersHelp, &SumsHelp,   &DifferencesHelp, &ChannelsHelp, &MatrixHelp, &SegmentsHelp,  &SequencesHelp,
        &RepeatsHelp, &SerialHelp, &PeriodsHelp,     &ChainsHelp,   &OgnevHelp,  &ShreddingHelp, &CombValuesHelp};
    for (Table table : kTables)
        for (const MethodHelp& help : table())
            if (help.Id == c.GetID())
                return &help;
    return nullptr;
}

} // namespace belvane::stats
