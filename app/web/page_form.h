// The form as the page shows it: every primitive is a call on a JavaScript
// object that owns the page's elements (fieldText, setFieldText, messageBox),
// with texts converted at this edge. The page shows no busy pointer.
#pragma once

#include <emscripten/val.h>

#include "form/form.h"

class PageForm : public Form {
 public:
  explicit PageForm(emscripten::val page) : page_(std::move(page)) {}

  std::string FieldText(ControlId id) const override;
  void SetFieldText(ControlId id, std::string_view text) override;
  // Shown at once; the page keeps it modal and queues any that follow.
  void MessageBox(std::string_view text, std::optional<std::string_view> caption) override;

 private:
  void ShowBusyPointer(bool busy) override;

  emscripten::val page_;
};
