# Fails unless the library defines exactly the nine exported functions and nothing else.
execute_process(COMMAND ${NM} -D --defined-only --format=posix ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "(^|\n)[^ \n]+" names "${listing}")
list(TRANSFORM names STRIP)
list(SORT names)
set(expected ZUBREAKSAMPLE ZuCloseSample ZuOpenSample ZuPlaySample ZuPlaySampleFrom
             ZuResumeSample ZuSampleCurPos ZuSampleLength ZuStopSample)
list(SORT expected)
if(NOT names STREQUAL expected)
    message(FATAL_ERROR "exported: ${names}\nexpected: ${expected}")
endif()
message(STATUS "exports: ${names}")
