#pragma once

// "Архив тиражей" (tsDraws): the draws offset and the draws list, with
// adding, editing, deleting, importing, exporting and downloading draws, the
// proxy of the download and the start-up download choice.

#include "gui/page.h"

class QSpinBox;
class QTableView;

namespace belvane::gui {

class DeferredInput;
class DrawsModel;

class DrawsPage final : public Page {
    Q_OBJECT
public:
    explicit DrawsPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void refresh() override;

    // At start-up, by "Автозагрузка при запуске программы": asks "Обновить
    // список тиражей?..." (or not) and starts the download.
    void downloadAtStartup();

    QTableView* drawsView() const { return lvDraws_; }
    QSpinBox* offsetBox() const { return edDrawsOffset_; }

private:
    void registerActions();
    // The numbers of the draws at the selected rows, top to bottom.
    std::vector<int> selectedNumbers() const;

    void drawsInfo();
    void drawsAdd();
    void drawsEdit();
    void drawsDel();
    void drawsImport();
    void drawsExport();
    void drawsXlsExport();
    void drawsDownload();
    void editProxy();
    void registerDownloadActions();

    QSpinBox* edDrawsOffset_;
    QTableView* lvDraws_;
    DrawsModel* model_;
    DeferredInput* offsetInput_;
    bool updating_ = false;
};

} // namespace belvane::gui
