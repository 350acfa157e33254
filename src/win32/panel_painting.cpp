#include "win32/panel_painting.h"

#include <algorithm>

#include "app/window_definition.h"
#include "win32/dpi.h"
#include "win32/wide_text.h"
#include "win32/window.h"

namespace navcss::win32 {

namespace {

struct PanelFont {
  int dpi = 0;
  HFONT font = nullptr;
  int glyphTopOffset = 0;  // from the top of a text cell down to the top of a Chinese glyph
};

// The picture places glyph tops, not text cells, so the cell is moved up by the font's own
// distance from cell top to ideograph top.
const PanelFont& FontForDpi(HDC dc, int dpi) {
  static PanelFont cached;
  if (cached.dpi == dpi) return cached;
  if (cached.font != nullptr) DeleteObject(cached.font);
  LOGFONTW description = {};
  description.lfHeight = -Scale{dpi}(kPanelPicture.fontPixelHeight);
  description.lfWeight = FW_NORMAL;
  description.lfCharSet = GB2312_CHARSET;
  cached = {dpi, CreateFontIndirectW(&description), 0};
  HGDIOBJ old = SelectObject(dc, cached.font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  GLYPHMETRICS glyph;
  const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  if (GetGlyphOutlineW(dc, L'颜', GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
    cached.glyphTopOffset =
        std::max(0, static_cast<int>(metrics.tmAscent - glyph.gmptGlyphOrigin.y));
  } else {
    cached.glyphTopOffset = metrics.tmInternalLeading;
  }
  SelectObject(dc, old);
  return cached;
}

// right is the last column covered, as in the definition.
void DrawPictureText(HDC dc, std::string_view utf8, int left, int right, int glyphTop, UINT align,
                     const PanelFont& font, const Scale& scale) {
  const std::wstring text = Utf8ToWide(utf8);
  RECT box = {scale(left), scale(glyphTop) - font.glyphTopOffset, scale(right + 1),
              scale(glyphTop + kPanelPicture.fontPixelHeight) + font.glyphTopOffset};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            align | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void PaintPanel(HWND panel, HDC dc) {
  RECT client;
  GetClientRect(panel, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
  PaintPanelPicture(dc, DpiOfWindow(panel));
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(window, PaintPanel);
      return 0;
    case WM_PRINTCLIENT:
      PaintPanel(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_COMMAND: {
      HWND field = reinterpret_cast<HWND>(lParam);
      if (HIWORD(wParam) == EN_CHANGE && GetPropW(field, kFieldQuietProperty) == nullptr) {
        Forward(field, EventKind::TextChanged);
      }
      return 0;
    }
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      HBRUSH brush =
          static_cast<HBRUSH>(GetPropW(reinterpret_cast<HWND>(lParam), kFieldBrushProperty));
      if (brush == nullptr) break;
      LOGBRUSH colour;
      GetObjectW(brush, sizeof(colour), &colour);
      SetBkColor(dc, colour.lbColor);
      SetTextColor(dc, RGB(0, 0, 0));  // black on every background, black ones included
      return reinterpret_cast<LRESULT>(brush);
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW panel = {};
  panel.cbSize = sizeof(panel);
  panel.lpfnWndProc = PanelProc;
  panel.hInstance = instance;
  panel.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  panel.lpszClassName = kPanelClass;
  return RegisterClassExW(&panel) != 0;
}

void PaintPanelPicture(HDC dc, int dpi) {
  const Scale scale{dpi};
  const PanelPicture& picture = kPanelPicture;
  const RECT whole = {0, 0, scale(picture.width), scale(picture.height)};
  SetBkColor(dc, static_cast<COLORREF>(picture.background));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);

  const PanelFont& font = FontForDpi(dc, dpi);
  HGDIOBJ oldFont = SelectObject(dc, font.font);
  HPEN pen = CreatePen(PS_SOLID, std::max(1, scale(1)), static_cast<COLORREF>(picture.frameColour));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  SetTextColor(dc, static_cast<COLORREF>(picture.textColour));
  SetBkMode(dc, TRANSPARENT);
  const int corner = scale(6);
  for (const PanelFrame& frame : picture.frames) {
    RoundRect(dc, scale(frame.left), scale(frame.top), scale(frame.right + 1),
              scale(frame.bottom + 1), corner, corner);
    // The caption breaks the frame's top line.
    const RECT gap = {scale(frame.captionLeft - 2), scale(frame.captionTop),
                      scale(frame.captionRight + 3),
                      scale(frame.captionTop + picture.fontPixelHeight)};
    SetBkColor(dc, static_cast<COLORREF>(picture.background));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &gap, nullptr, 0, nullptr);
    DrawPictureText(dc, frame.caption, frame.captionLeft, frame.captionRight + 8, frame.captionTop,
                    DT_LEFT, font, scale);
  }
  for (const PanelRowLabel& label : picture.labels) {
    DrawPictureText(dc, Slot(label.slot).rowLabel, label.right - 200, label.right, label.top,
                    DT_RIGHT, font, scale);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  DeleteObject(pen);
}

}  // namespace navcss::win32
