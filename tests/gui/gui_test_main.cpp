// The desktop program's tests: every registered test class, on the offscreen
// platform. "belvane_gui_tests ClassName [QtTest options]" runs one class (a
// name no class has fails, so that a renamed class is not a quiet pass).

#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <cstring>

#include "gui/qt_translations.h"
#include "gui_test_support.h"

namespace belvane::guitest {

std::vector<TestFactory>& Registered()
{
    static std::vector<TestFactory> factories;
    return factories;
}

} // namespace belvane::guitest

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    belvane::gui::InstallQtTranslations(application);

    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i)
        args.push_back(argv[i]);

    int failed = 0;
    int ran = 0;
    for (const auto& factory : belvane::guitest::Registered()) {
        const std::unique_ptr<QObject> test = factory();
        if (only && std::strcmp(test->metaObject()->className(), only) != 0)
            continue;
        ++ran;
        failed += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data()) != 0 ? 1 : 0;
    }
    if (ran == 0) {
        std::fprintf(stderr, "No test class named %s\n", only ? only : "(any)");
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
