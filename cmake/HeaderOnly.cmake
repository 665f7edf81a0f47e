# CLI11 and nlohmann/json are header-only: Debian's copies serve any target system. Built
# for another system, the host's include folder must not reach the compiler (its C library
# headers would shadow the target's), so only the two libraries' folders are linked in.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(CLI11 REQUIRED GLOBAL)
    find_package(nlohmann_json REQUIRED GLOBAL)
    return()
endif()

set(skirmod_header_only ${CMAKE_BINARY_DIR}/header-only)
file(MAKE_DIRECTORY ${skirmod_header_only})
foreach(package_and_header IN ITEMS "CLI11=CLI/CLI.hpp" "nlohmann_json=nlohmann/json.hpp")
    string(REPLACE "=" ";" pair ${package_and_header})
    list(GET pair 0 package)
    list(GET pair 1 header)
    # The host's own package tells where its headers are.
    find_package(${package} CONFIG REQUIRED GLOBAL NO_CMAKE_FIND_ROOT_PATH)
    set(target ${package}::${package})
    get_target_property(host_includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
    find_path(SKIRMOD_${package}_INCLUDE_DIR ${header} PATHS ${host_includes}
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    get_filename_component(folder ${header} DIRECTORY)
    file(CREATE_LINK ${SKIRMOD_${package}_INCLUDE_DIR}/${folder} ${skirmod_header_only}/${folder}
         SYMBOLIC)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES
                                               ${skirmod_header_only})
endforeach()
