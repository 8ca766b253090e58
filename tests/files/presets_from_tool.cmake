# The committed presets are what their tool writes: run it into a scratch folder and compare.
#   cmake -DTOOL=<talp-make-presets> -DDATA=<data folder> -DSCRATCH=<folder> -P presets_from_tool.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/sys")
execute_process(COMMAND "${TOOL}" "${SCRATCH}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "talp-make-presets failed: ${failed}")
endif()
foreach(name TalpPre.tlp TalpPre.sav)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SCRATCH}/sys/${name}" "${DATA}/sys/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "data/sys/${name} is not what talp-make-presets writes: regenerate it with the target presets")
  endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
