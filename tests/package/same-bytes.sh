# Sourced by the reproducibility checks.
# same_bytes FIRST SECOND: fails, showing diffoscope's report where Debian's
# diffoscope is installed, unless the two files hold the same bytes.
same_bytes() {
  if cmp -s "$1" "$2"; then return 0; fi
  echo "FAIL: $2 differs from $1" >&2
  if command -v diffoscope >/dev/null; then diffoscope "$1" "$2" >&2 || true; fi
  return 1
}
