#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>

#include "actions/outside.h"
#include "css/nav_css.h"
#include "fixture.h"
#include "text/gbk.h"

namespace navcss::qt {
namespace {

using enum ControlId;

QString DefaultCss() {
  return QString::fromStdString(GbkToUtf8(
      BuildNavCss([](SlotKey slot) { return ColourToHexText(Slot(slot).defaultColour); })));
}

TEST_F(ProgramTest, ButtonsCopyTheirTextAndConfirm) {
  const struct {
    ControlId button;
    QString text;
  } cases[] = {
      {按钮1, DefaultCss()},
      {按钮2, QString::fromLatin1(kTransparentNavSnippet)},
      {按钮3, QString::fromLatin1(kHiddenNavSnippet)},
  };
  for (const auto& c : cases) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const QImage before = Grab();
    const auto box = CloseBoxAfter([&] { QTest::mouseClick(W(c.button), Qt::LeftButton); });
    ASSERT_TRUE(box) << Def(c.button).name;
    EXPECT_EQ(box->text, QStringLiteral("代码已生成已复制"));
    EXPECT_EQ(box->title, QStringLiteral("成功"));
    EXPECT_EQ(box->icon, QMessageBox::NoIcon);
    EXPECT_EQ(box->buttonCount, 1);
    EXPECT_EQ(box->modality, Qt::ApplicationModal);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.text) << Def(c.button).name;
    EXPECT_EQ(Grab(), before) << "copying changes nothing in the window";
  }
  EXPECT_EQ(DefaultCss().size(), 1193);
}

TEST_F(ProgramTest, ColourToolStartsFromTheRunDirectoryOrNothingHappens) {
  const auto noBox = CloseBoxAfter([&] { QTest::mouseClick(W(按钮4), Qt::LeftButton); });
  EXPECT_FALSE(noBox) << "a missing tool shows nothing";

  const QString tool = QString::fromStdString(ColourToolPath(runDirectory.path().toStdString()));
  const QString marker = runDirectory.filePath(QStringLiteral("started"));
  QFile script(tool);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QTest::mouseClick(W(按钮4), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
}

TEST_F(ProgramTest, EscapeInAHexFieldClosesTheWindow) {
  auto* field = Window().As<EditBox>(导鼠标移至文字);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A);
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_FALSE(Window().isVisible());
}

}  // namespace
}  // namespace navcss::qt
