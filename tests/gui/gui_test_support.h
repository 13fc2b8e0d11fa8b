#pragma once

// What the desktop program's tests share: a registry of test classes (one
// runner runs them all), data folders, a started window, and hands that
// answer the program's modal dialogs.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "app/demo_archive.h"
#include "app/workspace.h"
#include "gui/main_window.h"
#include "gui/script_page.h"
#include "model/draws_file.h"

namespace belvane::guitest {

// ---- the registry of test classes ------------------------------------------------

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& Registered();

struct Registration {
    explicit Registration(TestFactory factory) { Registered().push_back(std::move(factory)); }
};

#define BELVANE_GUI_TEST(Class)                                                                                        \
    static const ::belvane::guitest::Registration registered##Class([] { return std::make_unique<Class>(); })

// ---- folders and windows ------------------------------------------------------------

// A data folder of its own holding a demo archive of `draws` draws.
class DataFolder {
public:
    explicit DataFolder(int draws = 40, unsigned seed = 11)
    {
        if (draws > 0)
            model::WriteDrawsFile(files().draws(), app::MakeDemoDraws(draws, seed));
    }
    app::DataFiles files() const { return app::DataFiles(dir_.path().toStdString()); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// Opens the main window on the folder and runs the start-up; nullptr when it failed.
inline std::unique_ptr<gui::MainWindow> startWindow(const DataFolder& folder, app::StartupOptions options = {})
{
    auto window = std::make_unique<gui::MainWindow>(folder.files(), options);
    if (window->startupFailed())
        return nullptr;
    window->show();
    if (!window->initialise())
        return nullptr;
    return window;
}

// Whether the window's named action is enabled now.
inline bool enabled(const gui::MainWindow& w, const char* action)
{
    return w.action(QString::fromLatin1(action))->isEnabled();
}
inline bool enabled(const std::unique_ptr<gui::MainWindow>& w, const char* action)
{
    return enabled(*w, action);
}

// The scenario page of the window.
inline gui::ScriptPage* scriptPage(const std::unique_ptr<gui::MainWindow>& w)
{
    return w->findChild<gui::ScriptPage*>();
}

// ---- modal dialogs --------------------------------------------------------------------

// Runs `act` on the modal widget of type T as soon as it is open.
template <class T>
void whenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

// Answers the next file dialog with this file. The dialog reads its folder in
// the background and may not take a name at once, so the name is typed and OK
// pressed again until the dialog closes.
inline void chooseFile(const QString& path)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (d == nullptr || !d->isVisible())
            return;
        if (auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        else
            d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
        if (!d->isVisible()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// For as long as it lives: answers every message box (OK) and question (with
// `answer`, or the preselected button) as it opens, and keeps their texts.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(std::function<bool(const QString& question)> answer = {}) : answer_(std::move(answer))
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] { answerOpenBox(); });
        timer_.start();
    }

    QStringList texts;

private:
    void answerOpenBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        texts << box->text();
        if (box->button(QMessageBox::Yes) != nullptr) {
            const bool yes = answer_ ? answer_(box->text()) : box->defaultButton() == box->button(QMessageBox::Yes);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        } else {
            box->accept();
        }
    }

    QTimer timer_;
    std::function<bool(const QString&)> answer_;
};

} // namespace belvane::guitest
