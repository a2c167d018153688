#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(Files, LinesEndAtCrOrLfOrCrLf)
{
    EXPECT_EQ(splitLines("a\rb\nc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\r"), (QStringList{"a", ""}));
    EXPECT_EQ(splitLines(""), QStringList{});
}

TEST(Files, AtomicWriteReplacesOrLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.mdn");
    ASSERT_TRUE(writeFileAtomically(path, "one\r"));
    ASSERT_TRUE(writeFileAtomically(path, "two\r"));
    EXPECT_EQ(*readTextLines(path), QStringList{"two"});
    // A folder that cannot be written refuses and keeps nothing half-written.
    EXPECT_FALSE(writeFileAtomically(dir.filePath("missing/doc.mdn"), "x"));
    EXPECT_FALSE(readTextLines(dir.filePath("missing/doc.mdn")).has_value());
}
