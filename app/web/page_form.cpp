#include "app/web/page_form.h"

#include "form/program.h"
#include "form/shell_text.h"

std::string PageForm::FieldText(ControlId id) const {
  return FromShellText(page_.call<std::string>("fieldText", id));
}

void PageForm::SetFieldText(ControlId id, std::string_view text) {
  page_.call<void>("setFieldText", id, ToShellText(text));
}

void PageForm::MessageBox(std::string_view text, std::optional<std::string_view> caption) {
  page_.call<void>("messageBox", ToShellText(text), ToShellText(caption.value_or(kProgramName)));
}

// A command runs within one task of the page, and the browser draws neither
// a frame nor a new pointer before the task ends: a busy pointer shown and
// taken back inside it would never be seen, yet would restyle the whole page.
void PageForm::ShowBusyPointer(bool /*busy*/) {}
