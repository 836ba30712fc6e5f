#include "ui/panel.h"

namespace kestra {

Panel::Panel(QWidget* parent) : QFrame(parent) {}

void Panel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  emit resized();
}

}  // namespace kestra
