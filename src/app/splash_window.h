#pragma once
// The start-up picture: a borderless window of 481 x 322 pixels centred on the
// screen, saying "Loading..." while the main window is made. It closes itself
// when its 2000 ms timer has fired.

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace strandel {

inline constexpr int kSplashWidth = 481;
inline constexpr int kSplashHeight = 322;
inline constexpr int kSplashMilliseconds = 2000;

class SplashWindow : public QWidget {
  Q_OBJECT
public:
  SplashWindow();
  // Starts the timer; when it fires, the splash closes and `then` runs.
  void Start(std::function<void()> then);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPixmap picture_;
};

// The splash picture with its "Loading..." line, as the window shows it.
QPixmap SplashPicture();

} // namespace strandel
