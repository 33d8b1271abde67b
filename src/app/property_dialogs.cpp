#include "app/property_dialogs.h"

#include "app/beam_dialog.h"
#include "app/load_dialog.h"
#include "app/node_dialog.h"
#include "app/support_dialog.h"

namespace strandel {

bool ShowPropertyDialog(const DialogContext& context, ObjectKind kind, int index) {
  switch (kind) {
  case ObjectKind::Node:
    return ShowNodeDialog(context, index);
  case ObjectKind::Beam:
    return ShowBeamDialog(context, index);
  case ObjectKind::Support:
    return ShowSupportDialog(context, index);
  case ObjectKind::Load:
  case ObjectKind::Force:
  case ObjectKind::Moment:
    return ShowLoadDialog(context, index);
  }
  return false;
}

} // namespace strandel
