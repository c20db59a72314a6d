// Body and BodyInk: two views of one stored Rich Ink body.
#include "tests/outlook/poom_fixture.h"

using namespace poomtest;

namespace {

class BodyTest : public PoomTest {};

std::vector<BYTE> InkBody(const std::wstring& text, const std::vector<BYTE>& ink)
{
    DWORD bytes = 0;
    BYTE* body = InkBodyCreate(text.c_str(), static_cast<DWORD>(text.size()), ink.data(),
                               static_cast<DWORD>(ink.size()), &bytes);
    std::vector<BYTE> result(body, body + bytes);
    LocalFree(body);
    return result;
}

// One stroke: 2 points, width 1, black.
const std::vector<BYTE> kStroke = {2, 0, 1, 0, 0, 0, 0, 0, 10, 0, 10, 0, 20, 0, 30, 0};

std::vector<BYTE> ReadInk(ITask* task)
{
    BYTE* ink = nullptr;
    int bytes = -1;
    EXPECT_EQ(task->get_BodyInk(&ink, &bytes), S_OK);
    std::vector<BYTE> result;
    if (ink) {
        result.assign(ink, ink + bytes);
        LocalFree(ink);
    }
    return result;
}

std::wstring ReadText(ITask* task)
{
    BSTR text = nullptr;
    task->get_Body(&text);
    return Take(text);
}

TEST_F(BodyTest, TextWrittenIsSeenAsInkAndBack)
{
    Ref<ITask> task = NewTask();
    EXPECT_TRUE(ReadInk(task.Get()).empty());
    task->put_Body(Text(L"첫 줄\r\n둘째 줄"));
    ASSERT_EQ(task->Save(), S_OK);
    long oid = 0;
    task->get_Oid(&oid);
    Ref<ITask> back;
    ASSERT_EQ(app_->GetItemFromOid(oid, back.AsDispatch()), S_OK);
    EXPECT_EQ(ReadInk(back.Get()), InkBody(L"첫 줄\r\n둘째 줄", {}));
    // Ink written is read back byte for byte, and its text is the Body.
    std::vector<BYTE> inked = InkBody(L"메모", kStroke);
    ASSERT_EQ(back->put_BodyInk(inked.data(), static_cast<int>(inked.size())), S_OK);
    ASSERT_EQ(back->Save(), S_OK);
    Ref<ITask> again;
    ASSERT_EQ(app_->GetItemFromOid(oid, again.AsDispatch()), S_OK);
    EXPECT_EQ(ReadInk(again.Get()), inked);
    EXPECT_EQ(ReadText(again.Get()), L"메모");
    // New text keeps the strokes.
    again->put_Body(Text(L"바뀐 메모"));
    EXPECT_EQ(ReadInk(again.Get()), InkBody(L"바뀐 메모", kStroke));
    // No text and no ink is no body at all.
    again->put_BodyInk(nullptr, 0);
    EXPECT_TRUE(ReadInk(again.Get()).empty());
    EXPECT_EQ(ReadText(again.Get()), L"");
    EXPECT_EQ(again->put_BodyInk(nullptr, 5), E_INVALIDARG);
}

TEST_F(BodyTest, ALongBodyAndBytesThatAreNoInkBody)
{
    Ref<ITask> task = NewTask();
    std::wstring text(60000, L'가');
    task->put_Body(Text(text));
    ASSERT_EQ(task->Save(), S_OK);
    long oid = 0;
    task->get_Oid(&oid);
    Ref<ITask> back;
    ASSERT_EQ(app_->GetItemFromOid(oid, back.AsDispatch()), S_OK);
    EXPECT_EQ(ReadText(back.Get()), text);
    // Bytes from elsewhere are kept as they are; they have no text.
    std::vector<BYTE> foreign = {1, 2, 3, 4, 5};
    back->put_BodyInk(foreign.data(), 5);
    ASSERT_EQ(back->Save(), S_OK);
    Ref<ITask> again;
    ASSERT_EQ(app_->GetItemFromOid(oid, again.AsDispatch()), S_OK);
    EXPECT_EQ(ReadInk(again.Get()), foreign);
    EXPECT_EQ(ReadText(again.Get()), L"");
}

}  // namespace
