# Makes the Debian package's changelog.gz from CHANGELOG.md: the newest release's entry, in
# Debian's changelog format, compressed as Debian's policy asks (gzip -9n).
#
#   cmake -DCHANGELOG=CHANGELOG.md -DOUTPUT=changelog.gz -DPACKAGE=name -DVERSION=1.0.0
#         -DMAINTAINER="Name <address>" -P changelog.cmake
file(STRINGS "${CHANGELOG}" lines ENCODING UTF-8)
set(release "")
set(items "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## ([^ ]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
    if(release)
      break()
    endif()
    set(release "${CMAKE_MATCH_1}")
    set(date "${CMAKE_MATCH_2}")
  elseif(release AND line MATCHES "^- (.*)$")
    string(APPEND items "  * ${CMAKE_MATCH_1}\n")
  elseif(release AND line MATCHES "^  (.*)$")
    string(APPEND items "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(NOT release STREQUAL VERSION)
  message(FATAL_ERROR "${CHANGELOG}: the newest release is '${release}', the project is ${VERSION}")
endif()
if(NOT items)
  message(FATAL_ERROR "${CHANGELOG}: release ${release} lists no changes")
endif()
execute_process(COMMAND date -u -R -d "${date} 00:00:00 UTC" OUTPUT_VARIABLE stamp
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
set(text "${output_dir}/changelog")
file(WRITE "${text}" "${PACKAGE} (${VERSION}) unstable; urgency=medium\n\n${items}\n -- ${MAINTAINER}  ${stamp}\n")
execute_process(COMMAND gzip -9 -n -c "${text}" OUTPUT_FILE "${OUTPUT}" COMMAND_ERROR_IS_FATAL ANY)
