# tw_add_test(<name> SOURCES <files...> [LIBS <targets...>] [WIN32_ONLY])
# Builds a GoogleTest executable and registers each of its test cases with CTest.
# In the Windows build the cases run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
include(GoogleTest)
include(${CMAKE_CURRENT_LIST_DIR}/TwDlls.cmake)

function(tw_add_test name)
  cmake_parse_arguments(T "WIN32_ONLY;NATIVE_ONLY" "" "SOURCES;LIBS" ${ARGN})
  if(T_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  if(T_NATIVE_ONLY AND WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 300
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# tw_add_win_test(<name> SOURCES <files...> [LIBS <targets...>] [DLLS <dll targets...>])
# A test of the Windows build only, run under Wine; the DLLs it needs are copied beside it.
function(tw_add_win_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;DLLS" ${ARGN})
  tw_add_test(${name} SOURCES ${T_SOURCES} LIBS ${T_LIBS})
  tw_copy_dlls_beside(${name} ${T_DLLS})
endfunction()

# tw_add_tests_in_folder([LIBS <targets...>] [SOURCES <shared files...>] [DLLS <dlls...>])
# One test executable per *_test.cpp of the calling folder, named test_<folder>_<file>, each
# built with the shared sources. With DLLS the tests are Windows-only and get those DLLs beside.
function(tw_add_tests_in_folder)
  cmake_parse_arguments(T "" "" "LIBS;SOURCES;DLLS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" folder "${folder}")
  foreach(test IN LISTS tests)
    get_filename_component(stem ${test} NAME_WE)
    string(REGEX REPLACE "_test$" "" stem "${stem}")
    if(T_DLLS)
      tw_add_win_test(test_${folder}_${stem} SOURCES ${test} ${T_SOURCES} LIBS ${T_LIBS}
        DLLS ${T_DLLS})
    else()
      tw_add_test(test_${folder}_${stem} SOURCES ${test} ${T_SOURCES} LIBS ${T_LIBS})
    endif()
  endforeach()
endfunction()
