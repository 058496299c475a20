# Native build: behaviour over the memory world and the headless ui.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
add_compile_options(${SANITIZE})
add_link_options(${SANITIZE})

orv_glob(MEMORY_SOURCES platform/memory ui/headless)
orv_library(orv_common ${SEAM_SOURCES} ${COMMON_SOURCES} ${MEMORY_SOURCES})
orv_library(orv_runner ${RUNNER_SOURCES})
target_link_libraries(orv_runner INTERFACE orv_common)
orv_library(orv_config ${CONFIG_SOURCES})
target_link_libraries(orv_config INTERFACE orv_common)

find_package(GTest REQUIRED)
include(GoogleTest)
orv_glob(NATIVE_TESTS tests/native)
add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE orv_runner orv_config GTest::gtest_main)
gtest_discover_tests(native_tests PROPERTIES LABELS native DISCOVERY_TIMEOUT 60)
