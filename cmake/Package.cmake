# Builds the Windows Installer package with wixl:
#   cmake -DWIXL=... -DWXS=... -DBIN=... -DOUT=... -DVERSION=a.b.c -P Package.cmake
# The size the list of installed programs shows is the installed files' sum,
# in kilobytes rounded up. NextVersion bounds the upgrade range from above.
foreach(var WIXL WXS BIN OUT VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "Package.cmake needs ${var}")
    endif()
endforeach()
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" parts "${VERSION}")
if(NOT parts)
    message(FATAL_ERROR "version ${VERSION} is not a.b.c")
endif()
math(EXPR next_build "${CMAKE_MATCH_3} + 1")
set(next "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${next_build}")
set(bytes 0)
foreach(file Orvane.exe OrvaneConfig.exe Doc/Contents.htm)
    file(SIZE "${BIN}/${file}" size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
get_filename_component(out_dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
# wixl finds each File's Source relative to the working directory.
execute_process(COMMAND "${WIXL}" -a x64 -D Version=${VERSION} -D NextVersion=${next} -D SizeKB=${kilobytes}
                        -o "${OUT}" "${WXS}"
                WORKING_DIRECTORY "${BIN}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "wixl failed (${result}) on ${WXS}")
endif()
