// GDI+ runs for the whole test program, as it does for the whole run of the application.
#include <gtest/gtest.h>

#include <memory>

#include "framework/Gdiplus.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { session_ = std::make_unique<win::GdiplusSession>(); }
  void TearDown() override { session_.reset(); }

 private:
  std::unique_ptr<win::GdiplusSession> session_;
};

[[maybe_unused]] const auto* const kGdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
