# Run after the desktop tests are linked: asks the test program for its test functions (Qt
# Test's -functions) and writes the ctest file that runs each of them on a desktop of its own.
# Variables: TEST_PROGRAM, RUNNER (run_on_desktop.sh), OUTPUT.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TEST_PROGRAM} -functions
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status)
string(REGEX MATCHALL "[A-Za-z0-9_]+\\(\\)" functions "${listing}")
if(NOT status EQUAL 0 OR NOT functions)
    message(FATAL_ERROR "${TEST_PROGRAM} -functions listed no test functions "
                        "(exit status ${status}):\n${listing}${errors}")
endif()
set(tests "")
foreach(function IN LISTS functions)
    string(REPLACE "()" "" function ${function})
    string(APPEND tests
           "add_test([=[desktop.${function}]=] [=[${RUNNER}]=] [=[${TEST_PROGRAM}]=] ${function})\n"
           "set_tests_properties([=[desktop.${function}]=] PROPERTIES LABELS desktop TIMEOUT 60)\n")
endforeach()
file(WRITE ${OUTPUT} "${tests}")
