// Dialog units to pixels for the font the browser really uses, by the rule the
// desktop program follows: across, a quarter of the average width of the 52
// letters; down, an eighth of the font's height, taken as the height of one
// line of it as the page lays it out (so a label's box holds its line). Corners are mapped, not
// sizes, so controls that touch in dialog units touch on the screen. A face
// whose letters are narrow beside its punctuation widens the unit until every
// label fits its box.

const context = document.createElement("canvas").getContext("2d");

function measure(font, text) {
  context.font = font;
  return context.measureText(text);
}

// value * numerator / denominator, rounded half away from zero.
export function mulDivRounded(value, numerator, denominator) {
  const product = value * numerator;
  const half = Math.trunc(denominator / 2);
  return product >= 0 ? Math.trunc((product + half) / denominator)
                      : -Math.trunc((-product + half) / denominator);
}

export function textWidth(font, text) {
  return Math.ceil(measure(font, text).width);
}

export function baseUnitsOf(font) {
  const letters = Math.round(measure(font, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").width);
  const line = document.createElement("span");
  Object.assign(line.style, { font, lineHeight: "normal", position: "absolute", visibility: "hidden" });
  line.textContent = "Ag";
  document.body.append(line);
  const height = line.offsetHeight;
  line.remove();
  return { x: Math.trunc((Math.trunc(letters / 26) + 1) / 2), y: height };
}

export function mapRect(rect, units) {
  const left = mulDivRounded(rect.x, units.x, 4);
  const top = mulDivRounded(rect.y, units.y, 8);
  const right = mulDivRounded(rect.x + rect.width, units.x, 4);
  const bottom = mulDivRounded(rect.y + rect.height, units.y, 8);
  return { left, top, width: right - left, height: bottom - top };
}

export function widenToFitLabels(units, font, labels) {
  const widened = { ...units };
  for (const label of labels) {
    const needed = textWidth(font, label.text);
    while (mapRect(label.rect, widened).width < needed) ++widened.x;
  }
  return widened;
}
