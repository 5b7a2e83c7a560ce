# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Qt Linguist's CMake functions (qt_add_lrelease). A build for Windows runs
# the host's lrelease: the Qt built for Windows has no Qt Tools.
if(CMAKE_CROSSCOMPILING AND QT_HOST_PATH)
  find_package(Qt6LinguistTools REQUIRED CONFIG
               PATHS ${QT_HOST_PATH}/lib/${CMAKE_LIBRARY_ARCHITECTURE}/cmake ${QT_HOST_PATH}/lib/x86_64-linux-gnu/cmake
               NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
else()
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
endif()
