#pragma once

#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "colour/colour_value.h"
#ifndef Q_MOC_RUN  // moc cannot read the controls' Chinese identifiers
#include "app/control_id.h"
#include "app/window_definition.h"
#endif

namespace navcss::qt {

// A UTF-8 text of the definition or the core as a QString.
QString Utf8(std::string_view text);

// A one-line edit box with a sunken border, black text on the background written last.
class EditBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit EditBox(QWidget* parent);

  ColourValue Background() const { return background_; }
  void SetBackground(ColourValue colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ColourValue background_ = 0;
};

// The main window, built control by control from the window definition, hidden until
// ShowCentred. Native events go to the sink given to SetEventSink.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  using EventSink = std::function<void(ControlId, EventKind)>;

  MainWindow();

  void SetEventSink(EventSink sink) { sink_ = std::move(sink); }
  void Forward(ControlId control, EventKind event);

  QWidget* Widget(ControlId control) const { return widgets_[Index(control)]; }
  template <class T>
  T* As(ControlId control) const {
    return qobject_cast<T*>(Widget(control));
  }
  QTimer& Timer() { return timer_; }

  // The named control that owns the widget (the widget itself or its nearest ancestor);
  // none for widgets of other windows.
  std::optional<ControlId> ControlOf(const QWidget* widget) const;

  // Program writes to an edit box must not come back as a second native change.
  bool writingText = false;

  void ShowCentred();

 private:
  QWidget* Create(const ControlDef& def, QWidget* parent);

  std::array<QWidget*, kControlCount> widgets_{};
  QTimer timer_;
  EventSink sink_;
};

}  // namespace navcss::qt
