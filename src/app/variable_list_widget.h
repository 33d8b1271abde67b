#pragma once
// One of the optimizer dialog's two lists, "Variables :" or "Optimize :". A
// line dragged from one list and dropped on the other moves its variable; the
// drag carries the line, the list it left and the dialog it belongs to, so a
// drop from anywhere else (another dialog, another program) is refused.

#include <QListWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "optimizer/variable_lists.h"

namespace strandel {

class VariableListWidget : public QListWidget {
  Q_OBJECT
public:
  // `owner` identifies the dialog whose two lists may trade lines.
  VariableListWidget(VariableListId id, const QObject* owner, QWidget* parent = nullptr);

  VariableListId Id() const { return id_; }
  // Shows these lines, in order.
  void SetLines(const std::vector<std::string>& lines);
  // What dragging the line at `row` carries (the test drives drops with it).
  QMimeData* DragData(int row) const;

  // A line of the other list of the same dialog was dropped here.
  std::function<void(VariableListId from, const std::string& line)> Dropped;

protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
  Qt::DropActions supportedDropActions() const override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  struct Carried {
    VariableListId From = VariableListId::Variables;
    std::string Line;
  };
  // What a drag brings, when it comes from the other list of this dialog.
  std::optional<Carried> Accepted(const QMimeData* data) const;

  VariableListId id_;
  const QObject* owner_;
};

} // namespace strandel
