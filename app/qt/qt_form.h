// The form operations realized on the window's widgets. Texts cross the
// Windows-1252 edge here; nothing is computed and no result is kept.
#pragma once

#include "form/form.h"

class NumbersWindow;

class QtForm final : public Form {
 public:
  explicit QtForm(NumbersWindow& window) : window_(window) {}

  // A one-line field, a button's label or the result field; "" for an unknown id.
  [[nodiscard]] std::string FieldText(ControlId id) const override;
  void SetFieldText(ControlId id, std::string_view text) override;
  // Without a caption the box shows the application's name: the executable's
  // file name, as Qt takes it.
  void MessageBox(std::string_view text, std::optional<std::string_view> caption) override;

 private:
  // The busy pointer is an application-wide override cursor.
  void ShowBusyPointer(bool busy) override;

  NumbersWindow& window_;
};
