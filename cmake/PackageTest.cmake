# The package as `make package` builds it, made from this build tree, unpacked into a scratch
# root as dpkg lays it out, and the unpacked program run there: it answers without a display,
# and everything an installation needs is in its place.
# Run with -DCPACK=... -DBUILD_DIR=... -DSCRATCH=... -DVERSION=...
foreach(tool dpkg-deb dpkg-shlibdeps)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message("package test skipped: ${tool} is missing (Debian's dpkg-dev)")
    return()
  endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB -B ${SCRATCH}/out --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB debs ${SCRATCH}/out/custovia_${VERSION}_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one custovia_${VERSION}_ARCH.deb, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb -f ${debs} Depends OUTPUT_VARIABLE depends)
foreach(needed libqt6widgets6 libqt6multimedia6 libqt6svg6 qt6-translations-l10n gstreamer1.0-plugins-good
        fonts-liberation fonts-dejavu-core)
  string(FIND "${depends}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${needed}: ${depends}")
  endif()
endforeach()

set(root ${SCRATCH}/root)
execute_process(COMMAND dpkg-deb -x ${debs} ${root} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
foreach(file usr/bin/custovia usr/share/custovia/Avviso.mp3 usr/share/custovia/Guida.pdf
        usr/share/applications/custovia.desktop usr/share/icons/hicolor/scalable/apps/custovia.svg
        usr/share/metainfo/it.custovia.custovia.metainfo.xml usr/share/doc/custovia/copyright
        usr/share/doc/custovia/changelog.gz usr/share/man/man1/custovia.1.gz)
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "the package lacks /${file}")
  endif()
endforeach()
# an installed program brings nothing of a data folder with it
if(EXISTS ${root}/usr/bin/unins000.dll)
  message(FATAL_ERROR "the package carries a password store beside the program")
endif()

# the desktop entry and the AppStream metadata as the desktop and the software centres read them
find_program(desktop_file_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
foreach(check "${desktop_file_validate};${root}/usr/share/applications/custovia.desktop"
        "${appstreamcli};validate;--no-net;${root}/usr/share/metainfo/it.custovia.custovia.metainfo.xml")
  list(GET check 0 tool)
  if(tool)
    execute_process(COMMAND ${check} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${check}:\n${out}")
    endif()
  endif()
endforeach()

# no display: the commands answer before the toolkit starts
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
                        ${root}/usr/bin/custovia --version
                RESULT_VARIABLE status OUTPUT_VARIABLE version ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT version STREQUAL "Custovia ${VERSION}\n")
  message(FATAL_ERROR "custovia --version gave ${status}: ${version}${err}")
endif()
