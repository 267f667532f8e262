// The page's own measuring of the font the browser really uses, for the core's
// dialog units (core.dialogUnits, core.mapDialogRect): a text's width in whole
// pixels, and the height of one line of the font as the page lays it out (so
// a label's box holds its line).

const context = document.createElement("canvas").getContext("2d");

export function textWidth(font, text) {
  context.font = font;
  return Math.ceil(context.measureText(text).width);
}

export function lineHeight(font) {
  const line = document.createElement("span");
  Object.assign(line.style, { font, lineHeight: "normal", position: "absolute", visibility: "hidden" });
  line.textContent = "Ag";
  document.body.append(line);
  const height = line.offsetHeight;
  line.remove();
  return height;
}
