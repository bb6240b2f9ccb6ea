// The main of every test program, with the locale pinned to Italian. Built
// twice: with TANDARA_TEST_WIDGETS a QApplication serves widget tests,
// otherwise a QCoreApplication serves the headless ones.
#include <QLocale>
#include <gtest/gtest.h>

#ifdef TANDARA_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Tests never need a display; the build also runs them to list them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return RUN_ALL_TESTS();
}
