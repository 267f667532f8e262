// The page's shell: builds the form from the core's layout, delivers the
// notifications the core's command table names, shows what the core writes,
// and keeps the computation shown in the page's address. Nothing is computed
// here.
import loadNumbrel from "./numbrel.js";
import { lineHeight, textWidth } from "./dialog_units.js";
import { filterTyping } from "./typing.js";
import { MessageBoxes } from "./message_box.js";
import { formRows } from "./form_rows.js";
import { announcementOf } from "./announcement.js";
import { ResultField } from "./result_field.js";
import { fragmentOf, readFragment } from "./address.js";

const core = await loadNumbrel();
const layout = core.layout();
const root = document.documentElement;
const form = document.getElementById("form");
const elements = new Map();  // control id -> element

document.title = layout.title;
document.getElementById("title").textContent = layout.title;

const placed = new Map();  // element -> where the dialog puts it, in dialog units
function place(element, rect) { placed.set(element, rect); }

function controlElement(control) {
  switch (control.kind) {
    case core.ControlKind.Field:
    case core.ControlKind.ReadOnlyField: {
      const field = document.createElement("input");
      Object.assign(field, { type: "text", autocomplete: "off", spellcheck: false });
      field.inputMode = "numeric";
      field.readOnly = control.kind === core.ControlKind.ReadOnlyField;
      if (!field.readOnly) filterTyping(core, field, control);
      return field;
    }
    case core.ControlKind.Button: {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = control.caption;
      return button;
    }
    case core.ControlKind.ResultField:
      return document.createElement("div");  // made a field by ResultField
  }
  throw new Error(`unknown control kind of ${control.name}`);
}

for (const control of layout.controls) {
  const element = controlElement(control);
  element.id = control.name;
  if (control.accessibleName && control.accessibleName !== control.caption) {
    element.setAttribute("aria-label", control.accessibleName);
  }
  place(element, control.rect);
  elements.set(control.id, element);
}
// A <label> names an input; the result, not one, is named by its aria-label.
function labelElement(label) {
  const field = elements.get(label.buddy);
  const element = document.createElement(field.labels ? "label" : "span");
  if (field.labels) element.htmlFor = field.id;
  else element.className = "label";
  element.textContent = label.text;
  place(element, label.rect);
  return element;
}

// In tab order, as the layout lists them, each label just before its field.
for (const row of formRows(layout, core.ControlKind)) {
  const line = document.createElement("div");
  line.className = `row ${row.kind}`;
  for (const { control, label } of row.items) line.append(label ? labelElement(label) : elements.get(control.id));
  form.append(line);
}

const resultControl = layout.controls.find((control) => control.kind === core.ControlKind.ResultField);
const resultField = new ResultField(core, elements.get(resultControl.id));

// The dialog as it is where it fits, one column on a narrower screen. Where
// the window has room to spare, the result takes it: all the height left
// below the controls, and the width up to kReadingMeasure characters.
const kReadingMeasure = 90;
const kFormBorders = 2;
let size, resultWidth, measureWidth;
function fitWindow() {
  const page = getComputedStyle(document.body);
  const roomX = root.clientWidth - parseFloat(page.paddingLeft) - parseFloat(page.paddingRight) -
                kFormBorders - size.width;
  const roomY = root.clientHeight - parseFloat(page.paddingTop) - parseFloat(page.paddingBottom) -
                kFormBorders - size.height;
  const narrow = roomX < 0;
  root.classList.toggle("narrow", narrow);
  const growX = narrow ? 0 : Math.max(0, Math.min(roomX, measureWidth - resultWidth));
  form.style.setProperty("--grow-x", `${Math.floor(growX)}px`);
  form.style.setProperty("--grow-y", `${narrow ? 0 : Math.floor(Math.max(0, roomY))}px`);
}
// In dialog units of the text size the reader chose (the root's), not the
// desktop's points: the whole form scales with it. The style sheet uses the
// places unless the form is one column.
let textSize;
function layOut() {
  textSize = getComputedStyle(root).fontSize;
  const font = `${textSize} "${layout.fontFace}", "${layout.fontFallback}", serif`;
  form.style.font = font;
  const units = core.dialogUnits((text) => textWidth(font, text), lineHeight(font));
  for (const [element, rect] of placed) {
    const box = core.mapDialogRect(rect, units);
    for (const side of ["left", "top", "width", "height"]) element.style.setProperty(`--${side}`, `${box[side]}px`);
  }
  resultWidth = core.mapDialogRect(resultControl.rect, units).width;
  measureWidth = textWidth(font, "0".repeat(kReadingMeasure));
  resultField.setFont(font, core.mapDialogRect({ x: 0, y: 0, width: layout.resultTabStop, height: 0 }, units).width);
  size = core.mapDialogRect({ x: 0, y: 0, width: layout.width, height: layout.height }, units);
  form.style.setProperty("--form-width", `${size.width}px`);
  form.style.setProperty("--form-height", `${size.height}px`);
  fitWindow();
}
layOut();
addEventListener("resize", fitWindow);
// A new text size is chosen in the browser's settings, away from the page: look again on return.
addEventListener("focus", () => {
  if (getComputedStyle(root).fontSize !== textSize) layOut();
});

// After a press, the result's top and first line in view if they are not,
// scrolled to no further; the focus stays where it is. Asking where they are
// lays out what the press changed, work the next frame would otherwise do:
// done at once, it is done while the browser waits for that frame, which
// then only paints.
function revealResult() {
  const top = resultField.element.getBoundingClientRect().top;
  const bottom = resultField.firstLineBottom();
  const view = root.clientHeight;
  if (top < 0) scrollBy(0, top);
  else if (bottom > view) scrollBy(0, bottom - view);
}

const status = document.getElementById("status");
let resultWritten = false;
const messageBoxes = new MessageBoxes(document.getElementById("message"));
const shell = new core.PageShell({
  fieldText(id) {
    if (id === resultControl.id) return resultField.text;
    const element = elements.get(id);
    if (element === undefined) return "";
    // A lone surrogate, which has no UTF-8, crosses as U+FFFD.
    return (element instanceof HTMLButtonElement ? element.textContent : element.value).toWellFormed();
  },
  setFieldText(id, text) {
    const element = elements.get(id);
    if (id === resultControl.id) {
      resultField.show(text);
      resultWritten = true;
    } else if (element instanceof HTMLButtonElement) {
      element.textContent = text;
    } else if (element !== undefined) {
      element.value = text;
      element.setSelectionRange(0, 0);
      element.scrollLeft = 0;
    }
  },
  messageBox(text, caption) { messageBoxes.show(text, caption); },
});

// The address holds the last computation (address.js): a press that changes
// it adds an entry to the history, except that Binary's typing keeps to one;
// opening the page at such an address, or stepping back or forward to one,
// types its fields as a paste would and presses its command.
const commands = core.commands();
const scriptable = new Map(commands.filter((command) => command.scriptable).map((command) => [command.name, command]));
let followed = location.hash;  // the fragment the page shows
let following = false;         // pressing what the address says, not what the user does
function record(command) {
  const fragment = fragmentOf(command.name, command.fields.map((id) => elements.get(id).value));
  if (fragment === location.hash) return;
  const typing = command.notification === core.Notification.TextChanged &&
                 readFragment(location.hash, scriptable)?.command === command;
  history[following || typing ? "replaceState" : "pushState"](null, "", `${location.pathname}${location.search}${fragment}`);
  followed = location.hash;
}
function press({ command, texts }) {
  following = true;
  try {
    command.fields.forEach((id, i) => {
      const field = elements.get(id);
      field.value = texts[i];
      field.dispatchEvent(new Event("input", { bubbles: true }));
    });
    if (command.notification === core.Notification.Clicked) elements.get(command.source).click();
  } finally {
    following = false;
  }
}
// The page as it opens: every field and the result empty.
function clearForm() {
  for (const control of layout.controls) {
    if (control.kind === core.ControlKind.Field || control.kind === core.ControlKind.ReadOnlyField) {
      elements.get(control.id).value = "";
    }
  }
  resultField.show("");
  status.textContent = "";
}
function follow() {
  if (location.hash === followed) return;
  followed = location.hash;
  if (location.hash === "") {
    clearForm();
  } else {
    const link = readFragment(location.hash, scriptable);
    if (link !== null) press(link);
  }
}

const kEvents = new Map([[core.Notification.Clicked, "click"], [core.Notification.TextChanged, "input"]]);
for (const command of commands) {
  const { source, notification } = command;
  const element = elements.get(source);
  element.addEventListener(kEvents.get(notification), () => {
    resultWritten = false;
    shell.notify(source, notification);
    if (command.scriptable) record(command);
    if (resultWritten) {
      status.textContent = announcementOf(element.textContent, resultField.text);
      revealResult();
    }
  });
}
addEventListener("popstate", follow);
addEventListener("hashchange", follow);

form.setAttribute("aria-busy", "false");
elements.get(layout.controls[0].id).focus();
const opened = readFragment(location.hash, scriptable);
if (opened !== null) {
  elements.get(opened.command.source).focus();
  press(opened);
}
root.dataset.ready = "";

if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
