#include "gui/wheel_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/systems_service.h"
#include "app/wheel_outcome_text.h"
#include "app/workspace.h"
#include "gui/page.h"
#include "gui/qt_text.h"
#include "support/host.h"

namespace belvane::gui {
namespace {

QSpinBox* spinBox(QWidget* parent, const QString& name, int min, int max, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

} // namespace

TFormWheel::TFormWheel(QWidget* parent, PageHost& host) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("TFormWheel"));
    setWindowTitle(tr("Создать систему"));
    resize(560, 600);
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    sbNumbers_ = spinBox(this, QStringLiteral("sbNumbers"), systems::MinSystemNumbers, systems::MaxSystemNumbers, 12);
    sbGuarantee_ = spinBox(this, QStringLiteral("sbGuarantee"), 1, systems::MaxSystemBlock, 3);
    sbCondition_ = spinBox(this, QStringLiteral("sbCondition"), 1, systems::SystemCombLength, 4);
    sbSeconds_ = spinBox(this, QStringLiteral("sbSeconds"), 1, 3600, 60);
    sbSeconds_->setSuffix(tr(" с"));
    sbSeed_ = spinBox(this, QStringLiteral("sbSeed"), 1, 999'999'999, 1);
    form->addRow(tr("Чисел в системе:"), sbNumbers_);
    form->addRow(tr("Гарантия, совпадений:"), sbGuarantee_);
    form->addRow(tr("Если среди чисел системы угадано:"), sbCondition_);
    form->addRow(tr("Время поиска:"), sbSeconds_);
    form->addRow(tr("Зерно (то же зерно дает ту же систему):"), sbSeed_);
    layout->addLayout(form);

    lblSummary_ = new QLabel(this);
    lblSummary_->setObjectName(QStringLiteral("lblSummary"));
    lblSummary_->setWordWrap(true);
    layout->addWidget(lblSummary_);

    mmResult_ = new QPlainTextEdit(this);
    mmResult_->setObjectName(QStringLiteral("mmResult"));
    mmResult_->setReadOnly(true);
    mmResult_->setTabChangesFocus(true);
    mmResult_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(mmResult_, 1);

    auto* buttons = new QDialogButtonBox(this);
    btnCreate_ = buttons->addButton(tr("Создать"), QDialogButtonBox::ActionRole);
    btnCreate_->setObjectName(QStringLiteral("btnCreate"));
    btnInstall_ = buttons->addButton(tr("Установить"), QDialogButtonBox::ActionRole);
    btnInstall_->setObjectName(QStringLiteral("btnInstall"));
    btnClose_ = buttons->addButton(QDialogButtonBox::Close);
    btnClose_->setText(tr("Закрыть"));
    layout->addWidget(buttons);
    btnCreate_->setDefault(true);

    connect(btnCreate_, &QPushButton::clicked, this, &TFormWheel::create);
    connect(btnInstall_, &QPushButton::clicked, this, &TFormWheel::install);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormWheel::reject);
    // The condition is never below the guarantee; the summary follows the
    // fields without touching the focus.
    connect(sbGuarantee_, &QSpinBox::valueChanged, this, [this](int t) { sbCondition_->setMinimum(t); });
    for (QSpinBox* box : {sbNumbers_, sbGuarantee_, sbCondition_})
        connect(box, &QSpinBox::valueChanged, this, [this] { updateSummary(); });
    sbCondition_->setMinimum(sbGuarantee_->value());
    updateSummary();
    updateButtons();
    sbNumbers_->setFocus();
}

TFormWheel::~TFormWheel() = default;

bool TFormWheel::installed() const
{
    return outcome_ != nullptr && outcome_->Installed.has_value();
}

app::WheelRequest TFormWheel::request() const
{
    app::WheelRequest r;
    r.Design = {sbNumbers_->value(), sbGuarantee_->value(), sbCondition_->value()};
    r.Seconds = sbSeconds_->value();
    r.Seed = static_cast<uint64_t>(sbSeed_->value());
    return r;
}

void TFormWheel::updateSummary()
{
    lblSummary_->setText(messageText(app::WheelDesignSummary(request().Design)));
}

void TFormWheel::updateButtons()
{
    for (QWidget* w : std::initializer_list<QWidget*>{sbNumbers_, sbGuarantee_, sbCondition_, sbSeconds_, sbSeed_,
                                                      btnCreate_, btnClose_})
        w->setEnabled(!running_);
    btnInstall_->setEnabled(!running_ && outcome_ != nullptr && !installed());
}

void TFormWheel::create()
{
    if (running_ || host_.isRunning())
        return;
    auto asked = std::make_shared<app::WheelRequest>(request());
    auto made = std::make_shared<std::optional<app::WheelOutcome>>();
    running_ = true;
    updateButtons();
    app::Workspace& ws = host_.workspace();
    QPointer<TFormWheel> self(this);
    host_.run([&ws, asked, made] { *made = ws.Systems().GenerateWheel(*asked, false); },
              [self, asked, made] {
                  if (self == nullptr)
                      return;
                  self->running_ = false;
                  // A stopped or failed search leaves the system shown before.
                  if (*made) {
                      self->shownRequest_ = std::make_unique<app::WheelRequest>(*asked);
                      self->outcome_ = std::make_unique<app::WheelOutcome>(std::move(**made));
                      self->showOutcome();
                  }
                  self->updateButtons();
                  self->btnCreate_->setFocus();
              });
}

void TFormWheel::install()
{
    if (outcome_ == nullptr || installed() || running_ || host_.isRunning())
        return;
    app::Workspace& ws = host_.workspace();
    const systems::WheelDesign design = shownRequest_->Design;
    if (const auto question = ws.Systems().WheelReplaceQuestion(design.Numbers);
        question && !ws.Host().confirm(*question, false))
        return;
    auto done = std::make_shared<std::optional<systems::InstalledSystem>>();
    running_ = true;
    updateButtons();
    QPointer<TFormWheel> self(this);
    host_.run([&ws, design, lines = outcome_->Wheel.Lines, done] { *done = ws.Systems().InstallWheel(design, lines); },
              [self, done] {
                  if (self == nullptr)
                      return;
                  self->running_ = false;
                  if (*done) {
                      self->outcome_->Installed = **done;
                      self->showOutcome();
                  }
                  self->updateButtons();
                  self->btnClose_->setFocus();
              });
}

void TFormWheel::showOutcome()
{
    QStringList text;
    for (const std::string& line : app::WheelOutcomeLines(*shownRequest_, *outcome_))
        text << messageText(line);
    if (outcome_->Installed)
        for (const std::string& line : app::WheelInstalledLines(shownRequest_->Design.Numbers, *outcome_->Installed))
            text << messageText(line);
    text << QString();
    for (const systems::SystemLine& line : outcome_->Wheel.Lines)
        text << qs(systems::SystemLineText(line));
    mmResult_->setPlainText(text.join(QLatin1Char('\n')));
}

void TFormWheel::reject()
{
    if (running_)
        return;
    QDialog::reject();
}

} // namespace belvane::gui
