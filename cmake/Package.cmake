# The installed program and its Debian package (`make package`): the executable in bin/, the
# delivered read-only files in share/custovia, where an installed program finds them beside
# its own folder (../share/custovia), a desktop entry with its icon, the AppStream metadata and
# what Debian asks of every package (copyright, changelog, manual page).
include(GNUInstallDirs)

set(CUSTOVIA_APP_ID it.custovia.custovia)
set(PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

# the changelog's latest entry names the version being packaged
file(STRINGS ${PACKAGING}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^custovia \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the latest entry is not version ${PROJECT_VERSION}: ${changelog_head}")
endif()

# the manual page, written from the program's own table of options
add_executable(make_manual_page ${CMAKE_SOURCE_DIR}/tools/make_manual_page.cpp)
target_link_libraries(make_manual_page PRIVATE custovia_logic)

set(PACKAGE_DOCS ${CMAKE_BINARY_DIR}/package-docs)
add_custom_command(OUTPUT ${PACKAGE_DOCS}/changelog.gz ${PACKAGE_DOCS}/custovia.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGE_DOCS}
  COMMAND gzip -9n -c ${PACKAGING}/changelog > ${PACKAGE_DOCS}/changelog.gz
  COMMAND make_manual_page > ${PACKAGE_DOCS}/custovia.1
  COMMAND gzip -9n -f ${PACKAGE_DOCS}/custovia.1
  DEPENDS ${PACKAGING}/changelog make_manual_page
  COMMENT "Compressing the changelog and the manual page")
add_custom_target(package_docs ALL DEPENDS ${PACKAGE_DOCS}/changelog.gz ${PACKAGE_DOCS}/custovia.1.gz)

install(TARGETS custovia RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/delivered/Avviso.mp3 ${PROGRAM_FOLDER}/Guida.pdf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/custovia)
install(FILES ${PACKAGING}/custovia.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/templates/pictures/icona.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME custovia.svg)
install(FILES ${PACKAGING}/${CUSTOVIA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGING}/copyright ${PACKAGE_DOCS}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/custovia)
install(FILES ${PACKAGE_DOCS}/custovia.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME custovia)
set(CPACK_PACKAGE_VENDOR Custovia)
set(CPACK_PACKAGE_CONTACT "Custovia <assistenza@custovia.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "registers and contracts of a private security firm")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.custovia.it)
set(CPACK_STRIP_FILES ON)
# a system package: directories 0755, files 0644, whatever the builder's umask
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # custovia_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# the synopsis is the summary above; CPack indents these lines and marks the empty one
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Custovia keeps the registers of a small private security firm (an Italian
istituto di vigilanza): emergency interventions, clients and their services,
employees with their photos, appointments with an agenda that warns of the
imminent ones, and service contracts printed with the firm's logo. It prints
cards and lists, exports spreadsheets and sends requests and reminders over
WhatsApp Web. The program speaks Italian.

The data live in one folder (by default ~/.local/share/Custovia), which
several workstations can share with the --folder option.")
# the libraries come from dpkg-shlibdeps; what the program loads at run time it cannot see:
# the Italian standard dialogs, the sound and camera through GStreamer (MP3 decoder, sound
# server, video capture), and the fonts the layouts are drawn for
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation, fonts-dejavu-core")
# opening documents, web addresses and e-mail; a Wayland session without going through X
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
include(CPack)

# `make test` builds the package from this tree and runs the program unpacked from it; a
# system without Debian's packaging tools shows the test as skipped
add_test(NAME package_unpacks_and_runs
         COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                 -DSCRATCH=${CMAKE_BINARY_DIR}/package-test -DVERSION=${PROJECT_VERSION}
                 -P ${CMAKE_SOURCE_DIR}/cmake/PackageTest.cmake)
set_tests_properties(package_unpacks_and_runs PROPERTIES TIMEOUT 600
                     SKIP_REGULAR_EXPRESSION "package test skipped: ")
