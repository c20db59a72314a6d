#include "today/weather_download.h"

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

bool ResolveServer(const wchar_t* host, sockaddr_in* server)
{
    char name[kHostChars * 2] = "";
    if (WideCharToMultiByte(CP_ACP, 0, host, -1, name, sizeof(name), nullptr, nullptr) == 0)
        return false;
    *server = sockaddr_in();
    server->sin_family = AF_INET;
    server->sin_port = htons(kWeatherPort);
    // A dotted address needs no lookup.
    server->sin_addr.s_addr = inet_addr(name);
    if (server->sin_addr.s_addr != INADDR_NONE)
        return true;
    const hostent* found = gethostbyname(name);
    if (!found || found->h_addrtype != AF_INET || found->h_length != 4 || !found->h_addr_list[0])
        return false;
    std::memcpy(&server->sin_addr, found->h_addr_list[0], 4);
    return true;
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

Exchange ExchangeWithServer(const sockaddr_in& server, uint8_t* buffer)
{
    Exchange exchange;
    const DWORD start = GetTickCount();
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
    sockaddr_in server;
    if (ResolveServer(host, &server)) {
        std::vector<uint8_t> buffer(kReceiveBufferBytes);
        const Exchange exchange = ExchangeWithServer(server, buffer.data());
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
