// A form held in memory: fields are strings, and every write, message box and
// showing or hiding of the busy pointer is recorded in order. Tests drive the
// real command table through it, and numbrel-cli uses it as its window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
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

  // What the form records. A caller that reads the fields' final texts
  // itself, as numbrel-cli does run after run, has no use for a copy of every
  // write: it records the message boxes alone.
  enum class Recording { Everything, MessageBoxes };

  explicit MemoryForm(Recording recording = Recording::Everything) : recording_(recording) {}

  std::string FieldText(ControlId id) const override;
  void SetFieldText(ControlId id, std::string_view text) override;
  void MessageBox(std::string_view text, std::optional<std::string_view> caption) override;

  // The field's text where the form keeps it: good until the next write or
  // typing into any field.
  std::string_view FieldView(ControlId id) const;

  // What the user does: puts text in a field without recording a write.
  void Type(ControlId id, std::string_view text) { Field(id).assign(text); }

  const std::vector<Event>& Events() const { return events_; }
  void ClearEvents() { events_.clear(); }

 private:
  struct StoredField {
    ControlId id;
    std::string text;
  };

  void ShowBusyPointer(bool busy) override;
  // The field's store, made empty on first use. Its string keeps its capacity
  // from write to write.
  std::string& Field(ControlId id);

  Recording recording_;
  // A form has a handful of fields: looked for in turn.
  std::vector<StoredField> fields_;
  std::vector<Event> events_;
};
