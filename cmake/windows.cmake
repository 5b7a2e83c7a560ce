# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
