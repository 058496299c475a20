// The C++ runtime's error paths, kept lean in the two programs (linked into
// each program, not into the tests). Neither program catches an exception,
// so every throw ends it: the library's throw helpers end it at once instead
// of linking the exception classes and the copy-on-write strings they carry,
// and an ending program does not demangle a type name for a console it does
// not have. About a quarter of each program.
#include <cstdlib>
#include <exception>
#include <new>

namespace std {
void __throw_bad_exception() { abort(); }
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_cast() { abort(); }
void __throw_bad_typeid() { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_domain_error(const char*) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_runtime_error(const char*) { abort(); }
void __throw_range_error(const char*) { abort(); }
void __throw_overflow_error(const char*) { abort(); }
void __throw_underflow_error(const char*) { abort(); }
void __throw_bad_function_call() { abort(); }
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx

// The library's allocations throw by themselves, and a failed dynamic_cast
// of a reference throws too: these end the program there instead, as every
// other throw here does. The blocks come from the malloc that the library's
// operator delete frees them with; the nothrow form still answers null.
void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) abort();
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }

extern "C" {
void __cxa_bad_cast() { abort(); }
void __cxa_bad_typeid() { abort(); }
}

#if defined(__i386__)
// On i686 a frame is unwound only by a C++ throw (DWARF unwinding; the
// system's exceptions never run it), and every throw here ends the program
// first: so the library's catch blocks and cleanups are never entered. Their
// personality routine and the unwinder behind it bring the threads library:
// about 65 KB of each program. x86_64 keeps its unwinder, which the system's
// own exception dispatch calls.
extern "C" {
int __gxx_personality_v0() { abort(); }
void _Unwind_Resume(void*) { abort(); }
void* __cxa_begin_catch(void*) { abort(); }
void __cxa_end_catch() { abort(); }
void __cxa_rethrow() { abort(); }
}
#endif
