#include "cli/batch_arguments.h"

#include <algorithm>

namespace belvane::cli {

BatchArguments SplitBatchArguments(std::span<const std::string> args)
{
    BatchArguments result;
    std::vector<std::string> words;
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (app::IsStartupOption(arg)) {
            words.push_back(arg);
            continue;
        }
        result.Rest.push_back(arg);
        const bool takesValue = std::find(GlobalOptionsWithValue.begin(), GlobalOptionsWithValue.end(),
                                          std::string_view(arg)) != GlobalOptionsWithValue.end();
        if (takesValue && i + 1 < args.size()) {
            result.Rest.push_back(args[++i]);
            continue;
        }
        if (!arg.starts_with('-')) {
            result.CommandFollows = true; // everything from here on is the command's
            ++i;
            break;
        }
    }
    result.Rest.insert(result.Rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    result.Options = app::ParseStartupOptions(words);
    result.Found = !words.empty();
    return result;
}

} // namespace belvane::cli
