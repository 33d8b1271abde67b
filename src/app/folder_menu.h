#pragma once
// Menus of the files in a data folder (standard structures, languages, report
// templates): one item per file, captioned with its title and carrying its
// path, and with sub-folders as sub-menus.

#include <QList>
#include <functional>
#include <string>

class QAction;
class QMenu;

namespace strandel {

// Adds the files of `folder` matching `pattern` to `menu`; with `recurse`,
// every sub-folder becomes a sub-menu filled the same way. Choosing an item
// calls `chosen` with its path. Nothing is added for a folder that does not
// exist. Returns the file items, sub-menus' items included, in menu order.
QList<QAction*> BuildFolderMenu(QMenu* menu, const std::string& folder, const std::string& pattern,
                                bool recurse,
                                const std::function<void(const std::string&)>& chosen);

// The path an item of such a menu carries.
std::string FolderMenuPath(const QAction* item);

} // namespace strandel
