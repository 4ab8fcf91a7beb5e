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
    message(FATAL_ERROR "kelto_test(${name}): no test sources in ${T_DIRS}")
  endif()
  add_executable(${name} ${srcs} ${CMAKE_SOURCE_DIR}/tests/testmain.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock
    Qt6::Widgets Qt6::Test kelto_warnings)
  # Run from the build folder, where the compiler ran: with ccache's base folder set, __FILE__ is
  # relative to it, and tests find their fixtures in the source tree through __FILE__.
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# kelto_install_library(<target> <public headers...>): installs a shared library of ours with its
# version links, and its public headers (paths relative to the current source folder) under
# <includedir>/kelto-line/ in the same folders as in the source tree, together with the shared
# headers of common/ that they include.
function(kelto_install_library target)
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  file(RELATIVE_PATH here ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(base ${CMAKE_INSTALL_INCLUDEDIR}/kelto-line)
  foreach(header IN LISTS ARGN)
    get_filename_component(folder ${here}/${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${base}/${folder})
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/common/colour.h DESTINATION ${base}/common)
endfunction()
