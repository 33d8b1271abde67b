// The "Structure generator" dialog as a user works it: each kind chosen and
// generated, the fields a kind does not use disabled and empty, values shown in
// the chosen units, typed values read and corrected on Tab, Enter, Up and Down,
// Cancel changing nothing, and the menu command replacing the window's model.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/generator_dialog.h"
#include "app/main_menu.h"
#include "app/numeric_field_edit.h"
#include "common/number_text.h"
#include "common/translation.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {
namespace {

template <class T> int CountOf(const ModelDocument& doc) {
  int count = 0;
  for (const T& object : ObjectsOf<T>(doc)) {
    (void)object;
    ++count;
  }
  return count;
}

// A dialog on its own model and settings, as the main window would give them.
struct GeneratorSetup {
  GeneratorSetup() { doc.Modified = false; }
  DialogContext Context() {
    return {nullptr,
            doc,
            settings,
            messages,
            dataFolder,
            expressionParameters,
            random,
            [] {},
            [this] {
              ++saveQuestions;
              return allowReplace;
            }};
  }

  ModelDocument doc;
  AppSettings settings;
  RecordingMessages messages;
  std::string dataFolder;
  ParameterTable expressionParameters;
  RandomSequence random;
  GeneratorParameters parameters;
  bool allowReplace = true;
  int saveQuestions = 0;
};

void ChooseKind(GeneratorDialog& dialog, int kind) {
  dialog.KindList()->setCurrentIndex(kind);
  emit dialog.KindList()->activated(kind);
}

void TypeInto(NumericFieldEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

// Darker than the white background: a drawn line of the structure.
int InkedPixels(const QImage& image) {
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 200) ++inked;
  return inked;
}

} // namespace

class GeneratorDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QVERIFY(LoadLanguage(STRANDEL_SOURCE_DIR "/data/Languages/English.txt")); }

  void MovingOnReadsAndCorrectsAtOnce() {
    GeneratorSetup setup;
    SetChoice(setup.settings.Units, Quantity::Length, 1); // m
    GeneratorDialog dialog(setup.Context(), setup.parameters);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    NumericFieldEdit* length = dialog.Field(GeneratorField::LengthSections);
    NumericFieldEdit* height = dialog.Field(GeneratorField::HeightSections);
    // A frame of 4 bays asked for 10 storeys: 25 cells at most, so 25 / 4 = 6.25
    // gives 6 storeys, shown as soon as Tab is pressed.
    TypeInto(length, QStringLiteral("4"));
    QTest::keyClick(length, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(height));
    TypeInto(height, QStringLiteral("10"));
    QTest::keyClick(height, Qt::Key_Tab);
    QCOMPARE(height->text().trimmed(), QStringLiteral("6"));
    QCOMPARE(int(dialog.Values().m), 6);
    // 7 bays typed beside the 6 storeys: 42 cells, so the bays give way to
    // nearest(25 / 6) = 4.
    TypeInto(length, QStringLiteral("7"));
    QTest::keyClick(length, Qt::Key_Return);
    QCOMPARE(length->text().trimmed(), QStringLiteral("4"));
    // With 3 storeys, 7 bays fit (21 cells); then 5 storeys typed: 25 / 7 = 3.57
    // gives 4 storeys, and the 28 cells are accepted.
    TypeInto(height, QStringLiteral("3"));
    QTest::keyClick(height, Qt::Key_Up);
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(length));
    TypeInto(length, QStringLiteral("7"));
    QTest::keyClick(length, Qt::Key_Return);
    QCOMPARE(length->text().trimmed(), QStringLiteral("7"));
    TypeInto(height, QStringLiteral("5"));
    QTest::keyClick(height, Qt::Key_Down);
    QCOMPARE(height->text().trimmed(), QStringLiteral("4"));
    QCOMPARE(length->text().trimmed(), QStringLiteral("7"));
    // Enter moved on and did not close the dialog.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);

    // An arch cannot rise above a half circle: W = 8 m, H typed 5 m shows 4 m.
    ChooseKind(dialog, 3);
    NumericFieldEdit* rise = dialog.Field(GeneratorField::Height);
    TypeInto(rise, QStringLiteral("5"));
    QTest::keyClick(rise, Qt::Key_Return);
    QCOMPARE(rise->text().trimmed(), QStringLiteral("4"));
    // Up goes back to the field before and reads as well: a width that is no
    // number, or not above zero, keeps the width and the focus, with the reason.
    NumericFieldEdit* width = dialog.Field(GeneratorField::Width);
    const std::pair<QString, QString> refusals[] = {
        {QStringLiteral("wide"),
         QStringLiteral("Operator/Value/Variable/Parameter on position 1 was not recognized")},
        {QStringLiteral("-3"), QStringLiteral("The value must be greater than 0")},
        {QStringLiteral("0"), QStringLiteral("The value must be greater than 0")}};
    for (const auto& [refused, reason] : refusals) {
      TypeInto(width, refused);
      QTest::keyClick(width, Qt::Key_Up);
      QCOMPARE(width->text(), refused);
      QCOMPARE(width->Refusal(), reason);
      QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(width));
      QCOMPARE(dialog.Values().W, 8.0);
    }
    // OK generates nothing until the width is taken back with Esc.
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(width, Qt::Key_Escape);
    QCOMPARE(width->text().trimmed(), QStringLiteral("8"));
    QTest::keyClick(width, Qt::Key_Up);
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(rise));
    // A chain cannot hang below its low point: H2 typed equal to H gives 0.9 H.
    ChooseKind(dialog, 4);
    NumericFieldEdit* middle = dialog.Field(GeneratorField::MiddleHeight);
    TypeInto(middle, QStringLiteral("2"));
    QTest::keyClick(middle, Qt::Key_Tab);
    QCOMPARE(middle->text().trimmed(), QStringLiteral("1.8"));
    // Sections stay within 3..25 for a bridge.
    TypeInto(length, QStringLiteral("40"));
    QTest::keyClick(length, Qt::Key_Tab);
    QCOMPARE(length->text().trimmed(), QStringLiteral("25"));
  }

  void CancelLeavesModelAndParametersAlone() {
    GeneratorSetup setup;
    AppendObject<TNodeObject>(setup.doc).Number = 1;
    const GeneratorParameters before = setup.parameters;
    GeneratorDialog dialog(setup.Context(), setup.parameters);
    dialog.show();
    ChooseKind(dialog, 2);
    TypeInto(dialog.Field(GeneratorField::Width), QStringLiteral("900"));
    QTest::keyClick(dialog.Field(GeneratorField::Width), Qt::Key_Tab);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(setup.parameters == before);
    QCOMPARE(CountOf<TNodeObject>(setup.doc), 1);
    QVERIFY(!setup.doc.Modified);
    QCOMPARE(setup.saveQuestions, 0);
  }

  void OkTakesWhatWasTypedLastAndKeepsItForNextTime() {
    GeneratorSetup setup;
    SetChoice(setup.settings.Units, Quantity::Length, 1); // m
    {
      GeneratorDialog dialog(setup.Context(), setup.parameters);
      dialog.show();
      ChooseKind(dialog, 2);
      // Typed, not yet confirmed by Tab: OK reads it.
      TypeInto(dialog.Field(GeneratorField::LengthSections), QStringLiteral("6"));
      QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    }
    // Six panels: 14 nodes less the two top corners.
    QCOMPARE(CountOf<TNodeObject>(setup.doc), 12);
    QCOMPARE(int(setup.parameters.n), 6);
    GeneratorDialog again(setup.Context(), setup.parameters);
    QCOMPARE(again.KindList()->currentIndex(), 2);
    QCOMPARE(again.Field(GeneratorField::LengthSections)->text().trimmed(), QStringLiteral("6"));
  }

  void KeepingUnsavedChangesStopsTheGenerator() {
    GeneratorSetup setup;
    AppendObject<TNodeObject>(setup.doc).Number = 1;
    setup.doc.Modified = true;
    setup.allowReplace = false; // the user cancels the question
    GeneratorDialog dialog(setup.Context(), setup.parameters);
    dialog.show();
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(setup.saveQuestions, 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(CountOf<TNodeObject>(setup.doc), 1);
  }

  void EachKindHasAPictureOfItsOwn() {
    GeneratorSetup setup;
    GeneratorDialog dialog(setup.Context(), setup.parameters);
    std::vector<QImage> pictures;
    for (int kind = 0; kind < kStructureKindCount; ++kind) {
      const QImage& picture = dialog.KindPicture(static_cast<StructureKind>(kind));
      QVERIFY(!picture.isNull());
      QVERIFY(InkedPixels(picture) > 100);
      for (const QImage& other : pictures)
        QVERIFY(picture != other);
      pictures.push_back(picture);
    }
    dialog.show();
    ChooseKind(dialog, 3);
    QCOMPARE(dialog.Picture()->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             pictures[3].convertToFormat(QImage::Format_RGB32));
  }

  void TheMenuCommandReplacesTheWindowsModel() {
    testing::AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Menu().StructureGenerator->isEnabled());
    bool seen = false;
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = qobject_cast<GeneratorDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Structure generator"));
      ChooseKind(*dialog, 1);
      QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    window.Menu().StructureGenerator->trigger();
    QVERIFY(seen);
    // An unchanged document is replaced without a question.
    QVERIFY(app.MessageTexts().empty());
    const ModelDocument& doc = window.Document();
    QCOMPARE(CountOf<TNodeObject>(doc), 10);
    QCOMPARE(doc.FileName, std::string("Noname.qsd"));
    QVERIFY(doc.Modified);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("Noname.qsd *")));
  }
};

STRANDEL_APP_TEST(GeneratorDialogTest);

} // namespace strandel

#include "generator_dialog_test.moc"
