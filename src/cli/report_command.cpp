#include "cli/report_command.h"

#include <algorithm>
#include <cstdio>

#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_input.h"
#include "cli/picture_output.h"
#include "cli/report_environment.h"
#include "cli/report_pdf.h"
#include "cli/result_options.h"
#include "cli/settings_input.h"
#include "common/files.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "reports/report.h"
#include "reports/report_templates.h"

namespace strandel::cli {
namespace {

// The template as given; for a bare name that is no file, the template of that
// name in the Reports folder, with or without its ".txt".
std::string TemplatePath(const std::string& given) {
  if (FileExists(given) || given.find('/') != std::string::npos) return given;
  const std::string folder = JoinPath(CommandDataFolder(), "Reports");
  for (const std::string& name : {given, given + ".txt"}) {
    const std::string inFolder = JoinPath(folder, name);
    if (FileExists(inFolder)) return inFolder;
  }
  return given;
}

} // namespace

const char* const kReportUsage =
    "usage: strandel-cli report MODEL.qsd TEMPLATE.txt [--pdf OUT.pdf]\n"
    "                           [--case N | --combination N] [--settings FILE]\n"
    "\n"
    "Analyses the model and expands the report template: prints the report's lines,\n"
    "each template line with its {width;alignment;name} parameters replaced by the\n"
    "model's values in the display units of the settings, lines naming beam,\n"
    "support, node, load, force or moment parameters once for every object of that\n"
    "kind. Signs: a beam's end forces (Beam_Rx1 ...) are what the node exerts on the\n"
    "beam, in its axes; a support's results (Supp_Rx, Supp_Ry, Supp_Rm) are the\n"
    "force and moment the structure exerts on the support, x to the right, y upward,\n"
    "moments counter-clockwise. The characters | and ~ are left in the lines: on a\n"
    "printed sheet they switch bold and underline. A line that cannot be expanded\n"
    "reads \"Error:\" and why, and is counted on stderr; the rest is still printed.\n"
    "\n"
    "With --pdf the report is drawn on A4 sheets into OUT.pdf instead: a fixed\n"
    "character grid in Courier New, 10 point unless the widest line needs smaller,\n"
    "| and ~ switching bold and underline, runs of - and = drawn as rules, every\n"
    "sheet headed by the model's file name, its number of how many, and the date.\n"
    "\n"
    "TEMPLATE is a file, or the name of a template of the Reports folder\n"
    "(\"Design report\", \"Design report with load cases\", \"Beam summary\",\n"
    "\"Support reactions\", \"Bill of materials\").\n"
    "Texts such as Yes and No are in the language of the settings.\n"
    "\n"
    "A document with load cases is solved case by case and its results are those\n"
    "chosen with --case or --combination, by default the ultimate combination that\n"
    "governs; Result_Name names them. Lines naming Case_ or Comb_ parameters are\n"
    "repeated for every load case or combination (none without cases), and\n"
    "Beam_Governing names the ultimate combination that governs each beam.\n"
    "\n"
    "The report's date, user name and the folder it names the model's file in are\n"
    "today, the login name and where MODEL is, unless the environment variables\n"
    "STRANDEL_REPORT_DATE (yyyy-mm-dd), STRANDEL_REPORT_USER and\n"
    "STRANDEL_REPORT_FOLDER fix them, for a report that reads the same on every\n"
    "machine and every day.\n"
    "\n"
    "Exit status: 0 printed; 1 the analysis failed (the report is still printed, with\n"
    "every result 0); 2 bad usage, MODEL or TEMPLATE unreadable or malformed, or\n"
    "OUT.pdf not writable.\n";

int RunReport(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, WithResultOptions({{"--pdf"}, {}}));
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    PrintUsage(kReportUsage);
    return kExitOk;
  }
  if (parsed.Positional.size() != 2) return UsageError("report needs MODEL.qsd and TEMPLATE.txt");
  const CommandReportEnvironment environment = ReportEnvironmentFor(parsed.Positional[0]);
  if (!environment.Error.empty()) return UsageError(environment.Error);
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  const std::string& modelPath = parsed.Positional[0];
  ModelDocument doc;
  if (!ReadModel(modelPath, doc, ModelUse::Analyse)) return kExitUsage;
  if (!ApplyResultOptions(parsed, doc, modelPath)) return kExitUsage;
  const std::string templatePath = TemplatePath(parsed.Positional[1]);
  const TemplateReadResult read = ReadReportTemplate(templatePath);
  if (!read.ok)
    return UsageError(read.message.empty() ? "cannot read '" + templatePath + "'" : read.message);

  LoadCommandLanguage(settings);
  const ChosenAnalysis chosen = AnalyseForCommand(doc);
  const AnalysisOutcome& outcome = chosen.Outcome;
  SectionContext context;
  const ReportSources sources{doc,
                              settings,
                              environment.DocumentFolder,
                              environment.Environment,
                              chosen.Cases ? &*chosen.Cases : nullptr,
                              &outcome.Stability};
  const std::vector<std::string> lines = BuildReport(read.Lines, sources, &context);
  if (const std::optional<std::string> pdf = parsed.Value("--pdf")) {
    SheetTitle title = TitleFor(FileNameOf(modelPath));
    title.Date = environment.Environment.CurrentDate;
    if (!WritePicture(
            *pdf, ReportPdf(lines, FileTitle(templatePath) + ", " + FileNameOf(modelPath), title)))
      return kExitUsage;
  } else {
    std::string out;
    for (const std::string& line : lines)
      out += line + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
  }

  // The faulty lines are in the report where they belong; a script that only
  // looks at the exit status hears of them here.
  long faulty = 0;
  for (std::string line : read.Lines)
    faulty += LineKind(line) == ReportLineKind::Error ? 1 : 0;
  if (faulty > 0)
    UsageError(std::to_string(faulty) + " line" + (faulty == 1 ? "" : "s") + " of " + templatePath +
               " could not be expanded: see the report's lines beginning \"Error:\"");
  if (outcome.Analysed && !outcome.Ok())
    UsageError("the analysis of " + modelPath + " failed (" + FailureText(outcome) +
               "): every result in the report is 0");
  ShowNotes(outcome);
  // The analysis has told what the section values found; the report tells only
  // what is new, such as a beam of a model without nodes.
  StderrMessages messages;
  for (const std::string& note : context.NoteTexts()) {
    if (std::find(outcome.Notes.begin(), outcome.Notes.end(), note) == outcome.Notes.end())
      messages.Show(note, MessageKind::Warning);
  }
  return AnalysisExitStatus(outcome);
}

} // namespace strandel::cli
