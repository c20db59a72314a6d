// The library as a caller finds it: its exports by name and ordinal, and
// what it registers when it loads.
#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

TEST(TelvoLibrary, ExportsByPlainNameAtTheirOrdinals)
{
    const char* names[] = {
        "Telvo_EXT_DeleteAllRecord", "Telvo_EXT_DeleteRecord",     "Telvo_EXT_Dial",
        "Telvo_EXT_DialEnd",         "Telvo_EXT_GetDLLVersion",    "Telvo_EXT_GetFindMsgRead",
        "Telvo_EXT_GetLastError",    "Telvo_EXT_GetLastSMSRecord", "Telvo_EXT_GetPhoneNumber",
        "Telvo_EXT_GetRecord",       "Telvo_EXT_GetRecordTotal",   "Telvo_EXT_GetSMSMsgFirst",
        "Telvo_EXT_GetSMSMsgNext",   "Telvo_EXT_Send_SMS_Message", "Telvo_EXT_SetRecordStatus",
    };
    HMODULE library = LoadLibraryW(L"Telvo.dll");
    ASSERT_NE(library, nullptr);
    for (size_t i = 0; i < sizeof(names) / sizeof(names[0]); ++i) {
        SCOPED_TRACE(names[i]);
        FARPROC byName = GetProcAddress(library, names[i]);
        EXPECT_NE(byName, nullptr);
        EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(i + 1)), byName);
    }
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(16)), nullptr);
    EXPECT_EQ(GetProcAddress(library, "Telvo_EXT_DialPhone"), nullptr);
    // The dial as a caller that loads the library by name reaches it.
    auto dial = reinterpret_cast<TelvoDialFunction>(reinterpret_cast<void*>(GetProcAddress(library, "Telvo_EXT_Dial")));
    ASSERT_NE(dial, nullptr);
    EXPECT_EQ(dial(L"---", 1, L""), -1);
    EXPECT_EQ(Telvo_EXT_GetLastError(), TELVO_DIAL_NUMBER_EMPTY);
    FreeLibrary(library);
}

// Registered names share the clipboard formats' table: the library's
// broadcast name is in it without this test registering it.
TEST(TelvoLibrary, RegistersThePhoneBroadcastWhenLoaded)
{
    bool found = false;
    wchar_t name[64];
    for (UINT id = 0xC000; id <= 0xFFFF && !found; ++id) {
        if (GetClipboardFormatNameW(id, name, 64) > 0 && wcscmp(name, L"PHONE_COMMON_BROADCAST") == 0)
            found = true;
    }
    EXPECT_TRUE(found);
}
