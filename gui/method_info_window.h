#pragma once

// "Описание методики расчета": the description page of a statistic method in
// a browser. The window keeps its placement in the window-state file.

#include <QDialog>

#include "app/window_settings.h"

class QTextBrowser;

namespace belvane::gui {

class TFormFiltersInfo : public QDialog {
    Q_OBJECT
public:
    // stateFile: where the placement is kept; nullptr keeps none.
    TFormFiltersInfo(QWidget* parent, const app::WindowStateFile* stateFile);

    void showPage(const QString& html);
    // Opens a page of the configured help file with the system's viewer; false
    // for an empty URL or when no viewer takes it (the built-in page is shown then).
    static bool openHelpPage(const QString& url);
    QTextBrowser* browser() const { return wbInfo_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void restorePlacement();
    void savePlacement() const;

    QTextBrowser* wbInfo_;
    const app::WindowStateFile* stateFile_;
};

} // namespace belvane::gui
