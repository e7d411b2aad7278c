#pragma once
// A fresh, empty folder under the system's temporary folder for the running
// test: named after the prefix, the process and the test, so tests run in
// parallel never share one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace qm::test {

inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / (prefix + std::to_string(::getpid()) + "-" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace qm::test
