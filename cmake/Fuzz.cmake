# Fuzzing build (clang's libFuzzer): the readers of stored and external data
# over the memory world, under AddressSanitizer and UBSan. Each target is a
# ctest test (label fuzz) that runs a few seconds from the seed corpus kept
# in tests/fuzz/<target>/; tools/fuzz runs them longer.
set(FUZZ_SECONDS 3 CACHE STRING "How long each fuzz target runs as a test")
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
add_compile_options(${SANITIZE} -fsanitize=fuzzer-no-link)
add_link_options(${SANITIZE})

orv_glob(PLATFORM_SOURCES platform platform/memory)
add_library(orv_fuzzed STATIC ${PLATFORM_SOURCES} ${COMMON_SOURCES})

file(GLOB FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(source ${FUZZ_TARGETS})
    get_filename_component(target ${source} NAME_WE)
    add_executable(${target} ${source})
    target_link_libraries(${target} PRIVATE orv_fuzzed)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    # New inputs go to the build's corpus; the kept seeds are only read.
    set(corpus ${CMAKE_BINARY_DIR}/corpus/${target})
    file(MAKE_DIRECTORY ${corpus})
    add_test(NAME fuzz_${target}
             COMMAND ${target} -max_total_time=${FUZZ_SECONDS} -print_final_stats=1 ${corpus}
                     ${CMAKE_SOURCE_DIR}/tests/fuzz/${target})
    set_tests_properties(fuzz_${target} PROPERTIES LABELS fuzz)
endforeach()
