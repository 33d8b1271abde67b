#pragma once
// The main window's pages: a row of tabs over a stack of pages, where a page
// change can be refused (the Analysis and Reports pages need a solved model).
// The stack follows the tabs only when the change is accepted.

#include <QWidget>
#include <functional>

class QStackedWidget;
class QTabBar;

namespace strandel {

class PageControl : public QWidget {
  Q_OBJECT
public:
  explicit PageControl(QWidget* parent = nullptr);

  int AddPage(QWidget* page, const QString& caption);
  // The page stays in the stack but has no visible tab and cannot be chosen.
  void HidePage(int index);
  void SetCaption(int index, const QString& caption);
  QString Caption(int index) const;
  int Current() const { return current_; }
  // Changes the page as a click on its tab does; false when refused.
  bool Choose(int index);
  // Changes the page without asking (back to the model after a new document).
  void Force(int index);
  QTabBar* Tabs() const { return tabs_; }

  // Asked before a change; false keeps the current page.
  std::function<bool(int from, int to)> BeforeChange;
  // Told after a change.
  std::function<void(int page)> AfterChange;

private:
  void TabChanged(int index);
  void Show(int index);

  QTabBar* tabs_;
  QStackedWidget* stack_;
  int current_ = 0;
  bool reverting_ = false;
};

} // namespace strandel
