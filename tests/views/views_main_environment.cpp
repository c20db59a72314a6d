// The cases of this executable share one started main window, so the
// platform is kept between them.
#include "tests/views/main_window_fixture.h"

namespace {

class SharedMainWindow : public testing::Environment {
    void SetUp() override { testkit::KeepPlatformBetweenCases(); }
    void TearDown() override { views::StopMainWindow(); }
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new SharedMainWindow);

}  // namespace
