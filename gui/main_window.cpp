#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent>

#include "combs/list_queries.h"
#include "gui/qt_host.h"
#include "gui/qt_text.h"
#include "gui/stat_chart.h"
#include "gui/workspace_models.h"

namespace belvane::gui {
namespace {

constexpr int kPanelCount = 7;
constexpr int kStatusPanel = 6;

// A read-only virtual table with rows of one text line.
QTableView* makeTable(QWidget* parent, const QString& name, QAbstractItemModel* model, bool multiSelect)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    return view;
}

void setWidths(QTableView* view, const std::vector<int>& widths)
{
    for (int c = 0; c < static_cast<int>(widths.size()) && c < view->model()->columnCount(); ++c)
        if (widths[static_cast<size_t>(c)] > 0)
            view->setColumnWidth(c, widths[static_cast<size_t>(c)]);
}

std::vector<int> widthsOf(const QTableView* view)
{
    std::vector<int> widths;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        widths.push_back(view->columnWidth(c));
    return widths;
}

} // namespace

MainWindow::MainWindow(app::DataFiles files, app::StartupOptions options)
{
    setObjectName(QStringLiteral("TFormMain"));
    setWindowTitle(QStringLiteral("Belvane 6x45"));
    host_ = new QtHost(this);
    ws_ = std::make_unique<app::Workspace>(*host_, std::move(files), options);
    buildStatusBar(); // the status line shows start-up's texts
    connect(host_, &QtHost::statusChanged, this, &MainWindow::setStatus);
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &MainWindow::operationFinished);
    // The views refresh once the operation that changed the workspace is over
    // (operationFinished), not from the worker thread that refreshes the workspace.

    try {
        ws_->Create();
    } catch (const std::exception& e) {
        host_->showError(std::string("Ошибка запуска программы!\r\r") + e.what());
    }

    drawsModel_ = new DrawsModel(*ws_, this);
    combsModel_ = new CombsModel(*ws_, this);
    historyModel_ = new HistoryModel(*ws_, this);
    statModel_ = new StatTableModel(*ws_, this);
    statSort_ = new QSortFilterProxyModel(this);
    statSort_->setSourceModel(statModel_);
    statSort_->setSortRole(Qt::UserRole);

    buildActions();
    mainSplitter_ = new QSplitter(Qt::Horizontal, this);
    pcLeft_ = new QTabWidget(mainSplitter_);
    pcLeft_->setObjectName(QStringLiteral("pcLeft"));
    pcLeft_->addTab(buildDrawsPage(), QStringLiteral("Архив тиражей"));
    pcLeft_->addTab(buildCombsPage(), QStringLiteral("Комбинации"));
    pcRight_ = new QTabWidget(mainSplitter_);
    pcRight_->setObjectName(QStringLiteral("pcRight"));
    pcRight_->addTab(buildStatPage(), QStringLiteral("Статистика"));
    mainSplitter_->setStretchFactor(1, 1);
    setCentralWidget(mainSplitter_);
    buildMenus();
    restoreWindowState();
    refreshStatTypes();
    updateActions();
}

MainWindow::~MainWindow()
{
    if (running_)
        watcher_.waitForFinished();
}

QAction* MainWindow::action(const QString& name) const
{
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildActions()
{
    auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                      std::function<void()> handler, bool checkable = false) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, [handler] { handler(); });
        actions_[a->objectName()] = a;
        return a;
    };
    app::Workspace& ws = *ws_;

    add("DrawsInfo", QStringLiteral("Сведения о тираже"), {}, [this] { drawsInfo(); });
    add("DrawsAdd", QStringLiteral("Добавить"), {}, [this] { drawsAdd(); });
    add("DrawsEdit", QStringLiteral("Изменить"), {}, [this] { drawsEdit(); });
    add("DrawsDel", QStringLiteral("Удалить"), {}, [this] { drawsDel(); });
    add(
        "DrawsSorted", QStringLiteral("Упорядочить MIN->MAX"), {},
        [this, &ws] { run([&ws] { ws.Archive().ToggleSorted(); }); }, true);
    add("DrawsImport", QStringLiteral("Импорт из CSV-файла"), {}, [this] { drawsImport(); });
    add("DrawsExport", QStringLiteral("Экспорт в CSV-файл"), {}, [this] { drawsExport(); });

    add("CombsGen", QStringLiteral("Генерировать"), QKeySequence(Qt::Key_F2), [this] { combsGen(); });
    add("CombsOpen", QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { combsOpen(); });
    add("CombsSave", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { combsSave(); });
    add("CombsUndo", QStringLiteral("Отменить"), QKeySequence(Qt::CTRL | Qt::Key_Z),
        [this, &ws] { run([&ws] { ws.Combinations().Undo(); }); });
    add("CombsDelExists", QStringLiteral("Исключить тиражи"), QKeySequence(Qt::CTRL | Qt::Key_E), [this, &ws] {
        const int n = edCombsExclude_->value();
        run([&ws, n] { ws.Combinations().ExcludeLatestDraws(n); });
    });
    add("CombsDelSelected", QStringLiteral("Удалить выделенные"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        [this] { combsDelSelected(); });
    add("CombsCopy", QStringLiteral("Копировать в буфер"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { combsCopy(); });
    add("CombsPaste", QStringLiteral("Вставить из буфера"), QKeySequence(Qt::CTRL | Qt::Key_V),
        [this] { combsPaste(); });
    add("CombsSelectAll", QStringLiteral("Выделить все"), QKeySequence(Qt::CTRL | Qt::Key_A),
        [this] { lvCombs_->selectAll(); });
    add("CombsInfo", QStringLiteral("Сведения о комбинации"), {}, [this] { combsInfo(); });
    add("CombsCheckNums", QStringLiteral("Количество уникальных номеров"), {},
        [&ws] { ws.Host().showInformation(ws.Combinations().DistinctNumbersMessage()); });
    add("CombsFindInDraws", QStringLiteral("Проверить по архиву тиражей"), QKeySequence(Qt::CTRL | Qt::Key_F),
        [this] { combsFindInDraws(); });

    auto* calc = add("DrawsStatCalc", QStringLiteral("Обновить"), QKeySequence(Qt::Key_F5),
                     [this, &ws] { run([&ws] { ws.Statistics().Calculate(true); }); });
    calc->setToolTip(QStringLiteral("Пересчитать статистику по выбранным параметрам"));
    add(
        "DrawsStatePrefetchsEnabled", QStringLiteral("Использовать сравнение с полным набором комбинаций"), {},
        [this, &ws] { run([&ws] { ws.Statistics().TogglePrefetchs(); }); }, true);
    add(
        "DrawsStatShowTotalLine", QStringLiteral("График идеального распределения"), {},
        [this, &ws] { run([&ws] { ws.Statistics().ToggleTotalLine(); }); }, true);
    add("StatFilter_Include", QStringLiteral("Оставить выделенные"), QKeySequence(Qt::Key_F7),
        [this] { statFilter(false); });
    add("StatFilter_Exclude", QStringLiteral("Удалить выделенные"), QKeySequence(Qt::CTRL | Qt::Key_F7),
        [this] { statFilter(true); });
    add("FiltersReset", QStringLiteral("Все доступные статистики"), {}, [this] { filtersReset(); });
    // Channel colours in the lists: a view setting, written when toggled.
    for (const auto& [name, key, caption] :
         {std::tuple{"ViewColorDraws", "ColorDraws", "Каналы цветом в списке тиражей"},
          std::tuple{"ViewColorCombs", "ColorCombs", "Каналы цветом в списке комбинаций"}}) {
        add(
            name, QString::fromUtf8(caption), {},
            [this, setting = key] {
                ws_->Settings().Set(setting, ws_->Settings().Flag(setting) ? 0 : 1);
                refreshViews();
                updateActions();
            },
            true);
    }
    auto* config = add("EditConfig", QStringLiteral("Параметры"), {}, [this] { editConfig(); });
    config->setToolTip(QStringLiteral("Редактирование параметров системы"));
    add("ExitProgram", QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_F4), [this] { close(); });

    // Shortcuts that text fields use too act only on their own list.
    for (const char* name : {"CombsCopy", "CombsPaste", "CombsSelectAll", "CombsDelSelected"})
        action(QString::fromLatin1(name))->setShortcutContext(Qt::WidgetWithChildrenShortcut);
}

void MainWindow::buildMenus()
{
    auto addAll = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name == nullptr)
                menu->addSeparator();
            else
                menu->addAction(action(QString::fromLatin1(name)));
        }
    };
    addAll(menuBar()->addMenu(QStringLiteral("Файл")), {"DrawsImport", "DrawsExport", nullptr, "ExitProgram"});
    addAll(menuBar()->addMenu(QStringLiteral("Тиражи")),
           {"DrawsInfo", "DrawsAdd", "DrawsEdit", "DrawsDel", nullptr, "DrawsSorted"});
    addAll(menuBar()->addMenu(QStringLiteral("Комбинации")),
           {"CombsGen", "CombsOpen", "CombsSave", nullptr, "CombsUndo", "CombsDelExists", "CombsDelSelected", nullptr,
            "CombsCopy", "CombsPaste", "CombsSelectAll", nullptr, "CombsInfo", "CombsCheckNums", "CombsFindInDraws"});
    addAll(menuBar()->addMenu(QStringLiteral("Статистика")),
           {"DrawsStatCalc", "StatFilter_Include", "StatFilter_Exclude", nullptr, "DrawsStatePrefetchsEnabled",
            "DrawsStatShowTotalLine", nullptr, "FiltersReset"});
    addAll(menuBar()->addMenu(QStringLiteral("Вид")), {"ViewColorDraws", "ViewColorCombs"});
    addAll(menuBar()->addMenu(QStringLiteral("Настройки")), {"EditConfig"});

    const std::pair<const char*, QStyle::StandardPixmap> icons[] = {
        {"DrawsAdd", QStyle::SP_FileDialogNewFolder}, {"DrawsImport", QStyle::SP_ArrowDown},
        {"CombsGen", QStyle::SP_BrowserReload},       {"CombsOpen", QStyle::SP_DialogOpenButton},
        {"CombsSave", QStyle::SP_DialogSaveButton},   {"CombsUndo", QStyle::SP_ArrowBack},
        {"DrawsStatCalc", QStyle::SP_MediaPlay},      {"DrawsDel", QStyle::SP_TrashIcon},
        {"ExitProgram", QStyle::SP_DialogCloseButton}};
    for (const auto& [name, pixmap] : icons)
        action(QString::fromLatin1(name))->setIcon(style()->standardIcon(pixmap));
    action("StatFilter_Include")->setIcon(KeepIcon());
    action("StatFilter_Exclude")->setIcon(RemoveIcon());

    QToolBar* bar = addToolBar(QStringLiteral("Действия"));
    bar->setObjectName(QStringLiteral("tbMain"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const char* name : std::initializer_list<const char*>{
             "DrawsAdd", "DrawsImport", nullptr, "CombsGen", "CombsOpen", "CombsSave", "CombsUndo", nullptr,
             "DrawsStatCalc", "StatFilter_Include", "StatFilter_Exclude"}) {
        if (name == nullptr)
            bar->addSeparator();
        else
            bar->addAction(action(QString::fromLatin1(name)));
    }

    lvDraws_->addActions({action("DrawsInfo"), action("DrawsAdd"), action("DrawsEdit"), action("DrawsDel")});
    lvCombs_->addActions({action("CombsInfo"), action("CombsFindInDraws"), action("CombsCopy"), action("CombsPaste"),
                          action("CombsSelectAll"), action("CombsDelSelected"), action("CombsUndo")});
    lvDrawsStat_->addActions({action("StatFilter_Include"), action("StatFilter_Exclude"), action("DrawsStatCalc")});
}

QWidget* MainWindow::buildDrawsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDraws"));
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Смещение назад:"), page));
    edDrawsOffset_ = new QSpinBox(page);
    edDrawsOffset_->setObjectName(QStringLiteral("edDrawsOffset"));
    edDrawsOffset_->setToolTip(QStringLiteral("Смещение относительно последнего загруженного номера тиража"));
    row->addWidget(edDrawsOffset_);
    row->addStretch();
    layout->addLayout(row);
    lvDraws_ = makeTable(page, QStringLiteral("lvDraws"), drawsModel_, true);
    layout->addWidget(lvDraws_);

    connect(edDrawsOffset_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!updatingControls_)
            run([this, value] { ws_->Archive().SetOffset(value); });
    });
    connect(lvDraws_, &QTableView::doubleClicked, this, [this] { drawsInfo(); });
    connect(lvDraws_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateActions(); });
    return page;
}

QWidget* MainWindow::buildCombsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsCombs"));
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Исключить последних тиражей:"), page));
    edCombsExclude_ = new QSpinBox(page);
    edCombsExclude_->setObjectName(QStringLiteral("edCombsExclude"));
    edCombsExclude_->setRange(0, 100000);
    edCombsExclude_->setValue(ws_->Settings().Get("DrawsExclude"));
    row->addWidget(edCombsExclude_);
    row->addStretch();
    layout->addLayout(row);

    combsSplitter_ = new QSplitter(Qt::Vertical, page);
    lvCombs_ = makeTable(combsSplitter_, QStringLiteral("lvCombs"), combsModel_, true);
    lvFilters_ = makeTable(combsSplitter_, QStringLiteral("lvFilters"), historyModel_, false);
    lvFilters_->horizontalHeader()->setStretchLastSection(false);
    lvFilters_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lvCombs_->horizontalHeader()->setStretchLastSection(false);
    combsSplitter_->setStretchFactor(0, 3);
    combsSplitter_->setStretchFactor(1, 1);
    layout->addWidget(combsSplitter_);

    connect(edCombsExclude_, &QSpinBox::valueChanged, this, [this](int value) {
        ws_->Settings().Set("DrawsExclude", value);
        updateActions();
    });
    connect(edCombsExclude_, &QSpinBox::editingFinished, this, [this] {
        if (QAction* a = action("CombsDelExists"); a->isEnabled() && edCombsExclude_->hasFocus())
            a->trigger();
    });
    connect(lvCombs_, &QTableView::doubleClicked, this, [this] { combsInfo(); });
    connect(lvCombs_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateActions(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { updateActions(); });
    return page;
}

QWidget* MainWindow::buildStatPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDrawsStat"));
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    cbDrawsStatType_ = new QComboBox(page);
    cbDrawsStatType_->setObjectName(QStringLiteral("cbDrawsStatType"));
    cbDrawsStatType_->setToolTip(QStringLiteral("Вид расчета статистики"));
    cbDrawsStatType_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbDrawsStatType_->setMinimumContentsLength(40);
    row->addWidget(cbDrawsStatType_, 1);
    edDrawsStatLen_ = new QSpinBox(page);
    edDrawsStatLen_->setObjectName(QStringLiteral("edDrawsStatLen"));
    edDrawsStatLen_->setToolTip(QStringLiteral("Количество тиражей, использующихся для расчета статистики"));
    edDrawsStatLen_->setRange(1, 1'000'000);
    edDrawsStatLen_->setValue(ws_->Statistics().Length());
    row->addWidget(edDrawsStatLen_);
    auto* calc = new QToolButton(page);
    calc->setDefaultAction(action("DrawsStatCalc"));
    calc->setToolButtonStyle(Qt::ToolButtonTextOnly);
    row->addWidget(calc);
    layout->addLayout(row);

    statSplitter_ = new QSplitter(Qt::Vertical, page);
    lvDrawsStat_ = makeTable(statSplitter_, QStringLiteral("lvDrawsStat"), statSort_, true);
    lvDrawsStat_->setSortingEnabled(true);
    lvDrawsStat_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    lvDrawsStat_->horizontalHeader()->setStretchLastSection(false);
    crtDrawsStat_ = new StatChart(statSplitter_);
    statSplitter_->setStretchFactor(0, 3);
    statSplitter_->setStretchFactor(1, 2);
    layout->addWidget(statSplitter_);

    connect(cbDrawsStatType_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!updatingControls_)
            statTypeChosen(index);
    });
    connect(edDrawsStatLen_, &QSpinBox::editingFinished, this, [this] {
        const int length = edDrawsStatLen_->value();
        if (length != ws_->Statistics().Length() && action("DrawsStatCalc")->isEnabled())
            run([this, length] {
                ws_->Statistics().SetLength(length);
                ws_->Statistics().Calculate(false);
            });
    });
    connect(lvDrawsStat_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateActions(); });
    return page;
}

void MainWindow::buildStatusBar()
{
    // Panels 0..5 (archive, next draw, offset draw, combinations, stakes, rating)
    // from the left, then the status line taking the rest.
    for (int i = 0; i < kPanelCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setContentsMargins(6, 0, 6, 0);
        statusBar()->addWidget(label, i == kStatusPanel ? 1 : 0);
        panels_.push_back(label);
    }
}

QString MainWindow::statusPanelText(int panel) const
{
    return panel >= 0 && panel < kPanelCount ? panels_[static_cast<size_t>(panel)]->text() : QString();
}

void MainWindow::setStatus(const QString& text)
{
    panels_[kStatusPanel]->setText(text);
}

void MainWindow::restoreWindowState()
{
    const app::WindowStateFile& file = ws_->Settings().file();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1280, 1024);
    const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
    resize(1280, 800);
    if (const auto placement =
            app::LoadPlacement(file, app::MainWindowSection, dpi, screenSize.width(), screenSize.height())) {
        const app::WindowRect& r = placement->NormPos;
        if (r.Right > r.Left && r.Bottom > r.Top)
            setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        if (app::ShowStateOf(placement->ShowCmd) == app::ShowState::Maximised)
            setWindowState(windowState() | Qt::WindowMaximized);
    }

    auto restoreWidths = [&](QTableView* view, const char* name, std::vector<int> defaults) {
        setWidths(view, app::LoadColumnWidths(file, app::MainWindowSection, name, defaults));
    };
    restoreWidths(lvDraws_, "lvDraws", {60, 36, 36, 36, 36, 36, 36, 36, 44, 90});
    restoreWidths(lvCombs_, "lvCombs", {80, 36, 36, 36, 36, 36, 36, 44});
    restoreWidths(lvFilters_, "lvFilters", {240, 150, 80});
    restoreWidths(lvDrawsStat_, "lvDrawsStat",
                  {130, 80, 80, 80, 80, 80, 70, 80, 70, 80, 70, 70, 70, 70, 70, 70, 60, 60, 60, 60});
    if (const auto sort = app::LoadListSort(file, app::MainWindowSection, "lvDrawsStat"); sort && sort->Column >= 0)
        lvDrawsStat_->sortByColumn(sort->Column, sort->Direction ? Qt::DescendingOrder : Qt::AscendingOrder);

    const app::MainWindowSettings& s = ws_->Settings();
    const int left = s.Get("LeftPanelWidth");
    mainSplitter_->setSizes({left > 0 ? left : 520, left > 0 ? std::max(width() - left, 200) : 760});
    const int chart = s.Get("DrawsStatHeight");
    statSplitter_->setSizes({400, chart > 0 ? chart : 260});
    const int filters = s.Get("FiltersHeight");
    combsSplitter_->setSizes({500, filters > 0 ? filters : 150});
}

app::WindowClosingState MainWindow::closingState() const
{
    app::WindowClosingState state;
    const QScreen* screen = QGuiApplication::primaryScreen();
    state.PixelsPerInch = screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
    state.ScreenWidth = screen ? screen->size().width() : 0;
    state.ScreenHeight = screen ? screen->size().height() : 0;
    const QRect g = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    app::WindowPlacement p;
    p.ShowCmd = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    p.NormPos = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    state.Placement = p;
    state.ColumnWidths["lvDraws"] = widthsOf(lvDraws_);
    state.ColumnWidths["lvCombs"] = widthsOf(lvCombs_);
    state.ColumnWidths["lvFilters"] = widthsOf(lvFilters_);
    state.ColumnWidths["lvDrawsStat"] = widthsOf(lvDrawsStat_);
    return state;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (running_ || !ws_->CanClose()) {
        event->ignore();
        return;
    }
    app::MainWindowSettings& s = ws_->Settings();
    s.Set("LeftPanelWidth", mainSplitter_->sizes().value(0));
    s.Set("DrawsStatHeight", statSplitter_->sizes().value(1));
    s.Set("FiltersHeight", combsSplitter_->sizes().value(1));
    s.Set("DrawsStatLen", edDrawsStatLen_->value());
    const QHeaderView* header = lvDrawsStat_->horizontalHeader();
    try {
        app::SaveListSort(
            ws_->Settings().file(), app::MainWindowSection, "lvDrawsStat",
            {header->sortIndicatorSection(), header->sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0});
    } catch (const std::exception&) {
        // The sort is a convenience; the other settings are written below with their own message.
    }
    ws_->Close(closingState());
    event->accept();
}

bool MainWindow::initialise()
{
    bool ok = true;
    run([this, &ok] {
        try {
            ws_->Initialise();
        } catch (const app::StartupFailure&) {
            ok = false;
        }
    });
    waitUntilIdle();
    return ok;
}

void MainWindow::waitUntilIdle()
{
    while (running_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

void MainWindow::run(std::function<void()> operation, std::function<void()> after)
{
    if (running_)
        return;
    running_ = true;
    after_ = std::move(after);
    setFrozen(true);
    updateActions();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    ws_->Host().clearCancel(); // a new operation starts without the last one's request to stop
    watcher_.setFuture(QtConcurrent::run([this, op = std::move(operation)] {
        try {
            auto busy = ws_->Busy();
            op();
        } catch (const std::exception& e) {
            ws_->Host().showError(e.what());
        }
    }));
}

void MainWindow::operationFinished()
{
    QApplication::restoreOverrideCursor();
    running_ = false;
    setFrozen(false);
    refreshViews();
    if (auto after = std::exchange(after_, nullptr))
        after();
    updateActions();
}

void MainWindow::setFrozen(bool frozen)
{
    for (WorkspaceModel* m :
         std::initializer_list<WorkspaceModel*>{drawsModel_, combsModel_, historyModel_, statModel_})
        m->setFrozen(frozen);
}

void MainWindow::refreshViews()
{
    drawsModel_->refresh();
    combsModel_->refresh();
    historyModel_->refresh();
    statModel_->refresh();
    crtDrawsStat_->display(ws_->Statistics().Table().Chart);

    updatingControls_ = true;
    const int count = static_cast<int>(ws_->Archive().Draws().size());
    edDrawsOffset_->setRange(0, std::max(count - 1, 0));
    edDrawsOffset_->setValue(ws_->Archive().Offset());
    edDrawsStatLen_->setValue(ws_->Statistics().Length());
    if (cbDrawsStatType_->currentIndex() != ws_->Statistics().StatTypeIndex())
        cbDrawsStatType_->setCurrentIndex(ws_->Statistics().StatTypeIndex());
    updatingControls_ = false;

    panels_[0]->setText(qs(ws_->Archive().ArchivePanelText()));
    panels_[1]->setText(qs(ws_->Archive().NextDrawPanelText()));
    panels_[2]->setText(qs(ws_->Archive().OffsetDrawPanelText()));
    panels_[3]->setText(qs(ws_->Combinations().PanelText()));
    panels_[4]->setText(qs(ws_->Stakes().PanelText()));
    const bool prefetch = ws_->Settings().Flag("PrefetchsEnabled");
    for (int c = app::StatColExpected; c <= app::StatColDeviationPercent; ++c)
        lvDrawsStat_->setColumnHidden(c, !prefetch);
}

void MainWindow::refreshStatTypes()
{
    updatingControls_ = true;
    cbDrawsStatType_->clear();
    for (int i = 0; i < static_cast<int>(ws_->Statistics().StatTypes().size()); ++i)
        cbDrawsStatType_->addItem(qs(ws_->Statistics().StatTypeText(i)));
    cbDrawsStatType_->setCurrentIndex(ws_->Statistics().StatTypeIndex());
    updatingControls_ = false;
}

void MainWindow::statTypeChosen(int index)
{
    if (!action("DrawsStatCalc")->isEnabled() && !ws_->Archive().Draws().empty())
        return;
    run([this, index] {
        ws_->Statistics().SetStatTypeIndex(index);
        ws_->Statistics().Calculate(false);
    });
}

void MainWindow::updateActions()
{
    app::ViewSelection selection;
    selection.DrawRows = static_cast<size_t>(lvDraws_->selectionModel()->selectedRows().size());
    selection.CombRows = lvCombs_->selectionModel()->hasSelection() ? 1 : 0;
    selection.StatRows = static_cast<size_t>(lvDrawsStat_->selectionModel()->selectedRows().size());
    const QClipboard* clipboard = QApplication::clipboard();
    selection.ClipboardHasText = clipboard && !clipboard->text().isEmpty();
    for (const auto& [name, a] : actions_)
        a->setEnabled(!running_ && ws_->ActionEnabled(ss(name), selection));
    const bool idle = !running_;
    const bool prefetch = ws_->Statistics().PrefetchsEnabled();
    action("DrawsSorted")->setChecked(ws_->Archive().Sorted());
    action("DrawsStatePrefetchsEnabled")->setChecked(prefetch);
    action("DrawsStatShowTotalLine")->setChecked(ws_->Settings().Flag("ShowTotalLine"));
    action("ViewColorDraws")->setChecked(ws_->Settings().Flag("ColorDraws"));
    action("ViewColorCombs")->setChecked(ws_->Settings().Flag("ColorCombs"));
    edDrawsOffset_->setEnabled(idle);
    cbDrawsStatType_->setEnabled(idle);
    edDrawsStatLen_->setEnabled(idle);
}

} // namespace belvane::gui
