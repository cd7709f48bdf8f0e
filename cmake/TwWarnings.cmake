# Common compile settings for every target of the project.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(WIN32)
  # ANSI API throughout; no UNICODE.
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX)
endif()
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

option(TW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The libFuzzer targets of fuzz/ exist in the sanitizer build made with clang. Every library
# they link is compiled with -fsanitize=fuzzer-no-link (see tw_instrument_for_fuzzing), so the
# fuzzer sees which branches of the parsers an input reaches; the other programs of that build
# take the same objects and get the no-op coverage hooks of the sanitizer runtime.
set(TW_FUZZING OFF)
if(TW_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES Clang)
  set(TW_FUZZING ON)
endif()
set(TW_FUZZ_INSTRUMENT_FLAG -fsanitize=fuzzer-no-link)

# tw_instrument_for_fuzzing(<target>): compiles <target> and every library of the project it
# links, directly or through others, with the fuzzer's coverage instrumentation.
function(tw_instrument_for_fuzzing target)
  get_target_property(type ${target} TYPE)
  get_target_property(imported ${target} IMPORTED)
  if(imported)
    return()
  endif()
  get_target_property(done ${target} TW_FUZZ_INSTRUMENTED)
  if(done)
    return()
  endif()
  set_property(TARGET ${target} PROPERTY TW_FUZZ_INSTRUMENTED ON)
  set(links "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    target_compile_options(${target} PRIVATE ${TW_FUZZ_INSTRUMENT_FLAG})
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND links ${direct})
    endif()
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  if(interface)
    list(APPEND links ${interface})
  endif()
  foreach(link IN LISTS links)
    if(TARGET ${link})
      tw_instrument_for_fuzzing(${link})
    endif()
  endforeach()
endfunction()

# Coverage build (clang only): source-based line and branch counts of every object, read by
# scripts/coverage.sh with llvm-profdata and llvm-cov.
option(TW_COVERAGE "Build with clang's source-based coverage instrumentation" OFF)
if(TW_COVERAGE)
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
endif()
