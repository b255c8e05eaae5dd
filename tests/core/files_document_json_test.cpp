#include <gtest/gtest.h>

#include "files/document_json.h"

using namespace vireo;

namespace {

Document example() {
    Document d;
    d.sequences[0] = {Step{"1,5", "S  1 / 4 x", {0, 5, 0, 12}}};
    return d;
}

}  // namespace

TEST(DocumentJson, WritesTheDocumentedLayout) {
    EXPECT_EQ(documentToJson(example()).toStdString(),
              "{\n"
              "  \"model\": \"111\",\n"
              "  \"options\": \"11100000000000000000\",\n"
              "  \"sequences\": [\n"
              "    [ {\"time\": \"1,5\", \"loop\": \"S  1 / 4 x\", \"lamps\": [0, 5, 0, 12]} ],\n"
              "    []\n"
              "  ]\n"
              "}\n");

    Document two = example();
    two.sequences[1] = {Step{"2", "", {1, 0, 0, 0}}, Step{"0.1", "", {255, 0, 0, 64}}};
    EXPECT_TRUE(documentToJson(two).contains(
        "    [ {\"time\": \"2\", \"loop\": \"\", \"lamps\": [1, 0, 0, 0]},\n"
        "      {\"time\": \"0.1\", \"loop\": \"\", \"lamps\": [255, 0, 0, 64]} ]\n"));
}

TEST(DocumentJson, RoundTripsIncludingTextsThatNeedEscapes) {
    Document d = example();
    d.model = QStringLiteral("\"a\\b\"");
    const QString time = QStringLiteral("1,5 \u00e4\u20ac\U0001F600\n\x01");
    d.sequences[1] = {Step{OnTime::parse(time), "", {63, 0, 0, 0}}};
    QString error;
    const auto back = documentFromJson(documentToJson(d), &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, d);
    EXPECT_EQ(back->sequences[1][0].time.writtenText(), time);
}

TEST(DocumentJson, LoopMayBeLeftOut) {
    const auto d = documentFromJson(
        R"({"model": "111", "options": "11100000000000000000",
            "sequences": [[{"time": "2", "lamps": [1, 2, 3, 4]}], []]})");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->sequences[0][0], (Step{"2", "", {1, 2, 3, 4}}));
}

TEST(DocumentJson, RejectsWhatIsNotADocument) {
    const char* bad[] = {
        "",
        "[]",
        "{\"model\": \"111\"",
        R"({"model": "111", "options": "1", "sequences": [[], []], "extra": 1})",
        R"({"options": "1", "sequences": [[], []]})",
        R"({"model": 111, "options": "1", "sequences": [[], []]})",
        R"({"model": "111", "options": "1", "sequences": [[]]})",
        R"({"model": "111", "options": "1", "sequences": [{}, []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": "1", "lamps": [1, 2, 3, 4], "x": 0}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"lamps": [1, 2, 3, 4]}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": "1", "lamps": [1, 2, 3]}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": "1", "lamps": [1, 2, 3, 256]}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": "1", "lamps": [1, 2, 3, -1]}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": "1", "lamps": [1, 2, 3, 1.5]}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": "1", "lamps": [1, 2, 3, "4"]}], []]})",
        R"({"model": "111", "options": "1", "sequences": [[{"time": 1, "lamps": [1, 2, 3, 4]}], []]})",
    };
    for (const char* json : bad) {
        QString error;
        EXPECT_FALSE(documentFromJson(json, &error)) << json;
        EXPECT_FALSE(error.isEmpty()) << json;
    }
}
