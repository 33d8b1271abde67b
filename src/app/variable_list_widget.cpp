#include "app/variable_list_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "app/qt_text.h"

namespace strandel {
namespace {

const QString kLineFormat = QStringLiteral("application/x-strandel-optimizer-line");

QString OwnerKey(const QObject* owner) {
  return QString::number(reinterpret_cast<quintptr>(owner), 16);
}

int IdNumber(VariableListId id) {
  return id == VariableListId::Variables ? 0 : 1;
}

} // namespace

VariableListWidget::VariableListWidget(VariableListId id, const QObject* owner, QWidget* parent)
    : QListWidget(parent), id_(id), owner_(owner) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  // The dialog rebuilds both lists after a move; a move action would make the
  // list remove the dragged row itself as well.
  setDefaultDropAction(Qt::CopyAction);
}

void VariableListWidget::SetLines(const std::vector<std::string>& lines) {
  clear();
  for (const std::string& line : lines)
    addItem(ToQt(line));
}

QStringList VariableListWidget::mimeTypes() const {
  return {kLineFormat};
}

QMimeData* VariableListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
  if (items.isEmpty()) return nullptr;
  return DragData(row(items.front()));
}

QMimeData* VariableListWidget::DragData(int row) const {
  const QListWidgetItem* line = item(row);
  if (!line) return nullptr;
  auto* data = new QMimeData;
  const QString payload = OwnerKey(owner_) + QLatin1Char('\n') + QString::number(IdNumber(id_)) +
                          QLatin1Char('\n') + line->text();
  data->setData(kLineFormat, payload.toUtf8());
  return data;
}

Qt::DropActions VariableListWidget::supportedDropActions() const {
  return Qt::CopyAction;
}

std::optional<VariableListWidget::Carried>
VariableListWidget::Accepted(const QMimeData* data) const {
  if (!data || !data->hasFormat(kLineFormat)) return std::nullopt;
  const QString payload = QString::fromUtf8(data->data(kLineFormat));
  const qsizetype first = payload.indexOf(QLatin1Char('\n'));
  const qsizetype second = first < 0 ? -1 : payload.indexOf(QLatin1Char('\n'), first + 1);
  if (second < 0 || payload.left(first) != OwnerKey(owner_)) return std::nullopt;
  const QString from = payload.mid(first + 1, second - first - 1);
  if (from != QLatin1String("0") && from != QLatin1String("1")) return std::nullopt;
  Carried carried;
  carried.From = from == QLatin1String("0") ? VariableListId::Variables : VariableListId::Optimize;
  // A line dropped back on its own list stays where it was.
  if (carried.From == id_) return std::nullopt;
  carried.Line = FromQt(payload.mid(second + 1));
  return carried;
}

void VariableListWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (Accepted(event->mimeData())) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void VariableListWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (Accepted(event->mimeData())) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void VariableListWidget::dropEvent(QDropEvent* event) {
  const std::optional<Carried> carried = Accepted(event->mimeData());
  if (!carried) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  if (Dropped) Dropped(carried->From, carried->Line);
}

} // namespace strandel
