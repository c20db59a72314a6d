#include "today/weather_download.h"

#include "core/ansi_text.h"
#include "core/registry.h"
#include "today/weather_store.h"

#include <winsock2.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr WORD kSocketsVersion = MAKEWORD(1, 1);
// Receives take at most one record at a time into a buffer of this size;
// what comes beyond it is not read.
constexpr int kReceiveChunk = 84;
constexpr size_t kReceiveBufferBytes = 10000;
constexpr int kHostChars = 256;
constexpr ULONGLONG kFileTimeUnitsPerSecond = 10000000;

struct Exchange {
    bool connected = false;
    bool ended = false;  // the server closed (or the connection broke) before the time was up
    size_t received = 0;
};

struct DownloadResult {
    bool tried = false;      // a host was set
    bool connected = false;
    bool stored = false;
};

// Milliseconds left of the exchange that began at start; 0 once it is over.
DWORD MsLeft(DWORD start)
{
    const DWORD spent = GetTickCount() - start;
    return spent >= kWeatherExchangeLimitMs ? 0 : kWeatherExchangeLimitMs - spent;
}

timeval TimeoutOf(DWORD ms)
{
    return timeval{static_cast<long>(ms / 1000), static_cast<long>(ms % 1000 * 1000)};
}

// ---- the host-name lookup, off the shell's thread ------------------------------

bool LookUpByName(const char* name, uint32_t* address)
{
    const hostent* found = gethostbyname(name);
    if (!found || found->h_addrtype != AF_INET || found->h_length != 4 || !found->h_addr_list[0])
        return false;
    std::memcpy(address, found->h_addr_list[0], 4);
    return true;
}

WeatherHostLookup HostLookup = LookUpByName;

// A lookup shared by the shell's side and the thread that runs it; the last
// of the two to let go frees it.
struct PendingLookup {
    LONG holders = 2;
    HANDLE done = nullptr;
    char name[kHostChars * 2] = "";
    WeatherHostLookup lookup = nullptr;
    bool found = false;
    uint32_t address = 0;
};

// The lookup last started, until its answer is taken up.
PendingLookup* Lookup = nullptr;

void LetGo(PendingLookup* lookup)
{
    if (InterlockedDecrement(&lookup->holders) == 0) {
        CloseHandle(lookup->done);
        delete lookup;
    }
}

DWORD WINAPI RunLookup(void* parameter)
{
    auto* lookup = static_cast<PendingLookup*>(parameter);
    WSADATA data;
    if (WSAStartup(kSocketsVersion, &data) == 0) {
        lookup->found = lookup->lookup(lookup->name, &lookup->address);
        WSACleanup();
    }
    SetEvent(lookup->done);
    LetGo(lookup);
    return 0;
}

// The thread keeps the item's module loaded until its lookup returns, as
// the shell may unload the item meanwhile.
DWORD WINAPI RunLookupInModule(void* parameter)
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&RunLookupInModule), &module);
    RunLookup(parameter);
    FreeLibraryAndExitThread(module, 0);
}

PendingLookup* StartLookup(const char* name)
{
    auto* lookup = new PendingLookup;
    lookup->done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    lookup->lookup = HostLookup;
    strncpy(lookup->name, name, sizeof(lookup->name) - 1);
    HMODULE module = nullptr;
    HANDLE thread = nullptr;
    if (lookup->done && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                           reinterpret_cast<LPCWSTR>(&RunLookupInModule), &module)) {
        thread = CreateThread(nullptr, 0, RunLookupInModule, lookup, 0, nullptr);
        if (!thread)
            FreeLibrary(module);
    }
    if (!thread) {
        if (lookup->done)
            CloseHandle(lookup->done);
        delete lookup;
        return nullptr;
    }
    CloseHandle(thread);
    return lookup;
}

void ForgetLookup()
{
    if (Lookup)
        LetGo(Lookup);
    Lookup = nullptr;
}

// A host name's address, waited for only while the exchange's time lasts.
// A lookup that has not answered by then goes on; the next download takes
// up its answer instead of starting another.
bool LookUpWithinTime(const char* name, DWORD start, in_addr* address)
{
    if (Lookup && strcmp(Lookup->name, name) != 0)
        ForgetLookup();
    if (!Lookup)
        Lookup = StartLookup(name);
    if (!Lookup)
        return false;
    if (WaitForSingleObject(Lookup->done, MsLeft(start)) != WAIT_OBJECT_0) {
        NKDbgPrintfW(L"Glimmor: no answer for the weather server's address within %u ms\r\n",
                     kWeatherExchangeLimitMs);
        return false;
    }
    const bool found = Lookup->found;
    std::memcpy(address, &Lookup->address, 4);
    ForgetLookup();
    return found;
}

bool ResolveServer(const wchar_t* host, DWORD start, sockaddr_in* server)
{
    // A host name the code page cannot carry would be looked up as another.
    std::string name;
    if (!AnsiFromWideExact(host, &name) || name.size() >= kHostChars * 2)
        return false;
    *server = sockaddr_in();
    server->sin_family = AF_INET;
    server->sin_port = htons(kWeatherPort);
    // A dotted address needs no lookup.
    server->sin_addr.s_addr = inet_addr(name.c_str());
    if (server->sin_addr.s_addr != INADDR_NONE)
        return true;
    return LookUpWithinTime(name.c_str(), start, &server->sin_addr);
}

// A connect that gives up when the exchange's time is over.
bool Connect(SOCKET s, const sockaddr_in& server, DWORD start)
{
    if (connect(s, reinterpret_cast<const sockaddr*>(&server), sizeof(server)) == 0)
        return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK)
        return false;
    fd_set writable, failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(s, &writable);
    FD_SET(s, &failed);
    timeval timeout = TimeoutOf(MsLeft(start));
    if (select(0, nullptr, &writable, &failed, &timeout) <= 0 || !FD_ISSET(s, &writable))
        return false;
    int error = 0;
    int length = sizeof(error);
    return getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 && error == 0;
}

// Reads until the server closes, the buffer is full or the time is over;
// each receive takes at most the room left.
void Receive(SOCKET s, uint8_t* buffer, DWORD start, Exchange* exchange)
{
    while (exchange->received < kReceiveBufferBytes) {
        const DWORD left = MsLeft(start);
        if (left == 0)
            return;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(s, &readable);
        timeval timeout = TimeoutOf(left);
        if (select(0, &readable, nullptr, nullptr, &timeout) <= 0)
            return;
        const int room = static_cast<int>(std::min<size_t>(kReceiveChunk, kReceiveBufferBytes - exchange->received));
        const int got = recv(s, reinterpret_cast<char*>(buffer + exchange->received), room, 0);
        if (got > 0) {
            exchange->received += static_cast<size_t>(got);
        } else if (got == 0 || WSAGetLastError() != WSAEWOULDBLOCK) {
            exchange->ended = true;
            return;
        }
    }
}

Exchange ExchangeWithServer(const sockaddr_in& server, DWORD start, uint8_t* buffer)
{
    Exchange exchange;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return exchange;
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) == 0 && Connect(s, server, start)) {
        exchange.connected = true;
        Receive(s, buffer, start, &exchange);
        shutdown(s, SD_BOTH);
    }
    closesocket(s);
    return exchange;
}

void StoreIfWhole(const Exchange& exchange, const uint8_t* buffer, DownloadResult* result)
{
    WeatherFeed feed;
    if (!exchange.ended && exchange.received < kReceiveBufferBytes)
        NKDbgPrintfW(L"Glimmor: weather server still sending after %u ms (%u bytes)\r\n", kWeatherExchangeLimitMs,
                     static_cast<unsigned>(exchange.received));
    else if (!exchange.ended || exchange.received != kWeatherFeedBytes)
        NKDbgPrintfW(L"Glimmor: weather feed of %u bytes not stored\r\n", static_cast<unsigned>(exchange.received));
    else if (!DecodeWeatherFeed(buffer, exchange.received, kWeatherRecordBytes, &feed))
        NKDbgPrintfW(L"Glimmor: weather feed refused: a record does not read\r\n");
    else
        result->stored = StoreWeatherFeed(feed);
}

DownloadResult RunDownload()
{
    DownloadResult result;
    wchar_t host[kHostChars] = L"";
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kWeatherHostValue, L"", host, sizeof(host));
    if (!host[0])
        return result;
    result.tried = true;
    WSADATA data;
    if (WSAStartup(kSocketsVersion, &data) != 0)
        return result;
    // The lookup, the connect and the receive share the one time limit.
    const DWORD start = GetTickCount();
    sockaddr_in server;
    if (ResolveServer(host, start, &server)) {
        std::vector<uint8_t> buffer(kReceiveBufferBytes);
        const Exchange exchange = ExchangeWithServer(server, start, buffer.data());
        result.connected = exchange.connected;
        if (exchange.connected)
            StoreIfWhole(exchange, buffer.data(), &result);
        else
            NKDbgPrintfW(L"Glimmor: weather server %ls not reached\r\n", host);
    } else {
        NKDbgPrintfW(L"Glimmor: weather server %ls not found\r\n", host);
    }
    WSACleanup();
    return result;
}

ULONGLONG DeviceSecondsNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32 | now.dwLowDateTime) / kFileTimeUnitsPerSecond;
}

// Whether a failed download is less than the wait ago (a clock set back
// by more than the wait ends it).
bool WaitingAfterFailure(ULONGLONG now)
{
    return WeatherRetryAfter != 0 && now < WeatherRetryAfter && WeatherRetryAfter - now <= kWeatherRetryWaitSeconds;
}

}  // namespace

void SetWeatherHostLookup(WeatherHostLookup lookup)
{
    HostLookup = lookup ? lookup : LookUpByName;
}

int DownloadWeather()
{
    return RunDownload().connected ? 1 : 0;
}

void DownloadWeatherIfDue()
{
    if (Settings.TodayShowWeather != 1 || wcscmp(TodayDateText, LastWeatherDate) == 0)
        return;
    const ULONGLONG now = DeviceSecondsNow();
    if (WaitingAfterFailure(now))
        return;
    const DownloadResult result = RunDownload();
    WeatherRetryAfter = result.tried && !result.stored ? now + kWeatherRetryWaitSeconds : 0;
}
