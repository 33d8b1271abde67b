#pragma once
// The Qt Test classes of the desktop program, each registered by name so that
// one executable holds them all and ctest runs each class as a test of its own.

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace strandel::testing {

struct AppTestClass {
  std::string Name;
  std::function<std::unique_ptr<QObject>()> Make;
};

std::vector<AppTestClass>& AppTestClasses();
bool RegisterAppTest(const char* name, std::function<std::unique_ptr<QObject>()> make);

} // namespace strandel::testing

// Registers a Qt Test class; tests/app/CMakeLists.txt reads these lines to
// give every class its ctest entry.
#define STRANDEL_APP_TEST(Class)                                                                   \
  static const bool kRegistered##Class = ::strandel::testing::RegisterAppTest(                     \
      #Class, [] { return std::unique_ptr<QObject>(new Class); })
