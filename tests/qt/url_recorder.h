#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace navcss::qt {

// Stands in for the desktop's URL handler (QDesktopServices::setUrlHandler).
class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

}  // namespace navcss::qt
