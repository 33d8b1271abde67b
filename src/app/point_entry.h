#pragma once
// The small field that opens over the drawing area when a number is typed
// while a point is wanted: the point typed as "x, y", "@dx, dy" or
// "@length<angle" goes to the editor on Return; a refused text stays, tinted,
// with the reason under it; Esc closes the field.

#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;

namespace strandel {

class PointEntry : public QFrame {
  Q_OBJECT
public:
  explicit PointEntry(QWidget* parent);

  // Opens at the bottom left of the parent with `text` typed, the focus in it.
  void Open(const QString& text);
  void Close();
  bool IsOpen() const { return isVisible(); }
  // The reason the text was refused, under the field.
  void ShowRefusal(const QString& reason);
  void ApplyTexts();
  // Back to the bottom left after the parent changed size.
  void Place();
  QLineEdit* Field() const { return field_; }
  QLabel* Reason() const { return reason_; }

signals:
  void Entered(const QString& text);

private:
  QLabel* prompt_ = nullptr;
  QLineEdit* field_ = nullptr;
  QLabel* reason_ = nullptr;
};

} // namespace strandel
