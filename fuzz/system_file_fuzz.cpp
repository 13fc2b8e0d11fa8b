// System files "Systems/6-NN-B_IIII.dat": lines of six positions separated by
// any run of separator characters, from the service or from anyone. The
// first line names the file, the rest is its text; the text is checked as a
// system of every number count the name allows, normalised as the system
// dialog keeps it, and installed as a file of lines is installed.

#include <cstdlib>

#include "fuzz_support.h"
#include "systems/system_file.h"

using namespace belvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::InputReader input(data, size);
    const std::string_view name = input.Line();
    const std::string_view text = input.Rest();

    if (const auto parsed = systems::ParseSystemFileName(name)) {
        if (!(systems::ParseSystemFileName(systems::SystemFileName(*parsed)) == parsed))
            std::abort();
    }

    fuzz::InputReader lines(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    for (int i = 0; i < 32 && !lines.Rest().empty(); ++i) {
        if (const auto line = systems::ParseSystemLine(lines.Line())) {
            // The normalised text of a line reads as the same line.
            if (systems::ParseSystemLine(systems::SystemLineText(*line)) != line)
                std::abort();
        }
    }

    const std::string normalized = systems::NormalizeSystemText(text);
    if (systems::NormalizeSystemText(normalized) != normalized)
        std::abort();
    for (int numbers : {systems::MinSystemNumbers, 12, systems::MaxSystemNumbers}) {
        try {
            (void)systems::ParseSystemText(text, numbers, "6-12-3_0001.dat");
        } catch (const Error&) {
        }
    }

    const auto folder = fuzz::FreshScratchFolder("Systems");
    const auto source = fuzz::WriteScratchFile("source.txt", text);
    std::optional<systems::InstalledSystem> installed;
    try {
        installed = systems::InstallSystem(folder, source, 3, std::nullopt);
    } catch (const Error&) {
    }
    if (installed) {
        // What was installed is a system the program can use.
        if (systems::ReadSystemFile(installed->Path).size() != static_cast<size_t>(installed->Lines))
            std::abort();
        const auto local = systems::LocalSystems(folder);
        if (local.size() != 1 || !local[0].Problem.empty())
            std::abort();
    }
    return 0;
}
