#include "form/memory_form.h"

std::string MemoryForm::FieldText(ControlId id) const { return std::string(FieldView(id)); }

std::string_view MemoryForm::FieldView(ControlId id) const {
  for (const StoredField& field : fields_) {
    if (field.id == id) return field.text;
  }
  return {};
}

std::string& MemoryForm::Field(ControlId id) {
  for (StoredField& field : fields_) {
    if (field.id == id) return field.text;
  }
  return fields_.emplace_back(StoredField{id, {}}).text;
}

void MemoryForm::SetFieldText(ControlId id, std::string_view text) {
  Field(id).assign(text);
  if (recording_ == Recording::MessageBoxes) return;
  events_.push_back({EventKind::SetText, id, std::string(text), std::nullopt, WaitDepth()});
}

void MemoryForm::MessageBox(std::string_view text, std::optional<std::string_view> caption) {
  std::optional<std::string> owned;
  if (caption) owned = std::string(*caption);
  events_.push_back({EventKind::MessageBox, 0, std::string(text), std::move(owned), WaitDepth()});
}

void MemoryForm::ShowBusyPointer(bool busy) {
  if (recording_ == Recording::MessageBoxes) return;
  const EventKind kind = busy ? EventKind::ShowBusyPointer : EventKind::HideBusyPointer;
  events_.push_back({kind, 0, {}, std::nullopt, WaitDepth()});
}
