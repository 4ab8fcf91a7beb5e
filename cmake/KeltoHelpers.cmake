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
# registered with ctest. The shared main creates the QApplication. The compiled tests are kept in
# <name>_objects, so that kelto_test_again can link them with other builds of the libraries.
function(kelto_test name)
  cmake_parse_arguments(T "" "" "LIBS;DIRS" ${ARGN})
  kelto_sources(srcs ${T_DIRS})
  if(NOT srcs)
    message(FATAL_ERROR "kelto_test(${name}): no test sources in ${T_DIRS}")
  endif()
  add_library(${name}_objects OBJECT ${srcs} ${CMAKE_SOURCE_DIR}/tests/testmain.cpp)
  target_include_directories(${name}_objects PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name}_objects PRIVATE ${T_LIBS} GTest::gtest GTest::gmock
    Qt6::Widgets Qt6::Test kelto_warnings)
  kelto_test_again(${name} ${name} LIBS ${T_LIBS})
endfunction()

# kelto_test_again(<name> <tests> LIBS <libs...>): the compiled tests of kelto_test(<tests>) as the
# executable <name>, linked with the given libraries, registered with ctest.
function(kelto_test_again name tests)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} $<TARGET_OBJECTS:${tests}_objects>)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock Qt6::Widgets Qt6::Test)
  # Run from the build folder, where the compiler ran: with ccache's base folder set, __FILE__ is
  # relative to it, and tests find their fixtures in the source tree through __FILE__.
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# kelto_install_library(<target> PACKAGE <Name> DESCRIPTION <text> QT <Qt components...>
#                       HEADERS <public headers...> COMMON <headers of common/...>):
# installs a shared library of ours with its version links, and its public headers (paths
# relative to the current source folder) under <includedir>/kelto-line/ in the same folders as
# in the source tree, together with the headers of common/ that its API uses. Hosts find it with
# find_package(<Name>) (the imported target <Name>::<target> carries the include folder and the
# Qt libraries) or with pkg-config (<target>.pc).
function(kelto_install_library target)
  cmake_parse_arguments(I "" "PACKAGE;DESCRIPTION" "QT;HEADERS;COMMON" ${ARGN})
  set(base ${CMAKE_INSTALL_INCLUDEDIR}/kelto-line)
  # The include folder comes with the target (its INSTALL_INTERFACE, kelto_shared_library).
  install(TARGETS ${target} EXPORT ${I_PACKAGE}Targets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  file(RELATIVE_PATH here ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(header IN LISTS I_HEADERS)
    get_filename_component(folder ${here}/${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${base}/${folder})
  endforeach()
  foreach(header IN LISTS I_COMMON)
    install(FILES ${CMAKE_SOURCE_DIR}/common/${header} DESTINATION ${base}/common)
  endforeach()

  # The CMake package.
  include(CMakePackageConfigHelpers)
  set(packagedir ${CMAKE_INSTALL_LIBDIR}/cmake/${I_PACKAGE})
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/package)
  install(EXPORT ${I_PACKAGE}Targets NAMESPACE ${I_PACKAGE}:: DESTINATION ${packagedir})
  list(JOIN I_QT " " qt)
  file(CONFIGURE OUTPUT ${generated}/${I_PACKAGE}Config.cmake @ONLY CONTENT
"# ${I_DESCRIPTION}: the imported target ${I_PACKAGE}::${target}.
include(CMakeFindDependencyMacro)
find_dependency(Qt6 COMPONENTS ${qt})
include(\"\${CMAKE_CURRENT_LIST_DIR}/${I_PACKAGE}Targets.cmake\")
")
  write_basic_package_version_file(${generated}/${I_PACKAGE}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${generated}/${I_PACKAGE}Config.cmake ${generated}/${I_PACKAGE}ConfigVersion.cmake
    DESTINATION ${packagedir})

  # The pkg-config file, placed relative to its own folder so that the tree can move; a folder
  # given as an absolute path stands as it is.
  set(pcdir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
    set(pcprefix ${CMAKE_INSTALL_PREFIX})
  else()
    file(RELATIVE_PATH up /root/${pcdir} /root)
    string(REGEX REPLACE "/$" "" up ${up})
    set(pcprefix "\${pcfiledir}/${up}")
  endif()
  set(pclibdir "\${prefix}")
  cmake_path(APPEND pclibdir ${CMAKE_INSTALL_LIBDIR})
  set(pcincludedir "\${prefix}")
  cmake_path(APPEND pcincludedir ${base})
  list(TRANSFORM I_QT PREPEND Qt6 OUTPUT_VARIABLE qtmodules)
  list(JOIN qtmodules " " requires)
  file(CONFIGURE OUTPUT ${generated}/${target}.pc @ONLY CONTENT
"prefix=${pcprefix}
libdir=${pclibdir}
includedir=${pcincludedir}

Name: ${I_PACKAGE}
Description: ${I_DESCRIPTION}
Version: ${PROJECT_VERSION}
Requires: ${requires}
Libs: -L\${libdir} -l${target}
Cflags: -I\${includedir}
")
  install(FILES ${generated}/${target}.pc DESTINATION ${pcdir})
endfunction()

# kelto_shared_library(<name> NAMESPACE <ns> SOURCES <files...> PUBLIC <libs...>
#                      [ALSO <mangled name patterns...>]): one of our shared libraries. The sources
# are compiled once, with hidden visibility, into <name>_objects. The shared library <name>
# (versioned after the project) exports only what the library's export macro marks, and of that
# only the symbols of namespace <ns> and those the ALSO patterns name (the parts of the static
# helpers of common/ that its installed headers declare): a version script keeps the standard
# library's template instances and the rest of those helpers inside. <name>_internal is a static
# library of the same objects for the tests and benchmarks of inner classes.
function(kelto_shared_library name)
  cmake_parse_arguments(L "" "NAMESPACE" "SOURCES;PUBLIC;ALSO" ${ARGN})
  # Mangled names of the namespace's functions, members, vtables, type information and thunks.
  string(LENGTH ${L_NAMESPACE} n)
  set(ns "${n}${L_NAMESPACE}")
  set(also)
  foreach(pattern IN LISTS L_ALSO)
    string(APPEND also "${pattern}; ")
  endforeach()
  set(map ${CMAKE_CURRENT_BINARY_DIR}/${name}.map)
  # Written only when its text changes, so a new configure run does not relink the library.
  file(CONFIGURE OUTPUT ${map} @ONLY CONTENT "{\n  global:\n    _ZN${ns}*; _ZNK${ns}*; _ZTVN${ns}*; _ZTIN${ns}*; _ZTSN${ns}*;
    _ZThn*_N${ns}*; _ZThn*_NK${ns}*; _ZTv*_N${ns}*; _ZTv*_NK${ns}*;\n    ${also}\n  local: *;\n};\n")
  add_library(${name}_objects OBJECT ${L_SOURCES})
  set_target_properties(${name}_objects PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # Calls inside the library to the functions it exports bind within it: nobody replaces them, and
  # the compiler may inline and specialise them as it does the hidden ones.
  target_compile_options(${name}_objects PRIVATE -fno-semantic-interposition)
  target_include_directories(${name}_objects PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name}_objects PUBLIC ${L_PUBLIC} PRIVATE kelto_warnings)

  add_library(${name} SHARED $<TARGET_OBJECTS:${name}_objects>)
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  target_link_options(${name} PRIVATE -Wl,--version-script=${map})
  set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${map})
  add_library(${name}_internal STATIC $<TARGET_OBJECTS:${name}_objects>)
  foreach(lib ${name} ${name}_internal)
    target_include_directories(${lib} PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}>
      $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kelto-line>)
  endforeach()
  target_link_libraries(${name}_internal PUBLIC ${L_PUBLIC})
  # The installed library carries the static libraries of ours inside: a host links Qt only.
  foreach(lib IN LISTS L_PUBLIC)
    if(lib MATCHES "^Qt6::")
      target_link_libraries(${name} PUBLIC ${lib})
    else()
      target_link_libraries(${name} PUBLIC $<BUILD_INTERFACE:${lib}>)
    endif()
  endforeach()
endfunction()

# kelto_forbid_link(<target> <library>...): stops the configuration when <target> links one of the
# libraries, directly or through any target it links.
function(kelto_forbid_link target)
  set(seen)
  set(todo ${target})
  while(todo)
    list(POP_FRONT todo current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(type ${current} TYPE)
    set(links)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link MATCHES "^\\$<")
        continue()
      endif()
      if(link IN_LIST ARGN)
        message(FATAL_ERROR "${target} must not link ${link} (linked by ${current})")
      endif()
      list(APPEND todo ${link})
    endforeach()
  endwhile()
endfunction()
