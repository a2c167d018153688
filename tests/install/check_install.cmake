# Installs the build into a fresh prefix and checks what a desktop needs of it:
# the program, a valid desktop entry that takes documents, the icon, and a MIME
# type that claims *.mdn.
# Called with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(desktop "${PREFIX}/share/applications/modanova.desktop")
set(mime "${PREFIX}/share/mime/packages/modanova.xml")
foreach(f "${PREFIX}/bin/modanova" "${desktop}" "${mime}"
          "${PREFIX}/share/icons/hicolor/64x64/apps/modanova.png"
          "${PREFIX}/share/icons/hicolor/64x64/mimetypes/application-x-modanova.png")
  if(NOT EXISTS "${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

file(STRINGS "${desktop}" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=modanova %F")
  message(FATAL_ERROR "the desktop entry's Exec line does not take documents: ${exec}")
endif()
# file(STRINGS) hands the line back with its semicolon escaped.
file(STRINGS "${desktop}" types REGEX "^MimeType=")
if(NOT types MATCHES "^MimeType=application/x-modanova\\\\?;$")
  message(FATAL_ERROR "the desktop entry does not name the document type: ${types}")
endif()
file(READ "${mime}" xml)
if(NOT xml MATCHES "<mime-type type=\"application/x-modanova\">" OR NOT xml MATCHES "<glob pattern=\"\\*\\.mdn\"/>")
  message(FATAL_ERROR "the MIME package does not claim *.mdn")
endif()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${desktop}" RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()

# The database a file manager reads, built from the package as the system's
# tools build it: *.mdn must come out as our type.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND "${UPDATE_MIME}" "${PREFIX}/share/mime" RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  file(STRINGS "${PREFIX}/share/mime/globs2" globs REGEX "application/x-modanova:\\*\\.mdn")
  if(NOT result EQUAL 0 OR globs STREQUAL "")
    message(FATAL_ERROR "update-mime-database does not map *.mdn to application/x-modanova")
  endif()
endif()
