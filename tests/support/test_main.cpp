// The main of every test executable: GoogleTest, with the platform reset
// between cases so that each case starts as a fresh process would.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

class PlatformReset : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override { CeResetForTests(); }
};

PlatformReset* g_reset = nullptr;

}  // namespace

void testkit::KeepPlatformBetweenCases()
{
    if (!g_reset)
        return;
    delete testing::UnitTest::GetInstance()->listeners().Release(g_reset);
    g_reset = nullptr;
}

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    g_reset = new PlatformReset;
    testing::UnitTest::GetInstance()->listeners().Append(g_reset);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    return RUN_ALL_TESTS();
}
