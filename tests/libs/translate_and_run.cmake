# Translates a TolvaBasic page that uses the libraries with the installed translator, runs the
# PHP it wrote and compares what the page prints with the expected text, byte for byte.
# Usage: cmake -DTSG=<translator> -DPHP=<php program> -DSOURCE=<main.tol>
#              -DEXPECTED=<text file> -DOUT=<scratch folder> -P translate_and_run.cmake
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TSG}" -s "${SOURCE}" -o "${OUT}" OUTPUT_VARIABLE report)
if(NOT report MATCHES "Done!" OR report MATCHES "Error: ")
    message(FATAL_ERROR "the translation failed:\n${report}")
endif()

get_filename_component(page "${SOURCE}" NAME_WE)
execute_process(COMMAND "${PHP}" -d display_errors=stderr -d error_reporting=-1 "${page}.php"
                WORKING_DIRECTORY "${OUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE complaints)
file(READ "${EXPECTED}" expected)
if(NOT status EQUAL 0 OR NOT complaints STREQUAL "")
    message(FATAL_ERROR "PHP ended with status ${status}:\n${complaints}")
endif()
if(NOT printed STREQUAL expected)
    message(FATAL_ERROR "the page printed:\n${printed}\ninstead of:\n${expected}")
endif()
