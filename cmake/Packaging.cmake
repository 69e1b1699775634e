# Installation of the desktop integration files and the Debian package; for
# Windows, the zip of orvanta-cli.exe.
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "orvanta-cli-${PROJECT_VERSION}-win64")
    set(CPACK_STRIP_FILES ON)
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)
    include(CPack)
    return()
endif()

include(GNUInstallDirs)
include(PackageDocuments)

install(FILES "${PROJECT_SOURCE_DIR}/data/orvanta.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${package_documents}/${ORVANTA_APPSTREAM_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${PROJECT_SOURCE_DIR}/data/icons/orvanta.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size 16 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/data/icons/orvanta-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME orvanta.png)
endforeach()
install(FILES "${package_documents}/orvanta.1.gz" "${package_documents}/orvanta-cli.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${package_documents}/changelog.gz" "${package_documents}/copyright"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/orvanta")

# lintian accepts the package with no error or warning. Two informational tags
# remain, on both programs:
# - spelling-error-in-binary SEPERATE: the word of the game's own English.txt,
#   which the programs embed byte for byte to restore it.
# - hardening-no-fortify-functions: built with _FORTIFY_SOURCE=2, but no call
#   has a buffer size known when compiling (libstdc++'s copies learn theirs at
#   run time), so no checked __*_chk function is linked for lintian to see.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "The Orvanta developers")
set(CPACK_PACKAGE_CONTACT "${ORVANTA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Given as text: CPack would escape a description file's quotes for XML.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${package_description}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY orvanta)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Stripped in the package only: the build folder's programs keep their symbols.
set(CPACK_STRIP_FILES ON)
# A stripped install also drops the compiler's version notes, as Debian's own
# packages do (lintian: binary-has-unneeded-section). Runs after the programs'
# own install rules, which come first in the source tree.
install(CODE "set(objcopy \"${CMAKE_OBJCOPY}\")\nset(bin_dir \"${CMAKE_INSTALL_BINDIR}\")")
install(CODE [[
    foreach(program orvanta orvanta-cli)
        set(path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${bin_dir}/${program}")
        if(CMAKE_INSTALL_DO_STRIP AND EXISTS "${path}")
            execute_process(COMMAND "${objcopy}" --remove-section=.comment "${path}" COMMAND_ERROR_IS_FATAL ANY)
        endif()
    endforeach()]])
# Dependencies from the libraries the programs really link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
