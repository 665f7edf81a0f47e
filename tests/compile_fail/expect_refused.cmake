# Compiles SOURCE with -DSLIP=SLIP: slip 0 must compile, every other slip must be refused
# with a word on constness, which is what keeps a front end from writing the state.
execute_process(
    COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${INCLUDE} -DSLIP=${SLIP} ${SOURCE}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(SLIP EQUAL 0)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the reading front end does not compile:\n${output}")
    endif()
elseif(result EQUAL 0)
    message(FATAL_ERROR "slip ${SLIP} compiled: a front end can write the engine's state")
elseif(NOT output MATCHES "const")
    message(FATAL_ERROR "slip ${SLIP} failed, but not for constness:\n${output}")
else()
    message(STATUS "slip ${SLIP} refused")
endif()
