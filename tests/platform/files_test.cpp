// Files read by lines without ever waiting or holding more than a piece of
// them, and files written so that a failed write keeps the old file.
#include "platform/files.h"
#include "platform/line_reader.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

std::vector<std::string> lines(LineReader& reader)
{
    std::vector<std::string> out;
    std::string_view line;
    while (reader.next(line))
        out.emplace_back(line);
    return out;
}

void scrivi(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray leggi(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(LineReader, LinesEndAtCrOrLfOrCrLfFromMemoryAndFromAFile)
{
    struct Case {
        QByteArray text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}}, {"a\r\r", {"a", ""}}, {"a\n\r", {"a", ""}}, {"", {}}, {"\r\n", {""}},
        {"12\r-3.5\r", {"12", "-3.5"}},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        LineReader memory(c.text);
        EXPECT_EQ(lines(memory), c.lines) << c.text.toStdString();
        EXPECT_FALSE(memory.failed());
        const QString path = dir.filePath("lines.txt");
        scrivi(path, c.text);
        const auto file = LineReader::open(path);
        ASSERT_TRUE(file);
        EXPECT_EQ(lines(*file), c.lines) << c.text.toStdString();
        EXPECT_FALSE(file->failed());
    }
}

// A file is read a piece at a time; wherever a piece ends, a CR LF split
// across two pieces still ends one line. Shifting the text by one and two
// bytes puts a carriage return at the end of a piece, whatever its size.
TEST(LineReader, ACrLfSplitBetweenTwoReadsEndsOneLine)
{
    QTemporaryDir dir;
    constexpr int kRighe = 400000; // 1.2 MB
    for (const QByteArray& prima : {QByteArray(), QByteArray("y\n"), QByteArray("yy\n")}) {
        QByteArray text = prima;
        for (int i = 0; i < kRighe; ++i)
            text += "x\r\n";
        const QString path = dir.filePath("crlf.txt");
        scrivi(path, text);
        const auto reader = LineReader::open(path);
        ASSERT_TRUE(reader);
        std::string_view line;
        int count = 0;
        if (!prima.isEmpty()) {
            ASSERT_TRUE(reader->next(line));
            EXPECT_EQ(line, prima.trimmed().toStdString());
        }
        while (reader->next(line)) {
            ASSERT_EQ(line, "x") << "line " << count;
            ++count;
        }
        EXPECT_EQ(count, kRighe);
        EXPECT_FALSE(reader->failed());
    }
}

TEST(LineReader, RemainingBytesBoundWhatIsStillToCome)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.mdn");
    scrivi(path, "8\r10\r10\r");
    const auto reader = LineReader::open(path);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->remainingBytes(), 8);
    std::string_view line;
    ASSERT_TRUE(reader->next(line));
    EXPECT_EQ(reader->remainingBytes(), 6);
    LineReader memory(QByteArray("8\r10\r10\r"));
    ASSERT_TRUE(memory.next(line));
    ASSERT_TRUE(memory.next(line));
    EXPECT_EQ(memory.remainingBytes(), 3);
}

TEST(LineReader, AnOverlongLineStopsTheReading)
{
    QTemporaryDir dir;
    const QByteArray lunga(LineReader::kMaxLineBytes + 1, '7');
    for (const QByteArray& text : {"1\r" + lunga + "\r2\r", "1\r" + lunga}) {
        const QString path = dir.filePath("long.txt");
        scrivi(path, text);
        const auto file = LineReader::open(path);
        ASSERT_TRUE(file);
        LineReader memory(text);
        for (LineReader* reader : {file.get(), &memory}) {
            EXPECT_EQ(lines(*reader), std::vector<std::string>{"1"});
            EXPECT_TRUE(reader->failed());
        }
    }
}

// What is not a regular file of at most the limit is refused when it is
// opened, before anything is read.
TEST(LineReader, RefusesAllButRegularFilesWithinTheLimitWithoutWaiting)
{
    testsupport::Watchdog watchdog;
    QTemporaryDir dir;
    const std::vector<testsupport::Unreadable> unreadable = testsupport::unreadableFiles(dir.path());
    for (const auto& u : unreadable) {
        ASSERT_TRUE(QFileInfo::exists(u.path)) << u.kind;
        EXPECT_FALSE(LineReader::open(u.path)) << u.kind;
    }
    EXPECT_FALSE(LineReader::open(dir.filePath("missing.mdn")));
    EXPECT_FALSE(LineReader::open(QString()));

    const QString piccolo = dir.filePath("piccolo.mdn");
    scrivi(piccolo, "0123456789");
    EXPECT_FALSE(LineReader::open(piccolo, 9));
    EXPECT_TRUE(LineReader::open(piccolo, 10));
}

// The limit holds for what is read, not only for the size the file had when
// it was opened: a file that another program makes longer meanwhile stops
// the reading as an error. Within the limit, what it grew by is read.
TEST(LineReader, AFileThatGrowsPastTheLimitWhileItIsReadIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cresce.mdn");
    for (const int limit : {10, 40}) {
        scrivi(path, "1\r2\r3\r4\r5\r");
        const auto reader = LineReader::open(path, limit);
        ASSERT_TRUE(reader) << limit;
        QFile more(path);
        ASSERT_TRUE(more.open(QIODevice::Append));
        more.write("6\r7\r8\r9\r0\r");
        more.close();
        if (limit == 10) {
            EXPECT_EQ(lines(*reader), std::vector<std::string>{});
            EXPECT_TRUE(reader->failed());
        } else {
            EXPECT_EQ(lines(*reader).size(), 10u);
            EXPECT_FALSE(reader->failed());
        }
    }
}

TEST(AtomicFile, ReplacesTheTargetOrLeavesItAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.mdn");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("one\r")));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("two\r")));
    EXPECT_EQ(leggi(path), "two\r");
    {
        AtomicFile pezzi(path);
        EXPECT_TRUE(pezzi.write("th"));
        EXPECT_TRUE(pezzi.write("ree\r"));
        EXPECT_TRUE(pezzi.commit());
    }
    EXPECT_EQ(leggi(path), "three\r");
    {
        // Given up before the commit: the target stays and nothing is left.
        AtomicFile abbandonato(path);
        EXPECT_TRUE(abbandonato.write("four\r"));
    }
    EXPECT_EQ(leggi(path), "three\r");
    EXPECT_EQ(testsupport::fileNames(dir.path()), QStringList{"doc.mdn"});
    // A folder that cannot be written refuses and keeps nothing half-written.
    EXPECT_FALSE(writeFileAtomically(dir.filePath("missing/doc.mdn"), QByteArray("x")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

// A write that fails after the file was opened, as on a full disk: the limit
// stops the temporary file at 0 bytes or part-way, for texts small enough to
// sit in a write buffer and for larger ones. The old file keeps its bytes and
// no temporary file is left.
TEST(AtomicFile, AWriteThatFailsMidwayKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.mdn");
    const QByteArray vecchio(40000, 'o');
    for (const qsizetype size : {qsizetype(100), qsizetype(5000), qsizetype(100000)}) {
        for (const long long limit : {0LL, static_cast<long long>(size / 2)}) {
            scrivi(path, vecchio);
            const QByteArray nuovo(size, 'n');
            {
                testsupport::FileSizeLimit limite(limit);
                EXPECT_FALSE(writeFileAtomically(path, nuovo)) << size << " bytes, limit " << limit;
                AtomicFile pezzi(path);
                pezzi.write(nuovo.first(size / 4).toStdString());
                pezzi.write(nuovo.first(size - size / 4).toStdString());
                EXPECT_FALSE(pezzi.commit()) << size << " bytes in two pieces, limit " << limit;
            }
            EXPECT_EQ(leggi(path), vecchio) << size << " bytes, limit " << limit;
            EXPECT_EQ(testsupport::fileNames(dir.path()), QStringList{"doc.mdn"});
        }
    }
}
