// Where the minimized window draws its icon: centred, and where the free room
// is odd the extra pixel goes to the left (or top) margin.
#pragma once

// The offset of an icon iconExtent long in a client area extent long, along
// one axis. Signed division, rounding toward zero: also for an area smaller
// than the icon.
constexpr int CentredIconOffset(int extent, int iconExtent) {
  return (extent - iconExtent + 1) / 2;
}
