# The layers as facts of the build: each folder may include only the
# folders below it. Run as a build step before any layer compiles (a breach
# stops the build) and as the native tree's `layers` test:
#   cmake -DROOT=<source dir> -P cmake/Layers.cmake
# A folder's rule names the folders its files may include, besides the
# system's headers and the headers of the standard library.
cmake_policy(VERSION 3.20)
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
# The project's headers a file includes ("..." includes).
function(orv_includes out relative)
    file(STRINGS ${ROOT}/${relative} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    set(headers)
    foreach(line ${lines})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
        list(APPEND headers ${header})
    endforeach()
    set(${out} ${headers} PARENT_SCOPE)
endfunction()

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
    orv_includes(headers ${relative})
    foreach(header ${headers})
        if(NOT header MATCHES "^(${allowed})")
            list(APPEND breaches "${relative} includes ${header}")
        endif()
    endforeach()
endforeach()

# Inside config/, transfer/ and ordering/ are work without controls: no file
# of theirs reaches ui/, directly or through a header that does, nor the
# dialog's header.
set(CONTROLS_FREE "^config/(transfer|ordering)/")
# The headers that reach the controls, found until none is added.
set(with_controls config/ConfigDlg.h)
set(all_headers ${sources})
list(FILTER all_headers INCLUDE REGEX "\\.h$")
set(grown TRUE)
while(grown)
    set(grown FALSE)
    foreach(header ${all_headers})
        if(NOT header IN_LIST with_controls)
            orv_includes(includes ${header})
            foreach(included ${includes})
                if(included MATCHES "^ui/" OR included IN_LIST with_controls)
                    list(APPEND with_controls ${header})
                    set(grown TRUE)
                    break()
                endif()
            endforeach()
        endif()
    endforeach()
endwhile()
foreach(relative ${sources})
    if(relative MATCHES "${CONTROLS_FREE}")
        set(reaches)
        orv_includes(includes ${relative})
        foreach(included ${includes})
            if(included MATCHES "^ui/" OR included IN_LIST with_controls)
                list(APPEND reaches ${included})
            endif()
        endforeach()
        if(reaches)
            list(JOIN reaches ", " text)
            list(APPEND breaches "${relative} reaches the controls through ${text}")
        endif()
    endif()
endforeach()

if(breaches)
    list(JOIN breaches "\n  " text)
    message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
