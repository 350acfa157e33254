#include "qt/window.h"

#include <QtWidgets/qdrawutil.h>

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "qt/colour_picker.h"
#include "qt/mockup_controls.h"
#include "qt/panel_painting.h"

namespace navcss::qt {

namespace {

const char* const kControlIdProperty = "navcssControlId";

// The desktop's 3D face colour: what push buttons are filled with.
QColor FaceColour(const QWidget& widget) {
  return widget.palette().color(QPalette::Button);
}

}  // namespace

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setTextMargins(2, 0, 2, 0);
  setContentsMargins(2, 2, 2, 2);
  QPalette pal = palette();
  pal.setColor(QPalette::Text, Qt::black);
  setPalette(pal);
  SetBackground(Rgb(255, 255, 255));
}

void EditBox::SetBackground(ColourValue colour) {
  background_ = colour;
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(colour));
  setPalette(pal);  // repaints
}

void EditBox::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(background_));
  }
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), true);
}

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
  const ControlDef& self = Def(ControlId::主窗口);
  setWindowTitle(Utf8(kMainWindow.caption));
  setFixedSize(kMainWindow.clientWidth, kMainWindow.clientHeight);
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 256}) {
    icon.addFile(QStringLiteral(":/navcss/navcss-%1.png").arg(size), QSize(size, size));
  }
  setWindowIcon(icon);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FaceColour(*this));
  setPalette(pal);
  setAutoFillBackground(self.systemFaceBackground);

  widgets_[Index(ControlId::主窗口)] = this;
  setProperty(kControlIdProperty, static_cast<int>(ControlId::主窗口));
  // Parents come before their children in the definition.
  for (const ControlDef& def : kControls) {
    if (def.id == ControlId::主窗口) continue;
    QWidget* widget = Create(def, Widget(def.parent));
    widgets_[Index(def.id)] = widget;
    if (widget == nullptr) continue;
    widget->setObjectName(Utf8(def.name));
    widget->setProperty(kControlIdProperty, static_cast<int>(def.id));
    widget->setGeometry(def.rect.x, def.rect.y, def.rect.width, def.rect.height);
    if (def.kind == ControlKind::PictureBox || def.kind == ControlKind::TransparentLabel) {
      widget->setCursor(def.pointer == Pointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
  }
  // Later siblings lie on top in Qt; the definition lists them front to back.
  for (auto it = kControls.rbegin(); it != kControls.rend(); ++it) {
    if (QWidget* widget = Widget(it->id); widget != nullptr && widget != this) widget->raise();
  }
  const auto order = TabOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(Widget(order[i - 1]), Widget(order[i]));
  }

  // Escape closes from anywhere in the window, the hex fields included.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QWidget* MainWindow::Create(const ControlDef& def, QWidget* parent) {
  const ControlId id = def.id;
  switch (def.kind) {
    case ControlKind::MainWindow:
      return nullptr;
    case ControlKind::Timer:
      connect(&timer_, &QTimer::timeout, this, [this, id] { Forward(id, EventKind::Tick); });
      // Ticks from the start; the core ignores them until the window is created.
      timer_.start(def.timerPeriodMs);
      return nullptr;
    case ControlKind::EditBox: {
      auto* box = new EditBox(parent);
      box->SetBackground(def.background);
      connect(box, &QLineEdit::textChanged, this, [this, id] {
        if (!writingText) Forward(id, EventKind::TextChanged);
      });
      return box;
    }
    case ControlKind::ColourPicker: {
      auto* picker = new ColourPicker(parent);
      picker->SetColour(def.pickerColour);
      connect(picker, &ColourPicker::colourChosen, this,
              [this, id] { Forward(id, EventKind::ColourChosen); });
      return picker;
    }
    case ControlKind::PictureBox: {
      PictureBox* box = def.systemFaceBackground ? new ColourPanel(parent) : new PictureBox(parent);
      box->SetBackground(def.systemFaceBackground ? FromQColor(FaceColour(*this)) : def.background);
      return box;
    }
    case ControlKind::TransparentLabel: {
      auto* label =
          new TransparentLabel(parent, Utf8(def.caption),
                               def.align == HAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
      if (!def.font.IsDefault()) {
        QFont font = label->font();
        font.setPixelSize(def.font.pixelHeight);
        font.setWeight(static_cast<QFont::Weight>(def.font.weight));
        label->setFont(font);
      }
      label->SetTextColour(def.textColour);
      connect(label, &TransparentLabel::leftButtonPressed, this,
              [this, id, event = def.event] { Forward(id, event); });
      return label;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(Utf8(def.caption), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      connect(button, &QPushButton::clicked, this, [this, id] { Forward(id, EventKind::Clicked); });
      return button;
    }
  }
  return nullptr;
}

void MainWindow::Forward(ControlId control, EventKind event) {
  if (sink_) sink_(control, event);
}

std::optional<ControlId> MainWindow::ControlOf(const QWidget* widget) const {
  if (widget == nullptr || widget->window() != this) return std::nullopt;
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QVariant id = widget->property(kControlIdProperty);
    if (id.isValid()) return static_cast<ControlId>(id.toInt());
  }
  return std::nullopt;
}

void MainWindow::ShowCentred() {
  // The whole primary screen, by the outer rectangle; the frame is known once shown.
  const auto centre = [this] {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
  };
  centre();
  show();
  if (frameGeometry().size() != size()) centre();
}

}  // namespace navcss::qt
