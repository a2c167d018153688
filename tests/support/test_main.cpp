// Test entry: a QApplication on the offscreen platform, then GoogleTest.
// The test programs with windows also fail a test that leaves a message
// about a failed file command unanswered, instead of waiting for a click.
#include <QApplication>
#include <gtest/gtest.h>

#ifdef MODANOVA_TEST_WINDOWS
#include "support/dialog_script.h"
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Modanova"));
    QApplication::setOrganizationName(QStringLiteral("Modanova"));
    ::testing::InitGoogleTest(&argc, argv);
#ifdef MODANOVA_TEST_WINDOWS
    testsupport::guardUnansweredMessages();
#endif
    return RUN_ALL_TESTS();
}
