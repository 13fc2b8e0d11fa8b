#include "systems/system_guarantee.h"

#include <algorithm>

#include <fmt/format.h>

#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"
#include "systems/system_file.h"

namespace belvane::systems {
namespace {

constexpr std::string_view kHeader = "BELVANE-GUARANTEE 1";

// FNV-1a: enough to tell that a file was changed after it was verified.
uint64_t contentsHash(std::string_view contents)
{
    uint64_t h = 0xcbf29ce484222325ull;
    for (const char c : contents) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ull;
    }
    return h;
}

} // namespace

std::optional<int> SystemGuarantee::ConditionFor(int t) const
{
    for (int p = std::max(t, 1); p <= 6; ++p)
        if (ByCondition[p] >= t)
            return p;
    return std::nullopt;
}

SystemGuarantee GuaranteeOf(const GuaranteeTable& table)
{
    SystemGuarantee g;
    for (int p = 1; p <= 6; ++p)
        g.ByCondition[p] = table.Guaranteed(p);
    return g;
}

std::optional<SystemGuarantee> VerifySystemText(std::string_view text, int numbers)
{
    if (numbers < MinSystemNumbers || numbers > MaxSystemNumbers)
        return std::nullopt;
    try {
        const std::vector<SystemLine> lines = ParseSystemText(text, numbers, {});
        if (lines.empty())
            return std::nullopt;
        return GuaranteeOf(*VerifySystem(lines, numbers));
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<ClaimCheck> CheckClaimedBlock(std::string_view text, int numbers, int block, std::string_view title)
{
    const auto guarantee = VerifySystemText(text, numbers);
    if (!guarantee)
        return std::nullopt;
    const bool claimed = block >= 1 && block <= SystemCombLength;
    const int shown = claimed ? block : std::max(guarantee->Block(), 1);
    ClaimCheck check;
    check.Guarantee = GuaranteeText(*guarantee, shown);
    if (claimed && !guarantee->Meets(block))
        check.Problem = BlockNotMetMessage(title, block, *guarantee);
    return check;
}

std::string GuaranteeText(const SystemGuarantee& guarantee, int block)
{
    if (const auto p = guarantee.ConditionFor(block))
        return support::Message("{} из {}", block, *p);
    return support::Message("не выполняется ({} из 6)", guarantee.Block());
}

std::string BlockNotMetMessage(std::string_view file, int block, const SystemGuarantee& guarantee)
{
    return support::Message("Система \"{}\" не дает заявленного блока {}: даже при 6 угаданных числах среди "
                            "чисел системы гарантировано только {}!",
                            file, block, guarantee.Block());
}

std::filesystem::path GuaranteeFile(const std::filesystem::path& systemFile)
{
    std::filesystem::path file = systemFile;
    file.replace_extension(GuaranteeExtension);
    return file;
}

void WriteGuarantee(const std::filesystem::path& systemFile, std::string_view contents,
                    const SystemGuarantee& guarantee)
{
    std::string text = fmt::format("{}\r\n{:016x}\r\n", kHeader, contentsHash(contents));
    for (int p = 1; p <= 6; ++p)
        text += fmt::format("{}{}", p > 1 ? " " : "", guarantee.ByCondition[p]);
    text += "\r\n";
    files::writeFileAtomically(GuaranteeFile(systemFile), text);
}

std::optional<SystemGuarantee> ReadGuarantee(const std::filesystem::path& systemFile, std::string_view contents)
{
    std::string text;
    try {
        text = files::readFile(GuaranteeFile(systemFile), 4096);
    } catch (const Error&) {
        return std::nullopt;
    }
    const auto lines = text::splitLines(text);
    if (lines.size() < 3 || text::trim(lines[0]) != kHeader ||
        text::trim(lines[1]) != fmt::format("{:016x}", contentsHash(contents)))
        return std::nullopt;
    const auto words = text::split(lines[2], " ", true);
    if (words.size() != 6)
        return std::nullopt;
    SystemGuarantee g;
    for (int p = 1; p <= 6; ++p) {
        const auto value = text::parseInt(text::trim(words[p - 1]));
        if (!value || *value < 0 || *value > p)
            return std::nullopt;
        g.ByCondition[p] = *value;
    }
    return g;
}

} // namespace belvane::systems
