// The form contract: what every operation may do to the calculator's window.
// A platform realizes the four virtual primitives; the form operations built
// on them here read and write fields and keep the busy pointer by the same
// rules in every shell. Texts are Windows-1252 bytes.
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
  // Nest through a count: the busy pointer shows from the outermost begin to
  // its end, and an end without a begin does nothing.
  void BeginWaitCursor();
  void EndWaitCursor();
  // How many begins await their end.
  int WaitDepth() const { return waitDepth_; }

  // At most maxCount - 1 characters from the start of the field, cut at a zero character.
  std::string GetDlgItemText(ControlId id, std::size_t maxCount) const;
  void SetDlgItemText(ControlId id, std::string_view text) { SetFieldText(id, text); }
  void SetDlgItemInt(ControlId id, uint32_t value);

 protected:
  Form() = default;
  Form(const Form&) = default;
  Form& operator=(const Form&) = default;
  Form(Form&&) = default;
  Form& operator=(Form&&) = default;

  // Shows the busy pointer in place of the normal one, or puts the normal one back.
  virtual void ShowBusyPointer(bool busy) = 0;

 private:
  int waitDepth_ = 0;
};
