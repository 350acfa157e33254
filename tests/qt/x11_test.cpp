// Run under a private X server (see CMakeLists.txt): what other programs see.
#include <QApplication>
#include <QProcess>

#include "css/nav_css.h"
#include "fixture.h"
#include "text/gbk.h"

namespace navcss::qt {
namespace {

using enum ControlId;

class X11Test : public ProgramTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
      GTEST_SKIP() << "needs an X server";
    }
    ProgramTest::SetUp();
  }
};

// Runs a helper while our event loop keeps serving the X selection.
QByteArray RunHelper(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return process.readAllStandardOutput();
}

TEST_F(X11Test, AnotherProgramPastesExactlyTheGeneratedCss) {
  auto* field = Window().As<EditBox>(导文字);
  field->setFocus();
  field->selectAll();
  field->insert(QStringLiteral("红#ab"));  // as a paste would
  const GbkText css = BuildNavCss([this](SlotKey slot) {
    return Utf8ToGbk(Window().As<EditBox>(Slot(slot).field)->text().toStdString());
  });
  ASSERT_NE(css.find("color:\xBA\xEC#ab;"), std::string::npos);

  const auto box = CloseBoxAfter([&] { QTest::mouseClick(W(按钮1), Qt::LeftButton); });
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, QStringLiteral("代码已生成已复制"));
  const QByteArray pasted =
      RunHelper(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
  EXPECT_EQ(pasted.toStdString(), GbkToUtf8(css));
}

TEST_F(X11Test, EscapeEndsTheProcessWithExitCodeZero) {
  Window().close();  // only the separate process below counts here
  QProcess navcss;
  navcss.start(QStringLiteral(NAVCSS_BINARY), {});
  ASSERT_TRUE(navcss.waitForStarted());
  const QByteArray id = RunHelper(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--sync"),
                                   QStringLiteral("--pid"), QString::number(navcss.processId()),
                                   QStringLiteral("--name"), QStringLiteral("Quenlar")})
                            .split('\n')
                            .front();
  ASSERT_FALSE(id.isEmpty());
  RunHelper(QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(id),
             QStringLiteral("key"), QStringLiteral("Escape")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return navcss.state() == QProcess::NotRunning; }, 10000));
  EXPECT_EQ(navcss.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(navcss.exitCode(), 0);
}

}  // namespace
}  // namespace navcss::qt
