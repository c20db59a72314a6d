// The error box names the last error, the source line and the source unit.
#include "core/error_box.h"

#include "tests/support/box_watch.h"

#include <gtest/gtest.h>

namespace {

struct BoxCase {
    DWORD lastError;
    WORD line;
    const wchar_t* source;
    const wchar_t* caption;
    const wchar_t* text;
};

TEST(ErrorBox, CaptionAndTextNameTheFailure)
{
    const BoxCase cases[] = {
        {3, 104, L".\\dir", L"An 3 error occured.", L"Generic, Line=104, File=.\\dir"},
        {0, 267, L".\\treeview", L"An 0 error occured.", L"Generic, Line=267, File=.\\treeview"},
        {ERROR_CLASS_DOES_NOT_EXIST, 65535, L"", L"An 1411 error occured.", L"Generic, Line=65535, File="},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        boxwatch::ArmForThisThread();
        SetLastError(c.lastError);
        ShowErrorBox(c.line, c.source);
        boxwatch::SeenBox box = boxwatch::Disarm();
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.text, c.text);
    }
}

}  // namespace
