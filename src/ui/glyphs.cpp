#include "ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace kestra {
namespace {

// Draws a 16 x 16 picture at one and at two device pixels per pixel.
QIcon Glyph(const std::function<void(QPainter&)>& draw) {
  QIcon icon;
  for (const qreal ratio : {1.0, 2.0}) {
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon OkGlyph() {
  return Glyph([](QPainter& painter) {
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    painter.setPen(QPen(QColor(0x1E, 0x8C, 0x1E), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
  });
}

QIcon HelpGlyph() {
  return Glyph([](QPainter& painter) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x1F, 0x3F, 0xBF));
    painter.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
  });
}

}  // namespace kestra
