# The layers, on the includes: no file of the model library (src/model,
# src/gdl) names a header of the windows (src/app,
# src/editor, src/create3d). The link check alone does not see an include
# whose symbols go unused, since src/ is an include root for every library.
#   cmake -DSOURCE_DIR=<repository> -P check_includes.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/src/model/*.cpp ${SOURCE_DIR}/src/model/*.h
     ${SOURCE_DIR}/src/gdl/*.cpp ${SOURCE_DIR}/src/gdl/*.h)
if(NOT sources)
  message(FATAL_ERROR "no model sources under ${SOURCE_DIR}/src")
endif()
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](app|editor|create3d)/")
  foreach(line IN LISTS lines)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    string(STRIP "${line}" line)
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "the model library includes headers of the windows:${found}")
endif()
