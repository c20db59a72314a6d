// The test kit's message-box watch answers with the button chosen and
// reads the box's caption and text.
#include "tests/support/box_watch.h"

#include <gtest/gtest.h>

namespace {

TEST(BoxWatch, AnswersWithTheButtonChosen)
{
    const struct {
        UINT buttons;
        int answer;
    } cases[] = {{MB_OK, IDOK}, {MB_YESNO, IDYES}, {MB_YESNO, IDNO}, {MB_YESNOCANCEL, IDCANCEL},
                 {MB_YESNOCANCEL, IDNO}, {MB_OKCANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        boxwatch::ArmForThisThread(c.answer);
        const int got = MessageBoxW(nullptr, L"연락처 자료를 삭제 하시겠습니까?", L"확인", c.buttons);
        boxwatch::SeenBox box = boxwatch::Disarm();
        EXPECT_EQ(got, c.answer);
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, L"확인");
        EXPECT_EQ(box.text, L"연락처 자료를 삭제 하시겠습니까?");
    }
}

}  // namespace
