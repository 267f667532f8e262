// The page's address as a link to a computation: "#NAME/FIELD/FIELD", the
// command as numbrel-cli calls it, then the texts of the fields it reads in
// the command table's order, every character but a digit or "-" written as
// the percent-encoded bytes of its UTF-8. A fragment that does not read so
// exactly, names no command a command line can call, has too few or too many
// fields, or is longer than kLongestFragment, is no link: it is ignored.

const kLongestFragment = 2048;

const encoder = new TextEncoder();
const kPlain = /^[0-9-]$/;
const kField = /^(?:[0-9-]|%[0-9A-Fa-f]{2})*$/;

function encodeField(text) {
  let out = "";
  // A lone surrogate has no UTF-8: it goes as U+FFFD, which the core reads as it reads the surrogate.
  for (const character of text.toWellFormed()) {
    if (kPlain.test(character)) {
      out += character;
    } else {
      for (const byte of encoder.encode(character)) out += `%${byte.toString(16).toUpperCase().padStart(2, "0")}`;
    }
  }
  return out;
}

// "#name/field/field", or "" when it would be longer than a link may be.
export function fragmentOf(name, texts) {
  const fragment = `#${[name, ...texts.map(encodeField)].join("/")}`;
  return fragment.length - 1 <= kLongestFragment ? fragment : "";
}

// fragment: location.hash. commands: name -> the command's facts (with
// fields, its field ids in order). {command, texts}, or null when it is no link.
export function readFragment(fragment, commands) {
  if (!fragment.startsWith("#") || fragment.length - 1 > kLongestFragment) return null;
  const [name, ...fields] = fragment.slice(1).split("/");
  const command = commands.get(name);
  if (command === undefined || fields.length !== command.fields.length || !fields.every((f) => kField.test(f))) {
    return null;
  }
  try {
    return { command, texts: fields.map(decodeURIComponent) };
  } catch {
    return null;  // bytes that are not UTF-8
  }
}
