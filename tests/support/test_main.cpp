// The main of every test executable: GoogleTest, with the platform reset
// between cases so that each case starts as a fresh process would.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

class PlatformReset : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override { CeResetForTests(); }
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new PlatformReset);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    return RUN_ALL_TESTS();
}
