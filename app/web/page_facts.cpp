#include "app/web/page_facts.h"

#include "commands/command_table.h"
#include "commands/command_words.h"
#include "form/form_layout.h"
#include "form/program.h"
#include "form/shell_text.h"

using emscripten::val;

namespace {

val TextOrNull(const char* text) { return text == nullptr ? val::null() : val(ToShellText(text)); }

val RectOf(const DialogRect& rect) {
  val out = val::object();
  out.set("x", rect.x);
  out.set("y", rect.y);
  out.set("width", rect.width);
  out.set("height", rect.height);
  return out;
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
    control.set("accessibleName", TextOrNull(place.accessibleName));
    control.set("maxTyped", place.maxTyped);
    controls.call<void>("push", control);
  }
  val labels = val::array();
  for (const LabelPlace& place : kLabels) {
    val label = val::object();
    label.set("text", ToShellText(place.text));
    label.set("rect", RectOf(place.rect));
    label.set("buddy", place.buddy);
    labels.call<void>("push", label);
  }
  val layout = val::object();
  layout.set("width", kFormWidth);
  layout.set("height", kFormHeight);
  layout.set("fontFace", val(std::string(kFormFontFace)));
  layout.set("fontFallback", val(std::string(kFormFontFallback)));
  layout.set("fontPoints", kFormFontPoints);
  layout.set("resultTabStop", kResultTabStop);
  layout.set("title", ToShellText(kProgramTitle));
  layout.set("controls", controls);
  layout.set("labels", labels);
  return layout;
}

val PageCommands() {
  val commands = val::array();
  for (const Command& command : kCommandTable) {
    val entry = val::object();
    entry.set("name", val(std::string(command.name)));
    entry.set("source", command.source);
    entry.set("notification", command.notification);
    entry.set("scriptable", IsScriptable(command));
    val fields = val::array();
    for (const CommandField& field : command.fields) fields.call<void>("push", field.id);
    entry.set("fields", fields);
    commands.call<void>("push", entry);
  }
  return commands;
}
