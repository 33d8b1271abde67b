// Replays fuzz inputs without libFuzzer: every file under the folders given (or
// each file given) is fed once to the target, in name order, so that ctest runs
// every seed and every kept finding under the sanitizers of the build. Hidden
// files (.gitkeep) are skipped; a folder that does not exist holds no inputs.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool IsHidden(const fs::path& path) {
  const std::string name = path.filename().string();
  return !name.empty() && name[0] == '.';
}

std::vector<fs::path> Inputs(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
      inputs.push_back(path);
      continue;
    }
    if (!fs::is_directory(path, error)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(path, error)) {
      if (entry.is_regular_file() && !IsHidden(entry.path())) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

} // namespace

int main(int argc, char** argv) {
  const std::vector<fs::path> inputs = Inputs(argc, argv);
  if (inputs.empty()) {
    std::fprintf(stderr, "no fuzz inputs found: a target needs a seed corpus\n");
    return 1;
  }
  for (const fs::path& path : inputs) {
    // Named first, so that a crash in the target points at its input.
    std::fprintf(stderr, "%s\n", path.string().c_str());
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    if (!file.good() && !file.eof()) {
      std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
      return 1;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
