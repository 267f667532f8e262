// The busy pointer as the form counts it for every shell: shown at the
// outermost begin, hidden at its end, and an end without a begin ignored.
#include "tests/press.h"

namespace {

TEST(BusyPointer, ShowsOnceForNestedBeginsAndHidesAtTheLastEnd) {
  MemoryForm form;
  form.BeginWaitCursor();
  form.BeginWaitCursor();
  form.EndWaitCursor();
  form.SetFieldText(IDC_RESULT, "x");
  form.EndWaitCursor();
  const Events expected{{EventKind::ShowBusyPointer, 0, {}, std::nullopt, 1},
                        {EventKind::SetText, IDC_RESULT, "x", std::nullopt, 1},
                        {EventKind::HideBusyPointer, 0, {}, std::nullopt, 0}};
  EXPECT_EQ(form.Events(), expected);
}

TEST(BusyPointer, AnEndWithoutABeginChangesNothing) {
  MemoryForm form;
  form.EndWaitCursor();
  form.BeginWaitCursor();
  form.EndWaitCursor();
  form.EndWaitCursor();
  const Events expected{{EventKind::ShowBusyPointer, 0, {}, std::nullopt, 1},
                        {EventKind::HideBusyPointer, 0, {}, std::nullopt, 0}};
  EXPECT_EQ(form.Events(), expected);
  EXPECT_EQ(form.WaitDepth(), 0);
}

}  // namespace
