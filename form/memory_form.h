// A form held in memory: fields are strings, and every write, message box and
// showing or hiding of the busy pointer is recorded in order. Tests drive the
// real command table through it, and numbrel-cli uses it as its window.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "form/form.h"

class MemoryForm : public Form {
 public:
  enum class EventKind { SetText, MessageBox, ShowBusyPointer, HideBusyPointer };

  struct Event {
    EventKind kind;
    ControlId id = 0;                    // SetText: the field written
    std::string text;                    // SetText: the new text; MessageBox: its text
    std::optional<std::string> caption;  // MessageBox: its caption, if one was given
    int waitDepth = 0;                   // the busy pointer's nesting count after the event

    bool operator==(const Event&) const = default;
  };

  std::string FieldText(ControlId id) const override;
  void SetFieldText(ControlId id, std::string_view text) override;
  void MessageBox(std::string_view text, std::optional<std::string_view> caption) override;

  // What the user does: puts text in a field without recording a write.
  void Type(ControlId id, std::string_view text) { fields_[id] = std::string(text); }

  const std::vector<Event>& Events() const { return events_; }
  void ClearEvents() { events_.clear(); }

 private:
  void ShowBusyPointer(bool busy) override;

  std::map<ControlId, std::string> fields_;
  std::vector<Event> events_;
};
