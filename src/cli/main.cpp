// strandel-cli: the program's work without a window, for scripts and build servers.

#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/beam_command.h"
#include "cli/buckling_command.h"
#include "cli/combinations_command.h"
#include "cli/command.h"
#include "cli/convert_command.h"
#include "cli/diagrams_command.h"
#include "cli/eval_command.h"
#include "cli/generate_command.h"
#include "cli/optimize_command.h"
#include "cli/render_command.h"
#include "cli/report_command.h"
#include "cli/solve_command.h"

namespace strandel::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"convert", "read a model document and write it back with the program's writer", &RunConvert},
      {"solve", "run the frame analysis: displacements, reactions, end forces, utilisation",
       &RunSolve},
      {"buckling", "the elastic critical load factor alpha_cr and the buckling mode",
       &RunBuckling},
      {"beam", "list the section, material and capacity values of every beam", &RunBeam},
      {"combinations", "list the load cases and combinations, or generate the combinations",
       &RunCombinations},
      {"eval", "evaluate input-field expressions; parameters carry to later ones", &RunEval},
      {"generate", "write a parametric frame, tower, truss girder, arch or bridge", &RunGenerate},
      {"diagrams", "the beam page of one beam drawn on A4 sheets, or its content as JSON",
       &RunDiagrams},
      {"report", "analyse the model and expand a report template into report lines", &RunReport},
      {"optimize", "move nodes to lower the highest utilisation or displacement", &RunOptimize},
      {"render", "draw the model as a PNG, BMP or PDF picture", &RunRender},
  };
  return commands;
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "strandel-cli: %s\n", message.c_str());
  return kExitUsage;
}

namespace {

void PrintOverview() {
  std::printf("Strandel %s: plane frame analysis and design check, batch front end\n"
              "\n"
              "usage: strandel-cli COMMAND [OPTIONS] ARGS...\n"
              "       strandel-cli COMMAND --help\n"
              "\n"
              "Commands:\n",
              STRANDEL_VERSION);
  for (const Command& command : Commands())
    std::printf("  %-12s %s\n", command.Name, command.Summary);
  std::printf("\n"
              "Every command accepts --settings FILE to read the application settings (units,\n"
              "thresholds, template beam, display switches, language) from FILE; the batch\n"
              "front end never writes settings.\n"
              "\n"
              "Units and signs: --json output is in SI base units (m, N, N/m, Nm, Pa, kg,\n"
              "kg/m^3, rad); tables use the display units of the settings. x runs to the\n"
              "right, y upward; angles and rotations are counter-clockwise positive. A\n"
              "support's results are the force and moment the structure exerts on the\n"
              "support (the reaction holding the structure is their opposite); a beam's end\n"
              "forces and the beam page's R are what the node exerts on the beam.\n"
              "\n"
              "Exit status: 0 done; 1 the analysis failed (unstable or degenerate structure,\n"
              "or too large for the memory; output still printed); 2 usage error, unreadable\n"
              "or malformed input, an output file that cannot be written, or a model too\n"
              "large for the memory outside the analysis.\n"
              "\n"
              "A model file that is empty or does not hold what it says (fewer objects than\n"
              "its count, a line whose end was cut off) is malformed for every command. A\n"
              "load, force or moment on a beam or node that does not exist is named on\n"
              "stderr; the commands that analyse refuse the model (status 2) unless its\n"
              "value is 0, the others go on.\n");
}

} // namespace
} // namespace strandel::cli

int main(int argc, char** argv) {
  using namespace strandel::cli;
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintOverview();
    return argc < 2 ? kExitUsage : kExitOk;
  }
  const std::string name = argv[1];
  for (const Command& command : Commands()) {
    if (name != command.Name) continue;
    try {
      return command.Run(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::bad_alloc&) {
      // A model too large for this computer, met outside the analysis (which
      // reports it as its failure): output files are written whole or not at all.
      std::fprintf(stderr, "strandel-cli: the model is too large for this computer's memory\n");
      return kExitUsage;
    }
  }
  return UsageError("unknown command '" + name + "' (strandel-cli --help lists the commands)");
}
