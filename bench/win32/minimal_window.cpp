// The smallest window that shows the same client size: what navcss.exe is measured against.
// Built a second time with one line of Chinese text, which separates what any window that
// shows Chinese pays for fonts from what navcss adds, and a third time with as many plain
// child windows as navcss has controls, which shows what the window count alone costs.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
#ifdef NAVCSS_BENCH_WITH_TEXT
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    LOGFONTW description = {};
    description.lfHeight = -12;
    description.lfCharSet = GB2312_CHARSET;
    HFONT font = CreateFontIndirectW(&description);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 20, 20, L"鼠标移至, 导航背景颜色:", 13);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &paint);
    return 0;
  }
#endif
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
  windowClass.lpszClassName = L"MinimalWindow";
  RegisterClassExW(&windowClass);
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT rect = {0, 0, 680, 455};
  AdjustWindowRectEx(&rect, kStyle, FALSE, 0);
  HWND window = CreateWindowExW(0, L"MinimalWindow", L"minimal", kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, rect.right - rect.left, rect.bottom - rect.top,
                                nullptr, nullptr, instance, nullptr);
#ifdef NAVCSS_BENCH_CHILD_WINDOWS
  // 18 edit boxes, 4 buttons and 34 plain boxes, like navcss's 56 controls.
  for (int i = 0; i < 56; ++i) {
    const bool edit = i < 18;
    const wchar_t* kind = edit ? L"EDIT" : i < 22 ? L"BUTTON" : L"STATIC";
    CreateWindowExW(edit ? WS_EX_CLIENTEDGE : 0, kind, L"#00FF00",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, (i % 8) * 80, (i / 8) * 50, 72, 24,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance,
                    nullptr);
  }
#endif
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
