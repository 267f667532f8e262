// What typing may put into a number field: only the characters the layout
// names for it, and no more than the field holds (a count, or as many as fit
// its width). Pasted, dropped or script-set text is not typing and goes in as
// it is; the form's own reading decides what it means.
import { textWidth } from "./dialog_units.js";

// One pixel more for the cursor, as on the desktop.
const kCursorRoom = 1;

function fits(field, text, control) {
  if (control.maxTyped > 0) return [...text].length <= control.maxTyped;
  const style = getComputedStyle(field);
  const room = field.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  return textWidth(style.font, text) + kCursorRoom <= room;
}

// Whether typing `typed` over the selection start..end of `value` is allowed.
function acceptsTyped(field, control, value, start, end, typed) {
  if (!control.typedCharacters) return false;
  if (![...typed].every((c) => control.typedCharacters.includes(c))) return false;
  return fits(field, value.slice(0, start) + typed + value.slice(end), control);
}

// Keys arrive as "insertText", refused beforehand. An input method's text
// cannot be refused before it is committed, so a refused one is undone then.
export function filterTyping(field, control) {
  field.addEventListener("beforeinput", (event) => {
    if (event.inputType === "insertText" && event.data !== null &&
        !acceptsTyped(field, control, field.value, field.selectionStart, field.selectionEnd, event.data)) {
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
    if (event.data && !acceptsTyped(field, control, value, start, end, event.data)) {
      field.value = value;
      field.setSelectionRange(start, end);
      field.dispatchEvent(new Event("input", { bubbles: true }));
    }
  });
}
