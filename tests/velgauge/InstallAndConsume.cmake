# Configures, builds and runs a separate program against the Velgauge package: with MODE
# "installed" from a scratch install of the built library, with MODE "build_tree" straight
# from the build tree. Arguments: MODE, BUILD_DIR, SOURCE_DIR, WORK_DIR, and PROGRAM, the
# executable to run once built ("consumer" when not given; none when empty).
if(NOT DEFINED PROGRAM)
    set(PROGRAM consumer)
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
include("${CMAKE_CURRENT_LIST_DIR}/../RunOrFail.cmake")
if(MODE STREQUAL "installed")
    run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix"
        --component Unspecified)
    set(locate "-DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix")
else()
    set(locate "-DVelgauge_DIR=${BUILD_DIR}/velgauge")
endif()
run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" ${locate})
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
if(PROGRAM)
    run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        "LD_LIBRARY_PATH=${WORK_DIR}/prefix/lib:${WORK_DIR}/prefix/lib64:$ENV{LD_LIBRARY_PATH}"
        "${WORK_DIR}/build/${PROGRAM}")
endif()
