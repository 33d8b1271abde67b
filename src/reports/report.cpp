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

PreparedLine Prepare(std::string_view line) {
  PreparedLine prepared;
  prepared.Parts = SplitTemplateLine(line);
  bool beams = false, supports = false;
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
    else if (field.Parameter->List == ParameterList::Beam)
      beams = true;
    else if (field.Parameter->List == ParameterList::Support)
      supports = true;
  }
  if (firstError.empty() && beams && supports)
    firstError = "Error:Repetetiv parameters of two kinds are mixed on the same line!";
  if (!firstError.empty()) {
    prepared.Kind = ReportLineKind::Error;
    prepared.Error = std::move(firstError);
  } else if (supports) {
    prepared.Kind = ReportLineKind::PerSupport;
  } else if (beams) {
    prepared.Kind = ReportLineKind::PerBeam;
  }
  return prepared;
}

std::string Expand(const PreparedLine& line, const ReportSources& sources, ReportObject object,
                   SectionContext& context) {
  ParameterScope scope{sources, context};
  if (const auto* beam = std::get_if<const TBeamObject*>(&object)) scope.Beam = *beam;
  if (const auto* support = std::get_if<const TSupportObject*>(&object)) scope.Support = *support;

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
      const bool needsBeam = parameter->List == ParameterList::Beam;
      const bool needsSupport = parameter->List == ParameterList::Support;
      if ((!needsBeam || scope.Beam) && (!needsSupport || scope.Support))
        value = parameter->Value(scope);
    }
    out += PadField(value, field.Alignment, field.Width);
  }
  return out;
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
      for (const TBeamObject& beam : ObjectsOf<TBeamObject>(sources.Doc))
        report.push_back(Expand(line, sources, &beam, used));
      break;
    case ReportLineKind::PerSupport:
      for (const TSupportObject& support : ObjectsOf<TSupportObject>(sources.Doc))
        report.push_back(Expand(line, sources, &support, used));
      break;
    }
  }
  return report;
}

} // namespace strandel
