#pragma once

// What the four analysis tabs share: they build their data only while shown
// and only when its inputs changed (or when "Обновить" forces it), never
// while an operation runs, and each can be hidden through the "Вид" menu.

#include <string_view>

#include "gui/page.h"

namespace belvane::gui {

class AnalysisPage : public Page {
    Q_OBJECT
public:
    AnalysisPage(PageHost& host, const QString& objectName, const QString& title, std::string_view tabKey,
                 const char* tabAction);

    void fillSelection(app::ViewSelection&) const override {}
    void restoreState(const app::WindowStateFile&) override {}
    void saveState(app::WindowClosingState&) override {}
    void operationStarting() override { running_ = true; }
    void refresh() final;

    // Builds the view now, whatever its inputs.
    void rebuildNow() { rebuild(true); }

protected:
    // Builds the view when forced or when its inputs changed.
    virtual void rebuild(bool force) = 0;
    void showEvent(QShowEvent* event) override;
    bool running() const { return running_; }

private:
    void showTab();

    std::string_view tabKey_;
    bool running_ = false;
};

} // namespace belvane::gui
