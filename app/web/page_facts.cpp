#include "app/web/page_facts.h"

#include <string_view>

#include "app/qt/form_layout.h"
#include "app/web/page_text.h"
#include "app/web/program_name.h"
#include "form/about.h"
#include "form/command_table.h"

using emscripten::val;

namespace {

val TextOrNull(const char* text) { return text == nullptr ? val::null() : val(ToPageText(text)); }

val RectOf(const DialogRect& rect) {
  val out = val::object();
  out.set("x", rect.x);
  out.set("y", rect.y);
  out.set("width", rect.width);
  out.set("height", rect.height);
  return out;
}

// Stand-ins until the layout carries these facts itself (form/form_layout.h).
const char* AccessibleNameOf(const ControlPlace& place) {
  switch (place.id) {
    case IDC_BINARY: return "Binary";
    case IDC_DECIMAL: return "Decimal";
    case IDC_FIRST_NUMBER: return "First number";
    case IDC_SECOND_NUMBER: return "Divided by";
    case IDC_SINGLE_NUMBER: return "Number to factorize or for bits";
    case IDC_RESULT: return "Result";
    default: return place.caption;
  }
}
const char* TypedCharactersOf(const ControlPlace& place) {
  if (place.kind != ControlKind::Field) return nullptr;
  return place.id == IDC_BINARY ? "01" : "0123456789";
}
int MaxTypedOf(const ControlPlace& place) { return place.id == IDC_BINARY ? 32 : 0; }
ControlId BuddyOf(const LabelPlace& label) {
  const std::string_view text = label.text;
  if (text == "Binary:") return IDC_BINARY;
  if (text == "Decimal:") return IDC_DECIMAL;
  if (text == "Divided by:") return IDC_SECOND_NUMBER;
  if (text == "Number to factorize or for bits:") return IDC_SINGLE_NUMBER;
  return 0;
}

}  // namespace

val PageLayout() {
  val controls = val::array();
  for (const ControlPlace& place : kControls) {
    val control = val::object();
    control.set("id", place.id);
    control.set("name", val(std::string(place.name)));
    control.set("kind", place.kind);
    control.set("rect", RectOf(place.rect));
    control.set("caption", TextOrNull(place.caption));
    control.set("accessibleName", TextOrNull(AccessibleNameOf(place)));
    control.set("typedCharacters", TextOrNull(TypedCharactersOf(place)));
    control.set("maxTyped", MaxTypedOf(place));
    controls.call<void>("push", control);
  }
  val labels = val::array();
  for (const LabelPlace& place : kLabels) {
    val label = val::object();
    label.set("text", ToPageText(place.text));
    label.set("rect", RectOf(place.rect));
    label.set("buddy", BuddyOf(place));
    labels.call<void>("push", label);
  }
  val layout = val::object();
  layout.set("width", kFormWidth);
  layout.set("height", kFormHeight);
  layout.set("fontFace", val(std::string(kFormFontFace)));
  layout.set("fontFallback", val(std::string(kFormFontFallback)));
  layout.set("fontPoints", kFormFontPoints);
  layout.set("resultTabStop", kResultTabStop);
  layout.set("title", ToPageText(kProgramTitle));
  layout.set("programName", ToPageText(kProgramName));
  layout.set("controls", controls);
  layout.set("labels", labels);
  return layout;
}

val PageCommands() {
  val commands = val::array();
  for (const Command& command : kCommandTable) {
    val entry = val::object();
    entry.set("source", command.source);
    entry.set("notification", command.notification);
    commands.call<void>("push", entry);
  }
  return commands;
}
