#pragma once

#include <QLineEdit>
#include <optional>

namespace kestra {

// The numeric edit of the range fields: a whole number between MinValue and
// MaxValue.  While it has the focus it shows the bare digits for editing and
// takes only keys that keep the text a whole number (any other is refused
// with a beep); otherwise it shows the value with the locale's digit
// grouping.
//
// The range field rule binds the value whenever a value is set, a bound is
// changed, the text is set, the field is left or the value is read:
//   MaxValue > MinValue: the value is held between the two;
//   MaxValue = MinValue: no bound applies;
//   MaxValue < MinValue: only the lower bound when MaxValue is 0, only the
//   upper bound when MinValue is 0, otherwise no bound.
// A text that is not a number reads as MinValue.
class TRxCalcEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue)
  Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
  Q_PROPERTY(double Value READ Value WRITE SetValue)

 public:
  explicit TRxCalcEdit(QWidget* parent = nullptr);

  double MinValue() const { return min_value_; }
  void SetMinValue(double min_value);
  double MaxValue() const { return max_value_; }
  void SetMaxValue(double max_value);

  // The number the text holds, bound by the rule; MinValue for a text that
  // holds none.
  double Value() const;
  // Shows `value`, bound by the rule and rounded to a whole number.
  void SetValue(double value);
  // Takes a text as typed: the number it holds (MinValue when none), bound
  // by the rule.
  void SetText(const QString& text);

  // The rule itself.
  static double CheckValue(double value, double min_value, double max_value);

 signals:
  // A key or a paste was refused (after the beep).
  void inputRefused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::optional<double> NumberInText(const QString& text) const;
  void Show(double value);
  void Refuse();
  void OnTextEdited(const QString& text);

  double min_value_ = 0;
  double max_value_ = 0;
  QString accepted_text_;
};

}  // namespace kestra
