// Restriction texts nested or chained without end, and stored sort orders
// the store cannot keep.
#include "platform/outlook/restriction.h"
#include "platform/store/sort_keys.h"

#include "tests/hardening/time_limit.h"
#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

#include <limits>

using namespace poom;

namespace hardening {
namespace {

constexpr int kNestingLimit = 64;
constexpr DWORD kQueryLimitMs = 5000;
// The device gives a thread 1 MB of stack.
constexpr SIZE_T kDeviceStack = 1 << 20;

// Runs the work on a thread with the device's stack.
template <class Work>
void OnDeviceStack(Work work)
{
    struct Call {
        static DWORD WINAPI Run(void* data)
        {
            (*static_cast<Work*>(data))();
            return 0;
        }
    };
    HANDLE thread = CreateThread(nullptr, kDeviceStack, &Call::Run, &work, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

std::wstring Nested(int depth, const std::wstring& inner)
{
    return std::wstring(depth, L'(') + inner + std::wstring(depth, L')');
}

TEST(RestrictionText, NestingPastTheLimitIsMalformed)
{
    const std::wstring condition = L"[Subject] = \"회의\"";
    ItemData meeting = fixtures::Appointment(1, L"회의", MakeDate(2024, 1, 1, 9, 0), MakeDate(2024, 1, 1, 10, 0));
    struct Case {
        int depth;
        bool parses;
    };
    const Case cases[] = {{1, true}, {kNestingLimit, true}, {kNestingLimit + 1, false}, {1500, false}, {100000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.depth << " levels");
        Watched watched("nested restriction of " + std::to_string(c.depth) + " levels", kQueryLimitMs);
        OnDeviceStack([&] {
            auto restriction = Restriction::Parse(ItemKind::Appointment, Nested(c.depth, condition), L"MM/dd/yy");
            EXPECT_EQ(restriction != nullptr, c.parses);
            if (restriction) {
                EXPECT_TRUE(restriction->Matches(fixtures::ItemFields(meeting)));
            }
        });
    }
}

TEST(RestrictionText, LongChainsNeedNoDeepStack)
{
    ItemData meeting = fixtures::Appointment(1, L"회의", MakeDate(2024, 1, 15, 9, 0), MakeDate(2024, 1, 15, 10, 0));
    for (const wchar_t* joiner : {L" AND ", L" OR "}) {
        SCOPED_TRACE(testing::Message() << "joined by" << joiner);
        std::wstring query = L"[Start] >= \"01/01/24\"";
        for (int i = 0; i < 100000; ++i)
            query += joiner + std::wstring(L"[Subject] <> \"x\"");
        Watched watched("a chain of 100000 conditions", kQueryLimitMs);
        OnDeviceStack([&] {
            auto restriction = Restriction::Parse(ItemKind::Appointment, query, L"MM/dd/yy");
            ASSERT_NE(restriction, nullptr);
            EXPECT_TRUE(restriction->Matches(fixtures::ItemFields(meeting)));
            StartWindow window = restriction->StartWindowFor(1.0 / 24);
            const double unbounded = -std::numeric_limits<double>::infinity();
            EXPECT_EQ(window.from, std::wstring(joiner) == L" AND " ? MakeDate(2024, 1, 1) : unbounded);
        });
    }
}

// One sort order with a property of the type, in the stored form.
std::string StoredOrder(WORD type)
{
    store::SortOrder order;
    order.props.push_back(MAKEPROPID(0x4001, type));
    order.flags.push_back(0);
    return store::EncodeSortOrders({order});
}

TEST(SortOrders, OnlySortableTypesAreRead)
{
    struct Case {
        WORD type;
        bool sortable;
    };
    const Case cases[] = {{CEVT_I2, true},       {CEVT_UI2, true},     {CEVT_I4, true},    {CEVT_UI4, true},
                          {CEVT_BOOL, true},     {CEVT_AUTO_I4, true}, {CEVT_R8, true},    {CEVT_FILETIME, true},
                          {CEVT_LPWSTR, true},   {CEVT_BLOB, false},   {CEVT_STREAM, false}, {0, false},
                          {7, false},            {0xFFFF, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type);
        std::string stored = StoredOrder(c.type);
        store::SortOrders orders;
        EXPECT_EQ(store::DecodeSortOrders(stored.data(), stored.size(), &orders), c.sortable);
        // The descriptor a caller declares is judged the same way.
        SORTORDERSPECEX descriptor = {};
        descriptor.wVersion = SORTORDERSPECEX_VERSION;
        descriptor.wNumProps = 1;
        descriptor.rgPropID[0] = MAKEPROPID(0x4001, c.type);
        store::SortOrder declared;
        EXPECT_EQ(store::SortOrderFromDef(descriptor, &declared), c.sortable);
    }
}

}  // namespace
}  // namespace hardening
