#pragma once
// What the property-dialog tests share: a small frame with one object of every
// kind the dialogs edit, settings in metres, millimetres, kilonewtons and
// megapascals, the English texts, and the user's hands on the fields and buttons.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "app/dialog_context.h"
#include "common/geometry.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "model/app_settings.h"
#include "support/frame_models.h"

namespace strandel::testing {

// Nodes 1 (0, 0) and 2 (4, 0), beam 1 between them with node 3 on it at a
// quarter and load 1 of -1000 N/m along it, a pin at node 1, force 1 of 1000 N
// at node 2.
struct DialogBench {
  DialogBench() {
    LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt");
    settings.Units.Length = 1;       // [m]
    settings.Units.Displacement = 4; // [mm]
    settings.Units.Force = 2;        // [KN]
    settings.Units.DistLoad = 2;     // [KN/m]
    settings.Units.Stress = 2;       // [MPa]
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 4, 0);
    AddBeam(doc, 1, 1, 2);
    AddNodeOnBeam(doc, 3, 1, 0.25);
    AddSupport(doc, 1, 1);
    AddForce(doc, 1, 2, 1000, kPi / 2);
    AddLoad(doc, 1, 1, 1, 2, -1000, kPi / 2);
  }
  ~DialogBench() { SetTranslations({}); }

  DialogContext Context() {
    return {nullptr, doc, settings, messages, dataFolder, parameters, random, [] {}};
  }
  // The first object of the kind in the model list.
  int IndexOf(ObjectKind kind) const {
    for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i)
      if (KindOf(*doc.GraphObjects[i]) == kind) return static_cast<int>(i);
    return -1;
  }
  template <class T> const T& First() const {
    return std::get<T>(*doc.GraphObjects[static_cast<std::size_t>(IndexOf(KindOfType<T>()))]);
  }
  const TNodeObject& Node(int number) const { return *FindNode(doc, number); }

  ModelDocument doc;
  AppSettings settings;
  RecordingMessages messages;
  std::string dataFolder = std::string(STRANDEL_SOURCE_DIR) + "/data/";
  ParameterTable parameters;
  RandomSequence random;
};

// Replaces the field's text as a user does: focus, select all, type.
inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

inline void Type(QLineEdit* edit, const char* text) {
  Type(edit, QString::fromUtf8(text));
}

inline void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}
inline void ClickOk(QDialog& dialog) {
  Press(dialog, QDialogButtonBox::Ok);
}
inline void ClickCancel(QDialog& dialog) {
  Press(dialog, QDialogButtonBox::Cancel);
}

} // namespace strandel::testing
