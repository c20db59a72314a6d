// Another device program writing contacts while the tests watch:
//   contacts_peer add <last name> [mobile] -> the new contact's id in "\Temp\contacts_peer.txt"
//   contacts_peer rename <id> <last name>
//   contacts_peer delete <id>
// The exit code is 0 on success.
#include "platform/ce.h"
#include "platform/outlook/client_values.h"
#include "tests/support/outlook_peer.h"

#include <cwchar>
#include <string>

namespace {

const wchar_t kAnswerFile[] = L"\\Temp\\contacts_peer.txt";

IContact* ContactOf(IDispatch* item)
{
    IContact* contact = nullptr;
    if (item && FAILED(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact))))
        contact = nullptr;
    if (item)
        item->Release();
    return contact;
}

int Add(IPOutlookApp* app, const wchar_t* last, const wchar_t* mobile)
{
    IDispatch* item = nullptr;
    app->CreateItem(olContactItem, &item);
    IContact* contact = ContactOf(item);
    if (!contact)
        return 2;
    contact->put_LastName(poomclient::Text(last));
    if (mobile)
        contact->put_MobileTelephoneNumber(poomclient::Text(mobile));
    HRESULT saved = contact->Save();
    long oid = 0;
    contact->get_Oid(&oid);
    contact->Release();
    return SUCCEEDED(saved) && testkit::WriteAnswer(kAnswerFile, std::to_wstring(static_cast<unsigned long>(oid))) ? 0 : 3;
}

IContact* Existing(IPOutlookApp* app, const wchar_t* id)
{
    IDispatch* item = nullptr;
    app->GetItemFromOid(static_cast<long>(wcstoul(id, nullptr, 10)), &item);
    return ContactOf(item);
}

int Rename(IPOutlookApp* app, const wchar_t* id, const wchar_t* last)
{
    IContact* contact = Existing(app, id);
    if (!contact)
        return 2;
    contact->put_LastName(poomclient::Text(last));
    HRESULT saved = contact->Save();
    contact->Release();
    return SUCCEEDED(saved) ? 0 : 3;
}

int Delete(IPOutlookApp* app, const wchar_t* id)
{
    IContact* contact = Existing(app, id);
    if (!contact)
        return 2;
    HRESULT deleted = contact->Delete();
    contact->Release();
    return SUCCEEDED(deleted) ? 0 : 3;
}

int Command(IPOutlookApp* app, int argc, wchar_t** argv)
{
    if (wcscmp(argv[1], L"add") == 0)
        return Add(app, argv[2], argc >= 4 ? argv[3] : nullptr);
    if (wcscmp(argv[1], L"rename") == 0 && argc >= 4)
        return Rename(app, argv[2], argv[3]);
    if (wcscmp(argv[1], L"delete") == 0)
        return Delete(app, argv[2]);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    return testkit::RunOutlookPeer(argc, argv, Command);
}
