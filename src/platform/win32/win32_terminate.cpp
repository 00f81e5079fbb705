// libstdc++'s default terminate handler prints the demangled type of the exception that ended
// the program: a 37 KB demangler for a program that has no console to print to. An uncaught
// exception ends the program just the same without it.

#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
