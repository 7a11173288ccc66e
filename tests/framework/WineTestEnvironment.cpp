// What every Wine test program has, as the application has it for its whole run: GDI+ running, and the
// program folder at the test program's own, where the shipped texts and skin are staged.
#include <gtest/gtest.h>

#include <memory>

#include "framework/Gdiplus.h"
#include "tests/framework/TestSupport.h"

namespace {

class WineTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    session_ = std::make_unique<win::GdiplusSession>();
    fwtest::UseProgramFilesBesideTest();
  }
  void TearDown() override { session_.reset(); }

 private:
  std::unique_ptr<win::GdiplusSession> session_;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new WineTestEnvironment);

}  // namespace
