# Windows build: the two programs over the real calls, statically linked so
# that they need no DLL beyond the system's own; and the Wine tests.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
enable_language(RC)
add_link_options(-static -static-libgcc -static-libstdc++ $<$<NOT:$<CONFIG:Debug>>:-s>)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_IE=0x0400 _WIN32_WINNT=0x0501)
set(SYSTEM_LIBS comctl32 comdlg32 shell32 ole32 oleaut32 uuid gdi32 user32 advapi32 kernel32)

orv_glob(WIN32_PLATFORM_SOURCES platform/win32)
orv_glob(WIN32_UI_SOURCES ui/win32)
orv_layer(orv_platform ${PLATFORM_SOURCES} ${WIN32_PLATFORM_SOURCES})
target_link_libraries(orv_platform INTERFACE ${SYSTEM_LIBS})
orv_layer(orv_ui ${UI_SOURCES} ${WIN32_UI_SOURCES})
target_link_libraries(orv_ui INTERFACE orv_platform)
orv_layer(orv_common ${COMMON_SOURCES})
target_link_libraries(orv_common INTERFACE orv_platform)

# Small programs. The linker takes an object out of a library once anything
# in it is needed, and --gc-sections drops the sections nothing reaches; but
# on x86_64 an object's .pdata holds all its functions, so each of them lands
# in a program that calls any one: code only one program needs goes in
# objects of its own (each program's link map, in the tree's maps/, shows
# what stays).
# Each program has one thread, so function-local statics need no lock (the
# lock brings the whole threads library). Neither program throws or catches
# (the runtime's throws end it, see LeanRuntime.cpp), so its code carries no
# landing pads: 20 KB of the configuration program. On i686 the DWARF unwind
# tables serve only exceptions and go too (33 KB); x86_64 keeps its unwind
# data, which its system's own exception dispatch walks. Nothing asks a
# type at run time either: without the type information the configuration
# program is 8.7 KB lighter, the runner 3.6 KB. -Oz takes 2 KB more off
# programs whose time goes to the system's calls, not to their own loops.
# Without IPA-SRA the compiler makes no trimmed copy of a function for each
# object that calls it (the library's string members among them): 9.7 KB of
# the configuration program, 4 KB of the runner.
set(PROGRAM_COMPILE_OPTIONS -ffunction-sections -fdata-sections -fno-threadsafe-statics -fno-exceptions -fno-rtti -Oz -fno-ipa-sra)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND PROGRAM_COMPILE_OPTIONS -fno-asynchronous-unwind-tables)
endif()
# The most each program may weigh, stripped, on either processor.
set(PROGRAM_SIZE_LIMIT 262144)
# Function sections packed end to end (cmake/packed-functions says why).
set(PROGRAM_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/packed-functions)
foreach(layer orv_platform orv_ui orv_common)
    target_compile_options(${layer} PRIVATE ${PROGRAM_COMPILE_OPTIONS})
    set_target_properties(${layer} PROPERTIES CXX_COMPILER_LAUNCHER ${PROGRAM_LAUNCHER})
endforeach()

# Pictures are drawn as text pixel maps (resources/*.pix) and turned into
# .bmp and .ico files that the resource scripts include by name.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(IMAGE_DIR ${CMAKE_BINARY_DIR}/images)
file(GLOB PIXMAPS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/resources/*.pix)
set(IMAGES)
foreach(pix ${PIXMAPS})
    get_filename_component(stem ${pix} NAME_WE)
    set(out ${IMAGE_DIR}/${stem}.stamp)
    add_custom_command(OUTPUT ${out}
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/images.py ${pix} ${IMAGE_DIR}
        COMMAND ${CMAKE_COMMAND} -E touch ${out}
        DEPENDS ${pix} ${CMAKE_SOURCE_DIR}/tools/images.py)
    list(APPEND IMAGES ${out})
endforeach()
add_custom_target(orv_images DEPENDS ${IMAGES})
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${IMAGE_DIR} -I${CMAKE_SOURCE_DIR}/common/resources")
set(MANIFEST ${CMAKE_SOURCE_DIR}/common/resources/Orvane.manifest)

# A program: its folder's main (folder/win32) and resources over its layer's
# library, which holds the folder's own sources.
function(orv_program name library folder)
    orv_glob(main_sources ${folder}/win32)
    file(GLOB rc_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/resources/*.rc)
    set_source_files_properties(${rc_files} PROPERTIES OBJECT_DEPENDS ${MANIFEST})
    add_executable(${name} WIN32 ${main_sources} ${rc_files} ${CMAKE_SOURCE_DIR}/platform/win32/runtime/LeanRuntime.cpp ${CMAKE_SOURCE_DIR}/platform/win32/runtime/StringInst.cpp)
    target_compile_options(${name} PRIVATE ${PROGRAM_COMPILE_OPTIONS})
    set_target_properties(${name} PROPERTIES CXX_COMPILER_LAUNCHER ${PROGRAM_LAUNCHER})
    set(map ${CMAKE_BINARY_DIR}/maps/${name}.map)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/maps)
    target_link_options(${name} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Wl,--gc-sections> -Wl,-Map=${map})
    add_dependencies(${name} orv_images)
    target_link_libraries(${name} PRIVATE ${library} orv_common orv_ui orv_platform)
    add_test(NAME lean_${name}_${CMAKE_SYSTEM_PROCESSOR} COMMAND ${CMAKE_COMMAND} -DMAP=${map}
             -P ${CMAKE_SOURCE_DIR}/cmake/CheckLinkMap.cmake)
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
        add_test(NAME size_${name}_${CMAKE_SYSTEM_PROCESSOR} COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${name}> -DLIMIT=${PROGRAM_SIZE_LIMIT}
                 -P ${CMAKE_SOURCE_DIR}/cmake/CheckSize.cmake)
    endif()
endfunction()

# The local help, beside the programs, where Help > Contents looks for it.
configure_file(${CMAKE_SOURCE_DIR}/Doc/Contents.htm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Doc/Contents.htm COPYONLY)

orv_layer(orv_runner ${RUNNER_SOURCES})
orv_layer(orv_config ${CONFIG_SOURCES})
target_compile_options(orv_runner PRIVATE ${PROGRAM_COMPILE_OPTIONS})
target_compile_options(orv_config PRIVATE ${PROGRAM_COMPILE_OPTIONS})
set_target_properties(orv_runner orv_config PROPERTIES CXX_COMPILER_LAUNCHER ${PROGRAM_LAUNCHER})
if(EXISTS ${CMAKE_SOURCE_DIR}/runner/win32/RunnerMain.cpp)
    orv_program(Orvane orv_runner runner)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/config/win32/ConfigMain.cpp)
    orv_program(OrvaneConfig orv_config config)
endif()

# The Windows Installer package of the x86_64 programs (build/package), and
# for the Wine tests the same package one version later, to upgrade to.
set(ORVANE_VERSION 1.0.0)
find_program(WIXL wixl)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND TARGET Orvane AND TARGET OrvaneConfig)
    if(WIXL)
        set(ORVANE_PACKAGE ${CMAKE_BINARY_DIR}/../package/Orvane.msi CACHE FILEPATH "where the build puts the package")
        string(REGEX REPLACE "[0-9]+$" "" version_stem ${ORVANE_VERSION})
        string(REGEX MATCH "[0-9]+$" version_build ${ORVANE_VERSION})
        math(EXPR version_build "${version_build} + 1")
        set(package_inputs ${CMAKE_SOURCE_DIR}/packaging/Orvane.wxs ${CMAKE_SOURCE_DIR}/cmake/Package.cmake
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Doc/Contents.htm Orvane OrvaneConfig)
        add_custom_command(OUTPUT ${ORVANE_PACKAGE}
            COMMAND ${CMAKE_COMMAND} -DWIXL=${WIXL} -DWXS=${CMAKE_SOURCE_DIR}/packaging/Orvane.wxs
                    -DBIN=${CMAKE_RUNTIME_OUTPUT_DIRECTORY} -DOUT=${ORVANE_PACKAGE} -DVERSION=${ORVANE_VERSION}
                    -P ${CMAKE_SOURCE_DIR}/cmake/Package.cmake
            DEPENDS ${package_inputs})
        add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/upgrade/Orvane.msi
            COMMAND ${CMAKE_COMMAND} -DWIXL=${WIXL} -DWXS=${CMAKE_SOURCE_DIR}/packaging/Orvane.wxs
                    -DBIN=${CMAKE_RUNTIME_OUTPUT_DIRECTORY} -DOUT=${CMAKE_BINARY_DIR}/upgrade/Orvane.msi
                    -DVERSION=${version_stem}${version_build} -P ${CMAKE_SOURCE_DIR}/cmake/Package.cmake
            DEPENDS ${package_inputs})
        add_custom_target(orv_package ALL DEPENDS ${ORVANE_PACKAGE} ${CMAKE_BINARY_DIR}/upgrade/Orvane.msi)
    else()
        message(WARNING "wixl not found (tools/setup installs it): no Windows Installer package")
    endif()
endif()

# Wine tests: each folder under tests/wine is one test program, run as one
# ctest test inside the shared Wine prefix under the build folder.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(WINE_ENV ${CMAKE_SOURCE_DIR}/tests/wine/wine-env)
    add_test(NAME wine_prefix_setup COMMAND ${WINE_ENV} setup ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine LABELS wine)
    add_test(NAME wine_prefix_cleanup COMMAND ${WINE_ENV} cleanup ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine LABELS wine)
    # tests/wine/support: what every suite needs to drive a program from outside.
    file(GLOB support_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/support/*.cpp)
    add_library(wine_test_support STATIC ${support_sources})
    target_link_libraries(wine_test_support PUBLIC orv_common orv_ui orv_platform gtest)
    set(TEST_MANIFEST ${CMAKE_SOURCE_DIR}/tests/wine/support/Manifest.rc)
    set_source_files_properties(${TEST_MANIFEST} PROPERTIES OBJECT_DEPENDS ${MANIFEST})
    file(GLOB WINE_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*)
    # The cases that open each window and check that its texts fit, run again
    # with the whole session at 144 and 192 dots an inch.
    set(WINE_SCALED_config "ConfigLook.*:ConfigDialogs.StartupAndRun*:ConfigDialogs.Explore*:ConfigDialogs.About*:ConfigTransfer.AnUnmarked*")
    set(WINE_SCALED_runner "RunnerLook.*")
    foreach(dir ${WINE_TEST_DIRS})
        if(IS_DIRECTORY ${dir} AND NOT dir MATCHES "/support$")
            get_filename_component(suite ${dir} NAME)
            file(GLOB suite_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
            if(suite_sources)
                add_executable(wine_${suite}_tests ${suite_sources} ${TEST_MANIFEST})
                target_link_libraries(wine_${suite}_tests PRIVATE wine_test_support orv_common gtest_main)
                target_link_options(wine_${suite}_tests PRIVATE -mconsole)
                foreach(program Orvane OrvaneConfig orv_package)
                    if(TARGET ${program})
                        add_dependencies(wine_${suite}_tests ${program})
                    endif()
                endforeach()
                # A suite's probe/ folder: a plain program of its own that the
                # programs under test launch (bin/wine_SUITE_probe.exe).
                file(GLOB probe_sources CONFIGURE_DEPENDS ${dir}/probe/*.cpp)
                if(probe_sources)
                    add_executable(wine_${suite}_probe WIN32 ${probe_sources} ${TEST_MANIFEST})
                    add_dependencies(wine_${suite}_tests wine_${suite}_probe)
                endif()
                add_test(NAME wine_${suite} COMMAND ${WINE_ENV} run ${CMAKE_BINARY_DIR} $<TARGET_FILE:wine_${suite}_tests>)
                set_tests_properties(wine_${suite} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix LABELS wine TIMEOUT 600)
                # The runner's idle waits read the host's processor times: nothing
                # else of the test run may load the processors meanwhile.
                if(suite STREQUAL "runner")
                    set_tests_properties(wine_${suite} PROPERTIES RUN_SERIAL TRUE)
                endif()
                if(DEFINED WINE_SCALED_${suite})
                    foreach(dpi 144 192)
                        add_test(NAME wine_${suite}_${dpi}dpi COMMAND ${WINE_ENV} run ${CMAKE_BINARY_DIR}
                                 $<TARGET_FILE:wine_${suite}_tests> --gtest_filter=${WINE_SCALED_${suite}})
                        set_tests_properties(wine_${suite}_${dpi}dpi PROPERTIES ENVIRONMENT ORVANE_DPI=${dpi}
                            FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix LABELS wine TIMEOUT 600)
                    endforeach()
                endif()
            endif()
        endif()
    endforeach()
endif()

# tests/bench: the figures tools/bench prints, a Wine program of its own
# outside ctest (a timed case on a shared machine either flakes or asserts
# nothing).
if(TARGET wine_test_support)
    file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
    add_executable(wine_bench ${bench_sources} ${CMAKE_SOURCE_DIR}/tests/wine/config/ConfigProcess.cpp)
    target_link_libraries(wine_bench PRIVATE wine_test_support orv_common gtest_main)
    target_link_options(wine_bench PRIVATE -mconsole)
    add_dependencies(wine_bench Orvane OrvaneConfig)
endif()
