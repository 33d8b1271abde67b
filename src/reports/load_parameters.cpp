// The parameters that let a report be checked on its own: the node
// coordinates, every applied load with its host and values, and the sums of
// the loads and of the forces on the supports, which balance.

#include <cmath>

#include "reports/load_sums.h"
#include "reports/parameter_lists.h"

namespace strandel {
namespace {

// A node of an object that has not been placed (-1) is left blank.
std::string NodeText(long number) {
  return number < 0 ? std::string() : std::to_string(number);
}

std::string NodeNumber(ParameterScope& scope) {
  return std::to_string(scope.Node->Number);
}

template <double TNodeObject::*Coordinate> std::string NodeCoordinate(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::Length, (*scope.Node).*Coordinate);
}

// The beam the node lies on; blank for a node of its own.
std::string NodeBeam(ParameterScope& scope) {
  return NodeText(scope.Node->HostBeam);
}

std::string LoadNumber(ParameterScope& scope) {
  return std::to_string(scope.Load->Number);
}
std::string LoadBeam(ParameterScope& scope) {
  return std::to_string(scope.Load->HostBeam);
}
template <std::int32_t TLoadObject::*End> std::string LoadNode(ParameterScope& scope) {
  return NodeText((*scope.Load).*End);
}

// Where the load starts or ends, measured along its beam from the beam's start
// node; blank when the beam does not exist.
template <bool Start> std::string LoadPosition(ParameterScope& scope) {
  const TBeamObject* beam = FindBeam(scope.Sources.Doc, scope.Load->HostBeam);
  if (beam == nullptr) return {};
  const LoadStretch stretch =
      StretchOnBeam(scope.Context.Connections(scope.Sources.Doc), *scope.Load, *beam);
  return ShownParameterValue(scope, Quantity::Length,
                             (Start ? stretch.Start : stretch.End) * stretch.BeamLength);
}

// A value acting along a direction, and its components in x (cos) and y (sin).
// An angle in radians carries rounding, so a load straight down has a cosine of
// 6e-17 instead of 0; a component that small is no component and reads 0.
enum class Part { Value, X, Y };
double PartOf(double value, double angle, Part part) {
  constexpr double kRoundingCosine = 1e-12;
  if (part == Part::Value) return value;
  const double share = part == Part::X ? std::cos(angle) : std::sin(angle);
  return std::fabs(share) < kRoundingCosine ? 0.0 : value * share;
}

template <Part P> std::string LoadIntensity(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::DistLoad,
                             PartOf(scope.Load->Value, scope.Load->Angle, P));
}
std::string LoadAngle(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::Angle, scope.Load->Angle);
}

// The load case an object belongs to.
template <class T, const T* ParameterScope::*Object> std::string CaseOf(ParameterScope& scope) {
  return CaseParameterValue(scope, (scope.*Object)->Case);
}

std::string ForceNumber(ParameterScope& scope) {
  return std::to_string(scope.Force->Number);
}
std::string ForceNode(ParameterScope& scope) {
  return NodeText(scope.Force->NodeNo);
}
template <Part P> std::string ForceValue(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::Force,
                             PartOf(scope.Force->Value, scope.Force->Angle, P));
}
std::string ForceAngle(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::Angle, scope.Force->Angle);
}

std::string MomentNumber(ParameterScope& scope) {
  return std::to_string(scope.Moment->Number);
}
std::string MomentNode(ParameterScope& scope) {
  return NodeText(scope.Moment->NodeNo);
}
std::string MomentValue(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::Moment, scope.Moment->Value);
}

// The sums: the applied loads, the forces on the supports, and what is left of
// the supports' forces after the loads are taken off (rounding when the frame
// is in equilibrium).
enum class Sum { Loads, Supports, Difference };
template <Sum S, double ForceSum::*Component> std::string Total(ParameterScope& scope) {
  const ModelDocument& doc = scope.Sources.Doc;
  double value = 0;
  if (S == Sum::Loads) value = AppliedLoadSum(doc, scope.Context).*Component;
  if (S == Sum::Supports) value = SupportForceSum(doc, scope.Context).*Component;
  if (S == Sum::Difference)
    value = SupportForceSum(doc, scope.Context).*Component -
            AppliedLoadSum(doc, scope.Context).*Component;
  const Quantity quantity = Component == &ForceSum::M ? Quantity::Moment : Quantity::Force;
  return ShownParameterValue(scope, quantity, value);
}

} // namespace

const std::vector<ReportParameter>& NodeParameters() {
  constexpr ParameterList L = ParameterList::Node;
  static const std::vector<ReportParameter> parameters = {
      {"Node_No", L, &NodeNumber},
      {"Node_X", L, &NodeCoordinate<&TNodeObject::X>},
      {"Node_Y", L, &NodeCoordinate<&TNodeObject::Y>},
      {"Node_Beam", L, &NodeBeam},
  };
  return parameters;
}

const std::vector<ReportParameter>& LoadParameters() {
  constexpr ParameterList L = ParameterList::Load;
  static const std::vector<ReportParameter> parameters = {
      {"Load_No", L, &LoadNumber},
      {"Load_Beam", L, &LoadBeam},
      {"Load_Node1", L, &LoadNode<&TLoadObject::Node1>},
      {"Load_Node2", L, &LoadNode<&TLoadObject::Node2>},
      {"Load_Start", L, &LoadPosition<true>},
      {"Load_End", L, &LoadPosition<false>},
      {"Load_Value", L, &LoadIntensity<Part::Value>},
      {"Load_Angle", L, &LoadAngle},
      {"Load_Qx", L, &LoadIntensity<Part::X>},
      {"Load_Qy", L, &LoadIntensity<Part::Y>},
      {"Load_Case", L, &CaseOf<TLoadObject, &ParameterScope::Load>},
  };
  return parameters;
}

const std::vector<ReportParameter>& ForceParameters() {
  constexpr ParameterList L = ParameterList::Force;
  static const std::vector<ReportParameter> parameters = {
      {"Force_No", L, &ForceNumber},
      {"Force_Node", L, &ForceNode},
      {"Force_Value", L, &ForceValue<Part::Value>},
      {"Force_Angle", L, &ForceAngle},
      {"Force_Fx", L, &ForceValue<Part::X>},
      {"Force_Fy", L, &ForceValue<Part::Y>},
      {"Force_Case", L, &CaseOf<TForceObject, &ParameterScope::Force>},
  };
  return parameters;
}

const std::vector<ReportParameter>& MomentParameters() {
  constexpr ParameterList L = ParameterList::Moment;
  static const std::vector<ReportParameter> parameters = {
      {"Moment_No", L, &MomentNumber},
      {"Moment_Node", L, &MomentNode},
      {"Moment_Value", L, &MomentValue},
      {"Moment_Case", L, &CaseOf<TMomentObject, &ParameterScope::Moment>},
  };
  return parameters;
}

const std::vector<ReportParameter>& BalanceParameters() {
  constexpr ParameterList L = ParameterList::Balance;
  using F = ForceSum;
  static const std::vector<ReportParameter> parameters = {
      {"Sum_LoadX", L, &Total<Sum::Loads, &F::X>},
      {"Sum_LoadY", L, &Total<Sum::Loads, &F::Y>},
      {"Sum_LoadM", L, &Total<Sum::Loads, &F::M>},
      {"Sum_SuppX", L, &Total<Sum::Supports, &F::X>},
      {"Sum_SuppY", L, &Total<Sum::Supports, &F::Y>},
      {"Sum_SuppM", L, &Total<Sum::Supports, &F::M>},
      {"Sum_DiffX", L, &Total<Sum::Difference, &F::X>},
      {"Sum_DiffY", L, &Total<Sum::Difference, &F::Y>},
      {"Sum_DiffM", L, &Total<Sum::Difference, &F::M>},
  };
  return parameters;
}

} // namespace strandel
