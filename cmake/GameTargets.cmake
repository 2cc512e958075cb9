# Helpers that keep the per-folder CMakeLists.txt files short.

# game_add_gtest(<name> SOURCES <files...> LIBS <targets...> [LABELS <label>])
# A GoogleTest executable whose tests are registered with CTest one by one.
function(game_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT GAME_TESTS OR GAME_FUZZ)
        return()
    endif()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    # "unit" unless a label is given. One label only: test discovery splits a list of them and
    # takes all but the first for property names.
    set(labels unit)
    if(ARG_LABELS)
        set(labels ${ARG_LABELS})
    endif()
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS "${labels}" ENVIRONMENT "SDL_AUDIODRIVER=dummy")
endfunction()

# game_add_fuzzer(<name> SOURCES <files...> LIBS <targets...> [CORPUS <dir>])
# A libFuzzer target, run for GAME_FUZZ_SECONDS as a CTest test labelled "fuzz".
function(game_add_fuzzer name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    if(NOT GAME_FUZZ)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    set(seeds "")
    if(ARG_CORPUS)
        set(seeds ${ARG_CORPUS})
    endif()
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DWORK=${work}
                -DSEEDS=${seeds} -DSECONDS=${GAME_FUZZ_SECONDS}
                -P ${PROJECT_SOURCE_DIR}/cmake/RunFuzzer.cmake)
    set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 900)
endfunction()

# game_add_benchmark(<name> SOURCES <files...> LIBS <targets...>)
# A Google Benchmark executable; CTest runs it briefly (label "bench") so that it keeps working.
function(game_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    add_test(NAME ${name} COMMAND ${name} --benchmark_min_time=0.01
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(${name} PROPERTIES LABELS bench)
endfunction()

# game_add_e2e(<name> <script>)
# An end-to-end shell test that starts its own X server and drives the real program.
function(game_add_e2e name script)
    if(NOT GAME_TESTS OR GAME_FUZZ)
        return()
    endif()
    add_test(NAME ${name} COMMAND bash ${script} $<TARGET_FILE:game>
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    # The X and GL libraries under the real window keep allocations for the life of the process,
    # differently on every machine; the game's own leaks are checked headless by the unit tests.
    set_tests_properties(${name} PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE
        ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endfunction()

# game_add_subdirectories(): add every direct subfolder that has a CMakeLists.txt.
function(game_add_subdirectories)
    file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT children)
    foreach(child ${children})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# game_add_test_folder(<name> LIBS <targets...>)
# For a folder under tests/: every *_test.cpp goes into one GoogleTest executable <name>, and
# every fuzz_*.cpp becomes a libFuzzer target, seeded from the folder <stem>_corpus beside it
# when that exists.
function(game_add_test_folder name)
    cmake_parse_arguments(ARG "" "" "LIBS;LABELS" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
    file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_support.cpp)
    if(tests)
        game_add_gtest(${name} SOURCES ${tests} ${support} LIBS ${ARG_LIBS} LABELS ${ARG_LABELS})
    endif()
    file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_*.cpp)
    foreach(fuzzer ${fuzzers})
        get_filename_component(stem ${fuzzer} NAME_WE)
        game_add_fuzzer(${stem} SOURCES ${fuzzer} LIBS ${ARG_LIBS}
                        CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/${stem}_corpus)
    endforeach()
endfunction()
