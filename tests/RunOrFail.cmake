# For the scripts the package tests run with `cmake -P`: run(COMMAND ARGS...) runs a command and
# stops the script with its output when it fails.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${out}")
    endif()
endfunction()
