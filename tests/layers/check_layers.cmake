# Fails when an include runs against the layers of the program:
#     common  <-  rules  <-  game3d, game4d  <-  search        (view4d beside game4d)
#     common  <-  platform  <-  forms  <-  startup  <-  window3d, window4d  <-  registry
#                              forms, rules  <-  gamewindow  <-  window3d, window4d
# - the pure folders (common, rules, game3d, game4d, view4d, search) include nothing of the
#   control model, the platform, the shells, start-up or a window, and nothing above them;
# - the two boards and the two windows do not include each other;
# - start-up includes no window.
# Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(windows "window3d|window4d|registry")
set(above_pure "forms|platform|qt|script|startup|helpviewer|${windows}")
set(rules
  "common=rules|game3d|game4d|view4d|search|${above_pure}"
  "rules=game3d|game4d|view4d|search|${above_pure}"
  "game3d=game4d|view4d|search|${above_pure}"
  "game4d=game3d|view4d|search|${above_pure}"
  "view4d=game3d|search|${above_pure}"
  "search=view4d|${above_pure}"
  "startup=qt|script|${windows}"
  "gamewindow=startup|game3d|game4d|view4d|search|qt|script|${windows}"
  "window3d=window4d|view4d|registry|qt|script"
  "window4d=window3d|registry|qt|script")

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
