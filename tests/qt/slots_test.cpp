#include <QApplication>
#include <QClipboard>
#include <vector>

#include "colour/slot_table.h"
#include "fixture.h"
#include "qt/colour_picker.h"
#include "qt/port.h"
#include "text/gbk.h"

namespace navcss::qt {
namespace {

using enum ControlId;

// The port on a bare window whose native events are only counted.
class PortTest : public ::testing::Test {
 protected:
  PortTest() {
    window.SetEventSink([this](ControlId id, EventKind event) { raised.push_back({id, event}); });
  }
  std::size_t Raised(ControlId id, EventKind event) const {
    return static_cast<std::size_t>(std::count(raised.begin(), raised.end(), std::pair{id, event}));
  }

  MainWindow window;
  QtPort port{window};
  std::vector<std::pair<ControlId, EventKind>> raised;
};

TEST_F(PortTest, EditTextRaisesOncePerWriteAndPerUserChange) {
  auto* field = window.As<EditBox>(导背景);
  port.SetEditText(导背景, "#12");
  EXPECT_EQ(Raised(导背景, EventKind::TextChanged), 1u);
  port.SetEditText(导背景, "#12");  // equal text: still exactly one more
  EXPECT_EQ(Raised(导背景, EventKind::TextChanged), 2u);
  EXPECT_EQ(port.EditText(导背景), "#12");

  field->setFocus();
  field->end(false);
  QTest::keyClick(field, Qt::Key_3);
  EXPECT_EQ(Raised(导背景, EventKind::TextChanged), 3u);
  QTest::keyClick(field, Qt::Key_Left);  // no change of text, no event
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(Raised(导背景, EventKind::TextChanged), 4u);
  EXPECT_EQ(port.EditText(导背景), "#13");

  QGuiApplication::clipboard()->setText(QStringLiteral("#A1B2C3"));
  field->selectAll();
  field->paste();  // one change
  EXPECT_EQ(Raised(导背景, EventKind::TextChanged), 5u);
  EXPECT_EQ(raised.size(), 5u);
}

TEST_F(PortTest, TextCrossesTheEdgeAsGbk) {
  const GbkText gbk = "\xBA\xEC#ff";  // "红#ff"
  port.SetEditText(导文字, gbk);
  EXPECT_EQ(window.As<EditBox>(导文字)->text(), QStringLiteral("红#ff"));
  EXPECT_EQ(port.EditText(导文字), gbk);
  window.As<EditBox>(导文字)->setText(QStringLiteral("€"));  // not in GBK's single bytes
  EXPECT_EQ(port.EditText(导文字), Utf8ToGbk("€"));
}

TEST_F(PortTest, ColoursReadBackExactlyAndPickerWritesRaiseNothing) {
  for (ControlId id : {导背景, 导航条背景1, 图片库1}) {
    port.SetBackground(id, 0x123456);
    EXPECT_EQ(port.Background(id), 0x123456u);
  }
  port.SetPickerColour(颜色选择器3, 0x00FF7F);
  EXPECT_EQ(port.PickerColour(颜色选择器3), 0x00FF7Fu);
  EXPECT_TRUE(raised.empty());
}

TEST_F(PortTest, TimerKeepsRunningWhenItsPeriodIsWrittenAgain) {
  QTimer& timer = window.Timer();
  ASSERT_TRUE(timer.isActive());
  const int id = timer.timerId();
  port.SetTimerPeriod(时钟1, 100);
  EXPECT_EQ(timer.timerId(), id);  // a restart would give a new timer
  port.SetTimerPeriod(时钟1, 50);
  EXPECT_EQ(timer.interval(), 50);
}

TEST_F(ProgramTest, TypingRecoloursFieldAndMockupAfterEveryKey) {
  auto* field = Window().As<EditBox>(导背景);
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  std::string typed;
  for (char key : std::string("#12ed")) {
    QTest::keyClick(field, key);
    typed += key;
    ASSERT_EQ(field->text().toStdString(), typed);
    const QColor expected = Colour(HexTextToColour(typed));
    const QImage image = Grab();
    const Rect f = PlaceInWindow(导背景);
    EXPECT_EQ(Pixel(image, f.Right() - 4, f.Bottom() - 4), expected) << typed;
    for (ControlId box : {导航条背景1, 导航条背景2, 导航条背景4}) {
      const Rect r = PlaceInWindow(box);
      EXPECT_EQ(Pixel(image, r.x + 1, r.y + 1), expected) << typed;
    }
    EXPECT_EQ(Pixel(image, 5, 353), QColor(Qt::black)) << "所有分类背景 keeps its colour";
  }
  EXPECT_EQ(Window().As<ColourPicker>(颜色选择器1)->Colour(), 0u);  // the picker stays
}

ColourDropDown* OpenDropDownWithKeyboard(ColourPicker* picker) {
  picker->setFocus();
  QTest::keyClick(picker, Qt::Key_Space);
  return qobject_cast<ColourDropDown*>(QApplication::activePopupWidget());
}

TEST_F(ProgramTest, PickerChoiceRewritesTheFieldInUpperCase) {
  auto* field = Window().As<EditBox>(导背景);
  auto* picker = Window().As<ColourPicker>(颜色选择器1);
  ColourDropDown* dropDown = OpenDropDownWithKeyboard(picker);
  ASSERT_NE(dropDown, nullptr);
  EXPECT_EQ(dropDown->Highlight(), 0);  // starts at the picker's black
  QTest::keyClick(dropDown, Qt::Key_Down);
  QTest::keyClick(dropDown, Qt::Key_Right);
  QTest::keyClick(dropDown, Qt::Key_Return);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(field->text(), QStringLiteral("#FF6600"));
  EXPECT_EQ(picker->Colour(), Rgb(255, 102, 0));
  const QImage image = Grab();
  EXPECT_EQ(Pixel(image, 120, 353), QColor(255, 102, 0));

  // The same colour again, by mouse: still a choice, the field is rewritten.
  field->setText(QStringLiteral("#ff6600"));
  QTest::mouseClick(picker, Qt::LeftButton);
  dropDown = qobject_cast<ColourDropDown*>(QApplication::activePopupWidget());
  ASSERT_NE(dropDown, nullptr);
  EXPECT_EQ(dropDown->Highlight(), 9);
  QTest::mouseClick(dropDown, Qt::LeftButton, {}, QPoint(4 + 18 + 9, 4 + 18 + 9));
  EXPECT_EQ(field->text(), QStringLiteral("#FF6600"));
}

TEST_F(ProgramTest, CancelledPickerChangesNothingAndEscapeStaysInTheDropDown) {
  auto* field = Window().As<EditBox>(导文字);
  auto* picker = Window().As<ColourPicker>(颜色选择器2);
  const QImage before = Grab();
  ColourDropDown* dropDown = OpenDropDownWithKeyboard(picker);
  ASSERT_NE(dropDown, nullptr);
  QTest::keyClick(dropDown, Qt::Key_Left);
  QTest::keyClick(dropDown, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(field->text(), QStringLiteral("#00FF00"));
  EXPECT_EQ(picker->Colour(), Rgb(0, 255, 0));

  // A click outside the drop-down cancels as well.
  dropDown = OpenDropDownWithKeyboard(picker);
  ASSERT_NE(dropDown, nullptr);
  QTest::mouseClick(dropDown, Qt::LeftButton, {}, QPoint(-30, -30));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(field->text(), QStringLiteral("#00FF00"));
  EXPECT_EQ(Grab(), before);
}

}  // namespace
}  // namespace navcss::qt
