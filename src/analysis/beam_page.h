#pragma once
// The content of the beam-analysis page: one chosen beam drawn straight and
// horizontal as a free body with every force the rest of the structure and the
// loads exert on it, a text table of those forces, and up to seven diagrams along
// the beam. Plain data in page units (an A4 sheet, millimetres, y upward), built
// anew on every update and painted by the render layer.

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/app_settings.h"
#include "model/document.h"

namespace strandel {

// The free body's beam runs from (25, 260) to (185, 260): a point at fraction t
// of the real beam is drawn at x = 25 + 160 t.
inline constexpr double kPageBeamLeft = 25;
inline constexpr double kPageBeamWidth = 160;
inline constexpr double kPageBeamY = 260;

struct TGraphPoint {
  double X = 0; // abscissa along the beam, m
  double Y = 0; // value in base units
};

// A force and moment that the rest of the structure exerts on the chosen beam at
// one node; components in the beam's axes (x along it, y turned +90 degrees).
struct TReactionObject {
  int Number = 0;                // 1, 2, ... from left to right
  long NodeNo = 0;               // the model node it belongs to
  double ForceX = 0, ForceY = 0; // N
  double Moment = 0;             // Nm, counter-clockwise positive
  double X = 0, Y = 0;           // page position
};

struct TReactionTableObject {
  std::vector<std::string> Lines; // fixed-width, 80 characters at most
  double X = kPageBeamLeft, Y = 0;
  double Width = kPageBeamWidth, Height = 0;
};

// Where an envelope diagram is largest or smallest, the combination that gives
// it and the forces acting there in that combination.
struct EnvelopeExtreme {
  double X = 0; // along the undeformed beam, m
  double Value = 0;
  long Combination = -1;                         // -1 when the beam has no points
  double NormalForce = 0, Shear = 0, Moment = 0; // N, N, Nm
};

// The room a line of notes under a diagram takes, page units.
inline constexpr double kDiagramNoteLine = 4;

enum class DiagramKind : int {
  NormalForce = 1,
  ShearForce = 2,
  Moment = 3,
  Slope = 4,
  Deflection = 5,
  Stress = 6,
  Utilisation = 7,
};
inline constexpr int kDiagramKinds = 7;

struct TDiagramObject {
  DiagramKind Kind = DiagramKind::NormalForce;
  double MaxValue = 0, MinValue = 0; // value range, base units
  double MinX = 0, MaxX = 0;         // abscissa range, m
  double XUnitFactor = 1, YUnitFactor = 1;
  std::string YLabel, XLabel = "X";
  std::uint32_t Color = 0xEBEBEB;
  double Left = kPageBeamLeft, Top = 0, Width = kPageBeamWidth, Height = 30;
  // Curve2 only for stresses (bottom fibre), and for an envelope: Curve1 the
  // largest values, Curve2 the smallest.
  std::vector<TGraphPoint> Curve1, Curve2;
  // Lines written under the diagram, kDiagramNoteLine apart: where an
  // envelope's extremes are, the combinations that give them and the forces
  // acting with them.
  std::vector<std::string> Notes;
  // An envelope's: per point of Curve1 and Curve2 the combination giving it,
  // and its highest and lowest point.
  std::vector<long> Governing1, Governing2;
  std::vector<EnvelopeExtreme> Extremes;
};

// Copies of model objects carry page coordinates; reactions, the table and the
// diagrams are the page's own.
using PageObject = std::variant<TBeamObject, TNodeObject, TForceObject, TMomentObject, TLoadObject,
                                TReactionObject, TReactionTableObject, TDiagramObject>;

struct BeamPage {
  std::vector<PageObject> Objects;
  double Zoom = 1;
  // Drawing sizes in page units, set on every update.
  double BeamHeight = 10, TextHeight = 3, LoadHeight = 3;
  // One switch per diagram kind, in kind order (the diagram buttons).
  std::array<bool, kDiagramKinds> ShowDiagram{true, true, true, true, true, true, true};
  // The beam choice list, "Beam; 3" per beam, and the line selected (-1 none).
  std::vector<std::string> BeamChoice;
  int ChoiceIndex = -1;
};

// The objects of one kind on the page, in page list order.
template <class T> std::vector<const T*> PageObjectsOf(const BeamPage& page) {
  std::vector<const T*> found;
  for (const PageObject& object : page.Objects)
    if (const T* typed = std::get_if<T>(&object)) found.push_back(typed);
  return found;
}

struct CaseAnalysis;

// The load combinations whose envelope the diagrams show, in place of the one
// result the free body and the force table show.
struct PageEnvelope {
  const CaseAnalysis* Analysis = nullptr; // none: the diagrams of the one result
  CombinationKind Kind = CombinationKind::Ultimate;
};

// Fills the choice list with every beam in model list order and selects the line
// of doc.Settings.FBDBeamNo, else the first; the selected line's number becomes
// doc.Settings.FBDBeamNo. An empty list leaves FBDBeamNo as it was.
void FillBeamChoice(BeamPage& page, ModelDocument& doc);
// The user picked another line: FBDBeamNo follows it and the page is rebuilt.
void ChooseBeam(BeamPage& page, ModelDocument& doc, const AppSettings& settings, int line,
                const PageEnvelope& envelope = {});

// Rebuilds the whole content: sizes, choice list, free body, reactions, the force
// table below it and the diagrams switched on, stacked downwards.
void UpdateBeamPage(BeamPage& page, ModelDocument& doc, const AppSettings& settings,
                    const PageEnvelope& envelope = {});

} // namespace strandel
