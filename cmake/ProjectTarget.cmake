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
  # The library's own headers, and only those, under their paths below src/: a library sees the
  # headers of the libraries it links and no others.
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(REMOVE_RECURSE ${root})
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${folder}/*.h)
  foreach(list ${own_lists})
    get_filename_component(sub ${list} DIRECTORY)
    list(FILTER headers EXCLUDE REGEX "^${sub}/")
  endforeach()
  foreach(header ${headers})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/src ${header})
    get_filename_component(parent ${root}/${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${header} ${root}/${relative} SYMBOLIC)
  endforeach()
  target_include_directories(${name} PUBLIC ${root})
  rorovavozir_strict(${name})
endfunction()

# One test program of one subsystem: every .cpp of its test folder, linked with the libraries
# that follow. LABEL names the program's kind (fast by default, e2e for whole runs); the cases
# that SLOW matches (a gtest filter: those that start LibreOffice or the schema validator) are
# labelled slow instead. `ctest -L fast` is the quick loop; plain ctest runs everything.
# The cases that DESKTOP matches (a gtest filter) need a desktop the offscreen screen is not (an X
# server under a window manager, several screens, a scale): they run only in the entries that
# start one, and are not registered here, where they could only skip.
function(rorovavozir_tests name folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "LABEL;SLOW;DESKTOP" "")
  if(NOT arg_LABEL)
    set(arg_LABEL fast)
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS} testsupport GTest::gtest_main GTest::gmock)
  rorovavozir_strict(${name})
  # gtest_discover_tests splits any list among the properties into words, so every property
  # holds one value: the checkout reaches the tests compiled in (RV_SOURCE_DIR_DEFAULT).
  # A screen of a common desktop's size: Qt's offscreen default, 800 x 800, would put the main
  # window, wider than that, in the scrolled page of a dialog larger than its screen.
  set(environment "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_SOURCE_DIR}/tests/support/desktop_screen.json")
  if(arg_SLOW)
    gtest_discover_tests(${name} TEST_FILTER "${arg_SLOW}"
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES ENVIRONMENT "${environment}" LABELS slow TIMEOUT 600
      DISCOVERY_TIMEOUT 60)
  endif()
  set(elsewhere ${arg_SLOW} ${arg_DESKTOP})
  if(elsewhere)
    list(JOIN elsewhere ":" elsewhere)
    set(quick_filter "-${elsewhere}")
  else()
    set(quick_filter "*")
  endif()
  # A quick case that hangs fails in two minutes instead of holding the run.
  gtest_discover_tests(${name} TEST_FILTER "${quick_filter}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "${environment}" LABELS "${arg_LABEL}" TIMEOUT 120
    DISCOVERY_TIMEOUT 60)
endfunction()
