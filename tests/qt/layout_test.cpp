#include <QApplication>
#include <QScreen>

#include "colour/slot_table.h"
#include "fixture.h"
#include "preview/mockup.h"

namespace navcss::qt {
namespace {

using enum ControlId;

const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);

TEST_F(ProgramTest, WindowIsFixedCaptionedAndCentred) {
  MainWindow& w = Window();
  EXPECT_EQ(w.size(), QSize(680, 455));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Quenlar导航CSS代码生成"));
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(w.windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect outer = w.frameGeometry();
  EXPECT_EQ(outer.left(), (screen.width() - outer.width()) / 2);
  EXPECT_EQ(outer.top(), (screen.height() - outer.height()) / 2);
}

// The divider and the border exist only where the stacking leaves them uncovered.
TEST_F(ProgramTest, DividerAndBorderShowOnlyThroughTheGaps) {
  const QImage image = Grab();
  for (int y = 351; y <= 382; ++y) {
    EXPECT_EQ(Pixel(image, 182, y), kGreen) << "y " << y;
    EXPECT_EQ(Pixel(image, 295, y), kGreen) << "y " << y;
    for (int x : {114, 115, 181, 183, 294, 296, 298}) EXPECT_EQ(Pixel(image, x, y), kBlack) << x;
  }
  for (int x = 3; x <= 190; ++x) {
    EXPECT_EQ(Pixel(image, x, 383), kGreen) << "x " << x;
    EXPECT_EQ(Pixel(image, x, 384), kBlack) << "x " << x;
  }
  for (int x : {2, 191, 295, 378}) EXPECT_EQ(Pixel(image, x, 383), Face()) << "x " << x;
  EXPECT_EQ(Pixel(image, 182, 350), Face());
  EXPECT_EQ(Pixel(image, 526, 351), kBlack);  // 导航条背景4 runs on to x 671
  EXPECT_EQ(Pixel(image, 672, 360), Face());
}

// Box corners lie outside every caption: they show the box's own colour.
TEST_F(ProgramTest, MockupBoxesAndCaptions) {
  const QImage image = Grab();
  for (ControlId box :
       {所有分类背景, 导航条背景1, 导航条背景2, 导航条背景4, 一级菜单背景1, 二级菜单背景1}) {
    const Rect r = PlaceInWindow(box);
    EXPECT_EQ(Pixel(image, r.x + 1, r.Bottom() - 1), kBlack) << Def(box).name;
    EXPECT_EQ(Pixel(image, r.Right(), r.Bottom()), kBlack) << Def(box).name;
  }
  // Every caption draws its text in its colour (antialiased: near green will do); 透明标签1
  // lets the bar show around it.
  for (ControlId label :
       {所有分类文字, 导航条文字1, 导航条文字2, 一级菜单文字1, 二级菜单文字1, 透明标签1}) {
    const Rect r = PlaceInWindow(label);
    int green = 0;
    int black = 0;
    for (int y = r.y; y <= r.Bottom(); ++y) {
      for (int x = r.x; x <= r.Right(); ++x) {
        const QColor c = Pixel(image, x, y);
        green += c.green() > 150 && c.red() < 40 && c.blue() < 40 ? 1 : 0;
        black += Pixel(image, x, y) == kBlack ? 1 : 0;
      }
    }
    EXPECT_GT(green, 5) << Def(label).name;
    EXPECT_GT(black, r.width * r.height / 3) << Def(label).name;
  }
}

TEST_F(ProgramTest, FieldsAndSwatchesShowTheDefaults) {
  const QImage image = Grab();
  for (const ColourSlot& slot : kSlots) {
    const Rect field = PlaceInWindow(slot.field);
    const Rect picker = PlaceInWindow(slot.picker);
    const QColor colour = Colour(slot.defaultColour);
    // Right of the text, inside the sunken border.
    EXPECT_EQ(Pixel(image, field.Right() - 5, field.y + 4), colour) << slot.keyName;
    EXPECT_EQ(Pixel(image, picker.x + 10, picker.y + 12), colour) << slot.keyName;
    EXPECT_EQ(Window().As<EditBox>(slot.field)->text().toStdString(),
              ColourToHexText(slot.defaultColour));
    EXPECT_EQ(Window().As<EditBox>(slot.field)->palette().color(QPalette::Text), kBlack);
  }
}

TEST_F(ProgramTest, PanelPictureFramesCaptionsAndLabels) {
  const QImage image = Grab();
  const PanelPicture& p = kPanelPicture;
  const auto at = [&](int px, int py) { return Pixel(image, px - 3, py - 1); };  // picture coords
  EXPECT_EQ(at(5, 5), QColor(Qt::white));
  EXPECT_EQ(at(p.width - 1, 100), QColor(Qt::white));
  EXPECT_EQ(at(p.width, 100), Face());        // the strip right of the picture
  EXPECT_EQ(Pixel(image, 300, 340), Face());  // nothing of the picture below the box
  const QColor frame = Colour(p.frameColour);
  for (const PanelFrame& f : p.frames) {
    EXPECT_EQ(at(f.right - 20, f.top), frame);
    EXPECT_EQ(at(f.left, (f.top + f.bottom) / 2), frame);
    EXPECT_EQ(at(f.right, (f.top + f.bottom) / 2), frame);
    EXPECT_EQ(at(f.right - 20, f.bottom), frame);
    EXPECT_NE(at(f.left, f.top), frame);  // rounded corner
    int ink = 0;
    for (int x = f.captionLeft; x <= f.captionRight; ++x) {
      EXPECT_NE(at(x, f.top), frame) << f.caption << " breaks the line at " << x;
      for (int y = f.captionTop; y < f.captionTop + p.fontPixelHeight; ++y) {
        ink += at(x, y).lightness() < 128 ? 1 : 0;
      }
    }
    EXPECT_GT(ink, 20) << f.caption;
  }
  // Each label ends at its right edge and its glyphs start at its top.
  for (const PanelRowLabel& label : p.labels) {
    int inkRight = -1;
    int inkTop = 1000;
    for (int y = label.top - 4; y < label.top + p.fontPixelHeight + 4; ++y) {
      for (int x = label.right - 120; x <= label.right + 8; ++x) {
        if (at(x, y).lightness() < 160) {
          inkRight = std::max(inkRight, x);
          inkTop = std::min(inkTop, y);
        }
      }
    }
    EXPECT_NEAR(inkRight, label.right, 1) << Slot(label.slot).keyName;
    EXPECT_NEAR(inkTop, label.top, 1) << Slot(label.slot).keyName;
  }
}

// The pointer lands on the same control as the definition's reference hit test, everywhere.
TEST_F(ProgramTest, ControlUnderPointerMatchesTheDefinition) {
  QtPort port(Window());
  for (int y = 0; y < 455; y += 3) {
    for (int x = 0; x < 680; x += 3) {
      PointAt({x, y});
      const std::optional<ControlId> expected = ControlAt(x, y).value_or(主窗口);
      ASSERT_EQ(port.ControlUnderPointer(), expected) << x << ", " << y;
    }
  }
  // Exactly on the gaps and the line.
  for (auto [x, y, id] : {std::tuple{182, 360, 导航分隔线颜色},
                          {295, 360, 导航分隔线颜色},
                          {100, 383, 一级下拉菜单山边框颜色},
                          {305, 355, 透明标签1}}) {
    PointAt({x, y});
    EXPECT_EQ(port.ControlUnderPointer(), id) << x << ", " << y;
  }
  QCursor::setPos(Window().mapToGlobal(QPoint(-50, -50)));
  EXPECT_EQ(port.ControlUnderPointer(), std::nullopt);
}

Qt::CursorShape EffectiveCursor(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (widget->testAttribute(Qt::WA_SetCursor)) return widget->cursor().shape();
  }
  return Qt::ArrowCursor;
}

TEST_F(ProgramTest, PointerShapes) {
  const struct {
    QPoint at;
    Qt::CursorShape shape;
  } cases[] = {
      {{305, 355}, Qt::PointingHandCursor},  // 透明标签1, between letters
      {{5, 353}, Qt::PointingHandCursor},    // 所有分类背景 outside its caption
      {{116, 353}, Qt::PointingHandCursor},  // 导航条背景1
      {{185, 380}, Qt::PointingHandCursor},  // 导航条背景2
      {{5, 414}, Qt::PointingHandCursor},    // 一级菜单背景1
      {{370, 417}, Qt::PointingHandCursor},  // 二级菜单背景1
      {{140, 367}, Qt::ArrowCursor},         // 导航条文字1
      {{40, 400}, Qt::ArrowCursor},          // 一级菜单文字1
      {{298, 353}, Qt::ArrowCursor},         // 导航条背景4 outside the caption
      {{182, 360}, Qt::ArrowCursor},         // divider
      {{100, 383}, Qt::ArrowCursor},         // border
      {{1, 440}, Qt::ArrowCursor},           // the window
      {{100, 100}, Qt::ArrowCursor},         // the panel
  };
  for (const auto& c : cases) {
    QWidget* widget = Window().childAt(c.at);
    EXPECT_EQ(EffectiveCursor(widget ? widget : &Window()), c.shape)
        << c.at.x() << ", " << c.at.y();
  }
}

TEST_F(ProgramTest, TabVisitsFieldsAndPickersInSlotOrderThenButtons) {
  const auto order = TabOrder();
  W(order.front())->setFocus();
  for (std::size_t i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), W(order[i])) << Def(order[i]).name;
  }
  EXPECT_EQ(order.size(), 2 * kSlotCount + 4);
  EXPECT_EQ(order[0], 导背景);
  EXPECT_EQ(order[1], 颜色选择器1);
  EXPECT_EQ(order.back(), 按钮1);
}

}  // namespace
}  // namespace navcss::qt
