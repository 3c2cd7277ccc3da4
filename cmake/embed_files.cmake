# Writes OUTPUT, a C++ source holding the bytes of FILES (separated by "|") as
# `dorvan::embedded::NAME`.
string(REPLACE "|" ";" FILES "${FILES}")
set(arrays "")
set(spans "")
set(index 0)
foreach(file IN LISTS FILES)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
  if(size EQUAL 0)
    set(bytes "0")
  endif()
  string(APPEND arrays "const unsigned char file${index}[] = {${bytes}};\n")
  string(APPEND spans "    {file${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}
  "// Made by the build from the files it holds; edit those instead.\n"
  "#include <span>\n\nnamespace dorvan::embedded {\nnamespace {\n${arrays}}  // namespace\n\n"
  "extern const std::span<const unsigned char> ${NAME}[] = {\n${spans}};\n\n"
  "}  // namespace dorvan::embedded\n")
