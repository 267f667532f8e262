// The form contract: what every operation may do to the calculator's window.
// A platform realizes the five virtual primitives; the three form operations
// built on them here read and write fields by the same rules in every shell.
// Texts are Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using ControlId = int32_t;

class Form {
 public:
  virtual ~Form() = default;

  // The field's whole text.
  virtual std::string FieldText(ControlId id) const = 0;
  // Replaces the field's whole text and shows it from its first line.
  virtual void SetFieldText(ControlId id, std::string_view text) = 0;
  // Modal, OK only, no icon. Without a caption the platform shows the program's name.
  virtual void MessageBox(std::string_view text, std::optional<std::string_view> caption) = 0;
  // Nest through a count: the normal pointer returns when every begin has its end.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // At most maxCount - 1 characters from the start of the field, cut at a zero character.
  std::string GetDlgItemText(ControlId id, std::size_t maxCount) const;
  void SetDlgItemText(ControlId id, std::string_view text) { SetFieldText(id, text); }
  void SetDlgItemInt(ControlId id, uint32_t value);

 protected:
  Form() = default;
  Form(const Form&) = default;
  Form& operator=(const Form&) = default;
};
