# Fails when PROGRAM is larger than LIMIT bytes.
file(SIZE "${PROGRAM}" size)
get_filename_component(name "${PROGRAM}" NAME)
if(size GREATER LIMIT)
    message(FATAL_ERROR "${name} is ${size} bytes, more than ${LIMIT}")
endif()
message(STATUS "${name}: ${size} bytes of at most ${LIMIT}")
