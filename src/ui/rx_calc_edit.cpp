#include "ui/rx_calc_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace kestra {
namespace {

// What the text may hold while it is edited: a whole number or the start
// of one.
bool IsWholeNumberSoFar(const QString& text) {
  static const QRegularExpression kWholeNumber(QStringLiteral("^-?[0-9]*$"));
  return kWholeNumber.match(text).hasMatch();
}

bool IsPrintable(const QString& text) {
  return !text.isEmpty() && text[0].isPrint();
}

}  // namespace

TRxCalcEdit::TRxCalcEdit(QWidget* parent) : QLineEdit(parent) {
  setAcceptDrops(false);
  connect(this, &QLineEdit::textEdited, this, &TRxCalcEdit::OnTextEdited);
  Show(0);
}

double TRxCalcEdit::CheckValue(double value, double min_value, double max_value) {
  if (max_value == min_value) return value;
  if (max_value > min_value) {
    if (value < min_value) return min_value;
    if (value > max_value) return max_value;
    return value;
  }
  if (max_value == 0) return value < min_value ? min_value : value;
  if (min_value == 0) return value > max_value ? max_value : value;
  return value;
}

void TRxCalcEdit::SetMinValue(double min_value) {
  min_value_ = min_value;
  SetValue(Value());
}

void TRxCalcEdit::SetMaxValue(double max_value) {
  max_value_ = max_value;
  SetValue(Value());
}

double TRxCalcEdit::Value() const {
  const std::optional<double> number = NumberInText(text());
  if (!number) return min_value_;
  return CheckValue(*number, min_value_, max_value_);
}

void TRxCalcEdit::SetValue(double value) {
  // No decimal places: halves go to the even whole number.
  const double whole = std::nearbyint(CheckValue(value, min_value_, max_value_));
  Show(whole == 0 ? 0.0 : whole);  // never "-0"
}

void TRxCalcEdit::SetText(const QString& text) {
  const std::optional<double> number = NumberInText(text);
  SetValue(number ? *number : min_value_);
}

std::optional<double> TRxCalcEdit::NumberInText(const QString& text) const {
  QString digits = text;
  digits.remove(locale().groupSeparator());
  if (digits.isEmpty() || !IsWholeNumberSoFar(digits) || digits == QLatin1String("-")) {
    return std::nullopt;
  }
  bool ok = false;
  const double number = digits.toDouble(&ok);
  if (!ok || !std::isfinite(number)) return std::nullopt;
  return number;
}

void TRxCalcEdit::Show(double value) {
  // The bare digits while edited, the grouped value otherwise.
  QString digits = QString::number(std::fabs(value), 'f', 0);
  const QLocale shown = locale();
  if (!hasFocus() && !(shown.numberOptions() & QLocale::OmitGroupSeparator)) {
    // Groups of three throughout, as the regional settings of Windows
    // show them ("1 234", not "1234").
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
      digits.insert(at, shown.groupSeparator());
    }
  }
  accepted_text_ = value < 0 ? QLatin1Char('-') + digits : digits;
  setText(accepted_text_);
}

void TRxCalcEdit::Refuse() {
  QApplication::beep();
  emit inputRefused();
}

void TRxCalcEdit::OnTextEdited(const QString& text) {
  // Pastes and anything else that got past keyPressEvent.
  if (IsWholeNumberSoFar(text)) {
    accepted_text_ = text;
    return;
  }
  const int cursor = cursorPosition();
  setText(accepted_text_);
  setCursorPosition(std::min<int>(cursor, accepted_text_.size()));
  Refuse();
}

void TRxCalcEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    SetValue(Value());
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (IsPrintable(event->text()) && !(event->modifiers() & Qt::ControlModifier)) {
    QString typed = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    typed.replace(start, selectedText().size(), event->text());
    if (!IsWholeNumberSoFar(typed)) {
      event->accept();
      Refuse();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TRxCalcEdit::focusInEvent(QFocusEvent* event) {
  // Coming in from elsewhere the field shows its grouped value: edit the
  // bare digits instead.  Text being edited (back from a popup menu or from
  // another window) stays as it is.
  const bool grouped = !IsWholeNumberSoFar(text());
  const double value = Value();
  QLineEdit::focusInEvent(event);
  if (grouped) {
    Show(value);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
      selectAll();
    }
  }
}

void TRxCalcEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A popup menu or another window taking the keyboard does not leave the
  // field.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    SetValue(Value());
  }
}

}  // namespace kestra
