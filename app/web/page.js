// The page's shell: builds the form from the core's layout, delivers the
// notifications the core's command table names, and shows what the core
// writes. Nothing is computed here.
import loadNumbrel from "./numbrel.js";
import { baseUnitsOf, mapRect, mulDivRounded, widenToFitLabels } from "./dialog_units.js";
import { filterTyping } from "./typing.js";
import { MessageBoxes } from "./message_box.js";

const core = await loadNumbrel();
const layout = core.layout();
const form = document.getElementById("form");
const elements = new Map();  // control id -> element

document.title = layout.title;
const font = `${layout.fontPoints}pt "${layout.fontFace}", "${layout.fontFallback}", serif`;
form.style.font = font;
const units = widenToFitLabels(baseUnitsOf(font), font, layout.labels);

function place(element, rect) {
  const box = mapRect(rect, units);
  Object.assign(element.style, {
    left: `${box.left}px`, top: `${box.top}px`, width: `${box.width}px`, height: `${box.height}px`,
  });
}

function controlElement(control) {
  switch (control.kind) {
    case core.ControlKind.Field:
    case core.ControlKind.ReadOnlyField: {
      const field = document.createElement("input");
      Object.assign(field, { type: "text", autocomplete: "off", spellcheck: false });
      field.inputMode = "numeric";
      field.readOnly = control.kind === core.ControlKind.ReadOnlyField;
      if (!field.readOnly) filterTyping(field, control);
      return field;
    }
    case core.ControlKind.Button: {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = control.caption;
      return button;
    }
    case core.ControlKind.ResultField: {
      const result = document.createElement("textarea");
      Object.assign(result, { readOnly: true, spellcheck: false, wrap: "soft" });
      result.style.tabSize = `${mulDivRounded(layout.resultTabStop, units.x, 4)}px`;
      return result;
    }
  }
  throw new Error(`unknown control kind of ${control.name}`);
}

// In tab order, as the layout lists them.
for (const control of layout.controls) {
  const element = controlElement(control);
  element.id = control.name;
  if (control.accessibleName && control.accessibleName !== control.caption) {
    element.setAttribute("aria-label", control.accessibleName);
  }
  place(element, control.rect);
  form.append(element);
  elements.set(control.id, element);
}
for (const label of layout.labels) {
  const element = document.createElement("label");
  element.htmlFor = elements.get(label.buddy).id;
  element.textContent = label.text;
  place(element, label.rect);
  form.append(element);
}
const size = mapRect({ x: 0, y: 0, width: layout.width, height: layout.height }, units);
form.style.width = `${size.width}px`;
form.style.height = `${size.height}px`;
// A phone narrower than the form sees it whole, scaled down.
const fitWidth = () => {
  form.style.zoom = String(Math.min(1, (document.documentElement.clientWidth - 24) / (size.width + 2)));
};
fitWidth();
addEventListener("resize", fitWidth);

const messageBoxes = new MessageBoxes(document.getElementById("message"));
const shell = new core.PageShell({
  fieldText(id) {
    const element = elements.get(id);
    if (element === undefined) return "";
    return element instanceof HTMLButtonElement ? element.textContent : element.value;
  },
  setFieldText(id, text) {
    const element = elements.get(id);
    if (element instanceof HTMLButtonElement) {
      element.textContent = text;
    } else if (element !== undefined) {
      element.value = text;
      element.setSelectionRange(0, 0);
      element.scrollTop = 0;
      element.scrollLeft = 0;
    }
  },
  messageBox(text, caption) { messageBoxes.show(text, caption); },
  setBusy(busy) { document.documentElement.classList.toggle("busy", busy); },
});

const kEvents = new Map([[core.Notification.Clicked, "click"], [core.Notification.TextChanged, "input"]]);
for (const { source, notification } of core.commands()) {
  elements.get(source).addEventListener(kEvents.get(notification), () => shell.notify(source, notification));
}

form.setAttribute("aria-busy", "false");
document.documentElement.dataset.ready = "";
elements.get(layout.controls[0].id).focus();

if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
