// The library's strings, instantiated here in sections of their own, so that
// the linker keeps only the members a program calls. Without it, the first
// call pulls the library's whole instantiation (22 KB on x86_64, 33 KB with
// its helpers on i686) into each program.
#include <string>

template class std::basic_string<char>;
