// Runs the registered Qt Test classes: all of them, or the one named by the
// first argument (the rest of the arguments go to QTest).

#include <QApplication>
#include <QTest>
#include <cstring>

#include "app/app_test_registry.h"

namespace strandel::testing {

std::vector<AppTestClass>& AppTestClasses() {
  static std::vector<AppTestClass> classes;
  return classes;
}

bool RegisterAppTest(const char* name, std::function<std::unique_ptr<QObject>()> make) {
  AppTestClasses().push_back({name, std::move(make)});
  return true;
}

} // namespace strandel::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  using strandel::testing::AppTestClasses;
  const bool chosen = argc > 1 && argv[1][0] != '-';
  int failures = 0;
  bool found = false;
  for (const auto& testClass : AppTestClasses()) {
    if (chosen && testClass.Name != argv[1]) continue;
    found = true;
    std::unique_ptr<QObject> test = testClass.Make();
    // QTest takes the program name first; the class name is not its argument.
    std::vector<char*> arguments{argv[0]};
    for (int i = chosen ? 2 : 1; i < argc; ++i)
      arguments.push_back(argv[i]);
    failures += QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
  }
  if (chosen && !found) {
    std::fprintf(stderr, "no test class named %s\n", argv[1]);
    return 2;
  }
  return failures == 0 ? 0 : 1;
}
