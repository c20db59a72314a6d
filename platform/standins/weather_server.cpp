// A stand-in for the weather server the Today item downloads its feed from.
// It listens on TCP port 4888 of the loopback address given (127.0.0.N, so
// that tests can run side by side), serves each connection the file given
// in the mode given, and records every connection in the device's log:
//   WeatherServer: listening on 127.0.0.5:4888 (mode whole, 5880 bytes)
//   WeatherServer: connection 1: sent 5880 bytes, received 0 bytes
// It serves until it is ended.
//   WeatherServer.exe /address A.B.C.D /feed FILE [/mode MODE]
// Modes: whole (the file as it is), cut:N (its first N bytes), extra:N (the
// file and N bytes more), trickle:MS (84 bytes every MS milliseconds),
// silent (accepts, never sends or closes), close (closes at once). Each
// served connection is half-closed after the bytes and read until the
// client closes, to record what the client sent.
#include "platform/ce.h"

#include <winsock2.h>

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr unsigned short kPort = 4888;
constexpr int kBacklog = 4;
constexpr size_t kTrickleBytes = 84;
constexpr DWORD kClientCloseLimitMs = 30000;
constexpr uint8_t kExtraByte = '#';

enum class Mode { Whole, Cut, Extra, Trickle, Silent, Close };

struct Options {
    std::string address;
    std::wstring feed;
    std::wstring modeText = L"whole";
    Mode mode = Mode::Whole;
    unsigned long count = 0;  // cut and extra bytes, trickle milliseconds
};

bool ParseMode(const std::wstring& text, Options* options)
{
    struct Named {
        const wchar_t* name;
        Mode mode;
        bool takesCount;
    };
    static const Named kModes[] = {{L"whole", Mode::Whole, false},   {L"cut:", Mode::Cut, true},
                                   {L"extra:", Mode::Extra, true},   {L"trickle:", Mode::Trickle, true},
                                   {L"silent", Mode::Silent, false}, {L"close", Mode::Close, false}};
    for (const Named& named : kModes) {
        const size_t length = wcslen(named.name);
        if (named.takesCount ? text.compare(0, length, named.name) == 0 && text.size() > length : text == named.name) {
            options->mode = named.mode;
            options->count = named.takesCount ? wcstoul(text.c_str() + length, nullptr, 10) : 0;
            options->modeText = text;
            return true;
        }
    }
    return false;
}

bool ParseOptions(Options* options)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool good = arguments != nullptr;
    for (int i = 1; good && i + 1 < count; i += 2) {
        const std::wstring name = arguments[i], value = arguments[i + 1];
        if (name == L"/address")
            options->address.assign(value.begin(), value.end());
        else if (name == L"/feed")
            options->feed = value;
        else if (name == L"/mode")
            good = ParseMode(value, options);
        else
            good = false;
    }
    if (arguments)
        LocalFree(arguments);
    return good && count % 2 == 1 && !options->address.empty() && !options->feed.empty();
}

bool ReadFeed(const std::wstring& path, std::vector<uint8_t>* bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool read = GetFileSizeEx(file, &size) && size.QuadPart < (1 << 24);
    if (read) {
        bytes->resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        read = bytes->empty() || (ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &got, nullptr) &&
                                  got == bytes->size());
    }
    CloseHandle(file);
    return read;
}

// The bytes a connection is sent in this mode.
std::vector<uint8_t> BytesToSend(const Options& options, const std::vector<uint8_t>& feed)
{
    switch (options.mode) {
    case Mode::Cut: return std::vector<uint8_t>(feed.begin(), feed.begin() + std::min<size_t>(options.count, feed.size()));
    case Mode::Extra: {
        std::vector<uint8_t> bytes = feed;
        bytes.insert(bytes.end(), options.count, kExtraByte);
        return bytes;
    }
    case Mode::Silent:
    case Mode::Close: return {};
    default: return feed;
    }
}

size_t SendAll(SOCKET s, const std::vector<uint8_t>& bytes, const Options& options)
{
    const size_t piece = options.mode == Mode::Trickle ? kTrickleBytes : bytes.size();
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int length = static_cast<int>(std::min(piece, bytes.size() - sent));
        const int done = send(s, reinterpret_cast<const char*>(bytes.data() + sent), length, 0);
        if (done <= 0)
            break;
        sent += static_cast<size_t>(done);
        if (options.mode == Mode::Trickle && sent < bytes.size())
            Sleep(options.count);
    }
    return sent;
}

// Reads what the client sends until it closes (or the limit passes).
size_t ReadUntilClosed(SOCKET s)
{
    size_t received = 0;
    const DWORD start = GetTickCount();
    char buffer[512];
    while (GetTickCount() - start < kClientCloseLimitMs) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(s, &readable);
        timeval wait = {1, 0};
        const int ready = select(0, &readable, nullptr, nullptr, &wait);
        if (ready < 0)
            break;
        if (ready == 0)
            continue;
        const int got = recv(s, buffer, sizeof(buffer), 0);
        if (got <= 0)
            break;
        received += static_cast<size_t>(got);
    }
    return received;
}

void Serve(SOCKET client, int number, const Options& options, const std::vector<uint8_t>& feed)
{
    if (options.mode == Mode::Close) {
        closesocket(client);
        NKDbgPrintfW(L"WeatherServer: connection %d: closed at once", number);
        return;
    }
    const size_t sent = SendAll(client, BytesToSend(options, feed), options);
    if (options.mode != Mode::Silent)
        shutdown(client, SD_SEND);
    const size_t received = ReadUntilClosed(client);
    closesocket(client);
    NKDbgPrintfW(L"WeatherServer: connection %d: sent %u bytes, received %u bytes", number,
                 static_cast<unsigned>(sent), static_cast<unsigned>(received));
}

SOCKET Listen(const std::string& address)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return s;
    BOOL reuse = TRUE;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof(reuse));
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_port = htons(kPort);
    local.sin_addr.s_addr = inet_addr(address.c_str());
    if (local.sin_addr.s_addr == INADDR_NONE || bind(s, reinterpret_cast<sockaddr*>(&local), sizeof(local)) != 0 ||
        listen(s, kBacklog) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    Options options;
    if (!ParseOptions(&options)) {
        NKDbgPrintfW(L"WeatherServer: usage: /address A.B.C.D /feed FILE [/mode MODE]; given %ls", GetCommandLineW());
        return 2;
    }
    std::vector<uint8_t> feed;
    if (!ReadFeed(options.feed, &feed)) {
        NKDbgPrintfW(L"WeatherServer: cannot read %ls", options.feed.c_str());
        return 3;
    }
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return 4;
    SOCKET listener = Listen(options.address);
    if (listener == INVALID_SOCKET) {
        NKDbgPrintfW(L"WeatherServer: cannot listen on %hs:%u (%d)", options.address.c_str(), kPort, WSAGetLastError());
        WSACleanup();
        return 5;
    }
    NKDbgPrintfW(L"WeatherServer: listening on %hs:%u (mode %ls, %u bytes)", options.address.c_str(), kPort,
                 options.modeText.c_str(), static_cast<unsigned>(feed.size()));
    for (int number = 1;; ++number) {
        SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            break;
        Serve(client, number, options, feed);
    }
    closesocket(listener);
    WSACleanup();
    return 0;
}
