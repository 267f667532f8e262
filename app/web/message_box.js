// The form's message boxes: one modal <dialog> with a caption, the text and
// OK. A box asked for while one is open waits its turn.

export class MessageBoxes {
  constructor(dialog) {
    this.dialog = dialog;
    this.caption = dialog.querySelector("#message-caption");
    this.text = dialog.querySelector("#message-text");
    this.waiting = [];
    dialog.querySelector("#message-ok").addEventListener("click", () => dialog.close());
    dialog.addEventListener("close", () => this.showNext());
  }

  show(text, caption) {
    this.waiting.push({ text, caption });
    if (!this.dialog.open) this.showNext();
  }

  showNext() {
    const box = this.waiting.shift();
    if (box === undefined) return;
    this.caption.textContent = box.caption;
    this.text.textContent = box.text;
    this.dialog.showModal();
    this.dialog.querySelector("#message-ok").focus();
  }
}
