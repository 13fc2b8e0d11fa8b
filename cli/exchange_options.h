#pragma once

// --service URL of the commands that talk to the exchange service.

#include <CLI/CLI.hpp>
#include <string>

#include "app/configuration_service.h"
#include "app/workspace.h"

namespace belvane::cli {

inline void addServiceOption(CLI::App* command, std::string& url)
{
    command->add_option("--service", url, "Адрес сервиса обмена (по умолчанию [ONLINE] ServiceUrl)");
}

// The address of the command line, when one was given, for this run.
inline void applyServiceOption(app::Workspace& ws, const std::string& url)
{
    if (!url.empty())
        ws.Configuration().SetServiceUrl(url);
}

} // namespace belvane::cli
