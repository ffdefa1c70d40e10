# Cross-building: the header-only libraries come from the build machine's Debian packages (their
# headers are the same for every target), each as an imported target under the name its own
# CMake package gives it, so that find_package finds it. Each include folder holds that library
# alone: the build machine's /usr/include must not stand before the target's system headers.
set(bh_host_headers ${CMAKE_BINARY_DIR}/host-headers)

# bh_header_library(PACKAGE TARGET FOLDER...): FOLDER, under /usr/include, is linked into an
# include folder of its own for TARGET; a folder ending in "/" is used as it stands.
function(bh_header_library package target)
    set(include_dir ${bh_host_headers}/${package})
    foreach(folder IN LISTS ARGN)
        if(folder MATCHES "/$")
            set(include_dir /usr/include/${folder})
        else()
            if(NOT EXISTS /usr/include/${folder})
                message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/install-deps")
            endif()
            file(MAKE_DIRECTORY ${include_dir})
            file(CREATE_LINK /usr/include/${folder} ${include_dir}/${folder} SYMBOLIC)
        endif()
    endforeach()
    set(config_dir ${CMAKE_BINARY_DIR}/host-packages/${package})
    file(WRITE ${config_dir}/${package}Config.cmake "
if(NOT TARGET ${target})
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${include_dir})
endif()
")
    set(${package}_DIR ${config_dir} CACHE PATH "" FORCE)
endfunction()

bh_header_library(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
bh_header_library(CLI11 CLI11::CLI11 CLI)
bh_header_library(utf8cpp utf8cpp utf8cpp/)
