// The resources compiled into EzosNumbrel.exe, read back word for word from
// the program file as Windows loads them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/win32/framework/win_app.h"
#include "app/win32/framework/windows_api.h"
#include "form/control_ids.h"
#include "res/resource_ids.h"
#include "tests/win32/program_main.h"

namespace {

constexpr WORD kEnglishUs = 0x0409;

// The bytes of one resource and a cursor through them. Alignment counts from
// the resource's start, as the formats define it.
class Reader {
 public:
  explicit Reader(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return at_; }
  void Seek(std::size_t at) { at_ = at; }
  void Align(std::size_t to) { at_ = (at_ + to - 1) / to * to; }

  template <class T>
  T Read() {
    T value{};
    if (at_ + sizeof value > bytes_.size()) throw std::out_of_range("past the resource's end");
    std::memcpy(&value, bytes_.data() + at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  std::wstring ReadString() {
    std::wstring text;
    while (const auto c = Read<uint16_t>()) text += static_cast<wchar_t>(c);
    return text;
  }
  // A name or an ordinal: 0xFFFF and a number, or a string.
  std::wstring ReadNameOrOrdinal() {
    const auto first = Read<uint16_t>();
    if (first == 0xFFFF) return L"#" + std::to_wstring(Read<uint16_t>());
    at_ -= 2;
    return ReadString();
  }

 private:
  std::vector<unsigned char> bytes_;
  std::size_t at_ = 0;
};

class ProgramResources : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    module_ = LoadLibraryExW(ProgramUnderTest().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }
  static void TearDownTestSuite() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot open the program's resources"; }

  static Reader Resource(LPCWSTR type, UINT id) {
    const HRSRC found = FindResourceExW(module_, type, ResourceName(id), kEnglishUs);
    if (found == nullptr) return Reader({});
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module_, found)));
    return Reader(std::vector<unsigned char>(data, data + SizeofResource(module_, found)));
  }

  static HMODULE module_;
};

HMODULE ProgramResources::module_ = nullptr;

struct Listed {
  std::wstring type, name;
  WORD language;
  auto operator<=>(const Listed&) const = default;
};

std::wstring NameOf(LPCWSTR name) {
  return IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                              : std::wstring(name);
}

BOOL CALLBACK ListLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR listed) {
  reinterpret_cast<std::set<Listed>*>(listed)->insert({NameOf(type), NameOf(name), language});
  return TRUE;
}

BOOL CALLBACK ListName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR listed) {
  EnumResourceLanguagesW(module, type, name, &ListLanguage, listed);
  return TRUE;
}

BOOL CALLBACK ListType(HMODULE module, LPWSTR type, LONG_PTR listed) {
  EnumResourceNamesW(module, type, &ListName, listed);
  return TRUE;
}

TEST_F(ProgramResources, AreExactlyTheseAllInEnglishUnitedStates) {
  std::set<Listed> listed;
  EnumResourceTypesW(module_, &ListType, reinterpret_cast<LONG_PTR>(&listed));
  const std::set<Listed> expected = {
      {L"#3", L"#1", kEnglishUs},     // the 32 x 32 icon image
      {L"#3", L"#2", kEnglishUs},     // the 16 x 16 icon image
      {L"#5", L"#102", kEnglishUs},   // IDD_MAIN_DIALOG
      {L"#6", L"#7", kEnglishUs},     // strings 96 to 111: IDP_SOCKETS_INIT_FAILED
      {L"#14", L"#128", kEnglishUs},  // IDR_MAINFRAME
      {L"#16", L"#1", kEnglishUs},    // the version record
      {L"#24", L"#1", kEnglishUs},    // the manifest
  };
  EXPECT_EQ(listed, expected);
}

struct Item {
  DWORD id;
  const wchar_t* windowClass;
  const wchar_t* text;
  DWORD style, exStyle;
  short x, y, cx, cy;
};

constexpr DWORD kNoId = 0xFFFFFFFF;
// The predefined classes as the template names them: by ordinal.
constexpr const wchar_t* kButtonClass = L"#128";
constexpr const wchar_t* kEditClass = L"#129";
constexpr const wchar_t* kStaticClass = L"#130";
constexpr DWORD kEdit = 0x50812001;
constexpr DWORD kButton = 0x50010000;
constexpr DWORD kLabel = 0x50020000;

const Item kItems[] = {
    {IDC_BINARY, kEditClass, L"", kEdit, 0x1, 33, 0, 137, 12},
    {IDC_DECIMAL, kEditClass, L"", 0x50812801, 0x1, 33, 12, 137, 12},
    {IDC_FIRST_NUMBER, kEditClass, L"", kEdit, 0x1, 11, 32, 50, 12},
    {IDC_SECOND_NUMBER, kEditClass, L"", kEdit, 0x1, 104, 32, 51, 12},
    {IDC_DIVIDE, kButtonClass, L"Divide", kButton, 0, 158, 32, 50, 9},
    {IDC_GCF_LCM, kButtonClass, L"GCF/LCM", kButton, 0, 211, 32, 50, 9},
    {IDC_SINGLE_NUMBER, kEditClass, L"", kEdit, 0x1, 103, 47, 52, 12},
    {IDC_PRIME_FACTORS, kButtonClass, L"Prime Factors", kButton, 0, 158, 47, 50, 9},
    {IDC_ALL_FACTORS, kButtonClass, L"All Factors", kButton, 0, 211, 47, 50, 9},
    {IDC_BITS, kButtonClass, L"Bits", kButton, 0, 211, 58, 50, 9},
    {IDC_RESULT, kEditClass, L"", 0x50A11804, 0, 0, 72, 262, 128},
    {kNoId, kStaticClass, L"Divided by:", kLabel, 0, 65, 32, 36, 8},
    {kNoId, kStaticClass, L"Result for Divide/GCF/LCM/Prime factors/All factors/Bits:", kLabel, 0, 3,
     62, 192, 8},
    {kNoId, kStaticClass, L"Number to factorize or for bits:", kLabel, 0, 5, 47, 98, 8},
    {kNoId, kStaticClass, L"Binary:", kLabel, 0, 2, 0, 24, 8},
    {kNoId, kStaticClass, L"Decimal:", kLabel, 0, 2, 12, 29, 8},
    {IDC_ABOUT, kButtonClass, L"About", kButton, 0x00020201, 212, 0, 50, 24},
};

TEST_F(ProgramResources, MainDialogTemplateIsTheCalculatorsFormWordForWord) {
  Reader r = Resource(RT_DIALOG, IDD_MAIN_DIALOG);
  ASSERT_GT(r.Size(), 0u);
  EXPECT_EQ(r.Read<uint16_t>(), 1);       // version
  EXPECT_EQ(r.Read<uint16_t>(), 0xFFFF);  // extended template
  EXPECT_EQ(r.Read<uint32_t>(), 0u);      // help id
  EXPECT_EQ(r.Read<uint32_t>(), 0x00040000u);
  EXPECT_EQ(r.Read<uint32_t>(), 0x90CA00C0u);
  const auto count = r.Read<uint16_t>();
  EXPECT_EQ(r.Read<int16_t>(), 0);  // x
  EXPECT_EQ(r.Read<int16_t>(), 0);  // y
  EXPECT_EQ(r.Read<int16_t>(), 263);
  EXPECT_EQ(r.Read<int16_t>(), 201);
  EXPECT_EQ(r.ReadNameOrOrdinal(), L"");  // no menu
  EXPECT_EQ(r.ReadNameOrOrdinal(), L"");  // the default dialog class
  EXPECT_EQ(r.ReadString(), L"Ezo's Numbrel V1.1");
  EXPECT_EQ(r.Read<uint16_t>(), 8);  // points
  EXPECT_EQ(r.Read<uint16_t>(), 0);  // weight
  EXPECT_EQ(r.Read<uint8_t>(), 0);   // italic
  EXPECT_EQ(r.Read<uint8_t>(), 1);   // character set
  EXPECT_EQ(r.ReadString(), L"Bookman Old Style");

  ASSERT_EQ(count, std::size(kItems));
  for (const Item& item : kItems) {
    SCOPED_TRACE(testing::Message() << "item " << (&item - kItems) + 1);
    r.Align(4);
    EXPECT_EQ(r.Read<uint32_t>(), 0u);  // help id
    EXPECT_EQ(r.Read<uint32_t>(), item.exStyle);
    EXPECT_EQ(r.Read<uint32_t>(), item.style);
    EXPECT_EQ(r.Read<int16_t>(), item.x);
    EXPECT_EQ(r.Read<int16_t>(), item.y);
    EXPECT_EQ(r.Read<int16_t>(), item.cx);
    EXPECT_EQ(r.Read<int16_t>(), item.cy);
    EXPECT_EQ(r.Read<uint32_t>(), item.id);
    EXPECT_EQ(r.ReadNameOrOrdinal(), item.windowClass);
    EXPECT_EQ(r.ReadNameOrOrdinal(), item.text);
    EXPECT_EQ(r.Read<uint16_t>(), 0);  // no creation data
  }
  EXPECT_EQ(r.Position(), r.Size());
}

TEST_F(ProgramResources, GroupIconHoldsA32And16PixelImageOf16Colours) {
  Reader group = Resource(RT_GROUP_ICON, IDR_MAINFRAME);
  ASSERT_EQ(group.Size(), 6u + 2 * 14u);
  EXPECT_EQ(group.Read<uint16_t>(), 0);
  EXPECT_EQ(group.Read<uint16_t>(), 1);  // icons, not cursors
  EXPECT_EQ(group.Read<uint16_t>(), 2);
  struct Image {
    uint8_t size;
    uint32_t bytes;
    uint16_t id;
  };
  for (const Image image : {Image{32, 744, 1}, Image{16, 296, 2}}) {
    SCOPED_TRACE(testing::Message() << "icon " << image.id);
    EXPECT_EQ(group.Read<uint8_t>(), image.size);
    EXPECT_EQ(group.Read<uint8_t>(), image.size);
    EXPECT_EQ(group.Read<uint8_t>(), 16);  // colours
    EXPECT_EQ(group.Read<uint8_t>(), 0);
    EXPECT_EQ(group.Read<uint16_t>(), 1);  // planes
    EXPECT_EQ(group.Read<uint16_t>(), 4);  // bits per pixel
    EXPECT_EQ(group.Read<uint32_t>(), image.bytes);
    EXPECT_EQ(group.Read<uint16_t>(), image.id);

    Reader icon = Resource(RT_ICON, image.id);
    ASSERT_EQ(icon.Size(), image.bytes);
    const auto header = icon.Read<BITMAPINFOHEADER>();
    EXPECT_EQ(header.biWidth, image.size);
    EXPECT_EQ(header.biHeight, 2 * image.size);  // the colour picture and its mask
    EXPECT_EQ(header.biBitCount, 4);
  }
}

struct VersionNode {
  std::wstring key;
  uint16_t type;
  std::vector<unsigned char> value;
  std::vector<VersionNode> children;

  std::wstring Text() const {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
      const auto c = static_cast<wchar_t>(value[i] | value[i + 1] << 8);
      if (c == 0) break;
      text += c;
    }
    return text;
  }
};

VersionNode ReadVersionNode(Reader& r) {
  const std::size_t start = r.Position();
  const auto length = r.Read<uint16_t>();
  const auto valueLength = r.Read<uint16_t>();
  VersionNode node;
  node.type = r.Read<uint16_t>();
  node.key = r.ReadString();
  r.Align(4);
  // A text value counts its characters, a binary one its bytes.
  const std::size_t valueBytes = node.type == 1 ? valueLength * 2u : valueLength;
  for (std::size_t i = 0; i < valueBytes && r.Position() < start + length; ++i) {
    node.value.push_back(r.Read<unsigned char>());
  }
  r.Align(4);
  while (r.Position() < start + length) {
    node.children.push_back(ReadVersionNode(r));
    r.Align(4);
  }
  r.Seek(start + length);
  return node;
}

TEST_F(ProgramResources, VersionRecordNamesVersion11WithItsKeysInOrder) {
  Reader r = Resource(RT_VERSION, 1);
  ASSERT_GT(r.Size(), 0u);
  const VersionNode root = ReadVersionNode(r);
  EXPECT_EQ(root.key, L"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, root.value.data(), sizeof fixed);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed.dwFileVersionMS, 0x00010001u);
  EXPECT_EQ(fixed.dwFileVersionLS, 0u);
  EXPECT_EQ(fixed.dwProductVersionMS, 0x00010001u);
  EXPECT_EQ(fixed.dwProductVersionLS, 0u);
  EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(fixed.dwFileFlags, 0u);
  EXPECT_EQ(fixed.dwFileOS, 4u);
  EXPECT_EQ(fixed.dwFileType, 1u);
  EXPECT_EQ(fixed.dwFileSubtype, 0u);
  EXPECT_EQ(fixed.dwFileDateMS, 0u);
  EXPECT_EQ(fixed.dwFileDateLS, 0u);

  ASSERT_EQ(root.children.size(), 2u);
  const VersionNode& strings = root.children[0];
  EXPECT_EQ(strings.key, L"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  EXPECT_EQ(strings.children[0].key, L"040904b0");
  const std::pair<const wchar_t*, const wchar_t*> expected[] = {
      {L"Comments", L""},
      {L"CompanyName", L"Ezo"},
      {L"FileDescription", L"Ezo Numbrel Main Exec."},
      {L"FileVersion", L"1, 1, 0, 0"},
      {L"InternalName", L"Ezo Numbrel"},
      {L"LegalTrademarks", L""},
      {L"OriginalFilename", L"EzosNumbrel.EXE"},
      {L"PrivateBuild", L""},
      {L"ProductName", L"Ezo's Numbrel"},
      {L"ProductVersion", L"1, 1, 0, 0"},
      {L"SpecialBuild", L""},
  };
  const auto& values = strings.children[0].children;
  ASSERT_EQ(values.size(), std::size(expected));
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].key, expected[i].first);
    EXPECT_EQ(values[i].type, 1);
    EXPECT_EQ(values[i].Text(), expected[i].second) << "key " << i + 1;
  }

  const VersionNode& variables = root.children[1];
  EXPECT_EQ(variables.key, L"VarFileInfo");
  ASSERT_EQ(variables.children.size(), 1u);
  EXPECT_EQ(variables.children[0].key, L"Translation");
  EXPECT_EQ(variables.children[0].value,
            (std::vector<unsigned char>{0x09, 0x04, 0xB0, 0x04}));
}

TEST_F(ProgramResources, CarryTheSocketFailureTextAndTheThemedControlsManifest) {
  wchar_t text[200] = {};
  EXPECT_GT(LoadStringW(module_, IDP_SOCKETS_INIT_FAILED, text, 200), 0);

  Reader manifest = Resource(RT_MANIFEST, 1);
  std::string xml;
  while (manifest.Position() < manifest.Size()) xml += manifest.Read<char>();
  EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
}

}  // namespace
