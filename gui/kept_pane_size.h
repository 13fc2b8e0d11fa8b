#pragma once

// The last pane of a splitter keeps its size between runs. A splitter only
// has its real size once shown, so the saved size is applied then (the
// other panes take the rest), and the size is worth saving only after that.

#include <QObject>
#include <optional>

class QSplitter;

namespace belvane::gui {

class KeptPaneSize final : public QObject {
public:
    // `saved` <= 0: the splitter keeps the design sizes it has.
    KeptPaneSize(QSplitter* splitter, int saved);

    // The last pane's size now; nullopt while the splitter has never been shown.
    std::optional<int> current() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QSplitter* splitter_;
    int saved_;
    bool shown_ = false;
};

} // namespace belvane::gui
