# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build: the DLLs and plugins the programs need are copied
# beside them in bin/ (so that the programs and the tests run from the build
# tree under Wine), and the target windows-zip packs the programs with them
# into pelbo-korvane-<version>-win64.zip, which runs wherever it is
# unpacked.

get_target_property(KORVANE_QT_CORE_DLL Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT KORVANE_QT_CORE_DLL)
  get_target_property(KORVANE_QT_CORE_DLL Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(KORVANE_QT_BIN ${KORVANE_QT_CORE_DLL} DIRECTORY)
get_filename_component(KORVANE_QT_PREFIX ${KORVANE_QT_BIN} DIRECTORY)

# The MinGW runtime the compiler links against.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE KORVANE_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE KORVANE_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE KORVANE_WINPTHREAD OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(dll KORVANE_LIBSTDCXX KORVANE_LIBGCC KORVANE_WINPTHREAD)
  if(NOT IS_ABSOLUTE "${${dll}}" OR NOT EXISTS "${${dll}}")
    # winpthread lives with the MinGW libraries, not with GCC's.
    get_filename_component(name "${${dll}}" NAME)
    find_file(${dll}_FOUND ${name} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH REQUIRED)
    set(${dll} ${${dll}_FOUND})
  endif()
endforeach()

set(KORVANE_WINDOWS_DLLS
  ${KORVANE_QT_BIN}/Qt6Core.dll ${KORVANE_QT_BIN}/Qt6Gui.dll ${KORVANE_QT_BIN}/Qt6Widgets.dll
  ${KORVANE_LIBSTDCXX} ${KORVANE_LIBGCC} ${KORVANE_WINPTHREAD})
set(KORVANE_WINDOWS_PLUGINS
  platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll)

set(KORVANE_RUNTIME_DLLS ${KORVANE_WINDOWS_DLLS})
if(KORVANE_TESTS)
  list(APPEND KORVANE_RUNTIME_DLLS ${KORVANE_QT_BIN}/Qt6Test.dll)
endif()
set(KORVANE_RUNTIME_COPIES)
foreach(dll IN LISTS KORVANE_RUNTIME_DLLS)
  get_filename_component(name ${dll} NAME)
  set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
  add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy ${dll} ${copy} DEPENDS ${dll})
  list(APPEND KORVANE_RUNTIME_COPIES ${copy})
endforeach()
foreach(plugin IN LISTS KORVANE_WINDOWS_PLUGINS)
  set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${plugin})
  add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy ${KORVANE_QT_PREFIX}/plugins/${plugin} ${copy}
                     DEPENDS ${KORVANE_QT_PREFIX}/plugins/${plugin})
  list(APPEND KORVANE_RUNTIME_COPIES ${copy})
endforeach()
if(KORVANE_TESTS)
  # The offscreen platform of the window tests reads its fonts from lib/fonts
  # beside Qt6Core.dll.
  file(GLOB KORVANE_TEST_FONTS /usr/share/fonts/truetype/liberation2/*.ttf)
  foreach(font IN LISTS KORVANE_TEST_FONTS)
    get_filename_component(name ${font} NAME)
    set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/lib/fonts/${name})
    add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy ${font} ${copy} DEPENDS ${font})
    list(APPEND KORVANE_RUNTIME_COPIES ${copy})
  endforeach()
endif()
# Qt's own texts in the program's languages (standard buttons, dialogs,
# --help), from the host's Qt: the files are the same on every platform.
set(KORVANE_QT_TRANSLATIONS)
foreach(language pt_BR es)
  find_file(KORVANE_QTBASE_${language} qtbase_${language}.qm PATHS /usr/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  list(APPEND KORVANE_QT_TRANSLATIONS ${KORVANE_QTBASE_${language}})
  set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/qtbase_${language}.qm)
  add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy ${KORVANE_QTBASE_${language}} ${copy}
                     DEPENDS ${KORVANE_QTBASE_${language}})
  list(APPEND KORVANE_RUNTIME_COPIES ${copy})
endforeach()
add_custom_target(korvane_windows_runtime ALL DEPENDS ${KORVANE_RUNTIME_COPIES})

# The zip: the three programs, the runtime, Qt's translations, korvane/, the licence and a
# short README.txt (with Windows line ends).
set(KORVANE_ZIP_NAME pelbo-korvane-${PROJECT_VERSION}-win64)
set(KORVANE_ZIP_DIR ${CMAKE_BINARY_DIR}/${KORVANE_ZIP_NAME})
configure_file(${PROJECT_SOURCE_DIR}/data/windows/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
set(KORVANE_ZIP_BINARIES
  ${KORVANE_ZIP_DIR}/pelbo-korvane.exe ${KORVANE_ZIP_DIR}/korvane-tool.exe ${KORVANE_ZIP_DIR}/korvane-samplerom.exe
  ${KORVANE_ZIP_DIR}/platforms/qwindows.dll ${KORVANE_ZIP_DIR}/platforms/qoffscreen.dll
  ${KORVANE_ZIP_DIR}/styles/qwindowsvistastyle.dll)
foreach(dll IN LISTS KORVANE_WINDOWS_DLLS)
  get_filename_component(name ${dll} NAME)
  list(APPEND KORVANE_ZIP_BINARIES ${KORVANE_ZIP_DIR}/${name})
endforeach()
add_custom_target(windows-zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${KORVANE_ZIP_DIR} ${KORVANE_ZIP_DIR}.zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVANE_ZIP_DIR}/platforms ${KORVANE_ZIP_DIR}/styles
          ${KORVANE_ZIP_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:korvane> $<TARGET_FILE:korvane-tool>
          $<TARGET_FILE:korvane-samplerom> ${KORVANE_WINDOWS_DLLS} ${KORVANE_ZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${KORVANE_QT_PREFIX}/plugins/platforms/qwindows.dll
          ${KORVANE_QT_PREFIX}/plugins/platforms/qoffscreen.dll ${KORVANE_ZIP_DIR}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy ${KORVANE_QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll
          ${KORVANE_ZIP_DIR}/styles
  # No debugging symbols in what users download.
  COMMAND ${CMAKE_STRIP} --strip-unneeded ${KORVANE_ZIP_BINARIES}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/korvane ${KORVANE_ZIP_DIR}/korvane
  COMMAND ${CMAKE_COMMAND} -E copy ${KORVANE_QT_TRANSLATIONS} ${KORVANE_ZIP_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${KORVANE_ZIP_DIR}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/README.txt ${KORVANE_ZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
          ${CMAKE_COMMAND} -E tar cf ${KORVANE_ZIP_NAME}.zip --format=zip ${KORVANE_ZIP_NAME}
  DEPENDS korvane korvane-tool korvane-samplerom
  COMMENT "Packing ${KORVANE_ZIP_NAME}.zip"
  VERBATIM)
