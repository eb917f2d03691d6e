// Ampora's setup program as it is downloaded. The installer proper, made with NSIS, is appended to
// this program, followed by a line that gives its length and SHA-256 (setup-program.cmake). Both
// are checked before anything is made; then the installer is unpacked into a new folder of its
// own in the user's temporary folder and run there, with this program's arguments, and its exit
// code is returned. NSIS's stub imports DLLs that Windows (and Wine, for what those import) look
// for in the stub's own folder before it runs a line: run from there, it never meets a DLL a web
// page may have dropped beside the download. This program itself imports only the kernel and the
// C run-time at start (cmake/WindowsProgram.cmake).
//
// What cannot go on is said in Chinese, as the installer speaks, or with /S by the exit code
// alone; nothing is installed, and the folder is removed whatever happened:
//   0 to 2  the installer's own: installed, cancelled, stopped
//   3       this file is incomplete or damaged, as an interrupted download leaves it
//   4       the temporary folder (TEMP) does not exist or cannot be written
//   5       the unpacked installer could not be started
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>

namespace {

enum ExitCode : int { kDamaged = 3, kNoTemporaryFolder = 4, kCannotStart = 5 };

// The line after the installer: "AMPORA-INSTALLER", its length in 12 digits and its SHA-256.
constexpr char kRecordTag[] = "AMPORA-INSTALLER ";
constexpr std::size_t kTagLength = sizeof kRecordTag - 1;
constexpr std::size_t kRecordLength = kTagLength + 12 + 1 + 64 + 1;

// This program's arguments as they were given, after its own name.
const wchar_t* arguments()
{
    const wchar_t* line = GetCommandLineW();
    if (*line == L'"') {
        line = std::wcschr(line + 1, L'"');
        return line ? line + 1 : L"";
    }
    while (*line && *line != L' ' && *line != L'\t')
        ++line;
    return line;
}

// Whether the installer is told to run silently: a word /S before /D=, which takes the rest of
// the line as its folder, as NSIS reads them.
bool silent()
{
    for (const wchar_t* word = arguments(); *word && std::wcsncmp(word, L"/D=", 3) != 0;) {
        const std::size_t length = std::wcscspn(word, L" \t");
        if (length == 2 && std::wcsncmp(word, L"/S", 2) == 0)
            return true;
        word += length + (word[length] ? 1 : 0);
    }
    return false;
}

// Says why setup stops, unless it runs silently, and returns the exit code that says it then.
// The detail is the temporary folder, or the error Windows gave.
int stop(ExitCode code, const wchar_t* detail = L"")
{
    if (silent())
        return code;
    const wchar_t* why =
        code == kDamaged ? L"这个安装程序不完整或已损坏，可能是下载没有完成。\r\n\r\n"
                           L"请重新下载 Ampora 的安装程序，再运行新下载的文件。"
        : code == kNoTemporaryFolder
            ? L"无法在临时文件夹中准备安装：\r\n%.300s\r\n\r\n"
              L"这个文件夹不存在、无法写入，或者磁盘已满。请检查环境变量 TEMP "
              L"所指的文件夹，再运行安装程序。"
            : L"无法启动安装程序（Windows 错误 %s）。\r\n\r\n"
              L"可能是安全软件阻止了它。请稍后再试，或者重新下载 Ampora 的安装程序。";
    wchar_t text[1024];
    wsprintfW(text, why, detail);
    std::wcscat(text, L"\r\n\r\n什么也没有安装。");
    MessageBoxW(nullptr, text, L"Ampora 安装", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    return code;
}

// SHA-256 (FIPS 180-4) of a whole buffer, as lower-case hexadecimal.
void sha256(const unsigned char* data, std::uint64_t size, char hex[65])
{
    static constexpr std::uint32_t k[64] = {
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4,
        0xab1c5ed5, 0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe,
        0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f,
        0x4a7484aa, 0x5cb0a9dc, 0x76f988da, 0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7,
        0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc,
        0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b,
        0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116,
        0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
        0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7,
        0xc67178f2};
    std::uint32_t h[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                          0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    const auto rotate = [](std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); };
    const auto compress = [&](const unsigned char* block) {
        std::uint32_t w[64];
        for (int i = 0; i < 16; ++i)
            w[i] = std::uint32_t(block[4 * i]) << 24 | std::uint32_t(block[4 * i + 1]) << 16 |
                   std::uint32_t(block[4 * i + 2]) << 8 | block[4 * i + 3];
        for (int i = 16; i < 64; ++i)
            w[i] = w[i - 16] + (rotate(w[i - 15], 7) ^ rotate(w[i - 15], 18) ^ (w[i - 15] >> 3)) +
                   w[i - 7] + (rotate(w[i - 2], 17) ^ rotate(w[i - 2], 19) ^ (w[i - 2] >> 10));
        std::uint32_t v[8];
        std::memcpy(v, h, sizeof v);
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t t1 = v[7] +
                                     (rotate(v[4], 6) ^ rotate(v[4], 11) ^ rotate(v[4], 25)) +
                                     ((v[4] & v[5]) ^ (~v[4] & v[6])) + k[i] + w[i];
            const std::uint32_t t2 = (rotate(v[0], 2) ^ rotate(v[0], 13) ^ rotate(v[0], 22)) +
                                     ((v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]));
            std::memmove(v + 1, v, 7 * sizeof v[0]);
            v[4] += t1;
            v[0] = t1 + t2;
        }
        for (int i = 0; i < 8; ++i)
            h[i] += v[i];
    };
    std::uint64_t done = 0;
    for (; size - done >= 64; done += 64)
        compress(data + done);
    unsigned char tail[128] = {};
    const std::size_t left = std::size_t(size - done);
    std::memcpy(tail, data + done, left);
    tail[left] = 0x80;
    const std::size_t tailSize = left < 56 ? 64 : 128;
    for (int i = 0; i < 8; ++i)
        tail[tailSize - 1 - i] = static_cast<unsigned char>((size * 8) >> (8 * i));
    for (std::size_t at = 0; at < tailSize; at += 64)
        compress(tail + at);
    for (int i = 0; i < 32; ++i) {
        const unsigned byte = (h[i / 4] >> (24 - 8 * (i % 4))) & 0xff;
        hex[2 * i] = "0123456789abcdef"[byte >> 4];
        hex[2 * i + 1] = "0123456789abcdef"[byte & 15];
    }
    hex[64] = '\0';
}

template <typename T> T at(const unsigned char* file, std::uint64_t size, std::uint64_t offset)
{
    T value{};
    if (offset <= size && sizeof value <= size - offset)
        std::memcpy(&value, file + offset, sizeof value);
    return value;
}

struct Installer {
    const unsigned char* data = nullptr;
    std::uint64_t size = 0;
};

// The installer after this program's own sections, if it is there whole: up to the record of its
// length and SHA-256, which the signature follows (at a multiple of 8 bytes) when signed.
Installer installerIn(const unsigned char* file, std::uint64_t size)
{
    const auto pe = at<std::uint32_t>(file, size, 0x3c);
    const auto sections = at<std::uint16_t>(file, size, pe + 6);
    const std::uint64_t optional = pe + 24;
    const std::uint64_t table = optional + at<std::uint16_t>(file, size, pe + 20);
    std::uint64_t start = 0;
    for (std::uint64_t s = 0; s < sections; ++s)
        start =
            std::max<std::uint64_t>(start, at<std::uint32_t>(file, size, table + 40 * s + 20) +
                                               at<std::uint32_t>(file, size, table + 40 * s + 16));
    std::uint64_t end = size;
    if (const auto signature = at<std::uint32_t>(file, size, optional + 112 + 4 * 8)) {
        if (signature + std::uint64_t(at<std::uint32_t>(file, size, optional + 116 + 4 * 8)) !=
            size)
            return {}; // the signature is cut short
        end = signature;
        for (int padding = 0; padding < 7 && end > start && file[end - 1] == 0; ++padding)
            --end;
    }
    if (end < start + kRecordLength)
        return {};
    const char* record = reinterpret_cast<const char*>(file + end - kRecordLength);
    if (std::memcmp(record, kRecordTag, kTagLength) != 0)
        return {};
    std::uint64_t length = 0;
    for (const char* digit = record + kTagLength; digit < record + kTagLength + 12; ++digit) {
        if (*digit < '0' || *digit > '9')
            return {};
        length = 10 * length + std::uint64_t(*digit - '0');
    }
    if (length != end - kRecordLength - start)
        return {};
    char digest[65];
    sha256(file + start, length, digest);
    if (std::memcmp(record + kTagLength + 13, digest, 64) != 0)
        return {};
    return {file + start, length};
}

bool writeNewFile(const wchar_t* path, const Installer& installer)
{
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = installer.size < MAXDWORD &&
                       WriteFile(file, installer.data, DWORD(installer.size), &written, nullptr) &&
                       written == installer.size;
    return CloseHandle(file) && whole;
}

int run(const wchar_t* program, const wchar_t* folder)
{
    static wchar_t commandLine[32768]; // as long as Windows takes (ERROR_FILENAME_EXCED_RANGE)
    if (std::wcslen(program) + std::wcslen(arguments()) + 3 > 32767)
        return stop(kCannotStart, L"206");
    std::wcscat(std::wcscat(std::wcscat(std::wcscpy(commandLine, L"\""), program), L"\""),
                arguments());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &process)) {
        wchar_t error[16];
        wsprintfW(error, L"%lu", GetLastError());
        return stop(kCannotStart, error);
    }
    // The installer's window may come to the front, as this program's would.
    AllowSetForegroundWindow(process.dwProcessId);
    DWORD code = kCannotStart;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(code);
}

// Unpacks the installer into a new folder of its own in the user's temporary folder, which nobody
// else could have filled beforehand, runs it there, and removes it all again.
int unpackAndRun(const Installer& installer)
{
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return stop(kNoTemporaryFolder, L"%TEMP%");
    wchar_t folder[MAX_PATH + 64]; // the temporary folder's path and two names of our own
    bool made = false;
    for (unsigned attempt = 0; attempt < 100 && !made; ++attempt) {
        wsprintfW(folder, L"%sampora-setup-%lu-%lu", temp, GetCurrentProcessId(),
                  DWORD(GetTickCount64() + attempt));
        made = CreateDirectoryW(folder, nullptr);
    }
    if (!made)
        return stop(kNoTemporaryFolder, temp);
    wchar_t program[MAX_PATH + 64];
    wsprintfW(program, L"%s\\ampora-setup.exe", folder);
    const int code =
        writeNewFile(program, installer) ? run(program, folder) : stop(kNoTemporaryFolder, temp);
    // The installer's image may stay mapped for a moment after it ends.
    for (int attempt = 0;
         !DeleteFileW(program) && GetLastError() != ERROR_FILE_NOT_FOUND && attempt < 50; ++attempt)
        Sleep(100);
    RemoveDirectoryW(folder);
    return code;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    static wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, 32768);
    HANDLE file = length == 0 || length >= 32768
                      ? INVALID_HANDLE_VALUE
                      : CreateFileW(self, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size{};
    HANDLE mapping = file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size)
                         ? nullptr
                         : CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    const Installer installer =
        view ? installerIn(static_cast<const unsigned char*>(view), std::uint64_t(size.QuadPart))
             : Installer{};
    const int code = installer.data ? unpackAndRun(installer) : stop(kDamaged);
    if (view)
        UnmapViewOfFile(view);
    if (mapping)
        CloseHandle(mapping);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return code;
}
