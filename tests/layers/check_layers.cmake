# Fails when an include runs against the layers of the program:
# - the pure folders (common, game3d, game4d, ai4d, view4d) include nothing of the control model,
#   the platform, the shells, start-up or a window;
# - start-up includes no window.
# Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(windows "window3d|window4d|registry")
set(forbidden_in_pure "forms|platform|qt|script|startup|helpviewer|${windows}")
set(rules
  "common=${forbidden_in_pure}"
  "game3d=${forbidden_in_pure}"
  "game4d=${forbidden_in_pure}"
  "ai4d=${forbidden_in_pure}"
  "view4d=${forbidden_in_pure}"
  "startup=qt|script|${windows}")

set(violations "")
foreach(rule ${rules})
  string(REPLACE "=" ";" parts "${rule}")
  list(GET parts 0 folder)
  list(GET parts 1 forbidden)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      if(line MATCHES "\"(${forbidden})/")
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        string(STRIP "${line}" line)
        string(APPEND violations "\n  ${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "includes against the layers:${violations}")
endif()
message(STATUS "layers hold")
