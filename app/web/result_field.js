// The read-only result field. The core's text is shown whole and exact: it is
// broken into display lines where the form's one rule breaks a line too wide
// for the field (core.lineStarts, after the last comma or space that fits),
// over the advances measured here in the field's own font, and marked there
// by <wbr>, which adds no character: what is selected and copied, and what a
// screen reader reads, is the text as written. The lines come in runs: the
// first frame lays out only the runs in view, so that a long answer shows at
// once, and the rest are laid out right after, for a screen reader to reach
// them all. Which runs are in view is worked out here from the field's size
// and the font's line height, not left to the browser's content-visibility:
// auto, which lays the field out a second time in that frame to find them.
// A new width breaks the lines again.

import { selectWithKeys } from "./result_keys.js";

// Room left free at each line's end, in CSS px, for the browser's rounding:
// a line that fits as measured then fits as laid out.
const kSpareRoom = 1;
// Display lines in a run.
const kLinesPerRun = 32;
// Advances are measured over this many copies of a character.
const kCopiesMeasured = 32;

export class ResultField {
  constructor(core, element) {
    this.core = core;
    this.element = element;
    this.shown = "";
    this.starts = [];           // where each display line but the first starts
    this.font = "";
    this.tabWidth = 0;
    this.width = null;          // of a line, in CSS px, as last laid out by the browser
    this.height = null;         // of the field's inside, in CSS px, likewise
    this.lineHeight = 0;        // of a display line in the field's font, CSS px
    this.advances = new Map();  // character -> CSS px, for advancesKey
    this.advancesKey = "";
    this.wholeLater = false;    // lay out every run once a frame has shown the text
    Object.assign(element, { tabIndex: 0, translate: false, className: "result-text" });
    element.setAttribute("role", "textbox");
    element.setAttribute("aria-readonly", "true");
    element.setAttribute("aria-multiline", "true");
    // Beside the field, so that it takes the field's font.
    this.probe = document.createElement("div");
    this.probe.className = "probe";
    this.probe.setAttribute("aria-hidden", "true");
    Object.assign(this.probe.style, { position: "absolute", left: "0", top: "0", width: "max-content",
                                      height: "auto", visibility: "hidden", whiteSpace: "pre" });
    element.addEventListener("keydown", (event) => {
      if (selectWithKeys(this, event)) event.preventDefault();
    });
    // The size comes with each change, so that a press need not ask the layout for it.
    new ResizeObserver(([entry]) => {
      const { inlineSize: width, blockSize: height } = entry.contentBoxSize[0];
      const rebreak = width !== this.width;
      [this.width, this.height] = [width, height];
      if (rebreak) this.layOut(false);
    }).observe(element);
  }

  get text() { return this.shown; }

  // Shows text from its first line. Scrolled back before the old lines go,
  // while the layout is still clean, so as not to ask for a new one.
  show(text) {
    this.shown = text;
    this.element.scrollTop = 0;
    this.layOut(true);
  }

  // The font the page gives the form, and tab stops every tabWidth CSS px.
  setFont(font, tabWidth) {
    this.font = font;
    this.tabWidth = tabWidth;
    this.element.style.tabSize = `${tabWidth}px`;
    this.layOut(false);
  }

  // Where the field's first line ends, in viewport px: its top edge when it is empty.
  firstLineBottom() {
    const first = this.element.firstChild?.firstChild;
    if (!first?.length) return this.element.getBoundingClientRect().top;
    const character = document.createRange();
    character.setStart(first, 0);
    character.setEnd(first, 1);
    return character.getBoundingClientRect().bottom;
  }

  // Lays the text out as the field shows it: from its first line, or as it is scrolled now.
  layOut(fromTop) {
    const text = this.shown;
    if (text === "") {
      this.starts = [];
      this.element.replaceChildren();
      return;
    }
    if (this.width === null) {
      // Before the browser has told the size: asked once.
      const style = getComputedStyle(this.element);
      const padding = (a, b) => parseFloat(style[a]) + parseFloat(style[b]);
      this.width = this.element.clientWidth - padding("paddingLeft", "paddingRight");
      this.height = this.element.clientHeight - padding("paddingTop", "paddingBottom");
    }
    const starts = this.core.lineStarts(text, (characters) => this.measure(characters),
                                        this.width - kSpareRoom, this.tabWidth);
    this.starts = starts;
    // The runs the field shows first; with no line height measured, all of them.
    const top = fromTop ? 0 : this.element.scrollTop;
    const runHeight = kLinesPerRun * this.lineHeight;
    const [firstShown, lastShown] = runHeight > 0
      ? [Math.floor(top / runHeight), Math.floor((top + this.height) / runHeight)] : [0, Infinity];
    const runs = [];
    for (let first = 0; first <= starts.length; first += kLinesPerRun) {
      const last = Math.min(first + kLinesPerRun, starts.length + 1);  // after the run's last line
      const run = document.createElement("span");
      const index = runs.length;
      if (index < firstShown || index > lastShown) {
        run.className = "later";
        run.style.setProperty("--lines", last - first);
      }
      let from = first === 0 ? 0 : starts[first - 1];
      for (let line = first; line < last; ++line) {
        const end = line < starts.length ? starts[line] : text.length;
        run.append(text.slice(from, end));
        // A line end of the text itself breaks already.
        if (line + 1 < last && text[end - 1] !== "\n") run.append(document.createElement("wbr"));
        from = end;
      }
      runs.push(run);
    }
    // The runs out of view are laid out once the first frame has shown the text.
    this.element.classList.remove("whole");
    this.element.replaceChildren(...runs);
    if (!this.wholeLater) {
      this.wholeLater = true;
      requestAnimationFrame(() => setTimeout(() => {
        this.wholeLater = false;
        this.element.classList.add("whole");
      }));
    }
  }

  // The advances of characters in the field's font now, each measured once,
  // and with the first of them the height of a line.
  measure(characters) {
    const key = `${this.font} ${devicePixelRatio}`;
    if (key !== this.advancesKey) {
      this.advances.clear();
      this.advancesKey = key;
    }
    const missing = [...characters].filter((c) => !this.advances.has(c));
    if (missing.length > 0) {
      const spans = missing.map((c) => {
        const span = document.createElement("span");
        span.textContent = c.repeat(kCopiesMeasured);
        return span;
      });
      this.probe.replaceChildren(...spans);
      this.element.after(this.probe);
      missing.forEach((c, i) => this.advances.set(c, spans[i].getBoundingClientRect().width / kCopiesMeasured));
      if (this.advances.size === missing.length) this.lineHeight = this.probe.getBoundingClientRect().height;
      this.probe.remove();
    }
    return [...characters].map((c) => this.advances.get(c));
  }
}
