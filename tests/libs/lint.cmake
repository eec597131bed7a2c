# Runs "php -l" on every PHP file below a library folder and fails when any of them does not
# parse. Usage: cmake -DPHP=<php program> -DLIBS=<libs/tol folder> -P lint.cmake
file(GLOB_RECURSE files "${LIBS}/*.php")
if(NOT files)
    message(FATAL_ERROR "no PHP files below ${LIBS}")
endif()

set(failed 0)
foreach(file IN LISTS files)
    execute_process(COMMAND "${PHP}" -l "${file}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT status EQUAL 0)
        message("${report}")
        math(EXPR failed "${failed} + 1")
    endif()
endforeach()
if(failed GREATER 0)
    message(FATAL_ERROR "${failed} PHP file(s) below ${LIBS} do not parse")
endif()
