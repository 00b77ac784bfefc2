# Shared helpers for the suite's CMake files.

# Adds every folder below <root> (default: the current folder) that has a
# CMakeLists.txt, parents before their children. tests/, bench/ and fuzz/
# mirror the folders of src/ and tools/, so an area may sit several levels
# down (tests/unit/option/keyboard); a folder may add sources to a target its
# parent or an earlier sibling defined.
function(orvyn_add_folder_tree)
  set(root ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 0)
    set(root ${CMAKE_CURRENT_SOURCE_DIR}/${ARGV0})
  endif()
  file(GLOB_RECURSE lists RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${root}/CMakeLists.txt)
  set(folders)
  foreach(list IN LISTS lists)
    get_filename_component(folder ${list} DIRECTORY)
    if(folder) # not the current folder's own list
      list(APPEND folders ${folder})
    endif()
  endforeach()
  list(SORT folders)
  foreach(folder IN LISTS folders)
    add_subdirectory(${folder})
  endforeach()
endfunction()

# Sets <out> to TRUE when Qt's usage requirements reach a target linking
# <libs>: through Qt itself or a library that links it publicly.
function(orvyn_uses_qt out)
  set(queue ${ARGN})
  set(seen)
  set(found FALSE)
  while(queue)
    list(POP_FRONT queue item)
    if(item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    if(item MATCHES "^Qt6::")
      set(found TRUE)
      break()
    endif()
    if(TARGET ${item})
      get_target_property(libs ${item} INTERFACE_LINK_LIBRARIES)
      if(libs)
        foreach(lib IN LISTS libs)
          # $<LINK_ONLY:...> (a static library's private link) carries no
          # compile options.
          if(NOT lib MATCHES "^\\$<")
            list(APPEND queue ${lib})
          endif()
        endforeach()
      endif()
    endif()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# orvyn_add_gtest(<name> SOURCES ... LIBS ... [LABELS ...] [ENV ...] [TIMEOUT s])
# One GoogleTest executable registered with ctest. Tests get their own
# runtime and settings folders through the environment unless ENV says more.
function(orvyn_add_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ORVYN_TEST_PCH)
    # A precompiled header serves only compiles with its own code-generation
    # flags, and Qt's usage requirements add -fPIC.
    orvyn_uses_qt(uses_qt ${ARG_LIBS})
    # Through a precompiled header GCC 12 loses the system-header mark of
    # libstdc++'s inlined string copies and reports them out of bounds when
    # optimizing; the same tests compile clean without the header.
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread
                                           -Wno-restrict)
    if(uses_qt)
      target_precompile_headers(${name} REUSE_FROM orvyn_test_pch_qt)
    else()
      target_precompile_headers(${name} REUSE_FROM orvyn_test_pch)
    endif()
  endif()
  target_compile_definitions(${name} PRIVATE
    ORVYN_PROGRAM_DIR="${ORVYN_PROGRAM_DIR}/"
    ORVYN_SOURCE_DIR="${CMAKE_SOURCE_DIR}/")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
  # Tests read the English texts whatever the desktop's language (LANGUAGE
  # outranks LANG, and without a locale English is chosen anyway).
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "LANGUAGE=en")
  if(ARG_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "LANGUAGE=en;${ARG_ENV}")
  endif()
endfunction()
