// The form's controls in tab order, each label just before the field it names,
// grouped into the rows the one-column form shows on a narrow screen: a row is
// a run of fields that sit on one line of the dialog, with their labels, or a
// run of buttons, or the result with its label.
const kindOf = (control, kinds) =>
  control.kind === kinds.Button ? "buttons" : control.kind === kinds.ResultField ? "result" : "fields";

// [{kind, items: [{label} | {control}]}]
export function formRows(layout, kinds) {
  const labelOf = new Map(layout.labels.map((label) => [label.buddy, label]));
  const rows = [];
  let last;
  for (const control of layout.controls) {
    const kind = kindOf(control, kinds);
    const sameRow = last !== undefined && kind === kindOf(last, kinds) &&
                    (kind === "buttons" || (kind === "fields" && control.rect.y === last.rect.y));
    if (!sameRow) rows.push({ kind, items: [] });
    const items = rows.at(-1).items;
    if (labelOf.has(control.id)) items.push({ label: labelOf.get(control.id) });
    items.push({ control });
    last = control;
  }
  return rows;
}
