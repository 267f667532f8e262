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

void PageForm::ShowBusyPointer(bool busy) { page_.call<void>("setBusy", busy); }
