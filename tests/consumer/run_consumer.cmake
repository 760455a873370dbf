# Installs the build into a scratch prefix, then configures, builds and runs
# the small consumer project against it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# Every installed header other than the unit headers carries our prefix, so an
# application's own headers (Timers.h, Services.h, ...) never clash with ours.
file(GLOB installed_headers RELATIVE ${prefix}/include/orvpanels ${prefix}/include/orvpanels/*)
foreach(h IN LISTS installed_headers)
  if(NOT h MATCHES "^(ORV_|Orv|orv)")
    message(FATAL_ERROR "installed header without the library's prefix: ${h}")
  endif()
endforeach()

# The README's example, exactly as it stands, must compile against the installed library.
file(READ ${README} readme)
string(REGEX MATCH "```cpp\n(.*)" example "${readme}")
string(REGEX REPLACE "\n```.*" "" example "${CMAKE_MATCH_1}")
if(NOT example)
  message(FATAL_ERROR "no C++ example found in ${README}")
endif()
file(WRITE ${WORK_DIR}/readme_example.cpp "${example}\n")
# A sanitized library needs a sanitized application.
run(${CMAKE_COMMAND} -S ${PROJECT_DIR} -B ${WORK_DIR}/build -G ${GENERATOR} -DCMAKE_PREFIX_PATH=${prefix}
    -DREADME_EXAMPLE=${WORK_DIR}/readme_example.cpp
    "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
message(STATUS "consumer project built and ran against ${prefix}")
