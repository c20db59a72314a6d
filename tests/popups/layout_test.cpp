// The Today item's pop-ups opened for real over a busy day and measured as
// the screen shows them: every visible control inside the screen, none over
// another, every text whole in its control.
#include "tests/popups/popup_fixture.h"

#include "core/link_tables.h"
#include "tests/popups/weather_fixture.h"
#include "tests/support/layout_check.h"
#include "today/contact_card.h"
#include "today/detail_popup.h"
#include "today/item_menus.h"
#include "today/layout.h"
#include "today/popup_frame.h"
#include "today/resource.h"
#include "today/weather_dialog.h"
#include "today/weather_store.h"

namespace {

using namespace popuptest;
using todaytest::Date;

class PopupLayoutTest : public PopupTest {
protected:
    void Measure(PopupKind kind, const std::wstring& name)
    {
        ASSERT_TRUE(Shown(kind)) << layout::Utf8(name);
        testkit::PumpFor(150);
        for (const std::wstring& breach : layout::Breaches(Popup(kind), name, layout::Rules{}))
            ADD_FAILURE() << layout::Utf8(breach);
        testkit::SaveScreenshot(testkit::CaptureScreen(), L"layout-" + name);
        HidePopup(kind);
    }
};

TEST_F(PopupLayoutTest, EveryPopUpFitsTheScreen)
{
    const CEOID contact = AddCardContact();
    const CEOID linked = AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    AddPlanLink(contact, linked);
    AddAppointment({L"야간 작업", Date(2024, 5, 7, 22, 0), Date(2024, 5, 8, 2, 0)});
    ShowSchedule(4);

    ShowItemDetailDialog(EntryOf(L"야간 작업"));
    Measure(kPopupDetail, L"detail-two-dates");
    ShowItemDetailDialog(EntryOf(L"치과"));
    Measure(kPopupDetail, L"detail-timed");
    ShowContactCard(EntryOf(L"치과"));
    Measure(kPopupContactCard, L"contact-card");
    ASSERT_TRUE(OnItemCommand(IDM_PICK_DATE));
    Measure(kPopupPickDate, L"pick-date");

    weathertest::ResetWeatherState();
    Settings.TodayShowWeather = 1;
    ASSERT_TRUE(StoreWeatherFeed(weathertest::FixtureRecords()));
    BuildHotZones();
    ShowWeatherDialog(0);
    Measure(kPopupWeather, L"weather");
}

}  // namespace
