# What the Windows zip holds of the build: both programs with their icon, version and
# manifest resources, the read-me written for Windows, the sample stats file and the licence,
# all in one folder, which is where the program runs (Explorer makes it the current folder).
# scripts/build-windows.sh adds Qt's DLLs, the runtime and the third-party licences.
include(${CMAKE_CURRENT_LIST_DIR}/SampleStats.cmake)
skirmod_configure_readme(${SKIRMOD_PACKAGING_DIR}/windows/readme_files.txt WIN32)

set(SKIRMOD_ICO ${SKIRMOD_PACKAGING_DIR}/windows/skirmod.ico)
function(skirmod_add_windows_resources target description)
    set(SKIRMOD_EXE_NAME ${target})
    set(SKIRMOD_FILE_DESCRIPTION ${description})
    set(SKIRMOD_MANIFEST ${SKIRMOD_PACKAGING_BINARY_DIR}/${target}.manifest)
    configure_file(${SKIRMOD_PACKAGING_DIR}/windows/skirmod.manifest.in ${SKIRMOD_MANIFEST} @ONLY)
    set(rc ${SKIRMOD_PACKAGING_BINARY_DIR}/${target}.rc)
    configure_file(${SKIRMOD_PACKAGING_DIR}/windows/skirmod.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
skirmod_add_windows_resources(skirmod "Skirmod battle calculator")
skirmod_add_windows_resources(skirmod-calc "Skirmod battle calculator on the command line")
# A double-click opens the window alone, without a console beside it.
set_target_properties(skirmod PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS skirmod skirmod-calc RUNTIME DESTINATION .)
install(FILES ${SKIRMOD_README} ${SKIRMOD_SAMPLE_STATS} DESTINATION .)
# Explorer opens only a name with an extension.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
