// What the program does when an exception escapes everything that catches (a fault: the
// window procedure and every thread catch what they can): it ends at once, as the C++
// library's own handler does once it has written the exception's type to standard error.
// A windowed program has no standard error, and that handler's name demangler alone is
// about 45 KB of the program; defining the handler here keeps the library's out of it.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
