#include "cli/scenario_interrupt.h"

#include <atomic>
#include <csignal>

#include "app/scenario_service.h"

namespace belvane::cli {
namespace {

std::atomic<app::ScenarioService*> g_scenario = nullptr;
struct sigaction g_previous {};

extern "C" void onInterrupt(int)
{
    // Only an atomic store happens here: safe in a signal handler. The
    // handler was installed for one signal: the next Ctrl+C ends the tool.
    if (app::ScenarioService* scenario = g_scenario.load())
        scenario->RequestStop();
}

} // namespace

ScenarioInterrupt::ScenarioInterrupt(app::ScenarioService& scenario)
{
    g_scenario = &scenario;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &action, &g_previous);
}

ScenarioInterrupt::~ScenarioInterrupt()
{
    sigaction(SIGINT, &g_previous, nullptr);
    g_scenario = nullptr;
}

} // namespace belvane::cli
