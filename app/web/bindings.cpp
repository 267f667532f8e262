// What the page's script sees of the core: the facts to build the form from,
// and a shell object that owns the form and the dialog's handlers, to which
// the page delivers each notification.
#include <emscripten/bind.h>

#include "app/web/page_facts.h"
#include "app/web/page_form.h"
#include "commands/command_table.h"
#include "form/form_layout.h"

namespace {

class PageShell {
 public:
  explicit PageShell(emscripten::val page) : form_(std::move(page)), dialog_(form_) {}

  // Runs the handler the command table names, if any, to its end.
  bool Notify(ControlId source, Notification notification) {
    return DispatchCommand(dialog_, source, notification);
  }

 private:
  PageForm form_;
  CNumbersDlg dialog_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(numbrel) {
  emscripten::enum_<Notification>("Notification")
      .value("TextChanged", Notification::TextChanged)
      .value("Clicked", Notification::Clicked);
  emscripten::enum_<ControlKind>("ControlKind")
      .value("Field", ControlKind::Field)
      .value("ReadOnlyField", ControlKind::ReadOnlyField)
      .value("Button", ControlKind::Button)
      .value("ResultField", ControlKind::ResultField);
  emscripten::class_<PageShell>("PageShell")
      .constructor<emscripten::val>()
      .function("notify", &PageShell::Notify);
  emscripten::function("layout", &PageLayout);
  emscripten::function("commands", &PageCommands);
}
