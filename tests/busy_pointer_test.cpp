// The busy pointer, as the form counts it for every shell: shown from the
// outermost begin to its end, an end without a begin ignored. Divide, the one
// command long enough to need it, writes its answer or its refusal under it.
#include "tests/press.h"

namespace {

const MemoryForm::Event kShown{EventKind::ShowBusyPointer, 0, {}, std::nullopt, 1};
const MemoryForm::Event kHidden{EventKind::HideBusyPointer, 0, {}, std::nullopt, 0};

TEST(BusyPointer, ShowsFromTheOutermostBeginToItsEndAndIgnoresAnEndWithoutABegin) {
  MemoryForm form;
  form.EndWaitCursor();
  form.BeginWaitCursor();
  form.BeginWaitCursor();
  form.EndWaitCursor();
  form.SetFieldText(IDC_RESULT, "x");
  form.EndWaitCursor();
  form.EndWaitCursor();
  EXPECT_EQ(form.Events(), (Events{kShown, {EventKind::SetText, IDC_RESULT, "x", {}, 1}, kHidden}));
}

TEST(BusyPointer, ShowsWhileDivideWritesItsAnswerOrItsRefusal) {
  for (const char* dividend : {"1", "-1"}) {
    const Events events = Pressed("divide", {dividend, "3"});
    ASSERT_EQ(events.size(), 3u) << dividend;
    EXPECT_EQ(events[0], kShown);
    EXPECT_EQ(events[1].waitDepth, 1);
    EXPECT_EQ(events[2], kHidden);
  }
}

}  // namespace
