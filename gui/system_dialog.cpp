#include "gui/system_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <limits>

#include "exchange/exchange_text.h"
#include "gui/qt_text.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/host.h"
#include "support/translation.h"
#include "systems/system_file.h"
#include "systems/system_guarantee.h"

namespace belvane::gui {
namespace {

QString combsFilter()
{
    return TFormSystem::tr("Системы (*.dat *.txt);;Все файлы (*)");
}

QLineEdit* readOnlyField(QWidget* parent, const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QPlainTextEdit* textBox(QWidget* parent, const QString& name, const std::string& text)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    edit->setPlainText(messageText(text));
    return edit;
}

// The whole number a field holds; `empty` when it holds none.
int fieldNumber(const QLineEdit* edit, int empty)
{
    bool ok = false;
    const qlonglong value = edit->text().trimmed().toLongLong(&ok);
    if (!ok)
        return empty;
    return static_cast<int>(
        std::clamp<qlonglong>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The lines as the core keeps them: CR LF between lines.
std::string coreLines(const QPlainTextEdit* edit)
{
    QString text = edit->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ss(text);
}

} // namespace

TFormSystem::TFormSystem(QWidget* parent, systems::tSystemData system, bool editable, OutputRefusal refusal)
    : QDialog(parent), system_(std::move(system)), editable_(editable), refusal_(std::move(refusal))
{
    setObjectName(QStringLiteral("TFormSystem"));
    setWindowTitle(tr("Система"));
    resize(760, 560);
    auto* grid = new QGridLayout(this);

    edTitle_ = new QLineEdit(qs(system_.Title), this);
    edTitle_->setObjectName(QStringLiteral("edTitle"));
    edDescr_ = textBox(this, QStringLiteral("edDescr"), system_.Description);
    edDescr_->setFixedHeight(edDescr_->fontMetrics().lineSpacing() * 3 + 12);
    edAuthor_ = new QLineEdit(qs(system_.Author), this);
    edAuthor_->setObjectName(QStringLiteral("edAuthor"));
    edURL_ = new QLineEdit(qs(system_.Url), this);
    edURL_->setObjectName(QStringLiteral("edURL"));
    btnURL_ = new QPushButton(tr("Открыть ссылку в браузере"), this);
    btnURL_->setObjectName(QStringLiteral("btnURL"));
    edCombs_ = textBox(this, QStringLiteral("edCombs"), system_.Combs);
    edCombs_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edCombs_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edCombs_->setContextMenuPolicy(Qt::CustomContextMenu);

    int row = 0;
    grid->addWidget(new QLabel(tr("Наименование:"), this), row, 0);
    grid->addWidget(edTitle_, row++, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Описание:"), this), row, 0, Qt::AlignTop);
    grid->addWidget(edDescr_, row++, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Автор:"), this), row, 0);
    grid->addWidget(edAuthor_, row++, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Ссылка:"), this), row, 0);
    grid->addWidget(edURL_, row, 1);
    grid->addWidget(btnURL_, row++, 2);
    grid->addWidget(new QLabel(tr("Список комбинаций:"), this), row, 0, Qt::AlignTop);
    grid->addWidget(edCombs_, row, 1);

    // The counts and the service's dates beside the lines.
    auto* facts = new QGroupBox(this);
    auto* factsGrid = new QGridLayout(facts);
    const bool listed = system_.Id > 0;
    edNums_ = new QLineEdit(system_.Numbers > 0 ? QString::number(system_.Numbers) : QString(), facts);
    edNums_->setObjectName(QStringLiteral("edNums"));
    edCLen_ = readOnlyField(facts, QStringLiteral("edCLen"), QString::number(systems::SystemCombLength));
    edOlap_ = new QLineEdit(listed || !system_.Combs.empty() ? QString::number(system_.Block) : QString(), facts);
    edOlap_->setObjectName(QStringLiteral("edOlap"));
    edGuarantee_ = readOnlyField(facts, QStringLiteral("edGuarantee"), QString());
    edCSize_ = readOnlyField(facts, QStringLiteral("edCSize"), QString::number(system_.CombCount));
    edCreated_ = readOnlyField(facts, QStringLiteral("edCreated"), qs(exchange::LocalDateTimeText(system_.Created)));
    edDownloads_ =
        readOnlyField(facts, QStringLiteral("edDownloads"), listed ? QString::number(system_.Downloads) : QString());
    edLastDownload_ =
        readOnlyField(facts, QStringLiteral("edLastDownload"), qs(exchange::LocalDateTimeText(system_.LastDownload)));
    const std::pair<const char*, QLineEdit*> fields[] = {
        {QT_TR_NOOP("Числа:"), edNums_},         {QT_TR_NOOP("Длина:"), edCLen_},
        {QT_TR_NOOP("Блок:"), edOlap_},          {QT_TR_NOOP("Гарантия:"), edGuarantee_},
        {QT_TR_NOOP("Комбинаций:"), edCSize_},   {QT_TR_NOOP("Создана:"), edCreated_},
        {QT_TR_NOOP("Загрузок:"), edDownloads_}, {QT_TR_NOOP("Последняя загрузка:"), edLastDownload_}};
    int factRow = 0;
    for (const auto& [label, edit] : fields) {
        factsGrid->addWidget(new QLabel(tr(label), facts), factRow, 0);
        factsGrid->addWidget(edit, factRow++, 1);
    }
    factsGrid->setRowStretch(factRow, 1);
    // A date-time is shown whole.
    for (QLineEdit* date : {edCreated_, edLastDownload_})
        date->setMinimumWidth(date->fontMetrics().horizontalAdvance(QStringLiteral("2024-01-31 23:59:59  ")) + 8);
    for (QLineEdit* number : {edNums_, edOlap_}) {
        number->setMaxLength(4);
        number->installEventFilter(this);
    }
    facts->setMinimumWidth(fontMetrics().horizontalAdvance(tr("Последняя загрузка: 2024-01-31 23:59:59")));
    grid->addWidget(facts, row++, 2);
    grid->setRowStretch(row - 1, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    if (editable_) {
        buttons->addButton(QDialogButtonBox::Ok);
        buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    } else {
        buttons->addButton(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    }
    grid->addWidget(buttons, row, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormSystem::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormSystem::reject);

    if (!editable_) {
        for (QLineEdit* edit : {edTitle_, edAuthor_, edURL_, edNums_, edOlap_})
            edit->setReadOnly(true);
        for (QPlainTextEdit* edit : {edDescr_, edCombs_})
            edit->setReadOnly(true);
    }
    btnURL_->setEnabled(!edURL_->text().trimmed().isEmpty());
    connect(edURL_, &QLineEdit::textChanged, this,
            [this](const QString& url) { btnURL_->setEnabled(!url.trimmed().isEmpty()); });
    connect(btnURL_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromUserInput(edURL_->text().trimmed())); });
    connect(edCombs_, &QPlainTextEdit::customContextMenuRequested, this, &TFormSystem::showCombsMenu);
    edCombs_->installEventFilter(this);
    for (QLineEdit* number : {edNums_, edOlap_})
        connect(number, &QLineEdit::editingFinished, this, &TFormSystem::updateGuarantee);
    updateGuarantee();
    edTitle_->setFocus();
}

systems::tSystemData TFormSystem::system() const
{
    systems::tSystemData s = system_;
    s.Title = ss(edTitle_->text().trimmed());
    s.Description = coreLines(edDescr_);
    s.Author = ss(edAuthor_->text().trimmed());
    s.Url = ss(edURL_->text().trimmed());
    s.Combs = coreLines(edCombs_);
    s.Numbers = fieldNumber(edNums_, 0);
    s.Block = fieldNumber(edOlap_, -1);
    s.CombCount = fieldNumber(edCSize_, 0);
    return s;
}

void TFormSystem::normalizeCombs()
{
    if (!editable_)
        return;
    const systems::NormalizedCombs combs = systems::NormalizeSystemCombs(coreLines(edCombs_));
    const QString text = messageText(combs.Text).trimmed();
    if (text != edCombs_->toPlainText())
        edCombs_->setPlainText(text);
    edNums_->setText(QString::number(combs.Numbers));
    edCSize_->setText(QString::number(combs.CombCount));
    updateGuarantee();
}

void TFormSystem::updateGuarantee()
{
    const systems::tSystemData s = system();
    const auto check = systems::CheckClaimedBlock(s.Combs, s.Numbers, s.Block, s.Title);
    QPalette palette = edGuarantee_->palette();
    palette.setColor(QPalette::Text,
                     check && !check->Problem.empty() ? QColor(Qt::red) : this->palette().color(QPalette::Text));
    edGuarantee_->setPalette(palette);
    if (!check) {
        edGuarantee_->setText(tr("не проверена"));
        edGuarantee_->setToolTip(tr("Проверяются строки из шести разных чисел от 1 до значения поля \"Числа\""));
        return;
    }
    edGuarantee_->setText(qs(check->Guarantee));
    edGuarantee_->setToolTip(messageText(check->Problem));
}

bool TFormSystem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edCombs_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        normalizeCombs();
    if ((watched == edNums_ || watched == edOlap_) && event->type() == QEvent::KeyPress) {
        // Digits and the editing keys; any other character beeps.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const bool control = typed.isEmpty() || !typed.front().isPrint() ||
                             (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
        if (!control && !typed.front().isDigit()) {
            QApplication::beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormSystem::accept()
{
    if (!editable_) {
        reject();
        return;
    }
    if (const auto problem = systems::CheckSystemData(system())) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(problem->Message));
        QWidget* field = nullptr;
        switch (problem->Field) {
        case systems::SystemField::Title:
            field = edTitle_;
            break;
        case systems::SystemField::Numbers:
            field = edNums_;
            break;
        case systems::SystemField::Block:
            field = edOlap_;
            break;
        case systems::SystemField::Author:
            field = edAuthor_;
            break;
        case systems::SystemField::Description:
            field = edDescr_;
            break;
        case systems::SystemField::Combs:
        case systems::SystemField::None:
            field = edCombs_;
            break;
        }
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        return;
    }
    QDialog::accept();
}

void TFormSystem::showCombsMenu(const QPoint& at)
{
    QMenu menu(this);
    auto item = [&menu](const QString& text, bool enabled, auto&& act) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, &menu, act);
    };
    item(tr("Копировать"), edCombs_->textCursor().hasSelection(), [this] { edCombs_->copy(); });
    item(tr("Вставить"), editable_, [this] { edCombs_->paste(); });
    item(tr("Выделить все"), true, [this] { edCombs_->selectAll(); });
    menu.addSeparator();
    item(tr("Загрузить из файла..."), editable_, [this] { loadCombs(); });
    item(tr("Сохранить в файл..."), true, [this] { saveCombs(); });
    menu.exec(edCombs_->mapToGlobal(at));
}

void TFormSystem::loadCombs()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Загрузить из файла"), QString(), combsFilter());
    if (file.isEmpty())
        return;
    try {
        // System files are written in the ANSI code page.
        const std::string bytes = files::readFile(ss(file), systems::MaxSystemFileSize);
        edCombs_->setPlainText(messageText(cp1251::toUtf8(bytes)));
        normalizeCombs();
    } catch (const Error& e) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)),
                              messageText(ss(tr("Ошибка чтения файла!\r\r")) + e.what()));
    }
}

void TFormSystem::saveCombs()
{
    QString file = QFileDialog::getSaveFileName(this, tr("Сохранить в файл"), QString(), combsFilter());
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".txt");
    const std::filesystem::path path = ss(file);
    if (const std::string refusal = refusal_ ? refusal_(path) : std::string(); !refusal.empty()) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(refusal));
        return;
    }
    try {
        files::writeFileAtomically(path, cp1251::fromUtf8(coreLines(edCombs_) + "\r\n"));
    } catch (const Error& e) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)),
                              messageText(ss(tr("Ошибка записи файла!\r\r")) + e.what()));
    }
}

} // namespace belvane::gui
