#include "gui/stake_dialog_fields.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>

#include "gui/qt_text.h"
#include "stakes/stake_access.h"
#include "stakes/stake_record.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

QSpinBox* MakeDrawNumberEdit(QWidget* parent, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("edDrawNumber"));
    box->setRange(1, stakes::MaxDrawNumber);
    box->setValue(value);
    return box;
}

QSpinBox* MakeDrawsCountEdit(QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("edDrawsCount"));
    box->setRange(1, stakes::MaxDrawsCount);
    box->setValue(1);
    return box;
}

QLineEdit* MakeCommentEdit(QWidget* parent, const std::string& comment)
{
    auto* edit = new QLineEdit(qs(comment), parent);
    edit->setObjectName(QStringLiteral("edComment"));
    edit->setMaxLength(static_cast<int>(stakes::StakeCommentCapacity));
    return edit;
}

void ShowRefusal(QWidget* dialog, const stakes::DialogRefusal& refusal,
                 std::initializer_list<std::pair<stakes::StakeDialogField, QWidget*>> fields)
{
    QMessageBox::critical(dialog, qs(support::Text(CaptionError)), messageText(refusal.Message));
    for (const auto& [field, widget] : fields) {
        if (field != refusal.Focus)
            continue;
        widget->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            edit->selectAll();
        else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            spin->selectAll();
    }
}

} // namespace belvane::gui
