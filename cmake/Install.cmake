# What `cmake --install` lays out: the program, its launcher and skirmod-calc with their
# manual pages, the desktop entry, icon and AppStream metadata, the licence and changelog, and
# the two files every player starts with (see packaging/skirmod-launcher.in).
include(GNUInstallDirs)

set(SKIRMOD_APP_ID org.skirmod.Skirmod)
include(${CMAKE_CURRENT_LIST_DIR}/SampleStats.cmake)
skirmod_configure_readme(${SKIRMOD_PACKAGING_DIR}/readme_files_linux.txt UNIX)

# The launcher finds the samples relative to its own folder, so an installed tree still
# works after `cmake --install --prefix` elsewhere or a move as a whole.
file(RELATIVE_PATH SKIRMOD_SAMPLES_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/skirmod)
configure_file(${SKIRMOD_PACKAGING_DIR}/skirmod-launcher.in
               ${SKIRMOD_PACKAGING_BINARY_DIR}/skirmod-launcher @ONLY)

# Qt comes from the system, so the installed program needs no library search path of its own.
set_target_properties(skirmod PROPERTIES INSTALL_RPATH "")
install(TARGETS skirmod skirmod-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${SKIRMOD_PACKAGING_BINARY_DIR}/skirmod-launcher
        DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SKIRMOD_PACKAGING_DIR}/${SKIRMOD_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SKIRMOD_PACKAGING_DIR}/${SKIRMOD_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${SKIRMOD_README} ${SKIRMOD_SAMPLE_STATS} DESTINATION ${CMAKE_INSTALL_DATADIR}/skirmod)

# Texts that name the version take it from the project, compressed the way Debian wants
# them: gzip -9 without a name or time stamp, so every build gives the same bytes.
function(skirmod_add_gzipped_text template gzipped_name)
    get_filename_component(name ${template} NAME_WLE)
    set(text ${SKIRMOD_PACKAGING_BINARY_DIR}/${name})
    configure_file(${SKIRMOD_PACKAGING_DIR}/${template} ${text} @ONLY)
    set(gzipped ${SKIRMOD_PACKAGING_BINARY_DIR}/${gzipped_name})
    add_custom_command(
        OUTPUT ${gzipped}
        COMMAND gzip -9n -c ${text} > ${gzipped}
        DEPENDS ${text}
        COMMENT "Compressing ${gzipped_name}")
    add_custom_target(skirmod_${gzipped_name} ALL DEPENDS ${gzipped})
endfunction()
skirmod_add_gzipped_text(skirmod.1.in skirmod.1.gz)
skirmod_add_gzipped_text(skirmod-launcher.1.in skirmod-launcher.1.gz)
skirmod_add_gzipped_text(skirmod-calc.1.in skirmod-calc.1.gz)
skirmod_add_gzipped_text(changelog.in changelog.gz)
install(FILES ${SKIRMOD_PACKAGING_BINARY_DIR}/skirmod.1.gz
              ${SKIRMOD_PACKAGING_BINARY_DIR}/skirmod-launcher.1.gz
              ${SKIRMOD_PACKAGING_BINARY_DIR}/skirmod-calc.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SKIRMOD_PACKAGING_DIR}/copyright ${SKIRMOD_PACKAGING_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skirmod)

configure_file(${SKIRMOD_PACKAGING_DIR}/${SKIRMOD_APP_ID}.metainfo.xml.in
               ${SKIRMOD_PACKAGING_BINARY_DIR}/${SKIRMOD_APP_ID}.metainfo.xml @ONLY)
install(FILES ${SKIRMOD_PACKAGING_BINARY_DIR}/${SKIRMOD_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

if(NOT SKIRMOD_BUILD_TESTS)
    return()
endif()
add_test(NAME skirmod_launcher
         COMMAND sh ${SKIRMOD_PACKAGING_DIR}/launcher_test.sh ${CMAKE_COMMAND}
                 ${PROJECT_BINARY_DIR} ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR})
add_test(NAME skirmod_make_sample_stats
         COMMAND sh ${SKIRMOD_PACKAGING_DIR}/make_sample_stats_test.sh
                 $<TARGET_FILE:skirmod_make_sample_stats>)
