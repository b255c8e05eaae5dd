# Turns one example document (JSON) into a sequence file with `vireo-cli write`.
#   cmake -DCLI=<vireo-cli> -DINPUT=<document.json> -DOUTPUT=<file.kvs> -P WriteExample.cmake
execute_process(COMMAND ${CLI} write ${OUTPUT}
    INPUT_FILE ${INPUT}
    RESULT_VARIABLE result
    ERROR_VARIABLE problem)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "vireo-cli write ${OUTPUT} failed (${result}): ${problem}")
endif()
