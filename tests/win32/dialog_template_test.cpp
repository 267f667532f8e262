// The dialog template compiled into the program's resources, read back word by
// word, against the layout every shell builds its form from: the two cannot
// drift apart.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "form/form_layout.h"
#include "app/win32/framework/wide_text.h"
#include "app/win32/framework/windows_api.h"
#include "form/program.h"
#include "res/resource_ids.h"

namespace {

struct Item {
  std::wstring windowClass, title;
  int id;
  DWORD style;
  DialogRect rect;
};

// Reads a DLGTEMPLATEEX: fixed-size fields, then strings or ordinals
// (0xFFFF and a number), each item starting on a four-byte boundary.
class TemplateReader {
 public:
  explicit TemplateReader(const BYTE* at) : start_(at), at_(at) {}
  template <class T>
  T Read() {
    T value;
    std::memcpy(&value, at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  std::wstring Text() {
    if (Peek() == 0xFFFF) {
      Read<WORD>();
      return L"#" + std::to_wstring(Read<WORD>());
    }
    std::wstring text;
    for (WORD c = Read<WORD>(); c != 0; c = Read<WORD>()) text += static_cast<wchar_t>(c);
    return text;
  }
  DialogRect Rect() {
    const auto x = Read<short>(), y = Read<short>(), cx = Read<short>(), cy = Read<short>();
    return {x, y, cx, cy};
  }
  void AlignToDword() { at_ = start_ + ((at_ - start_ + 3) & ~3); }

 private:
  WORD Peek() const { return static_cast<WORD>(at_[0] | at_[1] << 8); }
  const BYTE* start_;
  const BYTE* at_;
};

bool operator==(const DialogRect& a, const DialogRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

std::wstring Wide(const char* text) { return WideOfCp1252(text != nullptr ? text : ""); }

TEST(DialogTemplate, HoldsTheLayoutsFormControlsAndLabels) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDD_MAIN_DIALOG), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  TemplateReader in(static_cast<const BYTE*>(LockResource(LoadResource(module, found))));
  ASSERT_EQ(in.Read<DWORD>(), 0xFFFF0001u);  // version 1, extended template
  in.Read<DWORD>();                          // help id
  in.Read<DWORD>();                          // extended style
  EXPECT_NE(in.Read<DWORD>() & DS_SETFONT, 0u);
  const WORD count = in.Read<WORD>();
  const DialogRect form = in.Rect();
  EXPECT_EQ(form.width, kFormWidth);
  EXPECT_EQ(form.height, kFormHeight);
  EXPECT_EQ(in.Text(), L"");  // no menu
  EXPECT_EQ(in.Text(), L"");  // the dialog class
  EXPECT_EQ(in.Text(), Wide(kProgramTitle));
  EXPECT_EQ(in.Read<WORD>(), kFormFontPoints);
  in.Read<WORD>();  // weight
  in.Read<WORD>();  // italic, character set
  EXPECT_EQ(in.Text(), Wide(kFormFontFace));

  std::vector<Item> controls, labels;
  for (WORD n = 0; n < count; ++n) {
    in.AlignToDword();
    in.Read<DWORD>();  // help id
    in.Read<DWORD>();  // extended style
    Item item;
    item.style = in.Read<DWORD>();
    item.rect = in.Rect();
    item.id = static_cast<int>(in.Read<DWORD>());
    item.windowClass = in.Text();
    item.title = in.Text();
    in.Read<WORD>();  // no creation data
    (item.windowClass == L"#130" ? labels : controls).push_back(item);
  }

  // The controls in tab order, each of the class and kind the layout says.
  ASSERT_EQ(controls.size(), kControls.size());
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const ControlPlace& place = kControls[i];
    const Item& item = controls[i];
    SCOPED_TRACE(place.name);
    EXPECT_EQ(item.id, place.id);
    EXPECT_TRUE(item.rect == place.rect);
    EXPECT_EQ(item.title, Wide(place.caption));
    EXPECT_EQ(item.windowClass, place.kind == ControlKind::Button ? L"#128" : L"#129");
    EXPECT_EQ((item.style & ES_READONLY) != 0, place.kind == ControlKind::ReadOnlyField ||
                                                   place.kind == ControlKind::ResultField);
    EXPECT_EQ((item.style & ES_MULTILINE) != 0, place.kind == ControlKind::ResultField);
  }
  ASSERT_EQ(labels.size(), kLabels.size());
  for (const LabelPlace& label : kLabels) {
    SCOPED_TRACE(label.text);
    bool present = false;
    for (const Item& item : labels) {
      present = present || (item.title == Wide(label.text) && item.rect == label.rect);
    }
    EXPECT_TRUE(present);
  }
}

}  // namespace
