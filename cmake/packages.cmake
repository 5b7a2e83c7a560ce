# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian packages (make package), one per install component:
#   korvane-tool   (component tool) korvane-tool, korvane-samplerom and the
#                  support files; Qt Core and zlib only, for script hosts;
#   pelbo-korvane  (component gui)  the window program, its menu entry, icon
#                  and metadata; it depends on korvane-tool for the support
#                  files.
# Set SOURCE_DATE_EPOCH for the build and for cpack to get the same bytes
# from two builds of one commit (the Makefile does).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelbo-korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pelbo Korvane developers")
set(CPACK_PACKAGE_CONTACT "The Pelbo Korvane developers <korvane@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_COMPONENTS_ALL tool gui)
set(CPACK_COMPONENT_GUI_DEPENDS tool)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SOURCE pelbo-korvane)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME korvane-tool)
# Qt's own texts of --help (its -h and --version lines) in the languages.
set(CPACK_DEBIAN_TOOL_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_TOOL_DESCRIPTION "values of Pelbo Mega Drive cartridge images as JSON, and patches
korvane-tool shows and repairs the header checksum of a cartridge image of
the Pelbo series of Mega Drive platform games, and exports, imports and
compares the values of the Pelbo Korvane editors (demos, water, objects,
texts and palettes) as JSON documents. It makes and applies BPS and IPS
patches. korvane-samplerom writes synthetic sample images to try them on.
.
The package also holds the support files (level and palette lists, tile
bitmaps) that korvane-tool and the pelbo-korvane editor share. It needs no
display and no GUI libraries.")

set(CPACK_DEBIAN_GUI_PACKAGE_NAME pelbo-korvane)
# Without the platform plugins the window cannot open; the forms are laid
# out for Liberation Sans; Qt's own texts (standard buttons, file dialogs)
# in the program's languages come with Qt's translations.
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_GUI_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
# "Play in Emulator" starts the first of them it finds.
set(CPACK_DEBIAN_GUI_PACKAGE_SUGGESTS "blastem, mednafen, ares")
set(CPACK_DEBIAN_GUI_DESCRIPTION "editor of the values of Pelbo Mega Drive cartridge images
Pelbo Korvane opens a cartridge image of the Pelbo series of Mega Drive
platform games, recognises the game from the serial in its header and
offers the editors that apply to it: attract-mode demos, water levels,
boss hit counts and physics constants, screen texts and colour palettes.
Saves check that the image is still the one read, write only the values
that changed and can repair the header checksum.")
include(CPack)
