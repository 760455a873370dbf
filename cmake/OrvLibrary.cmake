# orv_add_library(target DIRS dir...): one shared library from every .cpp and .h
# in the given directories (globbed, so adding a file needs no CMake edit).
# The directories are the public include path; headers are installed flat.
function(orv_add_library target)
  cmake_parse_arguments(ARG "" "" "DIRS;LINK" ${ARGN})
  set(sources)
  set(headers)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB dir_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB dir_headers CONFIGURE_DEPENDS ${dir}/*.h)
    list(APPEND sources ${dir_sources})
    list(APPEND headers ${dir_headers})
  endforeach()
  add_library(${target} SHARED ${sources} ${headers})
  foreach(dir IN LISTS ARG_DIRS)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${dir}>)
  endforeach()
  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${ORV_INCLUDE_INSTALL_DIR}>)
  target_link_libraries(${target} PUBLIC ${ARG_LINK})
  # Our headers are C++20: applications linking us get that standard too.
  target_compile_features(${target} PUBLIC cxx_std_20)
  install(TARGETS ${target} EXPORT OrvPanelsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${headers} DESTINATION ${ORV_INCLUDE_INSTALL_DIR})
endfunction()

