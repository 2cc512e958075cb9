# Builds tests/zuplay/c_caller.c as a caller outside the project would: the header and the library
# are laid out in a private prefix as an install would lay them out, and the compiler flags come
# from pkg-config reading the generated zuplay.pc with that prefix. Then the program plays WAV,
# MP3, Ogg, FLAC and MIDI files kept under a folder whose name has a space and UTF-8 bytes.
# Arguments: CC, FLAGS (extra compiler flags, e.g. sanitizers), SOURCE_DIR, BINARY_DIR, LIBRARY,
# LIBDIR (relative, as in zuplay.pc), INCLUDEDIR, WORK.
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
file(MAKE_DIRECTORY ${prefix}/${INCLUDEDIR}/zuplay ${prefix}/${LIBDIR}/pkgconfig)
file(COPY ${SOURCE_DIR}/zuplay/zuplay.h DESTINATION ${prefix}/${INCLUDEDIR}/zuplay)
file(COPY ${LIBRARY} DESTINATION ${prefix}/${LIBDIR})
file(COPY ${BINARY_DIR}/zuplay.pc DESTINATION ${prefix}/${LIBDIR}/pkgconfig)

set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
execute_process(COMMAND pkg-config --define-variable=prefix=${prefix} --cflags --libs zuplay
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config does not find zuplay: ${rc}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${FLAGS}")
execute_process(COMMAND ${CC} -std=c99 -Wall -Wextra -Werror ${extra}
                        ${SOURCE_DIR}/tests/zuplay/c_caller.c ${flags}
                        -Wl,-rpath,${prefix}/${LIBDIR} -o ${WORK}/c_caller
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the C caller does not build against zuplay.h and zuplay.pc")
endif()

set(music "${WORK}/dir with space/été")
file(MAKE_DIRECTORY ${music})
file(COPY ${SOURCE_DIR}/res/sound/dig.wav ${SOURCE_DIR}/res/sound/ambience.mp3
          ${SOURCE_DIR}/tests/zuplay/res/tune.mid DESTINATION ${music})
set(files "${music}/dig.wav" "${music}/ambience.mp3" "${music}/tune.mid")
foreach(kind ogg flac)
    execute_process(COMMAND sox ${music}/dig.wav "${music}/dig ${kind}.${kind}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "sox cannot write ${kind}")
    endif()
    list(APPEND files "${music}/dig ${kind}.${kind}")
endforeach()
execute_process(COMMAND ${WORK}/c_caller ${files} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the C caller failed")
endif()
