// Pocket Outlook of the device from a test process: appointments and tasks
// the Today item and the main program then read.
#pragma once

#include "platform/outlook/client_values.h"

#include <gtest/gtest.h>

namespace todaytest {

// Pocket Outlook of the device, from this process.
class Outlook {
public:
    Outlook()
    {
        CoInitializeEx(nullptr, 0);
        if (SUCCEEDED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                       reinterpret_cast<void**>(&app_))))
            app_->Logon(0);
    }
    ~Outlook()
    {
        if (app_) {
            app_->Logoff();
            app_->Release();
        }
        CoUninitialize();
    }
    void AddAppointment(const wchar_t* subject, DATE start, DATE end)
    {
        IDispatch* dispatch = nullptr;
        ASSERT_TRUE(app_ && SUCCEEDED(app_->CreateItem(olAppointmentItem, &dispatch)));
        IAppointment* appointment = nullptr;
        dispatch->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment));
        dispatch->Release();
        poomclient::Text text(subject);
        appointment->put_Subject(text);
        appointment->put_Start(start);
        appointment->put_End(end);
        EXPECT_EQ(appointment->Save(), S_OK);
        appointment->Release();
    }
    void AddTask(const wchar_t* subject, DATE due)
    {
        IDispatch* dispatch = nullptr;
        ASSERT_TRUE(app_ && SUCCEEDED(app_->CreateItem(olTaskItem, &dispatch)));
        ITask* task = nullptr;
        dispatch->QueryInterface(IID_ITask, reinterpret_cast<void**>(&task));
        dispatch->Release();
        poomclient::Text text(subject);
        task->put_Subject(text);
        task->put_StartDate(due - 3);
        task->put_DueDate(due);
        EXPECT_EQ(task->Save(), S_OK);
        task->Release();
    }

private:
    IPOutlookApp* app_ = nullptr;
};

}  // namespace todaytest
