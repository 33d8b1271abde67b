#include "app/folder_menu.h"

#include <QAction>
#include <QMenu>

#include "app/qt_text.h"
#include "common/files.h"

namespace strandel {
namespace {

void AddTree(QMenu* menu, const FolderTree& tree,
             const std::function<void(const std::string&)>& chosen, QList<QAction*>& items) {
  for (const FolderEntry& file : tree.Files) {
    QAction* item = menu->addAction(ToQt(file.Title));
    item->setData(ToQt(file.Path));
    const std::string path = file.Path;
    QObject::connect(item, &QAction::triggered, menu, [chosen, path] { chosen(path); });
    items.push_back(item);
  }
  for (const FolderTree& sub : tree.Folders) {
    QMenu* subMenu = menu->addMenu(ToQt(sub.Name));
    AddTree(subMenu, sub, chosen, items);
  }
}

} // namespace

QList<QAction*> BuildFolderMenu(QMenu* menu, const std::string& folder, const std::string& pattern,
                                bool recurse,
                                const std::function<void(const std::string&)>& chosen) {
  QList<QAction*> items;
  if (!FolderExists(folder)) return items;
  AddTree(menu, ListFolderTree(folder, pattern, recurse), chosen, items);
  return items;
}

std::string FolderMenuPath(const QAction* item) {
  return FromQt(item->data().toString());
}

} // namespace strandel
