#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/document_json.h"
#include "files/kvs_writer.h"
#include "tests/support/processes.h"

using namespace vireo;
using test::CliRun;
using test::runCli;

namespace {

Document sample() {
    Document d;
    d.model = "203";
    d.sequences[0] = {Step{"1,5", "S 12 / 15 x", {0, 5, 0, 12}},
                      Step{"1,5", "S 12 / 15 x", {63, 0, 0, 1}}};
    d.sequences[1] = {Step{"0.1", "", {1, 2, 3, 4}}};
    return d;
}

}  // namespace

TEST(CliDocument, WriteThenShowRoundTrips) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.kvs");
    const QByteArray json = documentToJson(sample());

    const CliRun written = runCli({"write", path}, json);
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), kvsBytes(sample()));  // byte for byte what the editor writes

    const CliRun shown = runCli({"show", path});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, QString::fromUtf8(json));
}

TEST(CliDocument, ExitCodesAndMessages) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.kvs");
    ASSERT_TRUE(writeKvsFile(good, sample()));
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0x01);  // a checksum digit
    const QString damaged = dir.filePath("damaged.kvs");
    QFile d(damaged);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly) && d.write(bytes) == bytes.size());
    d.close();
    const QString missing = dir.filePath("missing.kvs");
    const QByteArray json = documentToJson(sample());
    QByteArray unstorable = json;
    unstorable.replace("[63, 0, 0, 1]", "[64, 0, 0, 1]");

    struct Case {
        QStringList args;
        QByteArray input;
        int exitCode;
        QString errorNames;
    };
    const Case cases[] = {
        {{"show"}, {}, 2, "usage"},
        {{"show", good, good}, {}, 2, "usage"},
        {{"show", missing}, {}, 2, missing},
        {{"show", dir.path()}, {}, 2, dir.path()},
        {{"show", damaged}, {}, 3, damaged},
        {{"write"}, json, 2, "usage"},
        {{"write", dir.filePath("x.kvs")}, "{\"model\": ", 2, "standard input"},
        {{"write", dir.filePath("x.kvs")}, "{\"extra\": 1}", 2, "extra"},
        {{"write", dir.filePath("x.kvs")}, unstorable, 2, dir.filePath("x.kvs")},
        {{"write", good + "/below-a-file.kvs"}, json, 2, good + "/below-a-file.kvs"},
    };
    for (const Case& c : cases) {
        const CliRun r = runCli(c.args, c.input);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.errorNames)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.kvs")));
}
