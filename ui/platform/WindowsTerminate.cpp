// What ends Ampora's Windows programs when a C++ exception is never caught: an abort, at once.
// The C++ library's own handler first writes the exception's type, demangled, to the standard
// error, which a Windows program with a window has nowhere to show; linked statically, its
// demangler is 46 KB of every download. The linker takes the handler from here, before it
// searches the library, so the library's and the demangler behind it never join the program.
#include <cstdlib>
#include <exception>

void __gnu_cxx::__verbose_terminate_handler() { std::abort(); }
