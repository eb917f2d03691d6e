# The compiler's warnings, and the hardening a careful distribution builds a released program
# with, for everything built after this is included: what Debian's dpkg-buildflags gives on
# Linux, and what MinGW-w64 and its linker offer on Windows.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(EMSCRIPTEN) # WebAssembly's own: memory checked at every access, code never in data
    return()
endif()

# Canaries on the stack, and the checked forms of the C library's copying functions where the
# compiler knows the sizes (which takes optimisation).
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=3>)
if(WIN32)
    # Programs that need no DLL beside them: the C++ runtime, threads and the stack protector's
    # run-time linked in. Data never executable (DEP), addresses spread over all 64 bits
    # (high-entropy ASLR), and no compatibility shims for the terminal server.
    set(AMPORA_LINK_OPTIONS -static -fstack-protector-strong
        LINKER:--nxcompat,--dynamicbase,--high-entropy-va,--tsaware)
    add_link_options(${AMPORA_LINK_OPTIONS})
else()
    # Stack probes against a stack clashing into the heap; the processor's control-flow
    # protection (CET: branch targets marked, returns checked against a shadow stack); and a
    # position-independent program whose relocations are made read-only after every symbol is
    # bound at start (full RELRO).
    add_compile_options(-fstack-clash-protection -fcf-protection)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    add_link_options(LINKER:-z,relro,-z,now)
    # Every object of the program is built for CET, but the C library's start files of Debian 12
    # carry no CET note, and the linker would drop the program's for them: assert it. The loader
    # turns CET on only where every object loaded, the C library too, has the note.
    add_link_options(LINKER:-z,ibt,-z,shstk)
endif()
