// "Passend machen" through the editing session: the figures it shows are the meter's, Apply is
// one undo step, and a plan made for other rows is never applied.
#include <gtest/gtest.h>

#include "image/image_cost.h"
#include "module/upload_image.h"
#include "platform/settings_store.h"
#include "session/editing_session.h"
#include "tests/support/fakes.h"
#include "text/language.h"

using namespace vireo;

namespace {

class SessionFit : public ::testing::Test {
  protected:
    void SetUp() override {
        session.applyModel();
        // Lamps that change with every step and on-times that alternate: every row writes its
        // time byte, 170 rows are far above the memory.
        Document d;
        for (int i = 0; i < 170; ++i)
            d.sequences[kWelcome] << Step{
                OnTime::ofTenths(4 + i % 2), {}, {i % 2 ? 1 : 2, 0, 0, 0}};
        session.editor().reset(d);
    }
    ImageCost cost() {
        return imageCost(session.document(), session.vehicle().options(),
                         session.setup().modellnummer, kUploadCapacity);
    }

    MemorySettingsStore store;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{store, prompter, LanguageTable::builtIn(), clock};
};

TEST_F(SessionFit, TheDialogsFiguresAreTheMetersAndApplyIsOneUndoStep) {
    ASSERT_FALSE(session.imageFits());
    const ShowFit plan = session.planFit(false);
    ASSERT_EQ(plan.status, ShowFit::Status::Fitted);
    EXPECT_EQ(plan.bytesBefore, cost().total);
    const Document before = session.document();

    ASSERT_TRUE(session.applyFit(plan));
    EXPECT_TRUE(session.imageFits());
    EXPECT_EQ(plan.bytesAfter, cost().total);
    EXPECT_LE(plan.bytesAfter, kUploadCapacity);
    session.undo();
    EXPECT_EQ(session.document(), before);
}

TEST_F(SessionFit, APlanForOtherRowsIsNotApplied) {
    const ShowFit plan = session.planFit(false);
    session.setOnTime(9);
    session.appendStep();
    const Document changed = session.document();
    EXPECT_FALSE(session.applyFit(plan));
    EXPECT_EQ(session.document(), changed);
}

}  // namespace
