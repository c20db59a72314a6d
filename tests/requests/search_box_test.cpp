// The contact view's search box with Hangul typed through the platform's
// composer: the list is filtered again at each jamo, a composition in an
// empty box searches for its character alone, and Enter leaves the box for
// the contact list.
#include "mainwindow/hooks.h"
#include "mainwindow/search_box.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/requests/requests_fixture.h"
#include "tests/views/main_window_fixture.h"

#include <algorithm>

namespace requests {
namespace {

std::vector<std::wstring> g_filtered;

class SearchBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::ResetViews();
        g_filtered.clear();
        Hooks.FilterContactsByInitial = [] { g_filtered.push_back(ContactSearchText); };
        SetWindowTextW(ContactSearchBox, L"");
        SetFocus(ContactSearchBox);
        testkit::PumpPending();
        g_filtered.clear();
    }
    void TearDown() override
    {
        SamsungImeFlag = 0;
        SetFocus(ContactList);
        SipShowIM(SIPF_OFF);
    }
};

TEST_F(SearchBoxTest, IsSubclassedAtTheStart)
{
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(ContactSearchBox, GWLP_WNDPROC)), SearchEditSubclassProc);
}

// ㄱ, 기, 김 as the keys come; the text change after the syllable filters once more.
TEST_F(SearchBoxTest, TheListFollowsEveryJamoOfASyllable)
{
    testkit::TypeText(ContactSearchBox, L"rla");
    EXPECT_EQ(g_filtered, (std::vector<std::wstring>{L"ㄱ", L"기", L"김"}));
    g_filtered.clear();
    testkit::TypeText(ContactSearchBox, L"c");  // a consonant that starts the next syllable
    EXPECT_EQ(testkit::WindowText(ContactSearchBox), L"김ㅊ");
    ASSERT_FALSE(g_filtered.empty());
    EXPECT_EQ(g_filtered.back(), L"김ㅊ");
    EXPECT_NE(std::find(g_filtered.begin(), g_filtered.end(), L"김"), g_filtered.end())
        << "the committed syllable's text change filters too";
}

// A composition that reaches a still empty box searches for the character
// being composed, nothing from outside the box.
TEST_F(SearchBoxTest, ACompositionInAnEmptyBoxSearchesForItsCharacter)
{
    wcscpy(ContactSearchText, L"이전");
    SendMessageW(ContactSearchBox, WM_IME_COMPOSITION, L'가', GCS_COMPSTR);
    EXPECT_EQ(g_filtered, std::vector<std::wstring>{L"가"});
}

TEST_F(SearchBoxTest, SamsungInputLeavesTheCompositionToTheBox)
{
    SamsungImeFlag = 1;
    SendMessageW(ContactSearchBox, WM_IME_COMPOSITION, L'가', GCS_COMPSTR);
    EXPECT_TRUE(g_filtered.empty());
}

TEST_F(SearchBoxTest, EnterMovesTheFocusToTheListWithoutANewLine)
{
    SetForegroundWindow(MainWindow);
    SetFocus(ContactSearchBox);
    testkit::TypeText(ContactSearchBox, L"gks");
    SipShowIM(SIPF_ON);
    testkit::InjectKey(VK_RETURN);
    ASSERT_TRUE(testkit::PumpUntil([] { return GetFocus() == ContactList; }, 3000));
    testkit::PumpFor(100);
    EXPECT_EQ(testkit::WindowText(ContactSearchBox), L"한");
    SIPINFO panel = {};
    panel.cbSize = sizeof(panel);
    ASSERT_TRUE(SipGetInfo(&panel));
    EXPECT_FALSE(panel.fdwFlags & SIPF_ON);
}

}  // namespace
}  // namespace requests
