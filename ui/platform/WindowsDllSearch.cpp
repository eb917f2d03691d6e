// Where Ampora's Windows programs (the program and its setup program) take their DLLs from: the
// system folder only, never their own folder, which is often Downloads, nor the current one.
//
// The programs import every DLL but the kernel's and the C run-time's delayed, so that it loads on
// first use (cmake/WindowsProgram.cmake), which the static constructors already make. The search
// is limited before them, as Windows attaches the program: in a TLS callback. Windows 10 1607 and
// later also read the load configuration's DependentLoadFlags (the field MinGW's headers call
// Reserved1) for the DLLs they load at start. The linker keeps both (--require-defined), and a
// step after the link points the PE header at the load configuration (tools/pe-load-config.cpp).
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

static constexpr IMAGE_LOAD_CONFIG_DIRECTORY64 loadConfiguration()
{
    IMAGE_LOAD_CONFIG_DIRECTORY64 configuration{};
    configuration.Size = sizeof configuration;
    configuration.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return configuration;
}
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used;
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = loadConfiguration();

static void NTAPI searchSystemFolderOnly(PVOID, DWORD reason, PVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
// Between the C run-time's markers of the callback list (.CRT$XLA and .CRT$XLZ).
extern "C" const PIMAGE_TLS_CALLBACK ampora_search_system_folder_only;
extern "C" __attribute__((section(".CRT$XLB")))
const PIMAGE_TLS_CALLBACK ampora_search_system_folder_only = searchSystemFolderOnly;
