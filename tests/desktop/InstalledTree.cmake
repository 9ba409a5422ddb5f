# Installs the build into a scratch prefix and checks what a desktop needs of it: the program,
# the launcher, the metainfo, the saved-game type and the icon in every size, each valid where
# the desktop's own checkers are on the machine. Arguments: BUILD_DIR, WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
include("${CMAKE_CURRENT_LIST_DIR}/../RunOrFail.cmake")
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")

set(app com.example.Sardek)
set(share "${prefix}/share")
set(expected
    "${prefix}/bin/sardek"
    "${share}/applications/${app}.desktop"
    "${share}/metainfo/${app}.metainfo.xml"
    "${share}/mime/packages/${app}.xml"
    "${share}/icons/hicolor/scalable/apps/${app}.svg")
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected "${share}/icons/hicolor/${size}x${size}/apps/${app}.png")
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    run(${DESKTOP_FILE_VALIDATE} "${share}/applications/${app}.desktop")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    run(${APPSTREAMCLI} validate --no-net "${share}/metainfo/${app}.metainfo.xml")
endif()
# The file manager learns the saved-game type from the compiled database.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    run(${UPDATE_MIME_DATABASE} "${share}/mime")
    file(READ "${share}/mime/globs2" globs)
    if(NOT globs MATCHES "application/x-sardek-game:\\*\\.srd")
        message(FATAL_ERROR "the saved-game type does not claim *.srd:\n${globs}")
    endif()
endif()
