#pragma once

#include <QFrame>

namespace kestra {

// A panel of the window design: a frame whose children sit at fixed
// positions, and which tells when its size changes.
class Panel : public QFrame {
  Q_OBJECT

 public:
  explicit Panel(QWidget* parent = nullptr);

 signals:
  void resized();

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace kestra
