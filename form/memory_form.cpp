#include "form/memory_form.h"

std::string MemoryForm::FieldText(ControlId id) const {
  const auto field = fields_.find(id);
  return field == fields_.end() ? std::string() : field->second;
}

void MemoryForm::SetFieldText(ControlId id, std::string_view text) {
  fields_[id] = std::string(text);
  events_.push_back({EventKind::SetText, id, std::string(text), std::nullopt, waitDepth_});
}

void MemoryForm::MessageBox(std::string_view text, std::optional<std::string_view> caption) {
  std::optional<std::string> owned;
  if (caption) owned = std::string(*caption);
  events_.push_back({EventKind::MessageBox, 0, std::string(text), std::move(owned), waitDepth_});
}

void MemoryForm::BeginWaitCursor() {
  ++waitDepth_;
  events_.push_back({EventKind::BeginWaitCursor, 0, {}, std::nullopt, waitDepth_});
}

void MemoryForm::EndWaitCursor() {
  if (waitDepth_ > 0) --waitDepth_;
  events_.push_back({EventKind::EndWaitCursor, 0, {}, std::nullopt, waitDepth_});
}
