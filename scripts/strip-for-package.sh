#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The strip the package build runs on every program: like Debian's own
# packaging tools, it also drops the compilers' .comment and .note sections.
exec strip --remove-section=.comment --remove-section=.note "$@"
