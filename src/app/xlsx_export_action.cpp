#include "app/xlsx_export_action.h"

#include <chrono>
#include <optional>

#include "support/error.h"
#include "support/host.h"
#include "support/sheet_layout.h"
#include "support/xlsx_export.h"

namespace belvane::app {

namespace {

// The writer's progress on the host: stage texts on the status line, the
// steps on the progress window, "Отмена" as the request to stop.
class HostProgress final : public xlsx::ExportProgress {
public:
    explicit HostProgress(Host& host) : host_(host), status_(host, xlsx::StageConnect) {}

    void stage(std::string_view text) override { host_.setStatus(text); }
    void start(int64_t total) override { window_.emplace(host_, total, true); }
    void advance(int64_t steps) override { host_.stepProgress(steps); }
    bool cancelled() const override { return host_.cancelled(); }

private:
    Host& host_;
    StatusScope status_;
    std::optional<ProgressScope> window_;
};

} // namespace

ExportResult ExportToXlsx(Host& host, const xlsx::TableSource& source, const xlsx::ExportParameters& params,
                          const std::vector<xlsx::RowRange>& rows, const std::filesystem::path& target)
{
    try {
        HostProgress progress(host);
        const std::string createdAt = xlsx::CreatedAtText(std::chrono::system_clock::now());
        const auto outcome = xlsx::WriteXlsx(target, params, source, rows, createdAt, progress);
        return outcome == xlsx::WriteOutcome::Written ? ExportResult::Written : ExportResult::Cancelled;
    } catch (const Error& e) {
        host.showError(e.what());
        return ExportResult::Failed;
    }
}

} // namespace belvane::app
