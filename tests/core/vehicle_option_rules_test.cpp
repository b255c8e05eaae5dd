#include <gtest/gtest.h>

#include <vector>

#include "vehicle/option_rules.h"

using namespace vireo;

namespace {

using Id = OptionBoxId;

// Every box ticked or not, as the string of their nine digits in position order.
QString tickDigits(const VehicleOptions& o) {
    QString digits;
    for (Id id : kOptionBoxes)
        digits += optionBox(o, id).ticked ? QLatin1Char('1') : QLatin1Char('0');
    return digits;
}

QString enableDigits(const VehicleOptions& o) {
    QString digits;
    for (Id id : kOptionBoxes)
        digits += optionBox(o, id).enabled ? QLatin1Char('1') : QLatin1Char('0');
    return digits;
}

QChar at(const QString& optionString, int position) {
    return optionString.at(position - 1);
}

}  // namespace

// Clicking a box runs its rule, and every box whose tick the rule changes writes its digit too.
TEST(OptionRules, ClickRulesAndDigits) {
    struct Case {
        const char* name;
        std::vector<Id> tickedBefore;
        Id box;
        bool tick;
        const char* expectedTicks;  // nine digits in position order 3,5,6,7,8,9,10,11,13
    };
    const Case cases[] = {
        {"day light unticks day light over side light",
         {Id::TagfahrlichtStandlicht},
         Id::Tagfahrlicht,
         true,
         "010000000"},
        {"day light over side light unticks day light",
         {Id::Tagfahrlicht},
         Id::TagfahrlichtStandlicht,
         true,
         "000100000"},
        {"mirror short unticks mirror long", {Id::SpiegelLang}, Id::SpiegelKurz, true, "000000100"},
        {"mirror long unticks mirror short", {Id::SpiegelKurz}, Id::SpiegelLang, true, "000000010"},
        {"unticking day light leaves the other",
         {Id::Tagfahrlicht, Id::StandlichtUs},
         Id::Tagfahrlicht,
         false,
         "001000000"},
        {"side light has no rule", {Id::Abbiegelicht}, Id::StandlichtUs, true, "101000000"},
        {"welcome hold off keeps soft start ticked",
         {Id::ComingHomeAuf, Id::SoftEin},
         Id::ComingHomeAuf,
         false,
         "000000001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VehicleOptions o;
        QString s = QStringLiteral("ab0x0000000y0zzzzzzz");
        for (Id id : c.tickedBefore) setTick(o, s, id, true);
        setTick(o, s, c.box, c.tick);
        EXPECT_EQ(tickDigits(o), QString::fromLatin1(c.expectedTicks));
        // Each box's position shows its tick; positions 1, 2, 4, 12 and 14-20 are never written.
        for (Id id : kOptionBoxes)
            EXPECT_EQ(at(s, optionPosition(id)), optionBox(o, id).ticked ? '1' : '0');
        EXPECT_EQ(s.left(2), QStringLiteral("ab"));
        EXPECT_EQ(at(s, 4), 'x');
        EXPECT_EQ(at(s, 12), 'y');
        EXPECT_EQ(s.mid(13), QStringLiteral("zzzzzzz"));
    }
}

TEST(OptionRules, DayLightExclusionWritesPositionsFiveAndSeven) {
    VehicleOptions o;
    QString s = kDefaultOptions;
    setTick(o, s, Id::TagfahrlichtStandlicht, true);
    EXPECT_EQ(at(s, 7), '1');
    setTick(o, s, Id::Tagfahrlicht, true);
    EXPECT_EQ(at(s, 5), '1');
    EXPECT_EQ(at(s, 7), '0');
}

TEST(OptionRules, HoldLightBoxesSwitchTheirListsAndSoftStart) {
    VehicleOptions o;
    QString s = kDefaultOptions;
    setTick(o, s, Id::ComingHomeAuf, true);
    setTick(o, s, Id::SoftEin, true);
    setTick(o, s, Id::ComingHomeZu, true);
    setTick(o, s, Id::ComingHomeAuf, false);
    EXPECT_FALSE(o.welcomeHoldEnabled);
    EXPECT_FALSE(o.softEin.enabled);
    EXPECT_TRUE(o.softEin.ticked);
    EXPECT_EQ(at(s, 13), '1');
    EXPECT_EQ(at(s, 8), '0');
    EXPECT_TRUE(o.goodbyeHoldEnabled);

    setTick(o, s, Id::ComingHomeZu, false);
    EXPECT_FALSE(o.goodbyeHoldEnabled);
    setTick(o, s, Id::ComingHomeAuf, true);
    EXPECT_TRUE(o.welcomeHoldEnabled);
    EXPECT_TRUE(o.softEin.enabled);
}

// Setting a tick the box already has runs nothing and writes nothing, like a check box.
TEST(OptionRules, UnchangedTickWritesNothing) {
    VehicleOptions o;
    QString s = QStringLiteral("00x00000000000000000");
    setTick(o, s, Id::Abbiegelicht, false);
    EXPECT_EQ(s, QStringLiteral("00x00000000000000000"));
}

TEST(OptionRules, ShortOptionStringIsPaddedBeforeWriting) {
    VehicleOptions o;
    QString s = QStringLiteral("11");
    setTick(o, s, Id::SoftEin, true);
    EXPECT_EQ(s, QStringLiteral("11000000000010000000"));
    activateBmw(s);
    EXPECT_EQ(s.size(), 20);
}

TEST(OptionRules, TypeChoiceAndHoldLightRuleByModuleType) {
    struct Case {
        const char* moduleType;
        bool holdEnabledAfter;
        bool dayLightEnabledAfter;
    };
    const Case cases[] = {
        {"", true, true},      {"5.1", true, true},   {"6.1", true, true},
        {"5.2", false, false}, {"6.0", false, false}, {"9.9", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moduleType);
        VehicleOptions o;
        QString s = kDefaultOptions;
        setTick(o, s, Id::ComingHomeAuf, true);
        o.comingHomeAuf.enabled = o.comingHomeZu.enabled = o.tagfahrlicht.enabled = false;
        selectType(o, s, 1, true, QString::fromLatin1(c.moduleType));
        EXPECT_EQ(o.type, 1);
        EXPECT_EQ(o.comingHomeAuf.enabled, c.holdEnabledAfter);
        EXPECT_EQ(o.comingHomeZu.enabled, c.holdEnabledAfter);
        EXPECT_EQ(o.tagfahrlicht.enabled, c.dayLightEnabledAfter);
        EXPECT_TRUE(o.comingHomeAuf.ticked);  // enabling or leaving never changes a tick
    }
}

TEST(OptionRules, NoTypeSelectedSwitchesDayAndHoldLightsOff) {
    VehicleOptions o;
    QString s = kDefaultOptions;
    for (Id id : {Id::Tagfahrlicht, Id::ComingHomeAuf, Id::ComingHomeZu}) setTick(o, s, id, true);
    selectType(o, s, 2, true, QString());  // there is no type 2
    EXPECT_EQ(o.type, 0);
    for (Id id : {Id::Tagfahrlicht, Id::ComingHomeAuf, Id::ComingHomeZu}) {
        EXPECT_FALSE(optionBox(o, id).ticked);
        EXPECT_FALSE(optionBox(o, id).enabled);
        EXPECT_EQ(at(s, optionPosition(id)), '0');
    }
    EXPECT_FALSE(o.welcomeHoldEnabled);

    // A year click runs the same hold-light rule; with the type back it enables them again.
    selectType(o, s, 1, true, QString());
    o.comingHomeAuf.enabled = false;
    selectYear(o, s, 3, QString());
    EXPECT_EQ(o.year, 3);
    EXPECT_TRUE(o.comingHomeAuf.enabled);
}

TEST(OptionRules, ComposedModelSkipsGroupsWithoutSelection) {
    VehicleOptions o;
    EXPECT_EQ(composedModel(o), QString());
    o.type = 1;
    o.body = 2;
    EXPECT_EQ(composedModel(o), QStringLiteral("12"));
    o.year = 3;
    EXPECT_EQ(composedModel(o), QStringLiteral("123"));
}

TEST(OptionRules, RestoreShowsModelAndOptionString) {
    struct Case {
        const char* name;
        const char* model;
        const char* optionString;
        int body, year;
        const char* expectedTicks;
        const char* expectedString;
    };
    const Case cases[] = {
        {"default string ticks only the turn light", "111", "11100000000000000000", 1, 1,
         "100000000", "11100000000000000000"},
        {"day light over side light wins when both are stored", "112", "00001010000000000000", 1, 2,
         "000100000", "00000010000000000000"},
        {"position 4 cleared, kept positions stay", "123", "10011111111111111111", 2, 3,
         "001111011", "10000111101111111111"},
        {"no year digit selects no year", "14", "00100000000000000000", 4, 0, "100000000",
         "00100000000000000000"},
        {"short and odd strings are read as unticked", "111", "11x0x1", 1, 1, "001000000",
         "11000100000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VehicleOptions o;
        QString s = QString::fromLatin1(c.optionString);
        restoreOptions(o, s, QString::fromLatin1(c.model), QString());
        EXPECT_EQ(o.type, 1);
        EXPECT_EQ(o.body, c.body);
        EXPECT_EQ(o.year, c.year);
        EXPECT_EQ(tickDigits(o), QString::fromLatin1(c.expectedTicks));
        EXPECT_EQ(s, QString::fromLatin1(c.expectedString));
    }
}

TEST(OptionRules, RestoreOverwritesEarlierState) {
    VehicleOptions o;
    QString s = QStringLiteral("11111111111111111111");
    restoreOptions(o, s, QStringLiteral("111"), QString());
    s = kDefaultOptions;
    restoreOptions(o, s, QStringLiteral("135"), QString());
    EXPECT_EQ(tickDigits(o), QStringLiteral("100000000"));
    EXPECT_FALSE(o.welcomeHoldEnabled);  // lists and soft start follow the unticked hold boxes
    EXPECT_FALSE(o.goodbyeHoldEnabled);
    EXPECT_FALSE(o.softEin.enabled);
    EXPECT_EQ(o.body, 3);
    EXPECT_EQ(o.year, 0);  // 5 names no year option
    EXPECT_EQ(s, kDefaultOptions);
}

// Which boxes a module type leaves enabled, starting from every box ticked and enabled.
TEST(OptionRules, ModuleTypeEnablesWhatTheEditionSupports) {
    struct Case {
        const char* moduleType;
        const char* ticks;    // order 3,5,6,7,8,9,10,11,13
        const char* enables;  // same order
        bool holdListsEnabled;
    };
    const Case cases[] = {
        {"5.0", "100000000", "100000000", false}, {"6.0", "100000000", "100000000", false},
        {"5.1", "101111001", "111111001", true},  {"6.1", "101111001", "111111001", true},
        {"5.2", "101111011", "111111111", true},  {"6.2", "101111011", "111111111", true},
        {"7.0", "101111011", "111111111", true},  {"", "101111011", "111111111", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moduleType);
        VehicleOptions o;
        QString s = QStringLiteral("11111111111111111111");
        restoreOptions(o, s, QStringLiteral("111"), QString());
        const QString before = s;
        applyModuleType(o, s, QString::fromLatin1(c.moduleType));
        EXPECT_EQ(tickDigits(o), QString::fromLatin1(c.ticks));
        EXPECT_EQ(enableDigits(o), QString::fromLatin1(c.enables));
        EXPECT_EQ(o.welcomeHoldEnabled, c.holdListsEnabled);
        EXPECT_EQ(o.goodbyeHoldEnabled, c.holdListsEnabled);
        for (Id id : kOptionBoxes)
            EXPECT_EQ(at(s, optionPosition(id)), optionBox(o, id).ticked ? '1' : '0');
        EXPECT_EQ(s.mid(13), before.mid(13));
    }
}

// Enabling keeps a tick as it was: a box switched off by one type stays unticked under the next.
TEST(OptionRules, ModuleTypeEnablingKeepsTicks) {
    VehicleOptions o;
    QString s = QStringLiteral("11111111111111111111");
    restoreOptions(o, s, QStringLiteral("111"), QString());
    applyModuleType(o, s, QStringLiteral("6.1"));
    applyModuleType(o, s, QStringLiteral("5.2"));
    EXPECT_TRUE(o.spiegelKurz.enabled);
    EXPECT_FALSE(o.spiegelKurz.ticked);
    EXPECT_FALSE(o.spiegelLang.ticked);
    EXPECT_TRUE(o.comingHomeAuf.ticked);
}

TEST(OptionRules, RestoredOptionsAppliesModuleTypeAfterRestoring) {
    const VehicleOptions plain =
        restoredOptions(QStringLiteral("111"), QStringLiteral("11111111111111111111"), QString());
    EXPECT_EQ(tickDigits(plain), QStringLiteral("101111011"));
    EXPECT_TRUE(plain.welcomeHoldEnabled);
    const VehicleOptions fresh = restoredOptions(QStringLiteral("111"), kDefaultOptions, {});
    EXPECT_FALSE(fresh.welcomeHoldEnabled);  // unticked hold boxes, even though nothing changed
    EXPECT_FALSE(fresh.softEin.enabled);

    const VehicleOptions tovan = restoredOptions(
        QStringLiteral("111"), QStringLiteral("11111111111111111111"), QStringLiteral("5.0"));
    EXPECT_EQ(tickDigits(tovan), QStringLiteral("100000000"));
    EXPECT_FALSE(tovan.welcomeHoldEnabled);

    // "5.2" leaves the hold lights as the type choice found them and then enables them.
    const VehicleOptions quell = restoredOptions(
        QStringLiteral("111"), QStringLiteral("11100001100000000000"), QStringLiteral("5.2"));
    EXPECT_TRUE(quell.comingHomeAuf.ticked);
    EXPECT_TRUE(quell.comingHomeZu.ticked);
    EXPECT_TRUE(quell.comingHomeAuf.enabled);
}
