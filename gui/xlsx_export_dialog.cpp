#include "gui/xlsx_export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "gui/export_field_dialog.h"
#include "gui/file_filters.h"
#include "gui/qt_text.h"
#include "support/error.h"
#include "support/host.h"
#include "support/sheet_layout.h"
#include "support/translation.h"
#include "support/xlsx_export.h"

namespace belvane::gui {

namespace {

enum FieldColumn { FieldCaption, FieldAlignment, FieldWidth, FieldPhysical };

// The file name with the extension added when it has none.
QString WithExtension(QString file, std::string_view extension)
{
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + qs(extension);
    return file;
}

} // namespace

XlsxExportDialog::XlsxExportDialog(QWidget* parent, const xlsx::ExportCall& call, const xlsx::TableSource& source,
                                   std::vector<xlsx::RowRange> selected, bool multiSelect, app::DataFiles files)
    : QDialog(parent), call_(call), section_(xlsx::ExportSectionName(call.Owner, call.Control)),
      sourceRows_(source.rowCount()), selected_(xlsx::NormalizeRows(std::move(selected), source.rowCount())),
      files_(std::move(files))
{
    setObjectName(QStringLiteral("FormExpExcel"));
    setWindowTitle(tr("Экспорт в Microsoft Excel"));
    setMinimumSize(640, 560);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QGridLayout;
    edTitle_ = new QLineEdit(this);
    edTitle_->setObjectName(QStringLiteral("edTitle"));
    edNotes_ = new QLineEdit(this);
    edNotes_->setObjectName(QStringLiteral("edNotes"));
    top->addWidget(new QLabel(tr("Наименование отчета:"), this), 0, 0);
    top->addWidget(edTitle_, 0, 1, 1, 5);
    top->addWidget(new QLabel(tr("Дополнительные сведения:"), this), 1, 0);
    top->addWidget(edNotes_, 1, 1, 1, 5);
    dateCreateCheckBox_ = new QCheckBox(tr("Добавить строку с датой и временем формирования отчета (экспорта)."), this);
    dateCreateCheckBox_->setObjectName(QStringLiteral("DateCreateCheckBox"));
    top->addWidget(dateCreateCheckBox_, 2, 0, 1, 6);
    edPageName_ = new QLineEdit(this);
    edPageName_->setObjectName(QStringLiteral("edPageName"));
    edPageName_->setMaxLength(static_cast<int>(xlsx::MaxSheetNameLength));
    edOrientation_ = new QComboBox(this);
    edOrientation_->setObjectName(QStringLiteral("edOrientation"));
    for (std::string_view text : xlsx::OrientationTexts)
        edOrientation_->addItem(qs(support::Text(text)));
    edFontSize_ = new QSpinBox(this);
    edFontSize_->setObjectName(QStringLiteral("edFontSize"));
    edFontSize_->setRange(xlsx::MinBaseFontSize, xlsx::MaxBaseFontSize);
    top->addWidget(new QLabel(tr("Наименование листа:"), this), 3, 0);
    top->addWidget(edPageName_, 3, 1);
    top->addWidget(new QLabel(tr("Ориентация:"), this), 3, 2);
    top->addWidget(edOrientation_, 3, 3);
    top->addWidget(new QLabel(tr("Базовый размер шрифта:"), this), 3, 4);
    top->addWidget(edFontSize_, 3, 5);
    top->setColumnStretch(1, 1);
    layout->addLayout(top);

    layout->addWidget(new QLabel(tr("Перечень экспортируемых полей:"), this));
    layout->addWidget(buildFields(), 1);

    auto* rowsLine = new QHBoxLayout;
    edSendMode_ = new QComboBox(this);
    edSendMode_->setObjectName(QStringLiteral("edSendMode"));
    for (std::string_view text : xlsx::SendModeTexts)
        edSendMode_->addItem(qs(support::Text(text)));
    lblRowCount_ = new QLabel(this);
    lblRowCount_->setObjectName(QStringLiteral("lblRowCount"));
    rowsLine->addWidget(edSendMode_, 1);
    rowsLine->addWidget(lblRowCount_);
    layout->addLayout(rowsLine);

    auto* fileLine = new QHBoxLayout;
    edFileName_ = new QLineEdit(this);
    edFileName_->setObjectName(QStringLiteral("edFileName"));
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("btnFileName"));
    browse->setText(QStringLiteral("..."));
    fileLine->addWidget(new QLabel(tr("Файл книги:"), this));
    fileLine->addWidget(edFileName_, 1);
    fileLine->addWidget(browse);
    layout->addLayout(fileLine);

    saveCheckBox_ = new QCheckBox(tr("Сохранить параметры экспорта в файле конфигурации"), this);
    saveCheckBox_->setObjectName(QStringLiteral("SaveCheckBox"));
    saveCheckBox_->setVisible(call.AllowStore);
    layout->addWidget(saveCheckBox_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QToolButton::clicked, this, [this] { chooseFile(); });
    connect(edSendMode_, &QComboBox::currentIndexChanged, this, [this] { showRowCount(); });

    xlsx::ExportParameters params = xlsx::InitialParameters(call, source);
    if (call.AllowStore) {
        const xlsx::LoadReport report =
            xlsx::LoadExportParameters(files_.config(), section_, params, xlsx::StoreKind::Configuration);
        openingErrors_ = report.Errors;
    }
    showParameters(params);
    saveCheckBox_->setChecked(params.RestoreParameters);
    const xlsx::SendMode mode = xlsx::InitialSendMode(source.kind(), multiSelect, selected_);
    edSendMode_->setCurrentIndex(static_cast<int>(mode));
    edSendMode_->setEnabled(xlsx::CountRows(selected_) > 0);
    showRowCount();

    // A folder that exists: the one the last workbook went to, else the home folder.
    const QString folder = qs(xlsx::ProposedExportFolder(files_.config(), ss(QDir::homePath())).string());
    const QString name = qs(params.SheetName.empty() ? xlsx::SheetNameFromTitle(params.Title) : params.SheetName);
    edFileName_->setText(QDir(folder).filePath(name + QLatin1Char('.') + qs(xlsx::XlsxExtension)));
}

void XlsxExportDialog::restore(const xlsx::ExportParameters& params, const std::filesystem::path& target)
{
    showParameters(params);
    saveCheckBox_->setChecked(params.RestoreParameters);
    edFileName_->setText(qs(target.string()));
}

QWidget* XlsxExportDialog::buildFields()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    lvFields_ = new QTreeWidget(box);
    lvFields_->setObjectName(QStringLiteral("lvFields"));
    lvFields_->setRootIsDecorated(false);
    lvFields_->setHeaderLabels({tr("Наименование столбца"), tr("Выравнивание"), tr("Ширина"), tr("Физическое поле")});
    lvFields_->setColumnWidth(FieldCaption, 200);
    lvFields_->setColumnWidth(FieldAlignment, 120);
    lvFields_->setColumnWidth(FieldWidth, 70);
    row->addWidget(lvFields_, 1);

    auto* side = new QVBoxLayout;
    const std::pair<const char*, QString> names[] = {
        {"btnUp", tr("Вверх")},
        {"btnDown", tr("Вниз")},
        {"btnProperties", tr("Свойства")},
        {"btnLoad", tr("Загрузить из файла")},
        {"btnSave", tr("Сохранить в файле")},
    };
    std::vector<QPushButton*> buttons;
    for (const auto& [name, caption] : names) {
        auto* button = new QPushButton(caption, box);
        button->setObjectName(QLatin1String(name));
        side->addWidget(button);
        buttons.push_back(button);
    }
    side->addStretch(1);
    row->addLayout(side);
    connect(buttons[0], &QPushButton::clicked, this, [this] { moveSelectedField(-1); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { moveSelectedField(1); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { editField(); });
    connect(buttons[3], &QPushButton::clicked, this, [this] { chooseLoadFile(); });
    connect(buttons[4], &QPushButton::clicked, this, [this] { chooseSaveFile(); });
    connect(lvFields_, &QTreeWidget::itemDoubleClicked, this, [this] { editField(); });
    connect(lvFields_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        if (updatingFields_)
            return;
        const int i = lvFields_->indexOfTopLevelItem(item);
        if (i >= 0 && static_cast<size_t>(i) < fields_.size())
            fields_[static_cast<size_t>(i)].Checked = item->checkState(FieldCaption) == Qt::Checked;
    });
    return box;
}

void XlsxExportDialog::showParameters(const xlsx::ExportParameters& params)
{
    edTitle_->setText(qs(params.Title));
    edNotes_->setText(qs(params.Notes));
    dateCreateCheckBox_->setChecked(params.ShowCreateTime);
    edPageName_->setText(qs(params.SheetName));
    edOrientation_->setCurrentIndex(static_cast<int>(params.Orientation));
    edFontSize_->setValue(params.BaseFontSize);
    fields_ = params.Fields;
    showFields(0);
}

void XlsxExportDialog::showFields(int selectRow)
{
    updatingFields_ = true;
    lvFields_->clear();
    for (const xlsx::ExportField& f : fields_) {
        auto* item = new QTreeWidgetItem({qs(f.Caption), qs(xlsx::AlignmentText(f.Align)), qs(xlsx::WidthText(f.Width)),
                                          qs(support::Text(f.PhysicalField))});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(FieldCaption, f.Checked ? Qt::Checked : Qt::Unchecked);
        item->setTextAlignment(FieldWidth, Qt::AlignRight | Qt::AlignVCenter);
        lvFields_->addTopLevelItem(item);
    }
    if (selectRow >= 0 && selectRow < lvFields_->topLevelItemCount())
        lvFields_->setCurrentItem(lvFields_->topLevelItem(selectRow));
    updatingFields_ = false;
}

int64_t XlsxExportDialog::chosenRowCount() const
{
    return edSendMode_->currentIndex() == static_cast<int>(xlsx::SendMode::Selected) ? xlsx::CountRows(selected_)
                                                                                     : sourceRows_;
}

void XlsxExportDialog::showRowCount()
{
    lblRowCount_->setText(tr("Число строк: %1").arg(chosenRowCount()));
}

xlsx::ExportParameters XlsxExportDialog::parameters() const
{
    xlsx::ExportParameters p;
    p.PreTitle = call_.PreTitle;
    p.Title = ss(edTitle_->text());
    p.Notes = ss(edNotes_->text());
    p.ShowCreateTime = dateCreateCheckBox_->isChecked();
    p.SheetName = ss(edPageName_->text());
    p.Orientation = static_cast<xlsx::PageOrientation>(edOrientation_->currentIndex());
    p.BaseFontSize = edFontSize_->value();
    p.RestoreParameters = saveCheckBox_->isChecked();
    p.Fields = fields_;
    return p;
}

std::vector<xlsx::RowRange> XlsxExportDialog::rows() const
{
    return edSendMode_->currentIndex() == static_cast<int>(xlsx::SendMode::Selected) ? selected_
                                                                                     : xlsx::AllRows(sourceRows_);
}

std::filesystem::path XlsxExportDialog::target() const
{
    return ss(WithExtension(edFileName_->text().trimmed(), xlsx::XlsxExtension));
}

void XlsxExportDialog::moveSelectedField(int step)
{
    const int from = lvFields_->indexOfTopLevelItem(lvFields_->currentItem());
    const int to = from + step;
    if (from < 0 || to < 0 || to >= static_cast<int>(fields_.size()))
        return;
    xlsx::MoveField(fields_, static_cast<size_t>(from), static_cast<size_t>(to));
    showFields(to);
}

void XlsxExportDialog::setField(int position, const xlsx::ExportField& field)
{
    if (position < 0 || position >= static_cast<int>(fields_.size()))
        return;
    fields_[static_cast<size_t>(position)] = field;
    showFields(position);
}

void XlsxExportDialog::editField()
{
    const int i = lvFields_->indexOfTopLevelItem(lvFields_->currentItem());
    if (i < 0)
        return;
    ExportFieldDialog dialog(this, fields_[static_cast<size_t>(i)]);
    if (dialog.exec() == QDialog::Accepted)
        setField(i, dialog.field());
}

void XlsxExportDialog::loadParameters(const std::filesystem::path& file)
{
    xlsx::ExportParameters params = parameters();
    const xlsx::LoadReport report = xlsx::LoadExportParameters(file, section_, params, xlsx::StoreKind::ParameterFile);
    for (const std::string& message : report.Errors)
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(message));
    showParameters(params);
}

void XlsxExportDialog::saveParameters(const std::filesystem::path& file)
{
    // The user's own parameter files may be saved over (the file dialog asked);
    // none of the program's other files.
    if (const std::string refusal = files_.ownFileRefusal(file, xlsx::ParameterFileExtension); !refusal.empty()) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(refusal));
        return;
    }
    try {
        xlsx::SaveExportParameters(file, section_, parameters(), xlsx::StoreKind::ParameterFile);
    } catch (const Error& e) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(e.what()));
    }
}

void XlsxExportDialog::chooseLoadFile()
{
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Загрузить из файла"), QString(), FileFilter(xlsx::ParameterFileFilter));
    if (!file.isEmpty())
        loadParameters(ss(file));
}

void XlsxExportDialog::chooseSaveFile()
{
    const QString file =
        QFileDialog::getSaveFileName(this, tr("Сохранить в файле"), QString(), FileFilter(xlsx::ParameterFileFilter));
    if (!file.isEmpty())
        saveParameters(ss(WithExtension(file, xlsx::ParameterFileExtension)));
}

void XlsxExportDialog::chooseFile()
{
    const QString file =
        QFileDialog::getSaveFileName(this, tr("Файл книги"), edFileName_->text(), FileFilter(xlsx::XlsxFileFilter));
    if (!file.isEmpty())
        edFileName_->setText(WithExtension(file, xlsx::XlsxExtension));
}

void XlsxExportDialog::showProblem(const std::string& message, QWidget* focus)
{
    QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(message));
    if (focus != nullptr)
        focus->setFocus();
}

void XlsxExportDialog::accept()
{
    const xlsx::ExportParameters params = parameters();
    if (auto problem = xlsx::ValidateSheetName(params.SheetName)) {
        showProblem(*problem, edPageName_);
        return;
    }
    if (edFileName_->text().trimmed().isEmpty()) {
        showProblem(ss(tr("Необходимо указать файл книги Microsoft Excel!")), edFileName_);
        return;
    }
    const std::filesystem::path file = target();
    if (const std::string refusal = files_.ownFileRefusal(file); !refusal.empty()) {
        showProblem(refusal, edFileName_);
        return;
    }
    // Said here, the dialog stays open with everything the user chose.
    if (auto problem = xlsx::TargetFolderProblem(file)) {
        showProblem(*problem, edFileName_);
        return;
    }
    if (auto problem = xlsx::ValidateExport(params, chosenRowCount())) {
        showProblem(*problem, edSendMode_);
        return;
    }
    std::error_code ec;
    if (std::filesystem::exists(file, ec) &&
        QMessageBox::question(this, qs(support::Text(CaptionCaution)),
                              tr("Файл \"%1\" уже существует.\nЗаменить его?").arg(qs(file.string())),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (call_.AllowStore) {
        try {
            xlsx::SaveExportParameters(files_.config(), section_, params, xlsx::StoreKind::Configuration);
        } catch (const Error& e) {
            // The export itself can still go ahead.
            QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(e.what()));
        }
    }
    QDialog::accept();
}

void XlsxExportDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (openingErrors_.empty())
        return;
    QTimer::singleShot(0, this, [this] {
        const std::vector<std::string> errors = std::exchange(openingErrors_, {});
        for (const std::string& message : errors)
            QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(message));
    });
}

} // namespace belvane::gui
