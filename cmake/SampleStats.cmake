# The sample ShipStats.txt is written by the program's own Restore code, so it can never
# drift from the built-in table. Built for Windows, the writer runs under the emulator (Wine).
include(${CMAKE_CURRENT_LIST_DIR}/ReadMe.cmake)
add_executable(skirmod_make_sample_stats ${SKIRMOD_PACKAGING_DIR}/make_sample_stats.cpp)
target_link_libraries(skirmod_make_sample_stats PRIVATE skirmod_core)
if(MINGW)
    # Run by Wine during the build, where the MinGW runtime DLLs are not on the path.
    target_link_options(skirmod_make_sample_stats PRIVATE -static)
endif()
set(SKIRMOD_SAMPLE_STATS ${SKIRMOD_PACKAGING_BINARY_DIR}/ShipStats.txt)
add_custom_command(
    OUTPUT ${SKIRMOD_SAMPLE_STATS}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:skirmod_make_sample_stats>
            ${SKIRMOD_SAMPLE_STATS}
    DEPENDS skirmod_make_sample_stats
    COMMENT "Writing the sample ShipStats.txt"
    VERBATIM)
add_custom_target(skirmod_sample_stats ALL DEPENDS ${SKIRMOD_SAMPLE_STATS})
