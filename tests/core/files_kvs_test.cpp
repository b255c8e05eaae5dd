#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/kvs_comparison.h"
#include "files/kvs_descrambler.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "tests/support/file_size_limit.h"

using namespace vireo;

namespace {

const QByteArray kHeader = "Kelvor Vireo // erstellt mit Version 3.0.0\r\n";

// Builds a file the way the format describes it, independently of the writer: every plain
// character XOR 0xE7 plus one zero, "F", "P" and "Z" plus three zeros, then the checksum
// (85 XOR every character) unless a checksum text is given.
QByteArray fileFromPlain(const QByteArray& plain, const QByteArray& checksumText = {}) {
    QByteArray out = kHeader;
    unsigned char sum = 85;
    for (char c : plain) {
        sum ^= static_cast<unsigned char>(c);
        out += char(static_cast<unsigned char>(c) ^ 0xE7);
        out += QByteArray(c == 'F' || c == 'P' || c == 'Z' ? 3 : 1, '\0');
    }
    for (char c : checksumText.isNull() ? QByteArray::number(sum) : checksumText)
        out += QByteArray(1, char(c ^ 0xE7)) + QByteArray(1, '\0');
    return out;
}

template <size_t N>
QByteArray raw(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

const QByteArray kEmptyBody = "111F11100000000000000000P0Z0Z";

Step step(const QString& time, const QString& loop, LampBytes lamps) {
    return Step{OnTime::parse(time), loop, lamps};
}

Document documentWith(Sequence welcome, Sequence goodbye = {}) {
    Document d;
    d.sequences = {std::move(welcome), std::move(goodbye)};
    return d;
}

}  // namespace

TEST(KvsWriter, EmptyDocumentIsHeaderFieldsAndChecksum) {
    const QByteArray expected =
        kHeader + QByteArray::fromHex(
                      "d600d600d600a1000000d600d600d600d700d700d700d700d700d700d700d700d700d7"
                      "00d700d700d700d700d700d700d700b7000000d700bd000000d700bd000000d600d600"
                      "d200");
    EXPECT_EQ(kvsBytes(Document{}), expected);
    EXPECT_EQ(kvsBytes(Document{}), fileFromPlain(kEmptyBody));
}

TEST(KvsWriter, StepIsSevenCharacterUnits) {
    const QByteArray bytes = kvsBytes(documentWith({step("2", "", {0, 5, 0, 12})}));
    // "2", "I", the lamp codes 0, 5, 0, 12 and "@": seven units of two bytes after the "Z".
    const QByteArray record = QByteArray::fromHex("d500ae00e700e200e700eb00a700");
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("d600bd000000") + record));
    EXPECT_EQ(bytes, fileFromPlain(raw("111F11100000000000000000P1Z2I\x00\x05\x00\x0c@0Z")));
}

TEST(KvsWriter, MarkerAndWStandBetweenTimeAndLamps) {
    const Document d = documentWith({step("1,5", "S  1 / 5 x", {1, 2, 3, 4})});
    const QByteArray plain = descrambleKvs(kvsBytes(d));
    EXPECT_TRUE(plain.contains("1,5IS  1 / 5 xW\x01\x02\x03\x04@"));
    EXPECT_EQ(kvsBytes(d),
              fileFromPlain("111F11100000000000000000P1Z1,5IS  1 / 5 xW\x01\x02\x03\x04@0Z"));
}

struct RoundTripCase {
    const char* name;
    Document document;
};

// The case by its name: without a printer the test listing shows the object's raw bytes,
// pointers included, and the names CTest registers change from build to build.
void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class KvsRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(KvsRoundTrip, ReadsBackAndComparesEqual) {
    const Document& d = GetParam().document;
    ASSERT_EQ(kvsWriteProblem(d), QString());
    const QByteArray bytes = kvsBytes(d);
    const KvsReadResult read = readKvs(bytes);
    ASSERT_EQ(read.verdict, KvsVerdict::Loaded) << read.problem.toStdString();
    EXPECT_EQ(read.document, d);
    EXPECT_TRUE(documentEqualsKvs(d, bytes));
    EXPECT_TRUE(documentEqualsKvs(read.document, bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, KvsRoundTrip,
    ::testing::
        Values(
            RoundTripCase{"empty", Document{}},
            RoundTripCase{"both_sequences", documentWith({step("0,1", "", {1, 0, 0, 0}),
                                                          step("2", "", {0, 5, 0, 12})},
                                                         {step("10", "", {63, 63, 63, 63})})},
            RoundTripCase{
                "ten_character_markers",
                documentWith({step("1", "S  1 / 5 x", {1, 2, 3, 4}),
                              step("1", "S  1 / 5 x", {4, 3, 2, 1}), step("0,5", "", {})})},
            RoundTripCase{
                "eleven_character_markers",
                documentWith({step("1", "S 12 / 15 x", {1, 2, 3, 4}),
                              step("1", "S 12 / 15 x", {4, 3, 2, 1})},
                             {step("2", "S  1 / 20 x", {}), step("2", "S  1 / 20 x", {}),
                              step("3", "S  2 / 3 x", {}),
                              step("3", "S  2 / 3 x", {})})},
            RoundTripCase{
                "german_and_english_times",
                documentWith({step("1,5", "", {}), step("12,3", "", {})},
                             {step("1.5", "", {}), step("0.1", "", {})})},
            RoundTripCase{
                "lamp_bytes_above_63", documentWith({step("1", "", {64 + 1, 100, 200, 255})})},
            RoundTripCase{
                "other_model_and_options",
                [] {
                    Document d = documentWith({step("1", "", {7, 0, 0, 0})});
                    d.model = QStringLiteral("305");
                    d.options = QStringLiteral("01010101010101010101");
                    return d;
                }()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KvsReader, ReadsPlainFileBuiltByHand) {
    const KvsReadResult read = readKvs(fileFromPlain(
        raw("203F10100000000000000001P1Z1,5IS  1 / 5 xW\x01\x02\x03\x04@1Z2I?\x00\x00\x01@")));
    ASSERT_EQ(read.verdict, KvsVerdict::Loaded) << read.problem.toStdString();
    EXPECT_EQ(read.document.model, "203");
    EXPECT_EQ(read.document.options, "10100000000000000001");
    EXPECT_EQ(read.document.sequences[0], Sequence({step("1,5", "S  1 / 5 x", {1, 2, 3, 4})}));
    EXPECT_EQ(read.document.sequences[1], Sequence({step("2", "", {'?', 0, 0, 1})}));
}

// A file kept in the repository: the writer must go on producing exactly these bytes.
TEST(KvsReader, StoredFileReadsAndIsWrittenAgainByteForByte) {
    QFile file(VIREO_TEST_DATA "/loops.kvs");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const KvsReadResult read = readKvs(bytes);
    ASSERT_EQ(read.verdict, KvsVerdict::Loaded);
    const Document expected = documentWith(
        {step("1,5", "S  1 / 4 x", {0, 5, 0, 12}), step("1,5", "S  1 / 4 x", {1, 5, 0, 12}),
         step("0,1", "", {63, 0, 0, 0})},
        {step("2", "S 12 / 15 x", {1, 2, 3, 4}), step("2", "S 12 / 15 x", {4, 3, 2, 1})});
    EXPECT_EQ(read.document, expected);
    EXPECT_EQ(kvsBytes(expected), bytes);
}

TEST(KvsReader, ChangedChecksumOrBodyIsDamaged) {
    QByteArray bytes = kvsBytes(documentWith({step("1", "", {1, 2, 3, 4})}));
    ASSERT_EQ(readKvs(bytes).verdict, KvsVerdict::Loaded);

    QByteArray digit = bytes;
    const qsizetype last = digit.size() - 2;  // the last checksum digit's unit
    const char plainDigit = char(digit[last] ^ 0xE7);
    digit[last] = char((plainDigit == '9' ? '0' : plainDigit + 1) ^ 0xE7);
    EXPECT_EQ(readKvs(digit).verdict, KvsVerdict::Damaged);

    QByteArray body = bytes;
    body[kHeader.size()] = char(body[kHeader.size()] ^ 0x01);  // model "1" becomes "0"
    EXPECT_EQ(readKvs(body).verdict, KvsVerdict::Damaged);
}

TEST(KvsReader, ShortOptionStringIsFilledAndThenDiffersFromTheFile) {
    const QByteArray bytes = fileFromPlain("111F111000000000000000P0Z0Z");  // 18 option digits
    const KvsReadResult read = readKvs(bytes);
    ASSERT_EQ(read.verdict, KvsVerdict::Loaded);
    EXPECT_EQ(read.document.options, "11100000000000000000");
    EXPECT_FALSE(documentEqualsKvs(read.document, bytes));
}

TEST(KvsReader, HeaderIsSkippedWhateverItHolds) {
    QByteArray bytes = fileFromPlain(kEmptyBody);
    bytes.replace(0, kHeader.size(), "anything at all\n");
    EXPECT_EQ(readKvs(bytes).verdict, KvsVerdict::Loaded);
}

TEST(KvsReader, MalformedBodiesAreDamaged) {
    const QByteArray cases[] = {
        "",
        "111",                                                   // no F
        "111F11100000000000000000",                              // no P
        "111F11100000000000000000P0",                            // no Z
        "111F11100000000000000000P0Z0",                          // no second Z
        "111F11100000000000000000P2Z1I\x01\x02\x03\x04@0Z",      // count larger than the steps
        "111F11100000000000000000PxZ0Z",                         // count not a number
        "111F11100000000000000000PZ0Z",                          // count empty
        "111F11100000000000000000P1Z1I\x01\x02\x03@0Z",          // three lamp bytes
        "111F11100000000000000000P1Z1I\x01\x02\x03\x04\x05@0Z",  // five lamp bytes
        "111F11100000000000000000P1Z1\x01\x02\x03\x04@0Z",       // no I
        "111F11100000000000000000P1Z1I\x01\x02\x03\x04",         // cut off before "@"
        "111F11100000000000000000P99999999999999999999Z0Z",      // huge count
        "111F11100000000000000000P1Z1Ixyz 1 / 5 xW\x01\x02\x03\x04@0Z",  // 11 chars, no "S"
    };
    for (const QByteArray& plain : cases) {
        const QByteArray bytes = fileFromPlain(plain);
        EXPECT_EQ(readKvs(bytes).verdict, KvsVerdict::Damaged) << plain.toStdString();
        EXPECT_FALSE(documentEqualsKvs(Document{}, bytes)) << plain.toStdString();
    }
    // Without a line break the whole file is header and the body is empty.
    EXPECT_EQ(readKvs(fileFromPlain(kEmptyBody).mid(kHeader.size())).verdict, KvsVerdict::Damaged);
}

TEST(KvsReader, MissingFileIsUnreadable) {
    QTemporaryDir dir;
    EXPECT_EQ(readKvsFile(dir.filePath("missing.kvs")).verdict, KvsVerdict::Unreadable);
    EXPECT_EQ(readKvsFile(dir.path()).verdict, KvsVerdict::Unreadable);
}

TEST(KvsComparison, DiffersOnEveryField) {
    const Document d = documentWith(
        {step("1,5", "S  1 / 4 x", {1, 2, 3, 4}), step("1,5", "S  1 / 4 x", {1, 2, 3, 4})});
    const QByteArray bytes = kvsBytes(d);
    ASSERT_TRUE(documentEqualsKvs(d, bytes));

    std::vector<std::function<void(Document&)>> changes = {
        [](Document& x) { x.model = "112"; },
        [](Document& x) { x.options[5] = '1'; },
        [](Document& x) { x.sequences[0][1].time = "1,6"; },
        [](Document& x) { x.sequences[0][1].loop.clear(); },
        [](Document& x) { x.sequences[0][1].lamps[3] = 5; },
        [](Document& x) { x.sequences[0].removeLast(); },
        [](Document& x) {
            x.sequences[1].append(Step{"1", "", {}});
        },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        Document changed = d;
        changes[i](changed);
        EXPECT_FALSE(documentEqualsKvs(changed, bytes)) << "change " << i;
    }
}

// An on-time is compared by its value: how the number was written is not a change.
TEST(KvsComparison, OnTimesCompareAsValues) {
    const Document d = documentWith({step("1,5", "", {1, 2, 3, 4}), step("0.2", "", {})});
    const QByteArray bytes = kvsBytes(d);
    const std::pair<const char*, const char*> cases[] = {
        {"1.5", "0,2"}, {"1,50", "0.20"}, {"1,5", "0.2"}};
    for (const auto& [first, second] : cases) {
        Document written = d;
        written.sequences[0][0].time = first;
        written.sequences[0][1].time = second;
        EXPECT_TRUE(documentEqualsKvs(written, bytes)) << first << " " << second;
    }
    Document other = d;
    other.sequences[0][1].time = "0,21";
    EXPECT_FALSE(documentEqualsKvs(other, bytes));
}

TEST(KvsComparison, FileOnDisk) {
    QTemporaryDir dir;
    const Document d = documentWith({step("1", "", {1, 0, 0, 0})});
    EXPECT_TRUE(documentMatchesFile(Document{}, QString()));
    EXPECT_FALSE(documentMatchesFile(d, QString()));

    const QString path = dir.filePath("a.kvs");
    QString error;
    ASSERT_TRUE(writeKvsFile(path, d, &error)) << error.toStdString();
    EXPECT_TRUE(documentMatchesFile(d, path));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(documentMatchesFile(d, path));
    EXPECT_FALSE(documentMatchesFile(Document{}, path));
}

TEST(KvsWriter, FailedWriteKeepsTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.kvs");
    ASSERT_TRUE(writeKvsFile(path, documentWith({step("1", "", {1, 2, 3, 4})})));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = old.readAll();
    old.close();

    // The disk fills up while the new file is written over the old one.
    const Document longer = documentWith(
        {step("1", "", {1, 2, 3, 4}), step("2", "", {5, 6, 7, 8}), step("3", "", {9, 10, 11, 12})});
    QString error;
    {
        test::FileSizeLimit fullDisk(oldBytes.size());
        if (!fullDisk.active()) GTEST_SKIP() << "file sizes cannot be limited here";
        EXPECT_FALSE(writeKvsFile(path, longer, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), oldBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.kvs"});  // no leftovers
}

TEST(KvsWriter, DocumentsThatWouldNotReadBackAreNamed) {
    const std::vector<std::function<void(Document&)>> faults = {
        [](Document& x) { x.model = "1F1"; },
        [](Document& x) { x.options = "1110000000000000000"; },
        [](Document& x) { x.options = QString("1110000000000000000") + QChar(0x0109); },
        [](Document& x) { x.sequences[0][0].time = "1I5"; },
        [](Document& x) { x.sequences[0][0].time = OnTime::parse(QString(QChar(0xE7))); },
        [](Document& x) { x.sequences[0][0].loop = "S 1 / 4"; },
        [](Document& x) { x.sequences[0][0].loop = "T 12 / 15 x"; },
        [](Document& x) { x.sequences[0][0].lamps[0] = 64; },
        [](Document& x) { x.sequences[0][0].lamps[0] = 256; },
        [](Document& x) { x.sequences[0][0].lamps[0] = -1; },
    };
    const Document good = documentWith({step("1", "S 12 / 15 x", {1, 2, 3, 4})});
    ASSERT_EQ(kvsWriteProblem(good), QString());
    for (size_t i = 0; i < faults.size(); ++i) {
        Document bad = good;
        faults[i](bad);
        EXPECT_FALSE(kvsWriteProblem(bad).isEmpty()) << "fault " << i;
    }
}
