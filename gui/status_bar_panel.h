#pragma once

// A panel of a status bar whose width does not follow its text: a counter
// panel is as wide as its text with every number grown to seven digits (and
// only ever grows), a stretching panel takes what the bar leaves. A text that
// does not fit ends in "…"; the tooltip holds it whole. So a long activity
// text or a growing count never moves the panels, the tabs or the window.

#include <QString>
#include <QWidget>

namespace belvane::gui {

class StatusBarPanel : public QWidget {
    Q_OBJECT
public:
    enum class Sizing { Counter, Stretch };

    StatusBarPanel(QWidget* parent, Sizing sizing);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    // The text as the panel shows it (elided when it does not fit).
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text a counter panel is sized for: every number as seven digits.
    static QString WidestForm(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int widthFor(const QString& text) const;

    Sizing sizing_;
    QString text_;
    int width_ = 0; // a counter panel's width so far
};

} // namespace belvane::gui
