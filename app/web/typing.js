// What typing may put into a number field: what the core's typing rule lets
// through (its characters, a "-" only first, its count), and, in a field
// without a count, only as much as fits its width. Pasted, dropped or
// script-set text is not typing and goes in as it is; the form's own reading
// decides what it means.
import { textWidth } from "./dialog_units.js";

// One pixel more for the cursor, as on the desktop.
const kCursorRoom = 1;

function fits(field, text, control) {
  if (control.maxTyped > 0) return true;
  const style = getComputedStyle(field);
  const room = field.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  return textWidth(style.font, text) + kCursorRoom <= room;
}

// Keys arrive as "insertText", refused beforehand. An input method's text
// cannot be refused before it is committed, so a refused one is undone then.
export function filterTyping(core, field, control) {
  // Whether typing `typed` over the selection start..end of `value` is allowed.
  const acceptsTyped = (value, start, end, typed) =>
    core.acceptsTyped(control.id, value.slice(0, start), typed, value.slice(end)) &&
    fits(field, value.slice(0, start) + typed + value.slice(end), control);

  field.addEventListener("beforeinput", (event) => {
    if (event.inputType === "insertText" && event.data !== null &&
        !acceptsTyped(field.value, field.selectionStart, field.selectionEnd, event.data)) {
      event.preventDefault();
    }
  });
  let before = null;
  field.addEventListener("compositionstart", () => {
    before = { value: field.value, start: field.selectionStart, end: field.selectionEnd };
  });
  field.addEventListener("compositionend", (event) => {
    if (before === null) return;
    const { value, start, end } = before;
    before = null;
    if (event.data && !acceptsTyped(value, start, end, event.data)) {
      field.value = value;
      field.setSelectionRange(start, end);
      field.dispatchEvent(new Event("input", { bubbles: true }));
    }
  });
}
