#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QSet>
#include <map>

#include "car/car_frame_hit.h"
#include "car/lamp_editor.h"
#include "car/vehicle_catalogue.h"

using namespace vireo;

namespace {

VehicleSetup vehicle(const char* code) {
    return vehicleSetupFor(QString::fromLatin1(code)).value_or(VehicleSetup{});
}

// The four pictures as the window keeps them: the outlines inverted onto each picture since
// it was last drawn. Drawing an outline twice removes it; redrawing drops all of them.
struct Pictures {
    std::map<int, QSet<QString>> outlines;
    int appends = 0;

    static QString key(const QRect& r) {
        return QStringLiteral("%1,%2,%3,%4")
            .arg(r.left())
            .arg(r.top())
            .arg(r.right())
            .arg(r.bottom());
    }
    void apply(const EditActions& actions, LampEditor& editor, LampBytes& lamps) {
        for (const EditAction& a : actions) {
            switch (a.kind) {
                case EditAction::Kind::InvertOutline: {
                    auto& set = outlines[a.corner];
                    const QString k = key(a.rect);
                    if (!set.remove(k)) set.insert(k);
                    break;
                }
                case EditAction::Kind::RedrawCorner:
                    outlines[a.corner].clear();
                    break;
                case EditAction::Kind::AutoAppend:
                    // Appending a step switches all lamps off and forgets the area.
                    ++appends;
                    lichtAus(lamps);
                    outlines.clear();
                    editor.forgetArea();
                    break;
                default:
                    break;
            }
        }
    }
    // The outlines the remembered area should show.
    static std::map<int, QSet<QString>> expected(const LampEditor& editor,
                                                 const RegionGeometry& g) {
        std::map<int, QSet<QString>> out;
        const int corner = editor.markierteEcke();
        const int code = editor.markierterBereich();
        if (corner == 0) return out;
        for (int picture :
             corner == 5 ? QVector<int>{kCornerHR, kCornerHL} : QVector<int>{corner}) {
            out[picture].insert(key(regionOutline(g, picture, code)));
            if (code == kUpperRedRegion)
                out[picture].insert(key(regionOutline(g, picture, kLowerRedRegion)));
        }
        return out;
    }
    std::map<int, QSet<QString>> shown() const {
        std::map<int, QSet<QString>> out;
        for (const auto& [corner, set] : outlines)
            if (!set.isEmpty()) out[corner] = set;
        return out;
    }
};

int countKind(const EditActions& actions, EditAction::Kind kind) {
    return int(std::count_if(actions.begin(), actions.end(),
                             [kind](const EditAction& a) { return a.kind == kind; }));
}

}  // namespace

TEST(LampHitTest, RegionsMirrorsBordersAndRounding) {
    const VehicleSetup early = vehicle("111");
    const VehicleSetup late = vehicle("112");
    const struct {
        const VehicleSetup* setup;
        int corner;
        float x, y;
        int code;
    } cases[] = {
        {&early, kCornerVL, 2000, 2000, 13},
        {&early, kCornerVR, 935, 2000, 13},     // 2925 + 10 - 2000
        {&early, kCornerVL, 1905, 2000, 0},     // on the border
        {&early, kCornerVR, 1030, 2000, 0},     // the same border mirrored
        {&early, kCornerVL, 1905.4f, 2000, 0},  // rounds onto the border
        {&early, kCornerVL, 1905.5f, 2000, 13},
        {&early, kCornerVL, 2114.5f, 2200, 5},  // halves to even: 2114, inside
        {&early, kCornerVL, 2000, 2070, 0},     // y border
        {&early, kCornerVL, 1700, 2500, 1},
        {&early, kCornerVL, 1900, 3100, 17},
        {&early, kCornerVL, 1600, 2000, 21},
        {&early, kCornerHR, 100, 1000, 33},
        {&early, kCornerHL, 2795, 1000, 33},  // 2925 - 30 - 100
        {&early, kCornerHR, 700, 1600, 37},
        {&early, kCornerHL, 2195, 1600, 37},
        {&early, kCornerHR, 2000, 1600, 25},
        {&early, kCornerHR, 2000, 1800, 29},
        {&early, kCornerHR, 2000, 2000, 41},
        {&early, kCornerHR, 1000, 1600, 45},
        {&late, kCornerHR, 700, 1600, 0},
        {&late, kCornerHR, 1600, 1650, 37},
        {&late, kCornerHL, 1355, 1650, 37},  // 2925 + 30 - 1600
        {&late, kCornerHR, 1400, 1800, 45},
        {&early, kCornerVL, 100, 100, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hitRegion(c.setup->regions, c.corner, c.x, c.y), c.code)
            << "corner " << c.corner << " at " << c.x << "," << c.y;
    EXPECT_EQ(hitRegion(VehicleSetup{}.regions, kCornerVL, 2000, 2000), 0) << "no model applied";
}

TEST(LampEditor, LeftClickTogglesTheLampAndRedrawsItsCorner) {
    const VehicleSetup setup = vehicle("111");
    LampEditor editor;
    LampBytes lamps{};
    const HitOutcome out =
        editor.lampeTreffen(kLeftButton, 2000, 2000, kCornerVL, setup.regions, lamps, {});
    EXPECT_EQ(lampByte(lamps, kCornerVL), 1);
    EXPECT_EQ(pictureNumber(setup.base(kCornerVL), lampByte(lamps, kCornerVL)), 102);
    ASSERT_FALSE(out.actions.isEmpty());
    EXPECT_EQ(out.actions.first().kind, EditAction::Kind::SetToolTip);
    EXPECT_EQ(out.actions.first().entry, 122);
    EXPECT_EQ(out.actions.first().suffix, "_L");
    EXPECT_EQ(countKind(out.actions, EditAction::Kind::RedrawCorner), 1);
    EXPECT_EQ(countKind(out.actions, EditAction::Kind::AutoAppend), 0);
    EXPECT_EQ(out.labX, "2000");

    editor.lampeTreffen(kLeftButton, 935, 2000, kCornerVR, setup.regions, lamps, {});
    EXPECT_EQ(lamps, (LampBytes{1, 1, 0, 0}));
    const HitOutcome moved =
        editor.lampeTreffen(kNoButton, 1234.5f, 2000, kCornerVR, setup.regions, lamps, {});
    EXPECT_EQ(lamps, (LampBytes{1, 1, 0, 0})) << "a move never toggles";
    EXPECT_EQ(moved.labX, "1234,5");
}

TEST(LampEditor, OnlyTheLeftButtonAppendsAutomatically) {
    const VehicleSetup setup = vehicle("111");
    const EditOptions autoOn{true, true};
    const struct {
        int button;
        int appends;
    } cases[] = {{kLeftButton, 1}, {kRightButton, 0}, {kMiddleButton, 0}, {kNoButton, 0}};
    for (const auto& c : cases) {
        for (float x : {1700.f /* light rings: switched before marking */, 2000.f}) {
            const float y = x == 1700.f ? 2500.f : 2000.f;
            LampEditor editor;
            LampBytes lamps{};
            const HitOutcome out =
                editor.lampeTreffen(c.button, x, y, kCornerVL, setup.regions, lamps, autoOn);
            EXPECT_EQ(countKind(out.actions, EditAction::Kind::AutoAppend), c.appends)
                << "button " << c.button;
            EXPECT_EQ(lampByte(lamps, kCornerVL) != 0, c.button != kNoButton);
            if (c.appends) EXPECT_EQ(out.actions.last().kind, EditAction::Kind::AutoAppend);
        }
    }
}

TEST(LampEditor, MiddleRearLampSwitchesBothRearBytes) {
    for (const char* model : {"111", "112"}) {
        const VehicleSetup setup = vehicle(model);
        LampEditor editor;
        LampBytes lamps{0, 0, 1, 2};
        const HitOutcome out =
            editor.lampeTreffen(kLeftButton, 2795, 1000, kCornerHL, setup.regions, lamps, {});
        EXPECT_EQ(lamps, (LampBytes{0, 0, 17, 18})) << model;
        EXPECT_EQ(countKind(out.actions, EditAction::Kind::RedrawCorner), 2);
        EXPECT_EQ(out.actions.first().suffix, "_M");
        editor.lampeTreffen(kRightButton, 100, 1000, kCornerHR, setup.regions, lamps, {});
        EXPECT_EQ(lamps, (LampBytes{0, 0, 1, 2})) << model;
    }
    const VehicleSetup early = vehicle("111");
    LampEditor editor;
    LampBytes lamps{};
    editor.lampeTreffen(kLeftButton, 100, 1000, kCornerHR, early.regions, lamps, {});
    EXPECT_EQ(pictureNumber(early.base(kCornerHL), lampByte(lamps, kCornerHL)), 245);
    EXPECT_EQ(pictureNumber(early.base(kCornerHR), lampByte(lamps, kCornerHR)), 309);
}

TEST(LampEditor, SymmetricClickSetsTheMirrorLampToTheNewState) {
    const VehicleSetup setup = vehicle("111");
    struct Case {
        const char* name;
        int corner;
        float x, y;
        LampBytes before;
        LampBytes after;
        QList<int> redrawn;
    };
    const Case cases[] = {
        {"front left strip on: front right follows",
         kCornerVL,
         2000,
         2000,
         {0, 0, 0, 0},
         {1, 1, 0, 0},
         {kCornerVR, kCornerVL}},
        {"front right strip on, front left already on",
         kCornerVR,
         935,
         2000,
         {0, 1, 0, 0},
         {1, 1, 0, 0},
         {kCornerVL, kCornerVR}},
        {"front right strip off: front left goes off",
         kCornerVR,
         935,
         2000,
         {1, 0, 0, 0},
         {0, 0, 0, 0},
         {kCornerVL, kCornerVR}},
        {"rear right reversing lamp",
         kCornerHR,
         700,
         1600,
         {0, 0, 1, 0},
         {0, 0, 9, 8},
         {kCornerHL, kCornerHR}},
        {"rear middle lamp is its own mirror",
         kCornerHR,
         100,
         1000,
         {0, 0, 0, 0},
         {0, 0, 16, 16},
         {kCornerHL, kCornerHR}},
    };
    EditOptions symmetric;
    symmetric.symmetric = true;
    for (const Case& c : cases) {
        LampEditor editor;
        LampBytes lamps = c.before;
        const HitOutcome out =
            editor.lampeTreffen(kLeftButton, c.x, c.y, c.corner, setup.regions, lamps, symmetric);
        EXPECT_EQ(lamps, c.after) << c.name;
        QList<int> redrawn;
        for (const EditAction& a : out.actions)
            if (a.kind == EditAction::Kind::RedrawCorner) redrawn << a.corner;
        EXPECT_EQ(redrawn, c.redrawn) << c.name;
    }
    // Off, a click switches only its own lamp.
    LampEditor editor;
    LampBytes lamps{};
    editor.lampeTreffen(kLeftButton, 2000, 2000, kCornerVL, setup.regions, lamps, {});
    EXPECT_EQ(lamps, (LampBytes{0, 1, 0, 0}));
}

TEST(LampEditor, OutlineFollowsThePointerAndNeverRedrawsInPlace) {
    const VehicleSetup setup = vehicle("111");
    LampEditor editor;
    LampBytes lamps{};
    const auto move = [&](int corner, float x, float y) {
        return editor.lampeTreffen(kNoButton, x, y, corner, setup.regions, lamps, {}).actions;
    };
    const QRect r13 = regionOutline(setup.regions, kCornerVL, 13);
    EditActions a = move(kCornerVL, 2000, 2000);
    ASSERT_EQ(countKind(a, EditAction::Kind::InvertOutline), 1);
    EXPECT_EQ(a.last().rect, r13);
    EXPECT_EQ(a.last().colour, QColor(255, 255, 0));
    EXPECT_EQ(countKind(move(kCornerVL, 2010, 2010), EditAction::Kind::InvertOutline), 0);

    a = move(kCornerVL, 1600, 2000);  // straight into region 21: erase 13, draw 21
    ASSERT_EQ(countKind(a, EditAction::Kind::InvertOutline), 2);
    EXPECT_EQ(a[1].rect, r13);
    EXPECT_EQ(a[2].rect, regionOutline(setup.regions, kCornerVL, 21));

    a = move(kCornerVL, 100, 100);  // leaving: erase, tool tip untouched
    ASSERT_EQ(a.size(), 1);
    EXPECT_EQ(a[0].rect, regionOutline(setup.regions, kCornerVL, 21));
    EXPECT_TRUE(move(kCornerVL, 110, 100).isEmpty());

    // The front-right outline is the front-left region mirrored with the front offset.
    EXPECT_EQ(regionOutline(setup.regions, kCornerVR, 13), QRect(QPoint(43, 130), QPoint(68, 138)));
    EXPECT_EQ(regionOutline(setup.regions, kCornerHR, 33), QRect(QPoint(-3, 58), QPoint(32, 72)));
    // Rear outlines are green; region 25 brings region 29's outline along.
    a = move(kCornerHR, 2000, 1600);
    ASSERT_EQ(countKind(a, EditAction::Kind::InvertOutline), 2);
    EXPECT_EQ(a[2].rect, regionOutline(setup.regions, kCornerHR, 29));
    EXPECT_EQ(a[2].colour, QColor(0, 255, 0));
}

// Whatever the pointer does, the pictures carry exactly the outline of the remembered area.
TEST(LampEditor, PicturesAlwaysShowExactlyTheRememberedArea) {
    const QPointF targets[][2] = {
        // front-left / rear-right points inside each region, and an empty spot
        {{2000, 2000}, {2000, 2000}}, {{1700, 2500}, {2000, 1600}}, {{2000, 2200}, {700, 1600}},
        {{1600, 2200}, {2000, 1800}}, {{1900, 3100}, {100, 1000}},  {{1600, 2000}, {1000, 1600}},
        {{300, 300}, {300, 3000}},
    };
    for (const char* model : {"111", "112"}) {
        const VehicleSetup setup = vehicle(model);
        const RegionGeometry& g = setup.regions;
        for (const EditOptions options :
             {EditOptions{true, false}, EditOptions{true, true}, EditOptions{true, true, true}}) {
            const bool autoAppend = options.autoAppend;
            LampEditor editor;
            LampBytes lamps{};
            Pictures pictures;
            QRandomGenerator random(7);
            for (int step = 0; step < 3000; ++step) {
                const int corner = 1 + int(random.bounded(4));
                const QPointF p = targets[random.bounded(7)][isRearCorner(corner) ? 1 : 0];
                // Mirrored pictures: the same lamp sits at the mirrored abscissa.
                const int offset = corner == kCornerVR   ? g.spiegelversatzVorne
                                   : corner == kCornerHL ? g.spiegelversatzHinten
                                                         : 0;
                const bool mirrored = corner == kCornerVR || corner == kCornerHL;
                const float x = mirrored ? float(2925 - p.x() + offset) : float(p.x());
                const int buttons[] = {kNoButton, kNoButton, kNoButton, kLeftButton, kRightButton};
                const int button = buttons[random.bounded(5)];
                if (random.bounded(40) == 0) {  // Licht_Aus from the window
                    lichtAus(lamps);
                    pictures.outlines.clear();
                    editor.forgetArea();
                    continue;
                }
                const HitOutcome out =
                    editor.lampeTreffen(button, x, float(p.y()), corner, g, lamps, options);
                pictures.apply(out.actions, editor, lamps);
                ASSERT_EQ(pictures.shown(), Pictures::expected(editor, g))
                    << model << " step " << step << " corner " << corner;
                ASSERT_EQ(lampByte(lamps, kCornerHL) & 16, lampByte(lamps, kCornerHR) & 16);
                // Symmetric clicks keep both sides alike.
                if (options.symmetric) ASSERT_TRUE(lamps[0] == lamps[1] && lamps[2] == lamps[3]);
            }
            if (autoAppend) EXPECT_GT(pictures.appends, 0);
        }
    }
}

TEST(LampEditor, HiddenAreasAreStillRemembered) {
    const VehicleSetup setup = vehicle("111");
    LampEditor editor;
    LampBytes lamps{};
    const EditOptions hidden{false, false};
    EditActions a =
        editor.lampeTreffen(kNoButton, 2000, 2000, kCornerVL, setup.regions, lamps, hidden).actions;
    EXPECT_EQ(countKind(a, EditAction::Kind::InvertOutline), 0);
    EXPECT_EQ(editor.markierteEcke(), kCornerVL);
    EXPECT_EQ(editor.markierterBereich(), 13);
    editor.lampeTreffen(kNoButton, 100, 100, kCornerVL, setup.regions, lamps, hidden);
    EXPECT_EQ(editor.markierteEcke(), 0);
    // Ticking the option later starts clean: nothing stale to erase.
    a = editor.lampeTreffen(kNoButton, 100, 100, kCornerVL, setup.regions, lamps, {}).actions;
    EXPECT_TRUE(a.isEmpty());
}

TEST(LampEditor, AllRegionsOutlinedInColour) {
    const VehicleSetup setup = vehicle("112");
    const EditActions all = bereicheAnzeigen(setup.regions);
    ASSERT_EQ(all.size(), 24);
    std::map<int, int> perCorner;
    for (const EditAction& a : all) {
        EXPECT_EQ(a.kind, EditAction::Kind::CopyOutline);
        EXPECT_EQ(a.colour, isFrontCorner(a.corner) ? QColor(255, 255, 0) : QColor(0, 255, 0));
        ++perCorner[a.corner];
    }
    EXPECT_EQ(perCorner, (std::map<int, int>{{1, 6}, {2, 6}, {3, 6}, {4, 6}}));
    EXPECT_EQ(all[0].rect, regionOutline(setup.regions, kCornerVL, 1));
    EXPECT_EQ(all[1].rect, regionOutline(setup.regions, kCornerVR, 1));
    EXPECT_EQ(all[12].rect, regionOutline(setup.regions, kCornerHR, 25));
    EXPECT_EQ(all[13].rect, regionOutline(setup.regions, kCornerHL, 25));
}

TEST(CarFrameHit, PointsOfASmallCarFindTheirLamps) {
    const VehicleSetup setup = vehicle("111");
    // The car is 390 panel pixels wide; at 195 pixels every panel pixel is half a pixel.
    struct Case {
        int width;
        QPointF point;
        std::optional<HitLamp> lamp;
    };
    const Case cases[] = {
        // front left picture at panel (203, 32), car origin (8, 32): twips 2000,2000 = 133.3 px
        {390, {195 + 133.4, 133.4}, HitLamp{kCornerVL, 0}},
        {195, {(195 + 133.4) / 2, 133.4 / 2}, HitLamp{kCornerVL, 0}},
        // the same strip mirrored on the front right picture: twips 935,2000
        {390, {62.4, 133.4}, HitLamp{kCornerVR, 0}},
        // rear right picture at panel (203, 308): the middle lamp at twips 100,1000
        {390, {195 + 6.7, 276 + 66.7}, HitLamp{kCornerHR, 4}},
        // rear left: the reversing lamp at twips 2195,1600
        {390, {146.4, 276 + 106.7}, HitLamp{kCornerHL, 3}},
        {390, {195 + 20, 20}, std::nullopt},      // between the lamps
        {390, {-5, 10}, std::nullopt},            // off the pictures
        {0, {195 + 133.4, 133.4}, std::nullopt},  // no frame
    };
    for (const Case& c : cases)
        EXPECT_EQ(lampAtFramePoint(setup.regions, c.width, c.point), c.lamp)
            << c.width << " " << c.point.x() << "," << c.point.y();
}
