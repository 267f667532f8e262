// What the page's script sees of the core: the facts to build the form from,
// the dialog units and the typing rule it lays out and types by, where the
// result's lines break, and a shell object that owns the form and the
// dialog's handlers, to which the page delivers each notification.
#include <emscripten/bind.h>

#include <algorithm>

#include "app/web/page_facts.h"
#include "app/web/page_form.h"
#include "app/web/page_lines.h"
#include "commands/command_table.h"
#include "form/code_page.h"
#include "form/dialog_units.h"
#include "form/form_layout.h"
#include "form/shell_text.h"
#include "form/typing_rule.h"

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

// measure(text): the width of a text in the page's font, in whole pixels;
// height: the height of one line of it. The units come back as {x, y}.
emscripten::val PageDialogUnits(emscripten::val measure, int32_t height) {
  const auto textWidth = [&](const char* text) { return measure(ToShellText(text)).as<int32_t>(); };
  const BaseUnits units = DialogUnitsOf(textWidth, height, kLabels);
  emscripten::val out = emscripten::val::object();
  out.set("x", units.x);
  out.set("y", units.y);
  return out;
}

// rect {x, y, width, height} in dialog units to {left, top, width, height} in pixels.
emscripten::val PageMapDialogRect(emscripten::val rect, emscripten::val units) {
  const auto field = [](const emscripten::val& object, const char* name) {
    return object[name].as<int32_t>();
  };
  const PixelRect pixels = MapDialogRect(
      {field(rect, "x"), field(rect, "y"), field(rect, "width"), field(rect, "height")},
      {field(units, "x"), field(units, "y")});
  emscripten::val out = emscripten::val::object();
  out.set("left", pixels.left);
  out.set("top", pixels.top);
  out.set("width", pixels.width);
  out.set("height", pixels.height);
  return out;
}

// The texts as the page holds them, either side of the selection and typed.
bool PageAcceptsTyped(ControlId id, const std::string& before, const std::string& typed,
                      const std::string& after) {
  const auto place = std::find_if(kControls.begin(), kControls.end(),
                                  [id](const ControlPlace& control) { return control.id == id; });
  return place != kControls.end() &&
         AcceptsTyped(*place, Utf8ToCp1252(before), Utf8ToCp1252(typed), Utf8ToCp1252(after));
}

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
  emscripten::function("dialogUnits", &PageDialogUnits);
  emscripten::function("mapDialogRect", &PageMapDialogRect);
  emscripten::function("acceptsTyped", &PageAcceptsTyped);
  emscripten::function("lineStarts", &PageLineStarts);
}
