#pragma once
// A size setting's up-down control on the model page's tool bar: a picture of
// what it scales and two arrows. Each click is one step; the control keeps no
// value of its own.

#include <QWidget>

class QLabel;
class QToolButton;

namespace strandel {

class UpDownControl : public QWidget {
  Q_OBJECT
public:
  UpDownControl(const char* iconName, QWidget* parent = nullptr);
  void SetHint(const QString& hint);
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

signals:
  void Up();
  void Down();

private:
  QLabel* picture_;
  QToolButton* up_;
  QToolButton* down_;
};

} // namespace strandel
