# The portable Windows package, tavrolin-<version>-windows-x64.zip: the program with the files it
# reads from its own folder, the Qt and MinGW libraries it loads, and Qt's Japanese texts of the
# standard buttons and dialogs. Unzipped anywhere writable, tavrolin.exe runs with nothing else
# installed. `cmake --install` lays out the same folder; `cpack` (or tools/windows/build.sh)
# writes the zip.

# The program and its wizard module, which it loads from its own folder.
install(TARGETS tavrolin RUNTIME DESTINATION .)
install(TARGETS tavrolin_wizardmodule LIBRARY DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION .
        PATTERN CMakeLists.txt EXCLUDE PATTERN .keep EXCLUDE)

# Qt's libraries and the plug-ins the wizard loads: the Windows platform, its native style and
# the reader of .ico pictures (the window icon).
foreach(module Core Gui Widgets Network)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)

# The C++ runtime of the compiler, which the program and Qt share.
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                    OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime}" OR NOT EXISTS "${runtime}")
        message(FATAL_ERROR "The compiler does not know where ${library} lies")
    endif()
    install(FILES ${runtime} DESTINATION .)
endforeach()

# Translation files are the same on every system: Linux's Qt of the same version supplies them
# (Debian: qt6-translations-l10n).
set(TAVROLIN_QT_TRANSLATIONS_DIR /usr/share/qt6/translations
    CACHE PATH "Folder holding Qt's qtbase_ja.qm")
if(NOT EXISTS ${TAVROLIN_QT_TRANSLATIONS_DIR}/qtbase_ja.qm)
    message(FATAL_ERROR "No qtbase_ja.qm in ${TAVROLIN_QT_TRANSLATIONS_DIR}: install Qt's "
                        "translations (Debian: qt6-translations-l10n)")
endif()
install(FILES ${TAVROLIN_QT_TRANSLATIONS_DIR}/qtbase_ja.qm DESTINATION translations)
# The built program finds them where the packaged one does: Qt for Windows brings none.
add_custom_target(program_translations ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVROLIN_PROGRAM_DIR}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TAVROLIN_QT_TRANSLATIONS_DIR}/qtbase_ja.qm
            ${TAVROLIN_PROGRAM_DIR}/translations/qtbase_ja.qm)

# Debugging symbols are left out: they would make the package three times as large.
install(CODE "
    file(GLOB_RECURSE binaries \"\${CMAKE_INSTALL_PREFIX}/*.dll\" \"\${CMAKE_INSTALL_PREFIX}/*.exe\")
    foreach(binary IN LISTS binaries)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tavrolin)
set(CPACK_PACKAGE_FILE_NAME tavrolin-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)

# The Windows Installer package for offices, tavrolin-<version>-windows-x64.msi beside the zip:
# the same folder, laid out by `cmake --install` in msi-stage, made into a package by msi.cmake
# (wixl and msibuild, Debian's wixl and msitools).
set(TAVROLIN_MSI_STAGE ${CMAKE_BINARY_DIR}/msi-stage)
add_custom_target(msi
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TAVROLIN_MSI_STAGE}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${TAVROLIN_MSI_STAGE}
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${TAVROLIN_MSI_STAGE} -DVERSION=${PROJECT_VERSION}
            -DOUTPUT=${CMAKE_BINARY_DIR}/tavrolin-${PROJECT_VERSION}-windows-x64.msi
            -P ${PROJECT_SOURCE_DIR}/tools/windows/msi.cmake
    DEPENDS tavrolin tavrolin_wizardmodule program_data program_translations
    COMMENT "Writing the Windows Installer package"
    VERBATIM)
