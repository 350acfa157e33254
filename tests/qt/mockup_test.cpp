#include <QDesktopServices>
#include <functional>

#include "actions/outside.h"
#include "fixture.h"
#include "url_recorder.h"

namespace navcss::qt {
namespace {

using enum ControlId;

// Polls: a tick is due every 100 ms. The bound only ends a hung run; nothing asserts on time.
bool ShowsWithinTicks(const std::function<bool()>& shown) {
  return QTest::qWaitFor(shown, 5000);
}

TEST_F(ProgramTest, HoverSwitchesColoursOnAndOffTheItem) {
  const auto colourAt = [this](int x, int y) { return Pixel(Grab(), x, y); };
  const auto labelColour = [this] {
    return Window().As<TransparentLabel>(导航条文字1)->TextColour();
  };
  const QColor red(255, 0, 0);
  const QColor black(0, 0, 0);

  PointAt({140, 367});  // over the caption "首页" itself
  EXPECT_TRUE(ShowsWithinTicks([&] { return colourAt(116, 352) == red; }));
  EXPECT_EQ(labelColour(), Rgb(255, 255, 255));
  EXPECT_EQ(colourAt(185, 352), black) << "导航条背景2 uses the same slots, not the same flag";

  PointAt({182, 360});  // the divider between the two items
  EXPECT_TRUE(ShowsWithinTicks([&] { return colourAt(116, 352) == black; }));
  EXPECT_EQ(labelColour(), Rgb(0, 255, 0));
  EXPECT_EQ(colourAt(185, 352), black);

  PointAt({190, 360});
  EXPECT_TRUE(ShowsWithinTicks([&] { return colourAt(185, 352) == red; }));
  PointAt({-40, -40});  // off the window
  EXPECT_TRUE(ShowsWithinTicks([&] { return colourAt(185, 352) == black; }));
}

TEST_F(ProgramTest, PressOnTheAdvertOpensTheShopOncePerPress) {
  UrlRecorder opener;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &opener, "open");
  QWindow* window = Window().windowHandle();
  const QPoint between(303, 354);  // inside the label's rectangle, clear of its letters

  QTest::mousePress(window, Qt::LeftButton, {}, between);
  EXPECT_EQ(opener.opened.size(), 1);  // on the press, not waiting for the release
  QTest::mouseRelease(window, Qt::LeftButton, {}, between);
  QTest::mouseClick(window, Qt::RightButton, {}, between);
  EXPECT_EQ(opener.opened.size(), 1);
  QTest::mouseDClick(window, Qt::LeftButton, {}, Centre(透明标签1));
  EXPECT_EQ(opener.opened.size(), 2);                         // a double-click opens once
  QTest::mouseClick(window, Qt::LeftButton, {}, {298, 353});  // the bar beside it
  EXPECT_EQ(opener.opened.size(), 2);
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  EXPECT_EQ(opener.opened.front().toEncoded().toStdString(), std::string(ShopLinkAddress()));
}

}  // namespace
}  // namespace navcss::qt
