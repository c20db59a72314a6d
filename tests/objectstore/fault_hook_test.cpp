// The fault hook: the next write or delete of a named database fails and
// changes nothing, once.
#include "tests/objectstore/store_fixture.h"

namespace storetest {
namespace {

using FaultHookTest = StoreTest;

TEST_F(FaultHookTest, TheNextChangeOfTheNamedDatabaseFailsOnce)
{
    CEOID target = CreateDatabase(L"QuillonMemo", {});
    CEOID other = CreateDatabase(L"QuillonNote", {});
    HANDLE memo = Open(L"QuillonMemo");
    HANDLE note = Open(L"QuillonNote");
    CEPROPVAL v = I4(0, 1);
    CEOID kept = CeWriteRecordProps(memo, 0, 1, &v);

    struct Case {
        const char* what;
        DWORD armedError;
        DWORD expected;
        bool write;
    };
    const Case kCases[] = {
        {"write, default error", 0, ERROR_DISK_FULL, true},
        {"write, chosen error", ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED, true},
        {"delete", ERROR_SHARING_VIOLATION, ERROR_SHARING_VIOLATION, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CeStoreFailNextChange(L"quillonmemo", c.armedError);  // any letter case
        EXPECT_NE(CeWriteRecordProps(note, 0, 1, &v), 0u);     // other databases are untouched
        SetLastError(0);
        BOOL done = c.write ? CeWriteRecordProps(memo, 0, 1, &v) != 0 : CeDeleteRecord(memo, kept);
        EXPECT_FALSE(done);
        EXPECT_EQ(GetLastError(), c.expected);
        EXPECT_EQ(RecordCount(target), 1u);  // nothing changed
    }
    // Disarmed after one failure; NULL disarms an armed hook.
    CEOID second = CeWriteRecordProps(memo, 0, 1, &v);
    EXPECT_NE(second, 0u);
    CeStoreFailNextChange(L"QuillonMemo", 0);
    CeStoreFailNextChange(nullptr, 0);
    EXPECT_TRUE(CeDeleteRecord(memo, second));
    EXPECT_EQ(RecordCount(other), 3u);
    CloseHandle(memo);
    CloseHandle(note);
}

}  // namespace
}  // namespace storetest
