#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/window_definition.h"
#include "colour/slot_table.h"
#include "css/nav_css.h"
#include "navcss_process.h"

namespace navcss::win32_test {
namespace {

using enum ControlId;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kWidth = 680;

class NavcssWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(navcss.Started()) << "navcss.exe did not show its window"; }

  // The client area once the first frame has reached the screen (the divider is its mark).
  std::vector<COLORREF> Capture() {
    std::vector<COLORREF> pixels;
    for (int attempt = 0; attempt < 100; ++attempt) {
      pixels = navcss.CaptureClient();
      if (pixels.size() == 680u * 455u && At(pixels, 182, 360) == kGreen) break;
      Sleep(50);
    }
    return pixels;
  }
  static COLORREF At(const std::vector<COLORREF>& pixels, int x, int y) {
    return pixels[static_cast<std::size_t>(y * kWidth + x)];
  }
  template <typename Predicate>
  static int Count(const std::vector<COLORREF>& pixels, RECT area, Predicate matches) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += matches(At(pixels, x, y)) ? 1 : 0;
    }
    return count;
  }
  // Text is smoothed, so letters are counted by their hue rather than an exact colour.
  static bool Greenish(COLORREF c) {
    return GetGValue(c) > 128 && GetRValue(c) < 100 && GetBValue(c) < 100;
  }
  static bool Dark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300; }

  // Presses a button and hands back the message box it shows.
  HWND Press(ControlId button) {
    PostMessageW(navcss.Control(button), BM_CLICK, 0, 0);
    return navcss.WaitForWindowOfClass(L"#32770");
  }
  void Dismiss(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(navcss.WaitForWindowGone(box));
  }

  NavcssProcess navcss;
};

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(HWND owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  memcpy(GlobalLock(memory), text.data(), text.size());
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

TEST_F(NavcssWindow, ClientAreaIsExactlyTheDefinedSize) {
  RECT client;
  GetClientRect(navcss.MainWindow(), &client);
  EXPECT_EQ(client.right, kMainWindow.clientWidth);
  EXPECT_EQ(client.bottom, kMainWindow.clientHeight);
  const LONG style = GetWindowLongW(navcss.MainWindow(), GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "fixed size, no maximise";
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
}

TEST_F(NavcssWindow, MockupShowsDividersAndBorderOnlyInTheGaps) {
  const std::vector<COLORREF> pixels = Capture();
  ASSERT_EQ(pixels.size(), 680u * 455u);
  for (int y = 351; y <= 382; ++y) {
    EXPECT_EQ(At(pixels, 182, y), kGreen) << "divider column x 182, y " << y;
    EXPECT_EQ(At(pixels, 295, y), kGreen) << "divider column x 295, y " << y;
    for (int x : {174, 181, 183, 294, 296, 300})
      EXPECT_EQ(At(pixels, x, y), kBlack) << x << "," << y;
  }
  for (int x = 3; x <= 190; ++x) {
    EXPECT_EQ(At(pixels, x, 383), kGreen) << "border line x " << x;
    EXPECT_EQ(At(pixels, x, 415), kBlack) << "first-level box x " << x;
  }
  const COLORREF face = GetSysColor(COLOR_3DFACE);
  EXPECT_EQ(At(pixels, 191, 383), face) << "the border ends at x 190";
  EXPECT_EQ(At(pixels, 300, 385), face) << "strip above the second-level box";
  EXPECT_EQ(At(pixels, 2, 360), face);
  EXPECT_EQ(At(pixels, 672, 360), face) << "the bar ends at x 671";
  EXPECT_EQ(At(pixels, 378, 418), kBlack) << "second-level box corner";
  EXPECT_EQ(At(pixels, 379, 418), face);
  // The advertising caption shows the bar through it and draws green letters.
  EXPECT_EQ(At(pixels, 302, 353), kBlack);
  EXPECT_GT(Count(pixels, {301, 352, 669, 384}, Greenish), 200);
  for (ControlId label : {所有分类文字, 导航条文字1, 导航条文字2, 一级菜单文字1, 二级菜单文字1}) {
    const Rect r = PlaceInWindow(label);
    EXPECT_GT(Count(pixels, {r.x, r.y, r.x + r.width, r.y + r.height}, Greenish), 10)
        << Def(label).name;
  }
}

TEST_F(NavcssWindow, PanelShowsPictureFieldsInTheirColoursAndTheFaceStrip) {
  const std::vector<COLORREF> pixels = Capture();
  ASSERT_EQ(pixels.size(), 680u * 455u);
  const COLORREF face = GetSysColor(COLOR_3DFACE);
  // Picture pixel (x, y) lands at (x - 3, y - 1); the picture is 677 wide, the box 683.
  EXPECT_EQ(At(pixels, 0, 0), kWhite);
  EXPECT_EQ(At(pixels, 673, 100), kWhite);
  EXPECT_EQ(At(pixels, 674, 100), face);
  EXPECT_EQ(At(pixels, 100, 335), kWhite) << "the picture fills the box's last row";
  EXPECT_EQ(At(pixels, 100, 336), face);
  const COLORREF frame = RGB(220, 222, 225);
  EXPECT_EQ(At(pixels, 150 - 3, 14 - 1), frame) << "top line of the first frame";
  EXPECT_EQ(At(pixels, 11 - 3, 100 - 1), frame) << "left line of the first frame";
  EXPECT_NE(At(pixels, 40 - 3, 14 - 1), frame) << "the caption breaks the line";
  EXPECT_GT(Count(pixels, {100 - 3, 28 - 1, 199 - 3, 40 - 1}, Dark), 20) << "first row label";
  EXPECT_EQ(Count(pixels, {199 - 3, 28 - 1, 207 - 3, 40 - 1}, Dark), 0) << "labels end at 198";

  struct Field {
    ControlId field;
    COLORREF colour;
  };
  for (const Field& f : {Field{导背景, kBlack}, Field{导文字, kGreen}, Field{导鼠标移至背景, kRed},
                         Field{导鼠标移至文字, kWhite}, Field{二级鼠标移至背景编辑框, kRed}}) {
    const Rect r = PlaceInWindow(f.field);
    // Near the right end, clear of the text and of the sunken border.
    EXPECT_EQ(At(pixels, r.x + r.width - 8, r.y + r.height / 2), f.colour) << Def(f.field).name;
  }
}

TEST_F(NavcssWindow, WindowUnderEveryPointOfTheMockupIsTheDefinedControl) {
  struct Case {
    int x, y;
    ControlId expected;
  };
  for (const Case& c :
       {Case{120, 355, 导航条背景1}, Case{140, 366, 导航条文字1}, Case{182, 360, 导航分隔线颜色},
        Case{295, 370, 导航分隔线颜色}, Case{100, 383, 一级下拉菜单山边框颜色},
        Case{302, 353, 透明标签1}, Case{485, 368, 透明标签1}, Case{670, 360, 导航条背景4},
        Case{250, 385, 主窗口}, Case{200, 400, 二级菜单背景1}}) {
    const HWND window = WindowFromPoint(navcss.ToScreen(c.x, c.y));
    EXPECT_EQ(navcss.ControlOf(window), c.expected) << c.x << "," << c.y;
  }
  // And everywhere below the panel, the reference hit test of the definition agrees.
  for (int y = 337; y < 455; y += 2) {
    for (int x = 0; x < 680; x += 3) {
      const HWND window = WindowFromPoint(navcss.ToScreen(x, y));
      ASSERT_EQ(navcss.ControlOf(window), ControlAt(x, y).value_or(主窗口)) << x << "," << y;
    }
  }
}

TEST_F(NavcssWindow, CopyButtonsPutExactlyTheirBytesOnTheClipboard) {
  const std::string css =
      BuildNavCss([](SlotKey slot) { return ColourToHexText(Slot(slot).defaultColour); });
  ASSERT_EQ(css.size(), 1193u);
  struct Case {
    ControlId button;
    std::string expected;
  };
  for (const Case& c : {Case{按钮1, css}, Case{按钮2, std::string(kTransparentNavSnippet)},
                        Case{按钮3, std::string(kHiddenNavSnippet)}}) {
    const HWND box = Press(c.button);
    ASSERT_NE(box, nullptr) << Def(c.button).name;
    wchar_t title[64] = {};
    GetWindowTextW(box, title, 64);
    EXPECT_STREQ(title, L"成功");
    EXPECT_EQ(ClipboardText(), c.expected) << Def(c.button).name;
    Dismiss(box);
  }
  EXPECT_EQ(kTransparentNavSnippet.size(), 131u);
  EXPECT_EQ(kHiddenNavSnippet.size(), 92u);
}

TEST_F(NavcssWindow, ClipboardHeldByAnotherProcessGivesTheFailureBoxAndKeepsItsContent) {
  HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  PutOnClipboard(owner, "what the user had");
  ASSERT_TRUE(OpenClipboard(owner));  // held open until the box is up
  const HWND box = Press(按钮3);
  ASSERT_NE(box, nullptr);
  wchar_t title[64] = {};
  GetWindowTextW(box, title, 64);
  EXPECT_STREQ(title, L"失败");
  const std::vector<std::wstring> texts = StaticTexts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"复制失败，请重试"), texts.end());
  CloseClipboard();
  Dismiss(box);
  EXPECT_EQ(ClipboardText(), "what the user had");
  DestroyWindow(owner);
}

TEST_F(NavcssWindow, TypingIntoAFieldRecoloursTheMockupAfterEveryKey) {
  const HWND field = navcss.Control(导背景);
  SendMessageW(field, EM_SETSEL, 0, -1);
  for (wchar_t key : std::wstring(L"#0000FF")) PostMessageW(field, WM_CHAR, key, 0);
  std::vector<COLORREF> pixels;
  for (int attempt = 0; attempt < 100; ++attempt) {
    pixels = Capture();
    if (At(pixels, 120, 355) == RGB(0, 0, 255)) break;
    Sleep(50);
  }
  EXPECT_EQ(navcss.ControlText(field), L"#0000FF");
  for (int x : {120, 200, 670}) EXPECT_EQ(At(pixels, x, 355), RGB(0, 0, 255)) << x;
  EXPECT_EQ(At(pixels, 5, 355), kBlack) << "the all-categories tab keeps its colour";
}

TEST_F(NavcssWindow, PickerDropDownCancelsWithEscapeAndCompletesWithEnter) {
  const HWND picker = navcss.Control(颜色选择器1);
  const HWND field = navcss.Control(导背景);
  PostMessageW(picker, WM_KEYDOWN, VK_SPACE, 0);
  HWND dropDown = navcss.WaitForWindowOfClass(L"NavcssColourPickerDropDown");
  ASSERT_NE(dropDown, nullptr);
  PostMessageW(picker, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(navcss.WaitForWindowGone(dropDown));
  EXPECT_TRUE(IsWindow(navcss.MainWindow())) << "Escape closed only the drop-down";
  EXPECT_EQ(navcss.ControlText(field), L"#000000");

  PostMessageW(picker, WM_KEYDOWN, VK_SPACE, 0);
  dropDown = navcss.WaitForWindowOfClass(L"NavcssColourPickerDropDown");
  ASSERT_NE(dropDown, nullptr);
  PostMessageW(picker, WM_KEYDOWN, VK_RIGHT, 0);  // from black, the first preset, to the next
  PostMessageW(picker, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(navcss.WaitForWindowGone(dropDown));
  EXPECT_EQ(navcss.ControlText(field), L"#993300");
}

class EscapeCloses : public ::testing::TestWithParam<ControlId> {};

TEST_P(EscapeCloses, TheWindowFromAnyControlWithExitCodeZero) {
  NavcssProcess navcss;
  ASSERT_TRUE(navcss.Started());
  PostMessageW(navcss.Control(GetParam()), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(navcss.WaitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Controls, EscapeCloses, ::testing::Values(导背景, 颜色选择器9, 按钮1));

}  // namespace
}  // namespace navcss::win32_test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: navcss_win32_tests <navcss.exe>\n");
    return 2;
  }
  navcss::win32_test::SetExecutable(argv[1]);
  return RUN_ALL_TESTS();
}
