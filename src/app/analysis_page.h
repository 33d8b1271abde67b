#pragma once
// The Analysis page: the list of beams, the seven diagram buttons and the A4
// sheet with the chosen beam's free body, force table and diagrams. The page
// content is the window's BeamPage, built anew on every update.

#include <QWidget>
#include <array>

#include "analysis/beam_page.h"
#include "model/app_settings.h"
#include "model/document.h"

class QAction;
class QComboBox;
class QLabel;
class QToolBar;

namespace strandel {

class ResultChoiceBox;
class SheetArea;

class AnalysisPage : public QWidget {
  Q_OBJECT
public:
  AnalysisPage(ModelDocument& doc, AppSettings& settings, BeamPage& page,
               QWidget* parent = nullptr);

  // Builds the beam page from the current results and shows it.
  void Rebuild();
  void ApplyTexts();
  void SetDocumentPath(const QString& path);

  QComboBox* BeamList() const { return beamList_; }
  ResultChoiceBox* ResultChoice() const { return resultChoice_; }
  QAction* ResultChoiceItem() const { return resultChoiceItem_; }
  // The combinations whose envelope the diagrams show; none: the one result.
  void SetEnvelope(const PageEnvelope& envelope) { envelope_ = envelope; }
  // The button of a diagram kind, 1 (normal force) to 7 (utilisation).
  QAction* DiagramButton(DiagramKind kind) const;
  SheetArea* Sheet() const { return sheet_; }

private:
  void FillBeamList();
  void BeamChosen(int line);
  void DiagramButtonsChanged();

  ModelDocument& doc_;
  AppSettings& settings_;
  BeamPage& page_;
  QToolBar* toolBar_;
  QComboBox* beamList_;
  ResultChoiceBox* resultChoice_;
  QAction* resultChoiceItem_ = nullptr;
  PageEnvelope envelope_;
  std::array<QAction*, kDiagramKinds> diagramButtons_{};
  SheetArea* sheet_;
  QLabel* status_ = nullptr;
};

} // namespace strandel
