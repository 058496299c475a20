# Fails when the link map MAP shows the unwinder or the exception machinery
# in a program: an object of libgcc_eh (unwind-*.o) or the runtime's eh_*.o
# (throw, catch, personality, the exception's allocation). LeanRuntime.cpp
# keeps them out; a throw or a library call that can throw brings them back,
# and with them the threads library that guards their allocations. Nor may
# the library's whole string instantiations come in (string-inst.o: a member
# StringInst.cpp does not instantiate; wstring-inst.o: a wide string, where
# a vector of wchar_t does).
#   cmake -DMAP=<program>.map -P cmake/CheckLinkMap.cmake
file(STRINGS "${MAP}" lines REGEX "\\.a\\((unwind[^)]*|eh_[^)]*|w?string-inst)\\.o\\)")
set(found)
foreach(line ${lines})
    string(REGEX MATCH "[^/ \t]+\\.a\\([^)]+\\)" member "${line}")
    list(APPEND found "${member}")
endforeach()
get_filename_component(name "${MAP}" NAME_WE)
if(found)
    list(REMOVE_DUPLICATES found)
    list(JOIN found "\n  " text)
    message(FATAL_ERROR "${name} links what it should not:\n  ${text}")
endif()
message(STATUS "${name}: no unwinder, no exception machinery")
