// Properties another program keeps in an item's record come back from a
// read and a rewrite through the objects byte for byte.
#include "tests/outlook/poom_fixture.h"

#include "platform/outlook/item_fields.h"

#include <cstring>

using namespace poomtest;

namespace hardening {
namespace {

const wchar_t kAppointments[] = L"Appointments Database";
constexpr CEPROPID kOtherReal = MAKEPROPID(0x9001, CEVT_R8);
constexpr CEPROPID kOtherFlag = MAKEPROPID(0x9002, CEVT_BOOL);
constexpr CEPROPID kOtherTime = MAKEPROPID(0x9003, CEVT_FILETIME);

// 2024-03-05 14:30:12.3456789 as ticks.
FILETIME TimeWithParts()
{
    SYSTEMTIME time = {2024, 3, 0, 5, 14, 30, 12, 0};
    FILETIME result = {};
    SystemTimeToFileTime(&time, &result);
    ULARGE_INTEGER ticks;
    ticks.LowPart = result.dwLowDateTime;
    ticks.HighPart = result.dwHighDateTime;
    ticks.QuadPart += 3456789;
    result.dwLowDateTime = ticks.LowPart;
    result.dwHighDateTime = ticks.HighPart;
    return result;
}

class RecordValuesTest : public PoomTest {
protected:
    long SavedWithOtherValues()
    {
        Ref<IAppointment> appointment = NewAppointment();
        appointment->put_Subject(Text(L"원래 제목"));
        appointment->put_Start(Date(2024, 3, 5, 9, 0));
        appointment->put_End(Date(2024, 3, 5, 10, 0));
        EXPECT_EQ(appointment->Save(), S_OK);
        long oid = 0;
        appointment->get_Oid(&oid);
        CEPROPVAL values[3] = {};
        values[0].propid = kOtherReal;
        values[0].val.dblVal = 1.5;
        values[1].propid = kOtherFlag;
        values[1].val.boolVal = 5;
        values[2].propid = kOtherTime;
        values[2].val.filetime = TimeWithParts();
        EXPECT_TRUE(WriteRecord(kAppointments, static_cast<CEOID>(oid), {values, values + 3}));
        return oid;
    }

    void ExpectValuesUnchanged(long oid)
    {
        StoredRecord record = RecordOf(kAppointments, static_cast<CEOID>(oid));
        const StoredValue* real = record.Find(kOtherReal);
        const StoredValue* flag = record.Find(kOtherFlag);
        const StoredValue* time = record.Find(kOtherTime);
        ASSERT_TRUE(real && flag && time);
        EXPECT_EQ(real->real, 1.5);
        EXPECT_EQ(flag->number, 5);
        FILETIME expected = TimeWithParts();
        EXPECT_EQ(time->time.dwLowDateTime, expected.dwLowDateTime);
        EXPECT_EQ(time->time.dwHighDateTime, expected.dwHighDateTime);
    }
};

TEST_F(RecordValuesTest, AnotherProgramsValuesSurviveARename)
{
    long oid = SavedWithOtherValues();
    Ref<IAppointment> appointment;
    ASSERT_EQ(app_->GetItemFromOid(oid, appointment.AsDispatch()), S_OK);
    appointment->put_Subject(Text(L"바뀐 제목"));
    ASSERT_EQ(appointment->Save(), S_OK);
    ExpectValuesUnchanged(oid);
    StoredRecord record = RecordOf(kAppointments, static_cast<CEOID>(oid));
    const StoredValue* subject = record.Find(poom::kPropSubject);
    ASSERT_TRUE(subject);
    EXPECT_EQ(subject->text, L"바뀐 제목");
}

TEST_F(RecordValuesTest, TheItemInterfaceReadsAndWritesThemExactly)
{
    long oid = SavedWithOtherValues();
    Ref<IPOutlookApp2> app2;
    ASSERT_EQ(app_->QueryInterface(IID_IPOutlookApp2, reinterpret_cast<void**>(app2.Out())), S_OK);
    Ref<IItem> item;
    ASSERT_EQ(app2->GetItemFromOidEx(oid, 0, item.Out()), S_OK);
    const CEPROPID ids[3] = {kOtherReal, kOtherFlag, kOtherTime};
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    ASSERT_EQ(item->GetProps(ids, CEDB_ALLOWREALLOC, 3, &values, &bytes, nullptr), S_OK);
    EXPECT_EQ(values[0].val.dblVal, 1.5);
    EXPECT_EQ(values[1].val.boolVal, 5);
    FILETIME expected = TimeWithParts();
    EXPECT_EQ(std::memcmp(&values[2].val.filetime, &expected, sizeof(expected)), 0);
    // Written back through the interface as they were read, then saved.
    values[0].val.dblVal = -0.25;
    ASSERT_EQ(item->SetProps(0, 3, values), S_OK);
    LocalFree(values);
    ASSERT_EQ(item->Save(), S_OK);
    StoredRecord record = RecordOf(kAppointments, static_cast<CEOID>(oid));
    ASSERT_TRUE(record.Find(kOtherReal));
    EXPECT_EQ(record.Find(kOtherReal)->real, -0.25);
    EXPECT_EQ(record.Find(kOtherFlag)->number, 5);
    EXPECT_EQ(std::memcmp(&record.Find(kOtherTime)->time, &expected, sizeof(expected)), 0);
}

}  // namespace
}  // namespace hardening
