// A C++ terminate inside the library ends the process without a message.
// Replacing the default handler keeps the demangler and the C library's
// formatted output, which only that handler uses, out of the DLL.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
