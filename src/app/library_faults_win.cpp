// How the C++ library reports its own faults in the program (an index past a string's
// end, a length beyond the largest): as exceptions that the window procedure and every
// thread catch like any other, but without the library's formatted messages. The
// library's own versions build their messages in its old reference-counted string type,
// which brings that type, a formatter and the random device that type's instantiation
// includes: about 50 KB of the program. Defining them here keeps the library's out of
// it; the tests keep the library's.
#include <exception>
#include <new>

namespace {

// A library fault: what() names the check that failed, as the library words it.
class LibraryFault : public std::exception {
 public:
  explicit LibraryFault(const char* what) : what_(what) {}
  const char* what() const noexcept override { return what_; }

 private:
  const char* what_;
};

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char* what) { throw LibraryFault(what); }
void __throw_logic_error(const char* what) { throw LibraryFault(what); }
// The format's arguments (an index, a size) are left out.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryFault(format); }

}  // namespace std
