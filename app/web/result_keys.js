// Selecting in the result field with the keyboard, as in a text field: Ctrl+A
// selects the field's text and no more; Shift with the arrows, Home and End
// moves the selection's moving end, by characters and words as the browser
// does, and by the field's own display lines, whose breaks the browser's moves
// by line do not follow; Ctrl with Home or End goes to either end of the text.

// The text offset of a DOM position inside the field: the characters before it.
function offsetOf(element, node, offset) {
  const before = document.createRange();
  before.setStart(element, 0);
  before.setEnd(node, offset);
  return before.toString().length;
}

// The DOM position of a text offset inside the field.
function positionOf(element, wanted) {
  const nodes = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
  let start = 0;
  for (let node = nodes.nextNode(); node !== null; node = nodes.nextNode()) {
    if (wanted <= start + node.length) return [node, wanted - start];
    start += node.length;
  }
  return [element, element.childNodes.length];
}

// Where the moving end goes for a key, as a text offset, or null for the browser's own move.
function movedEnd(field, key, ctrl, at) {
  const { text, starts } = field;
  if (ctrl && (key === "Home" || key === "End")) return key === "Home" ? 0 : text.length;
  // The display line of `at`: a line starts at 0 and at each start.
  let line = 0;
  while (line < starts.length && starts[line] <= at) ++line;
  const first = (k) => (k === 0 ? 0 : starts[k - 1]);
  const end = (k) => (k === starts.length ? text.length : starts[k] - (text[starts[k] - 1] === "\n" ? 1 : 0));
  switch (key) {
    case "Home": return first(line);
    case "End": return end(line);
    case "ArrowUp": return line === 0 ? 0 : Math.min(first(line - 1) + at - first(line), end(line - 1));
    case "ArrowDown": return line === starts.length ? text.length : Math.min(first(line + 1) + at - first(line), end(line + 1));
    default: return null;
  }
}

const kCharacterKeys = { ArrowLeft: "backward", ArrowRight: "forward" };

// Handles a key pressed in the field; false for a key it leaves to the browser.
export function selectWithKeys(field, event) {
  const { element } = field;
  const selection = getSelection();
  const ctrl = event.ctrlKey || event.metaKey;
  if (ctrl && !event.altKey && !event.shiftKey && event.key.toLowerCase() === "a") {
    selection.selectAllChildren(element);
    return true;
  }
  if (!event.shiftKey || event.altKey || field.text === "") return false;
  const byCharacters = kCharacterKeys[event.key];
  if (byCharacters === undefined && movedEnd(field, event.key, ctrl, 0) === null) return false;
  if (selection.rangeCount === 0 || !element.contains(selection.focusNode)) selection.collapse(...positionOf(element, 0));
  if (byCharacters !== undefined) {
    const { anchorNode, anchorOffset } = selection;
    selection.modify("extend", byCharacters, ctrl ? "word" : "character");
    // Never past the field's own text.
    if (!element.contains(selection.focusNode)) {
      selection.setBaseAndExtent(anchorNode, anchorOffset, ...positionOf(element, byCharacters === "forward" ? field.text.length : 0));
    }
  } else {
    selection.extend(...positionOf(element, movedEnd(field, event.key, ctrl, offsetOf(element, selection.focusNode, selection.focusOffset))));
  }
  revealFocus(element, selection);
  return true;
}

// Scrolls the field just enough to show where the selection's moving end is.
function revealFocus(element, selection) {
  const point = document.createRange();
  point.setStart(selection.focusNode, selection.focusOffset);
  const at = point.getBoundingClientRect();
  if (at.height === 0) return;
  const top = element.getBoundingClientRect().top + element.clientTop;
  if (at.top < top) element.scrollTop -= top - at.top;
  else if (at.bottom > top + element.clientHeight) element.scrollTop += at.bottom - top - element.clientHeight;
}
