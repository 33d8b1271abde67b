#include "reports/report.h"

#include "reports/template_syntax.h"
#include "sections/profile.h"

namespace strandel {
namespace {

// One parameter of a line, looked up once however often the line repeats.
struct PreparedField {
  const ReportParameter* Parameter = nullptr; // null: an empty value
  std::string Alignment;
  int Width = 0;
};

struct PreparedLine {
  ReportLineKind Kind = ReportLineKind::Plain;
  std::string Error;                 // the message of an error line
  std::vector<TemplatePart> Parts;   // literal text and parameters in line order
  std::vector<PreparedField> Fields; // one per parameter part
};

// The kind of a line that names a parameter of a repeating list.
ReportLineKind RepeatedKind(ParameterList list) {
  switch (list) {
  case ParameterList::Beam:
    return ReportLineKind::PerBeam;
  case ParameterList::Support:
    return ReportLineKind::PerSupport;
  case ParameterList::Node:
    return ReportLineKind::PerNode;
  case ParameterList::Load:
    return ReportLineKind::PerLoad;
  case ParameterList::Force:
    return ReportLineKind::PerForce;
  case ParameterList::Moment:
    return ReportLineKind::PerMoment;
  case ParameterList::LoadCase:
    return ReportLineKind::PerCase;
  case ParameterList::Combination:
    return ReportLineKind::PerCombination;
  default:
    return ReportLineKind::Plain;
  }
}

PreparedLine Prepare(std::string_view line) {
  PreparedLine prepared;
  prepared.Parts = SplitTemplateLine(line);
  ReportLineKind repeated = ReportLineKind::Plain;
  bool mixed = false;
  std::string firstError;
  for (const TemplatePart& part : prepared.Parts) {
    if (!part.IsParameter) continue;
    PreparedField& field = prepared.Fields.emplace_back();
    // "{}" is a parameter of nothing: it writes nothing and is no mistake.
    if (part.Text.empty()) continue;
    const ParameterField written = ReadParameterField(part.Text);
    field.Parameter = FindReportParameter(written.Name);
    field.Alignment = written.Alignment;
    const std::optional<int> width = FieldWidth(written.Width);
    field.Width = width.value_or(0);
    if (!firstError.empty()) continue;
    if (written.Name.empty())
      firstError = "Error:The line contained an unknown expression:" + part.Text;
    else if (!field.Parameter)
      firstError = "Error:The line contained an unknown parameter:" + written.Name;
    else if (!width)
      firstError = "Error:The line contained an invalid field width:" + written.Width;
    else if (RepeatsPerObject(field.Parameter->List)) {
      const ReportLineKind kind = RepeatedKind(field.Parameter->List);
      mixed = mixed || (repeated != ReportLineKind::Plain && repeated != kind);
      repeated = kind;
    }
  }
  if (firstError.empty() && mixed)
    firstError = "Error:Repetetiv parameters of two kinds are mixed on the same line!";
  if (!firstError.empty()) {
    prepared.Kind = ReportLineKind::Error;
    prepared.Error = std::move(firstError);
  } else {
    prepared.Kind = repeated;
  }
  return prepared;
}

// Whether the scope holds the object a parameter of the list is asked about.
bool HasObjectFor(const ParameterScope& scope, ParameterList list) {
  switch (list) {
  case ParameterList::Beam:
    return scope.Beam != nullptr;
  case ParameterList::Support:
    return scope.Support != nullptr;
  case ParameterList::Node:
    return scope.Node != nullptr;
  case ParameterList::Load:
    return scope.Load != nullptr;
  case ParameterList::Force:
    return scope.Force != nullptr;
  case ParameterList::Moment:
    return scope.Moment != nullptr;
  case ParameterList::LoadCase:
    return scope.Case != nullptr;
  case ParameterList::Combination:
    return scope.Combination != nullptr;
  default:
    return true;
  }
}

template <class T> const T* ObjectIn(const ReportObject& object) {
  const T* const* held = std::get_if<const T*>(&object);
  return held ? *held : nullptr;
}

std::string Expand(const PreparedLine& line, const ReportSources& sources, ReportObject object,
                   SectionContext& context) {
  ParameterScope scope{sources, context};
  scope.Beam = ObjectIn<TBeamObject>(object);
  scope.Support = ObjectIn<TSupportObject>(object);
  scope.Node = ObjectIn<TNodeObject>(object);
  scope.Load = ObjectIn<TLoadObject>(object);
  scope.Force = ObjectIn<TForceObject>(object);
  scope.Moment = ObjectIn<TMomentObject>(object);
  scope.Case = ObjectIn<TLoadCase>(object);
  scope.Combination = ObjectIn<TCombination>(object);

  std::string out;
  std::size_t fieldIndex = 0;
  for (const TemplatePart& part : line.Parts) {
    if (!part.IsParameter) {
      out += part.Text;
      continue;
    }
    const PreparedField& field = line.Fields[fieldIndex++];
    if (part.Text.empty()) continue;
    std::string value;
    if (const ReportParameter* parameter = field.Parameter) {
      if (HasObjectFor(scope, parameter->List)) value = parameter->Value(scope);
    }
    out += PadField(value, field.Alignment, field.Width);
  }
  return out;
}

// The line once for every object of the kind, in model list order.
template <class T>
void ExpandEach(std::vector<std::string>& report, const PreparedLine& line,
                const ReportSources& sources, SectionContext& context) {
  for (const T& object : ObjectsOf<T>(sources.Doc))
    report.push_back(Expand(line, sources, &object, context));
}

// The line once for every entry of one of the document's lists.
template <class T>
void ExpandList(std::vector<std::string>& report, const PreparedLine& line,
                const ReportSources& sources, SectionContext& context, const std::vector<T>& list) {
  for (const T& entry : list)
    report.push_back(Expand(line, sources, &entry, context));
}

} // namespace

ReportLineKind LineKind(std::string& line) {
  PreparedLine prepared = Prepare(line);
  if (prepared.Kind == ReportLineKind::Error) line = std::move(prepared.Error);
  return prepared.Kind;
}

std::string ExpandLine(std::string_view line, const ReportSources& sources, ReportObject object,
                       SectionContext* context) {
  SectionContext own;
  return Expand(Prepare(line), sources, object, context ? *context : own);
}

std::vector<std::string> BuildReport(const std::vector<std::string>& templateLines,
                                     const ReportSources& sources, SectionContext* context) {
  SectionContext own;
  SectionContext& used = context ? *context : own;
  std::vector<std::string> report;
  for (const std::string& templateLine : templateLines) {
    PreparedLine line = Prepare(templateLine);
    switch (line.Kind) {
    case ReportLineKind::Error:
      report.push_back(std::move(line.Error));
      break;
    case ReportLineKind::Plain:
      report.push_back(Expand(line, sources, {}, used));
      break;
    case ReportLineKind::PerBeam:
      ExpandEach<TBeamObject>(report, line, sources, used);
      break;
    case ReportLineKind::PerSupport:
      ExpandEach<TSupportObject>(report, line, sources, used);
      break;
    case ReportLineKind::PerNode:
      ExpandEach<TNodeObject>(report, line, sources, used);
      break;
    case ReportLineKind::PerLoad:
      ExpandEach<TLoadObject>(report, line, sources, used);
      break;
    case ReportLineKind::PerForce:
      ExpandEach<TForceObject>(report, line, sources, used);
      break;
    case ReportLineKind::PerMoment:
      ExpandEach<TMomentObject>(report, line, sources, used);
      break;
    case ReportLineKind::PerCase:
      ExpandList(report, line, sources, used, sources.Doc.Settings.LoadCases);
      break;
    case ReportLineKind::PerCombination:
      ExpandList(report, line, sources, used, sources.Doc.Settings.Combinations);
      break;
    }
  }
  return report;
}

} // namespace strandel
