# The layers as facts of the build: each folder may include only the
# folders below it. Run at configure time (a breach stops the build) and
# as a test:
#   cmake -DROOT=<source dir> -P cmake/Layers.cmake
# A folder's rule names the folders its files may include, besides the
# system's headers and the headers of the standard library.
set(LAYER_RULES
    "geometry:geometry"
    "platform:platform/[A-Za-z]+\\.h|geometry"
    "platform/memory:platform/[A-Za-z]+\\.h|platform/memory|geometry"
    "platform/win32:platform/[A-Za-z]+\\.h|platform/win32|geometry"
    "ui:ui/[A-Za-z]+\\.h|platform/WinValues\\.h|geometry"
    "ui/headless:ui/[A-Za-z]+\\.h|ui/headless|platform/WinValues\\.h|geometry"
    "ui/win32:ui/[A-Za-z]+\\.h|ui/win32|platform/WinValues\\.h|geometry"
    "common:common|platform/[A-Za-z]+\\.h|geometry"
    "runner:runner|common|ui/[A-Za-z]+\\.h|platform/[A-Za-z]+\\.h|geometry"
    "config:config|common|ui/[A-Za-z]+\\.h|platform/[A-Za-z]+\\.h|geometry")
if(NOT ROOT)
    set(ROOT ${CMAKE_SOURCE_DIR})
endif()
set(breaches)
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/geometry/* ${ROOT}/platform/* ${ROOT}/ui/* ${ROOT}/common/*
     ${ROOT}/runner/* ${ROOT}/config/*)
list(FILTER sources INCLUDE REGEX "\\.(h|cpp)$")
# The programs' mains put each program together and may reach anything.
list(FILTER sources EXCLUDE REGEX "^(runner|config)/win32/")
foreach(relative ${sources})
    # A file keeps the rule of the longest folder that holds it.
    set(allowed)
    set(matched "")
    foreach(rule ${LAYER_RULES})
        string(REGEX REPLACE ":.*" "" folder "${rule}")
        string(LENGTH "${folder}" length)
        string(LENGTH "${matched}" best)
        if(relative MATCHES "^${folder}/" AND length GREATER best)
            set(matched "${folder}")
            string(REGEX REPLACE "^[^:]*:" "" allowed "${rule}")
        endif()
    endforeach()
    file(STRINGS ${ROOT}/${relative} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT header MATCHES "^(${allowed})")
            list(APPEND breaches "${relative} includes ${header}")
        endif()
    endforeach()
endforeach()
if(breaches)
    list(JOIN breaches "\n  " text)
    message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
