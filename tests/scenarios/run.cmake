# Runs one scenario and compares what the runner prints with NAME.out. The
# program's folder is named here, and its path reads as <folder> in the output.
if(NOT name)
    get_filename_component(name "${SCENARIO}" NAME_WE)
endif()
string(REGEX REPLACE "\\.scn$" ".out" expected_file "${SCENARIO}")
set(folder "${CMAKE_CURRENT_BINARY_DIR}/scenario-folders/${name}")
set(ENV{VEXTONDOF_SCENARIO_FOLDER} "${folder}")
# A desktop of another kind (its font, its scale): NAME=VALUE pairs.
foreach(setting IN LISTS DESKTOP)
    string(REGEX MATCH "^([^=]+)=(.*)$" ignored "${setting}")
    set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
endforeach()
# Steps of the desktop's own that go before the scenario's (PRELUDE, lines
# separated by "|"): a font the desktop gives, for one.
set(run "${SCENARIO}")
if(PRELUDE)
    string(REPLACE "|" "\n" prelude "${PRELUDE}")
    file(READ "${SCENARIO}" steps)
    set(run "${CMAKE_CURRENT_BINARY_DIR}/${name}.scn")
    file(WRITE "${run}" "${prelude}\n${steps}")
endif()
execute_process(COMMAND "${RUNNER}" "${run}" OUTPUT_VARIABLE actual RESULT_VARIABLE code
                TIMEOUT 120)
string(REPLACE "${folder}" "<folder>" actual "${actual}")
file(READ "${expected_file}" expected)
if(NOT actual STREQUAL expected)
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual" "${actual}")
    message(FATAL_ERROR "output differs from ${expected_file} (exit ${code}):\n"
                        "diff ${expected_file} ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual\n"
                        "--- got:\n${actual}")
endif()
if(NOT code EQUAL 0 AND NOT actual MATCHES "error: line")
    message(FATAL_ERROR "runner exited ${code}")
endif()
