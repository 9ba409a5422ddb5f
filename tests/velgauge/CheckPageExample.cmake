# Fails unless the page PAGE holds each source file of EXAMPLE_DIR word for word, so the page
# cannot show code that the example, which CTest builds, does not. Arguments: PAGE, EXAMPLE_DIR.
file(READ "${PAGE}" page)
foreach(name CMakeLists.txt main.cpp)
    file(READ "${EXAMPLE_DIR}/${name}" source)
    string(FIND "${page}" "${source}" at)
    if(at LESS 0)
        message(FATAL_ERROR "${PAGE} does not show ${EXAMPLE_DIR}/${name} as it is")
    endif()
endforeach()
