# `make dist`: the zip and the installer, both built from one staged folder
# that holds exactly what a user gets, and the Debian package. Not part of
# `all`: the window tests' builds should not wait for compression. The
# version is PROJECT_VERSION.
find_program(MAKENSIS makensis)

set(TV_PACKAGES ${CMAKE_BINARY_DIR}/packages)
set(TV_STAGE ${TV_PACKAGES}/stage)
# The program's own files without the Windows texts and tallyvane.exe: what
# Linux installs as lib/tallyvane-pro (the Debian package and make install).
set(TV_PROGRAM ${TV_PACKAGES}/program)
set(TV_DEB ${TV_PACKAGES}/tallyvane-pro_${PROJECT_VERSION}_amd64.deb)
set(TV_PACKAGE_BASE TallyvanePro-${PROJECT_VERSION})
set(TV_ZIP ${TV_PACKAGES}/${TV_PACKAGE_BASE}-win64.zip)
set(TV_SETUP ${TV_PACKAGES}/${TV_PACKAGE_BASE}-setup.exe)

# Texts for Windows users: CR LF line ends, the version filled in.
configure_file(packaging/README.txt ${TV_PACKAGES}/text/README.txt @ONLY NEWLINE_STYLE WIN32)
configure_file(LICENSE.txt ${TV_PACKAGES}/text/LICENSE.txt @ONLY NEWLINE_STYLE WIN32)
# The installer's licence page wraps lines itself: a line that goes on in
# lower case is joined to the one before.
file(READ LICENSE.txt licence)
string(REGEX REPLACE "\n([a-z])" " \\1" licence "${licence}")
file(WRITE ${TV_PACKAGES}/text/licence-page.txt.new "${licence}")
configure_file(${TV_PACKAGES}/text/licence-page.txt.new ${TV_PACKAGES}/text/licence-page.txt @ONLY NEWLINE_STYLE WIN32)

# The files of the program's folder, by name inside the packages.
set(TV_PACKAGE_TOP TallyvanePro.exe tallyvane.exe wLabels.dll TallyvanePro.htm README.txt LICENSE.txt)
set(TV_PROGRAM_SOURCES $<TARGET_FILE:TallyvanePro> $<TARGET_FILE:wLabels> ${TV_BIN}/TallyvanePro.htm ${TV_DATA_FILES})
set(TV_PACKAGE_TOP_SOURCES ${TV_PROGRAM_SOURCES} $<TARGET_FILE:tallyvane>
    ${TV_PACKAGES}/text/README.txt ${TV_PACKAGES}/text/LICENSE.txt)
foreach(file ${TV_DATA_FILES})
    get_filename_component(name ${file} NAME)
    list(APPEND TV_PACKAGE_TOP ${name})
endforeach()
set(TV_PACKAGE_FILES ${TV_PACKAGE_TOP} sample/CurRates.dat)

# The installer's file list, one line per file, written only when it changes
# so that makensis runs again only when it must.
set(install_lines "!macro InstallFiles\n  SetOutPath \"$INSTDIR\"\n")
set(remove_lines "!macro RemoveFiles\n")
foreach(name ${TV_PACKAGE_TOP})
    string(APPEND install_lines "  File \"${TV_STAGE}/${name}\"\n")
    string(APPEND remove_lines "  Delete \"$INSTDIR\\${name}\"\n")
endforeach()
string(APPEND install_lines "  SetOutPath \"$INSTDIR\\sample\"\n  File \"${TV_STAGE}/sample/CurRates.dat\"\n"
    "  SetOutPath \"$INSTDIR\"\n!macroend\n")
string(APPEND remove_lines "  Delete \"$INSTDIR\\sample\\CurRates.dat\"\n  RMDir \"$INSTDIR\\sample\"\n!macroend\n")
file(WRITE ${TV_PACKAGES}/files.nsh.new "; Made by cmake/packaging.cmake.\n${install_lines}${remove_lines}")
configure_file(${TV_PACKAGES}/files.nsh.new ${TV_PACKAGES}/files.nsh COPYONLY)

# The staged folders are made afresh: a file dropped from the build must not
# linger in the packages.
add_custom_command(OUTPUT ${TV_PACKAGES}/stage.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TV_STAGE} ${TV_PROGRAM}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TV_STAGE}/sample ${TV_PROGRAM}/sample
    COMMAND ${CMAKE_COMMAND} -E copy ${TV_PACKAGE_TOP_SOURCES} ${TV_STAGE}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/sample/CurRates.dat ${TV_STAGE}/sample
    COMMAND ${CMAKE_COMMAND} -E copy ${TV_PROGRAM_SOURCES} ${TV_PROGRAM}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/sample/CurRates.dat ${TV_PROGRAM}/sample
    COMMAND ${CMAKE_COMMAND} -E touch ${TV_PACKAGES}/stage.stamp
    DEPENDS TallyvanePro tallyvane wLabels ${TV_PACKAGE_TOP_SOURCES} ${CMAKE_SOURCE_DIR}/data/sample/CurRates.dat
    COMMENT "Staging the packages' files"
    VERBATIM)

add_custom_command(OUTPUT ${TV_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${TV_ZIP}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${TV_ZIP} --format=zip -- ${TV_PACKAGE_FILES}
    WORKING_DIRECTORY ${TV_STAGE}
    DEPENDS ${TV_PACKAGES}/stage.stamp
    COMMENT "Packing ${TV_PACKAGE_BASE}-win64.zip"
    VERBATIM)

if(MAKENSIS)
    set(TV_MAKENSIS ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DFILES=${TV_PACKAGES}/files.nsh
        -DICON=${CMAKE_SOURCE_DIR}/resources/tallyvane.ico -DLICENSE=${TV_PACKAGES}/text/licence-page.txt
        -DOUTFILE=${TV_SETUP} ${CMAKE_SOURCE_DIR}/packaging/TallyvanePro.nsi)
else()
    set(TV_MAKENSIS ${CMAKE_COMMAND} -E echo "makensis is missing: run scripts/setup.sh (package nsis)"
        COMMAND ${CMAKE_COMMAND} -E false)
endif()
add_custom_command(OUTPUT ${TV_SETUP}
    COMMAND ${TV_MAKENSIS}
    DEPENDS ${TV_PACKAGES}/stage.stamp ${TV_PACKAGES}/files.nsh ${CMAKE_SOURCE_DIR}/packaging/TallyvanePro.nsi
        ${CMAKE_SOURCE_DIR}/resources/tallyvane.ico ${TV_PACKAGES}/text/licence-page.txt
    COMMENT "Building ${TV_PACKAGE_BASE}-setup.exe"
    VERBATIM)

# The staged folders alone, for make install; dist waits for it, so that the
# two never stage at once.
add_custom_target(stage DEPENDS ${TV_PACKAGES}/stage.stamp)

# The Debian package holds the native tallyvane, which this cross build
# cannot make: make builds it first in build/cli (make cli). It is packed
# afresh on every run, in seconds, so nothing in it is ever stale.
get_filename_component(TV_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_custom_target(dist
    COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/make-deb.sh ${TV_PROGRAM} ${TV_BUILD_ROOT}/cli/cli/tallyvane
        ${PROJECT_VERSION} ${TV_DEB}
    DEPENDS ${TV_ZIP} ${TV_SETUP}
    BYPRODUCTS ${TV_DEB}
    COMMENT "Packing tallyvane-pro_${PROJECT_VERSION}_amd64.deb"
    VERBATIM)
add_dependencies(dist stage)
# Where the packages are, for `make dist` to copy them without knowing the version.
file(WRITE ${TV_PACKAGES}/packages.txt "${TV_ZIP}\n${TV_SETUP}\n${TV_DEB}\n")
