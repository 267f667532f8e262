#include "form/memory_form.h"

std::string MemoryForm::FieldText(ControlId id) const {
  const auto field = fields_.find(id);
  return field == fields_.end() ? std::string() : field->second;
}

void MemoryForm::SetFieldText(ControlId id, std::string_view text) {
  fields_[id] = std::string(text);
  events_.push_back({EventKind::SetText, id, std::string(text), std::nullopt, WaitDepth()});
}

void MemoryForm::MessageBox(std::string_view text, std::optional<std::string_view> caption) {
  std::optional<std::string> owned;
  if (caption) owned = std::string(*caption);
  events_.push_back({EventKind::MessageBox, 0, std::string(text), std::move(owned), WaitDepth()});
}

void MemoryForm::ShowBusyPointer(bool busy) {
  const EventKind kind = busy ? EventKind::ShowBusyPointer : EventKind::HideBusyPointer;
  events_.push_back({kind, 0, {}, std::nullopt, WaitDepth()});
}
