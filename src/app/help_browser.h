#pragma once
// The program's user guide in a window of its own: the HTML pages of the Help
// folder with their pictures, links followed inside the window.

#include <QWidget>
#include <string>

class QTextBrowser;
class QToolButton;

namespace strandel {

class HelpBrowser : public QWidget {
  Q_OBJECT
public:
  explicit HelpBrowser(QWidget* parent = nullptr);
  // Shows the page; false (and a page saying so) when it does not exist.
  bool ShowPage(const std::string& path);
  QTextBrowser* Browser() const { return browser_; }

private:
  QTextBrowser* browser_;
  QToolButton* back_;
  QToolButton* forward_;
  QToolButton* home_;
};

} // namespace strandel
