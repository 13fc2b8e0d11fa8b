#pragma once

// "Системы" (tsSystems): the catalogue of systems of the exchange service
// (lvSystems) and the "Системы" menu's actions on it — the page itself on or
// off with the system stakes, reloading the list, downloading the chosen
// systems, publishing a new one, the properties of one (the user's own
// editable), deleting the user's own, and generating a system of one's own. The list loads the first time the
// page is shown when a service is set up.

#include <QString>
#include <cstdint>
#include <string>

#include "gui/page.h"

class QTableView;

namespace belvane::systems {
struct tSystemData;
}

namespace belvane::gui {

class SystemsModel;
struct SystemRow;

class SystemsPage final : public Page {
    Q_OBJECT
public:
    explicit SystemsPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void refresh() override;

    QTableView* systemsView() const { return lvSystems_; }
    const SystemsModel& model() const { return *model_; }
    // Whether the list has been loaded from the service at least once.
    bool listLoaded() const { return loaded_; }
    // SystemsRefresh: the list again, the same system current.
    void loadList();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void registerActions();
    // The tab and the two system stakes follow SystemsEnabled.
    void showEnabled();
    void systemsOn();
    void download();
    void add();
    void properties();
    void showProperties(int32_t id, const std::string& combs);
    void remove();
    // "Создать систему...": a system of one's own, generated and verified.
    void createWheel();

    // The current row: the first selected one; -1 when none is.
    int currentRow() const;
    void makeCurrent(int row);
    // A listed system as the page shows it (on this computer, the user's own).
    SystemRow rowFor(const systems::tSystemData& system) const;
    // The status cells and icons after files came or went.
    void updateStatuses();

    QTableView* lvSystems_;
    SystemsModel* model_;
    bool loaded_ = false;
};

} // namespace belvane::gui
