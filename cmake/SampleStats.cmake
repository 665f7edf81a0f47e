# The sample ShipStats.txt is written by the program's own Restore code, so it can never
# drift from the built-in table. Built for Windows, the writer runs under the emulator (Wine).
set(SKIRMOD_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(SKIRMOD_PACKAGING_BINARY_DIR ${PROJECT_BINARY_DIR}/packaging)
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

# ReadMe1st.txt, which About shows: the common text with the part of the platform it is for
# (how to start Skirmod and where its files live), in that platform's line ends.
function(skirmod_configure_readme platform_part newline_style)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${platform_part})
    file(READ ${platform_part} part)
    string(CONFIGURE "${part}" SKIRMOD_README_PLATFORM @ONLY)
    set(SKIRMOD_README ${SKIRMOD_PACKAGING_BINARY_DIR}/ReadMe1st.txt PARENT_SCOPE)
    configure_file(${SKIRMOD_PACKAGING_DIR}/ReadMe1st.txt.in
                   ${SKIRMOD_PACKAGING_BINARY_DIR}/ReadMe1st.txt @ONLY
                   NEWLINE_STYLE ${newline_style})
endfunction()
