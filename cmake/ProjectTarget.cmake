# Our own code builds with warnings as errors; third-party code never goes through here.
function(rorovavozir_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
    # The warnings are tuned to GCC, the project's compiler; the fuzz build's clang only reports them.
    $<$<NOT:$<BOOL:${ROROVAVOZIR_FUZZ}>>:-Werror>
    # GCC 12 reports overlaps inside std::string at -O3 that cannot happen.
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()

# A static library of one subsystem: every .cpp of its folder and of sub-folders that have
# no CMakeLists.txt of their own (those are libraries of their own).
function(rorovavozir_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB_RECURSE own_lists CONFIGURE_DEPENDS ${folder}/*/CMakeLists.txt)
  foreach(list ${own_lists})
    get_filename_component(sub ${list} DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${sub}/")
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  rorovavozir_strict(${name})
endfunction()

# One test program of one subsystem: every .cpp of its test folder.
function(rorovavozir_tests name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} testsupport GTest::gtest_main GTest::gmock)
  rorovavozir_strict(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "RV_SOURCE_DIR=${CMAKE_SOURCE_DIR};QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
