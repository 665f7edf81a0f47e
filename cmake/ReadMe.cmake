# ReadMe1st.txt from its template: the desktop packages and the page use the one text.
set(SKIRMOD_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(SKIRMOD_PACKAGING_BINARY_DIR ${PROJECT_BINARY_DIR}/packaging)

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
