// The Hangul composer in edit controls: key sequences, the composition
// messages each step sends and the text they leave.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the edit's program sees: composition messages (through a subclass
// added after creation, as a program adds one) and change notices.
std::wstring g_events;
std::vector<std::wstring> g_searchTexts;  // the box's text, last character replaced by wParam
int g_mismatches = 0;                     // composition messages whose text did not end in wParam
WNDPROC g_editProc = nullptr;
HWND g_edit = nullptr;

void AddEvent(const std::wstring& event)
{
    if (!g_events.empty())
        g_events += L' ';
    g_events += event;
}

LRESULT CALLBACK RecordingEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_IME_STARTCOMPOSITION:
        AddEvent(L"S");
        break;
    case WM_IME_ENDCOMPOSITION:
        AddEvent(L"E");
        break;
    case WM_IME_COMPOSITION: {
        const wchar_t syllable = static_cast<wchar_t>(wParam);
        AddEvent(std::wstring(lParam & GCS_RESULTSTR ? L"R" : L"C") + syllable);
        std::wstring text = testkit::WindowText(edit);
        if (text.empty() || text.back() != syllable)
            ++g_mismatches;
        if (!text.empty())
            text.back() = syllable;
        if (!(lParam & GCS_RESULTSTR))
            g_searchTexts.push_back(text);
        break;
    }
    }
    return CallWindowProcW(g_editProc, edit, msg, wParam, lParam);
}

LRESULT CALLBACK RecordingHostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lParam) == g_edit && HIWORD(wParam) == EN_CHANGE)
        AddEvent(L"N");
    return DefWindowProcW(window, msg, wParam, lParam);
}

void SetMode(HWND window, DWORD conversion)
{
    HIMC context = ImmGetContext(window);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(ImmSetConversionStatus(context, conversion, 0));
    ImmReleaseContext(window, context);
}

DWORD ModeOf(HWND window)
{
    HIMC context = ImmGetContext(window);
    DWORD conversion = 0xDEAD;
    DWORD sentence = 0;
    ImmGetConversionStatus(context, &conversion, &sentence);
    ImmReleaseContext(window, context);
    return conversion;
}

class HangulComposer : public testing::Test {
protected:
    void SetUp() override
    {
        host = testkit::CreateTestWindow(true, 240, 294, RecordingHostProc);
        ASSERT_NE(host, nullptr);
        SetForegroundWindow(host);
    }
    void TearDown() override { DestroyWindow(host); }

    HWND NewEdit(DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, const wchar_t* text = L"")
    {
        if (g_edit)
            DestroyWindow(g_edit);
        g_edit = CreateWindowExW(0, L"EDIT", text, style, 10, 10, 200, 24, host, reinterpret_cast<HMENU>(21045),
                                 GetModuleHandleW(nullptr), nullptr);
        g_editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(g_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingEditProc)));
        SetFocus(g_edit);
        g_events.clear();
        g_searchTexts.clear();
        g_mismatches = 0;
        return g_edit;
    }
    HWND host = nullptr;
};

struct KeyCase {
    const char* name;
    DWORD mode;
    std::wstring keys;  // WM_CHAR each; '\b' is backspace
    std::wstring text;
    std::wstring events;
};

const KeyCase kKeyCases[] = {
    {"a syllable being composed", 1, L"gks", L"한", L"S Cㅎ C하 C한"},
    {"a consonant that cannot join the final starts the next", 1, L"gksrmf", L"한글",
     L"S Cㅎ C하 C한 R한 E N S Cㄱ C그 C글"},
    {"a vowel takes the final into the next syllable", 1, L"rkak", L"가마", L"S Cㄱ C가 C감 R가 E N S C마"},
    {"a double final", 1, L"ekfr", L"닭", L"S Cㄷ C다 C달 C닭"},
    {"a vowel splits a double final", 1, L"ekfrk", L"달가", L"S Cㄷ C다 C달 C닭 R달 E N S C가"},
    {"a double final takes no third consonant", 1, L"ekfrt", L"닭ㅅ", L"S Cㄷ C다 C달 C닭 R닭 E N S Cㅅ"},
    {"backspace takes jamo off one by one", 1, L"ekfr\b\b\b\b", L"", L"S Cㄷ C다 C달 C닭 C달 C다 Cㄷ E N"},
    {"backspace after a split stays in the new syllable", 1, L"rkak\b\b\b", L"",
     L"S Cㄱ C가 C감 R가 E N S C마 Cㅁ E N N"},
    {"joined vowel", 1, L"dhk", L"와", L"S Cㅇ C오 C와"},
    {"backspace undoes a joined vowel", 1, L"dho\b", L"오", L"S Cㅇ C오 C왜 C오"},
    {"a vowel that cannot join", 1, L"dkk", L"아ㅏ", L"S Cㅇ C아 R아 E N S Cㅏ"},
    {"a tense final moves whole", 1, L"dlTj", L"이써", L"S Cㅇ C이 C있 R이 E N S C써"},
    {"a tense consonant is never a final", 1, L"gkE", L"하ㄸ", L"S Cㅎ C하 R하 E N S Cㄸ"},
    {"two lone consonants", 1, L"rr", L"ㄱㄱ", L"S Cㄱ Rㄱ E N S Cㄱ"},
    {"shift on a key without a tense form", 1, L"GKS", L"한", L"S Cㅎ C하 C한"},
    {"jamo characters as the panel types them", 1, L"ㅎㅏㄴㄱ", L"한ㄱ", L"S Cㅎ C하 C한 R한 E N S Cㄱ"},
    {"a space commits and is typed", 1, L"gks ", L"한 ", L"S Cㅎ C하 C한 R한 E N N"},
    {"a digit commits and is typed", 1, L"gk1", L"하1", L"S Cㅎ C하 R하 E N N"},
    {"a native mode with other bits is Hangul", 9, L"gk", L"하", L"S Cㅎ C하"},
    {"Latin mode types letters", 0, L"gks", L"gks", L"N N N"},
    {"the keypad mode of some devices is Latin", 0x30000, L"gks", L"gks", L"N N N"},
};

TEST_F(HangulComposer, KeySequencesComposeInlineAndTellTheProgram)
{
    for (const auto& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        HWND edit = NewEdit();
        SetMode(edit, c.mode);
        EXPECT_EQ(ModeOf(edit), c.mode);
        testkit::TypeText(edit, c.keys);
        EXPECT_EQ(testkit::WindowText(edit), c.text);
        EXPECT_EQ(g_events, c.events);
        EXPECT_EQ(g_mismatches, 0);
    }
}

TEST_F(HangulComposer, SearchBoxFollowsEveryKeystroke)
{
    // The contact search box replaces its last character with the syllable
    // being composed at every composition message.
    HWND edit = NewEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, L"김");
    SendMessageW(edit, EM_SETSEL, 1, 1);
    g_events.clear();
    SetMode(edit, 1);
    testkit::TypeText(edit, L"chlrm");
    const std::vector<std::wstring> expected = {L"김ㅊ", L"김초", L"김최", L"김쵝", L"김최그"};
    EXPECT_EQ(g_searchTexts, expected);
    EXPECT_EQ(testkit::WindowText(edit), L"김최그");
}

TEST_F(HangulComposer, SelectedTextGivesWayToTheSyllable)
{
    HWND edit = NewEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, L"홍길동");
    SetMode(edit, 1);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    g_events.clear();
    testkit::TypeText(edit, L"rl");
    EXPECT_EQ(testkit::WindowText(edit), L"기");
    EXPECT_EQ(g_events, L"S Cㄱ C기");
}

struct CommitCase {
    const char* name;
    void (*commit)(HWND host, HWND edit);
    std::wstring text;  // after the commit and one more 's'
};

const CommitCase kCommitCases[] = {
    {"focus leaves the edit", [](HWND host, HWND) { SetFocus(host); }, L"하ㄴ"},
    {"the mode goes back to Latin", [](HWND, HWND edit) { SetMode(edit, 0); }, L"하s"},
    {"a caret key", [](HWND, HWND edit) { testkit::KeyDown(edit, VK_LEFT); }, L"ㄴ하"},
    {"a click in the edit", [](HWND, HWND edit) { testkit::Tap(edit, 150, 10); }, L"하ㄴ"},
    {"the program sets the selection", [](HWND, HWND edit) { SendMessageW(edit, EM_SETSEL, 0, 0); }, L"ㄴ하"},
};

TEST_F(HangulComposer, ASyllableIsCommittedWhenTypingGoesElsewhere)
{
    for (const auto& c : kCommitCases) {
        SCOPED_TRACE(c.name);
        HWND edit = NewEdit();
        SetMode(edit, 1);
        testkit::TypeText(edit, L"gk");
        g_events.clear();
        c.commit(host, edit);
        EXPECT_EQ(g_events, L"R하 E N");
        g_events.clear();
        testkit::TypeText(edit, L"s");
        EXPECT_EQ(testkit::WindowText(edit), c.text);
    }
}

TEST_F(HangulComposer, EditsThatTakeNoHangulAndAFullEdit)
{
    for (DWORD style : {ES_READONLY, ES_PASSWORD, ES_NUMBER}) {
        SCOPED_TRACE(style);
        HWND edit = NewEdit(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | style);
        SetMode(edit, 1);
        testkit::TypeText(edit, L"gk");
        EXPECT_EQ(g_events.find(L'S'), std::wstring::npos);
    }
    // A limit that leaves no room for the next syllable ends the composition.
    HWND edit = NewEdit();
    SendMessageW(edit, EM_SETLIMITTEXT, 1, 0);
    SetMode(edit, 1);
    testkit::TypeText(edit, L"gksr");
    EXPECT_EQ(testkit::WindowText(edit), L"한");
    EXPECT_EQ(g_events, L"S Cㅎ C하 C한 R한 E N S E N");
}

TEST_F(HangulComposer, ComposesInEveryEditOfTheProcess)
{
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 60, 200, 100, host,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND comboEdit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_NE(comboEdit, nullptr);
    SetFocus(comboEdit);
    SetMode(comboEdit, 1);
    testkit::TypeText(comboEdit, L"dkssudgktpdy");
    EXPECT_EQ(testkit::WindowText(combo), L"안녕하세요");

    InitRichInkDLL();
    HWND ink = CreateWindowExW(0, WC_RICHINKW, L"", 0x50A00000, 0, 100, 240, 100, host, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    HWND page = GetWindow(ink, GW_CHILD);
    SetFocus(page);
    testkit::TypeText(page, L"apah");  // 메모, the last syllable still composed
    EXPECT_EQ(testkit::WindowText(ink), L"메모");
    DestroyWindow(ink);

    // A first syllable not yet committed is the control's text as well.
    ink = CreateWindowExW(0, WC_RICHINKW, L"", 0x50A00000, 0, 100, 240, 100, host, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
    page = GetWindow(ink, GW_CHILD);
    SetFocus(page);
    testkit::TypeText(page, L"gk");
    EXPECT_EQ(testkit::WindowText(ink), L"하");
}

}  // namespace
