# Writes a C++ source that holds a file's bytes as an array, so the toolkit-free forms carry
# their pictures and texts on every system without a resource compiler.
# Called with -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "#include <cstddef>\n\nnamespace vbe::embedded {\n"
  "alignas(8) extern const unsigned char ${SYMBOL}[] = {\n${bytes}0};\n"
  "extern const std::size_t ${SYMBOL}_size = ${size};\n}  // namespace vbe::embedded\n")
