#pragma once

// Ctrl+C while a scenario runs stops it as "Стоп" does: the run finishes its
// steps, writes what it made and the tool reports it. A second Ctrl+C ends
// the tool at once.

namespace belvane::app {
class ScenarioService;
}

namespace belvane::cli {

class ScenarioInterrupt {
public:
    explicit ScenarioInterrupt(app::ScenarioService& scenario);
    ScenarioInterrupt(const ScenarioInterrupt&) = delete;
    ScenarioInterrupt& operator=(const ScenarioInterrupt&) = delete;
    ~ScenarioInterrupt();
};

} // namespace belvane::cli
