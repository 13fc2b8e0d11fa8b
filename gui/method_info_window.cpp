#include "gui/method_info_window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace belvane::gui {
namespace {

constexpr std::string_view kSection = "TFormFiltersInfo";

struct ScreenMetrics {
    int PixelsPerInch = 96;
    int Width = 1280;
    int Height = 1024;
};

ScreenMetrics screenMetrics()
{
    ScreenMetrics m;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m.PixelsPerInch = static_cast<int>(screen->logicalDotsPerInch());
        m.Width = screen->size().width();
        m.Height = screen->size().height();
    }
    return m;
}

} // namespace

TFormFiltersInfo::TFormFiltersInfo(QWidget* parent, const app::WindowStateFile* stateFile)
    : QDialog(parent), stateFile_(stateFile)
{
    setObjectName(QStringLiteral("TFormFiltersInfo"));
    setWindowTitle(tr("Описание методики расчета"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    wbInfo_ = new QTextBrowser(this);
    wbInfo_->setObjectName(QStringLiteral("wbInfo"));
    wbInfo_->setOpenLinks(false);
    layout->addWidget(wbInfo_);
    resize(560, 420);
    restorePlacement();
}

void TFormFiltersInfo::showPage(const QString& html)
{
    wbInfo_->setHtml(html);
}

bool TFormFiltersInfo::openHelpPage(const QString& url)
{
    return !url.isEmpty() && QDesktopServices::openUrl(QUrl(url));
}

void TFormFiltersInfo::hideEvent(QHideEvent* event)
{
    savePlacement();
    QDialog::hideEvent(event);
}

void TFormFiltersInfo::restorePlacement()
{
    if (stateFile_ == nullptr)
        return;
    try {
        const ScreenMetrics screen = screenMetrics();
        if (const auto placement =
                app::LoadPlacement(*stateFile_, kSection, screen.PixelsPerInch, screen.Width, screen.Height)) {
            const app::WindowRect& r = placement->NormPos;
            if (r.Right > r.Left && r.Bottom > r.Top)
                setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        }
    } catch (const std::exception&) {
        // An unreadable window-state file was reported when the main window read it.
    }
}

void TFormFiltersInfo::savePlacement() const
{
    if (stateFile_ == nullptr)
        return;
    const QRect g = geometry();
    app::WindowPlacement p;
    p.NormPos = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    try {
        const ScreenMetrics screen = screenMetrics();
        app::SavePlacement(*stateFile_, kSection, p, screen.PixelsPerInch, screen.Width, screen.Height);
    } catch (const std::exception&) {
        // The placement is a convenience: a window-state file that cannot be
        // written is reported when the main window saves its own state.
    }
}

} // namespace belvane::gui
