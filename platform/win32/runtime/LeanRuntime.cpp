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
void __throw_bad_function_call() { abort(); }
void __throw_range_error(const char*) { abort(); }
void __throw_overflow_error(const char*) { abort(); }
void __throw_underflow_error(const char*) { abort(); }
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx

// A dynamic_cast to a reference that fails, typeid of a null pointer and an
// allocation that fails throw through the library's own versions of these:
// ending here instead keeps the exception machinery out of the program, and
// with it the threads library that guards its allocations (about 25 KB).
// The library's string code still holds landing pads that catch and rethrow;
// nothing ever throws through them, and should anything unwind, it ends. The
// pads' resume would otherwise bring the whole unwinder (x86_64 too).
extern "C" {
void __cxa_bad_cast() { abort(); }
void __cxa_bad_typeid() { abort(); }
void* __cxa_begin_catch(void*) { abort(); }
void __cxa_end_catch() { abort(); }
void __cxa_rethrow() { abort(); }
void _Unwind_Resume(void*) { abort(); }
#if defined(__SEH__)  // x86_64
int __gxx_personality_seh0(void*, void*, void*, void*) { abort(); }
#else  // i686, DWARF unwinding
int __gxx_personality_v0(int, int, unsigned long long, void*, void*) { abort(); }
#endif
}

void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (!block) abort();
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
