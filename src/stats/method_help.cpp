#include "stats/method_help.h"

#include <array>

namespace belvane::stats {

const MethodHelp* FindMethodHelp(const MethodClass& c)
{
    using Table = std::span<const MethodHelp> (*)();
    static constexpr std::array<Table, 10> kTables = {&NumbersHelp, &SumsHelp,     &DifferencesHelp, &ChannelsHelp,
                                                      &MatrixHelp,  &SegmentsHelp, &SequencesHelp,   &CombValuesHelp,
                                                      &OgnevHelp,   &ChainsHelp};
    for (Table table : kTables)
        for (const MethodHelp& help : table())
            if (help.Id == c.GetID())
                return &help;
    return nullptr;
}

} // namespace belvane::stats
