// Scenario files (".lsc", the working copy ".lss") and the scenario texts of
// the online library: Windows-1251 lines of any length and line ends. Read
// as the program reads them, edited, and written back: what is written reads
// as the same lines.

#include <cstdlib>

#include "fuzz_support.h"
#include "scenario/library_exchange.h"
#include "scenario/scenario.h"

using namespace belvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::AsText(data, size);
    std::vector<std::string> lines = scenario::ScenarioFileLines(bytes);
    scenario::Scenario scenarioLines;
    scenarioLines.Assign(lines);
    // Saved and read again, the lines stay as they are (the first saving may
    // replace characters the code page lacks).
    const std::vector<std::string> saved = scenario::ScenarioFileLines(scenario::ScenarioFileText(lines));
    if (scenario::ScenarioFileLines(scenario::ScenarioFileText(saved)) != saved)
        std::abort();

    scenarioLines.AppendScenario(lines);
    if (scenarioLines.Count() > 1) {
        (void)scenarioLines.MoveDown(0);
        (void)scenarioLines.MoveUp(scenarioLines.Count() - 1);
        const int drop[] = {0, scenarioLines.Count() - 1};
        scenarioLines.Delete(drop);
    }

    // The library keeps a scenario as one text.
    const std::vector<std::string> library = scenario::LibraryScriptLines(bytes);
    (void)scenario::LibraryScriptText(library);

    // The file the program reads at start-up.
    const auto file = fuzz::WriteScratchFile("scenario.lss", bytes);
    scenario::Scenario loaded;
    try {
        (void)loaded.LoadWorkingCopy(file);
    } catch (const Error&) {
    }
    return 0;
}
