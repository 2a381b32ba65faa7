# Installs the build tree into a scratch prefix, checks the installed layout, runs the installed
# batch tool on its bundled catalog and builds and runs a program against the installed package.
#   cmake -DBUILD_DIR= -DPREFIX= -DCONSUMER_SOURCE= -DCONSUMER_BUILD= -DCXX= -DCXX_FLAGS=
#         -DGUI=ON|OFF -P InstallAndUse.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX} ${CONSUMER_BUILD})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(expected bin/doublet_batch include/zelt_api/zelt_api.h share/doublet_synth/sample_glasses.agf
    lib/cmake/zelt_api/zelt_apiConfig.cmake)
if(GUI)
  list(APPEND expected bin/doublet_synth share/applications/doublet_synth.desktop
       share/icons/hicolor/scalable/apps/doublet_synth.svg)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(GLOB headers RELATIVE ${PREFIX}/include ${PREFIX}/include/*)
if(NOT headers STREQUAL "zelt_api")
  message(FATAL_ERROR "private headers installed: ${headers}")
endif()

# The installed batch tool finds its catalog beside itself, not in the source tree.
run(${PREFIX}/bin/doublet_batch --list)
if(NOT run_output MATCHES "N-BK7")
  message(FATAL_ERROR "the installed batch tool did not list its bundled catalog:\n${run_output}")
endif()

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${CONSUMER_BUILD} -DCMAKE_PREFIX_PATH=${PREFIX}
    -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${CONSUMER_BUILD})
run(${CONSUMER_BUILD}/consumer ${PREFIX}/share/doublet_synth/sample_glasses.agf)
message(STATUS "${run_output}")
