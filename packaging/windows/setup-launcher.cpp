// Ampora's setup program as it is downloaded. The installer proper, made with NSIS, is appended to
// this program; it is unpacked into a new folder of its own in the user's temporary folder and
// run there, with this program's arguments, and its exit code is returned. NSIS's stub imports
// DLLs that Windows (and Wine, for what those import) look for in the stub's own folder before it
// runs a line: run from there, it never meets a DLL a web page may have dropped beside the
// download. This program itself imports only the kernel and the C run-time at start
// (cmake/WindowsProgram.cmake).
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kCannotRun = 3; // the installer's own codes are 0 to 2

std::vector<char> readFile(const std::wstring& path)
{
    std::vector<char> data;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size{};
    if (file == INVALID_HANDLE_VALUE)
        return data;
    if (GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000) {
        data.resize(std::size_t(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, data.data(), DWORD(data.size()), &read, nullptr) || read != data.size())
            data.clear();
    }
    CloseHandle(file);
    return data;
}

template <typename T> T at(const std::vector<char>& data, std::size_t offset)
{
    T value{};
    if (offset + sizeof value <= data.size())
        std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}

// The installer: what follows this program's own sections, up to its signature if it is signed.
std::pair<std::size_t, std::size_t> installerIn(const std::vector<char>& self)
{
    const auto pe = at<std::uint32_t>(self, 0x3c);
    const auto sections = at<std::uint16_t>(self, pe + 6);
    const std::size_t optional = pe + 24;
    const std::size_t table = optional + at<std::uint16_t>(self, pe + 20);
    std::size_t start = 0;
    for (std::size_t s = 0; s < sections; ++s)
        start = std::max<std::size_t>(start, at<std::uint32_t>(self, table + 40 * s + 20) +
                                                 at<std::uint32_t>(self, table + 40 * s + 16));
    const auto signature = at<std::uint32_t>(self, optional + 112 + 4 * 8); // a file offset
    const std::size_t end = signature != 0 ? signature : self.size();
    return {start, std::max(start, std::min(end, self.size()))};
}

// A new folder in the user's temporary folder, which nobody else could have filled beforehand.
std::wstring newFolder()
{
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return {};
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring folder = std::wstring(temp) + L"ampora-setup-" +
                                    std::to_wstring(GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(GetTickCount64() + attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr))
            return folder;
    }
    return {};
}

bool writeNewFile(const std::wstring& path, const char* data, std::size_t size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, data, DWORD(size), &written, nullptr) && written == size;
    return CloseHandle(file) && whole;
}

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

int run(const std::wstring& program, const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + program + L"\"" + arguments();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return kCannotRun;
    // The installer's window may come to the front, as this program's would.
    AllowSetForegroundWindow(process.dwProcessId);
    DWORD code = kCannotRun;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(code);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), DWORD(self.size())));
    const std::vector<char> file = readFile(self);
    const auto [start, end] = installerIn(file);
    const std::wstring folder = newFolder();
    if (start == end || folder.empty())
        return kCannotRun;
    const std::wstring installer = folder + L"\\ampora-setup.exe";
    const int code = writeNewFile(installer, file.data() + start, end - start)
                         ? run(installer, folder)
                         : kCannotRun;
    DeleteFileW(installer.c_str());
    RemoveDirectoryW(folder.c_str());
    return code;
}
