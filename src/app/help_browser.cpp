#include "app/help_browser.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace strandel {

HelpBrowser::HelpBrowser(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), back_(new QToolButton(this)),
      forward_(new QToolButton(this)), home_(new QToolButton(this)) {
  setWindowTitle(QStringLiteral("Strandel"));
  resize(820, 680);
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  back_->setArrowType(Qt::LeftArrow);
  forward_->setArrowType(Qt::RightArrow);
  home_->setText(QStringLiteral("\u2302"));
  back_->setEnabled(false);
  forward_->setEnabled(false);
  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(home_);
  bar->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(bar);
  layout->addWidget(browser_, 1);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Strandel") : title);
  });
}

bool HelpBrowser::ShowPage(const std::string& path) {
  const QFileInfo file(ToQt(path));
  if (!file.isFile()) {
    browser_->clearHistory();
    // No guide is installed: the page names the file that is missing.
    browser_->setPlainText(QStringLiteral("? ") + ToQt(path));
    return false;
  }
  browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  return true;
}

} // namespace strandel
