# Shared build rules: every target of ours is wide-only, C++20, warning-clean
# and carries its runtime statically.

set(QUILLON_ROOT "${CMAKE_SOURCE_DIR}")
set(QUILLON_BIN  "${CMAKE_BINARY_DIR}/bin")

function(quillon_defaults target)
  target_compile_features(${target} PRIVATE cxx_std_20)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN
                             _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Werror>)
  target_include_directories(${target} PRIVATE "${QUILLON_ROOT}")
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${QUILLON_BIN}"
    LIBRARY_OUTPUT_DIRECTORY "${QUILLON_BIN}"
    ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib")
  quillon_resource_depends(${target})
endfunction()

# windres reports no dependencies: a resource script is compiled again when
# any script, header or picture beside it changes (the main script includes
# the editors' and the forms' scripts).
function(quillon_resource_depends target)
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.rc$")
      get_filename_component(script "${source}" ABSOLUTE)
      get_filename_component(folder "${script}" DIRECTORY)
      file(GLOB beside CONFIGURE_DEPENDS "${folder}/*.rc" "${folder}/*.h" "${folder}/*.bmp"
           "${folder}/*.ico" "${folder}/*.cur")
      list(REMOVE_ITEM beside "${script}")
      set_property(SOURCE "${source}" APPEND PROPERTY OBJECT_DEPENDS "${beside}")
    endif()
  endforeach()
endfunction()

# A device program with a wide entry point (wWinMain).
function(quillon_program name)
  add_executable(${name} WIN32 ${ARGN})
  quillon_defaults(${name})
  target_link_options(${name} PRIVATE -municode -static)
endfunction()

# A console program (stand-ins, benchmarks, helpers) with wmain.
function(quillon_console_program name)
  add_executable(${name} ${ARGN})
  quillon_defaults(${name})
  target_link_options(${name} PRIVATE -municode -static)
endfunction()

# A DLL of ours. Exports come from a .def file listed among the sources or
# from __declspec(dllexport); no import-name prefix ("lib").
function(quillon_dll name)
  add_library(${name} SHARED ${ARGN})
  quillon_defaults(${name})
  set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "")
  target_link_options(${name} PRIVATE -static -Wl,--enable-stdcall-fixup)
endfunction()

# A DLL that its host loads and frees again and again: the TLS indexes its
# static runtime takes go back at each unload (core/module_tls.cpp).
function(quillon_gives_back_tls target)
  target_sources(${target} PRIVATE "${QUILLON_ROOT}/core/module_tls.cpp")
  target_link_options(${target} PRIVATE -Wl,--wrap=__imp_TlsAlloc)
endfunction()

# A static library of ours, linked into programs and DLLs.
function(quillon_library name)
  add_library(${name} STATIC ${ARGN})
  quillon_defaults(${name})
endfunction()

# quillon_test(<name> LABEL <area> [TIMEOUT s] SOURCES ... [LIBS ...])
# One executable, one CTest test, run by tools/wine-test in a device of its own.
function(quillon_test name)
  cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    message(FATAL_ERROR "quillon_test(${name}) needs a LABEL")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 180)
  endif()
  add_executable(${name} ${T_SOURCES})
  quillon_defaults(${name})
  target_link_options(${name} PRIVATE -municode -static)
  target_link_libraries(${name} PRIVATE testkit ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QUILLON_BUILD=${CMAKE_BINARY_DIR};QUILLON_TEST_TIMEOUT=${T_TIMEOUT}")
endfunction()

# A DLL loaded for its resources only (a version, say), built into the given
# folder, without an import library.
function(quillon_resource_dll name directory)
  add_library(${name} MODULE ${ARGN})
  quillon_defaults(${name})
  set_target_properties(${name} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY "${directory}")
  target_link_options(${name} PRIVATE -static)
endfunction()

# A Windows CE 3.0 build of a deliverable: the same sources and libraries
# compiled for the older platform, written under bin/<folder> with the
# deliverable's own file name (and its import library under lib/<folder>).
function(quillon_older_build target folder output_name)
  target_compile_definitions(${target} PRIVATE QUILLON_OLDER_BUILD)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${output_name}
    RUNTIME_OUTPUT_DIRECTORY "${QUILLON_BIN}/${folder}"
    ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib/${folder}")
endfunction()
