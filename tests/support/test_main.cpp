// Test entry: a QApplication on the offscreen platform, then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

#include "support/test_support.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Modanova"));
    QApplication::setOrganizationName(QStringLiteral("Modanova"));
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::guardUnansweredMessages();
    return RUN_ALL_TESTS();
}
