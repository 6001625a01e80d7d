# Runs one scenario and compares what the runner prints with NAME.out.
string(REGEX REPLACE "\\.scn$" ".out" expected_file "${SCENARIO}")
execute_process(COMMAND "${RUNNER}" "${SCENARIO}" OUTPUT_VARIABLE actual RESULT_VARIABLE code
                TIMEOUT 60)
file(READ "${expected_file}" expected)
if(NOT actual STREQUAL expected)
    get_filename_component(name "${SCENARIO}" NAME)
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual" "${actual}")
    message(FATAL_ERROR "output differs from ${expected_file} (exit ${code}); "
                        "diff ${expected_file} ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual\n--- got:\n${actual}")
endif()
if(NOT code EQUAL 0 AND NOT actual MATCHES "error: line")
    message(FATAL_ERROR "runner exited ${code}")
endif()
