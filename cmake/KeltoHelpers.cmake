# kelto_sources(<var> <dir>...): every .cpp/.h of the given folders (not recursive).
# Folders are globbed so that adding a file needs no edit of a shared list.
function(kelto_sources var)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND result ${found})
  endforeach()
  set(${var} ${result} PARENT_SCOPE)
endfunction()

# kelto_test(<name> LIBS <libs...> DIRS <test folders...>): one GoogleTest executable
# registered with ctest. The shared main creates the QApplication.
function(kelto_test name)
  cmake_parse_arguments(T "" "" "LIBS;DIRS" ${ARGN})
  kelto_sources(srcs ${T_DIRS})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs} ${CMAKE_SOURCE_DIR}/tests/testmain.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  # Tests that read files of the source tree find it here (__FILE__ may be relative to the build).
  target_compile_definitions(${name} PRIVATE KELTO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock
    Qt6::Widgets Qt6::Test kelto_warnings)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
