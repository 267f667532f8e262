// What a screen reader hears after a press has written the result: the
// command and, for a short result, the result itself. A long one is only
// measured: read aloud whole, it would hold the listener for minutes.
const kLongestSpoken = 160;
const kCount = new Intl.NumberFormat("en");

export function announcementOf(command, result) {
  if (result.length <= kLongestSpoken) return `${command}: ${result}`;
  return `${command}: a result of ${kCount.format(result.length)} characters, in the Result field`;
}
