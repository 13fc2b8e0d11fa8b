// belvane: the desktop program of Belvane 6x45.

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <iostream>

#include "app/setting_keys.h"
#include "app/startup_options.h"
#include "frontend/terminal_host.h"
#include "gui/draws_page.h"
#include "gui/first_run_dialog.h"
#include "gui/main_window.h"
#include "gui/program_arguments.h"
#include "gui/qt_translations.h"
#include "gui/screenshots.h"
#include "stats/stat_list.h"
#include "support/data_folder.h"
#include "support/error.h"

namespace {

using namespace belvane;

using Arguments = gui::ProgramArguments;

app::DataFiles dataFiles(const Arguments& a)
{
    const auto folder = chooseDataFolder(currentDataFolderInputs(a.dataDir));
    ensureFolder(folder);
    return app::DataFiles(folder);
}

// The batch options run without any window, so they work from cron and on a
// machine without a display.
int runBatch(const Arguments& a)
{
    cli::TerminalHost host(cli::AnswerPolicy::Ask);
    try {
        app::Workspace ws(host, dataFiles(a), a.options);
        ws.Create();
        ws.Initialise();
        ws.RunBatchOptions();
        const bool closed = ws.Close();
        // Any error shown fails the job: cron must see it.
        return !closed || host.cancelled() || host.errorsShown() > 0 || ws.BatchFailed() ? 1 : 0;
    } catch (const app::StartupFailure&) {
        return 1;
    } catch (const std::exception& e) {
        host.showError(e.what());
        return 1;
    }
}

// Starts the program again with "restart" (it waits until this copy has
// ended), on the same data folder.
void startAgain(const Arguments& a)
{
    QStringList args{QStringLiteral("restart")};
    if (a.dataDir)
        args << QStringLiteral("--data-dir") << QString::fromStdString(a.dataDir->string());
    QProcess::startDetached(QCoreApplication::applicationFilePath(), args, QCoreApplication::applicationDirPath());
}

} // namespace

int main(int argc, char** argv)
{
    const Arguments arguments = gui::ParseProgramArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (arguments.options.Batch())
        return runBatch(arguments);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Belvane 6x45"));
    gui::InstallQtTranslations(application);

    app::DataFiles files{std::filesystem::path()};
    try {
        files = dataFiles(arguments);
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    gui::MainWindow window(files, arguments.options);
    if (window.startupFailed())
        return 1;
    window.show();
    if (!window.initialise())
        return 1;
    if (arguments.screenshots)
        return gui::TakeScreenshots(window, *arguments.screenshots) ? 0 : 1;

    if (window.checkUpdatesAtStartup()) {
        startAgain(arguments);
        return 0;
    }
    window.drawsPage()->downloadAtStartup();
    window.waitUntilIdle();
    if (window.workspace().Settings().Flag(app::key::FirstRun)) {
        gui::FirstRunDialog dialog(&window, window.workspace().Registry().HelpFile);
        dialog.exec();
        if (dialog.dontShowAgain())
            window.workspace().SetSetting(app::key::FirstRun, 0);
    }
    const int exitCode = QApplication::exec();
    if (window.restartRequested())
        startAgain(arguments);
    return exitCode;
}
