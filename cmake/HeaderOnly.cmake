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
foreach(target_and_folder IN ITEMS "CLI11::CLI11=CLI" "nlohmann_json::nlohmann_json=nlohmann")
    string(REPLACE "=" ";" pair ${target_and_folder})
    list(GET pair 0 target)
    list(GET pair 1 folder)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "${target} is missing: /usr/include/${folder} not found")
    endif()
    file(CREATE_LINK /usr/include/${folder} ${skirmod_header_only}/${folder} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES
                                               ${skirmod_header_only})
endforeach()
