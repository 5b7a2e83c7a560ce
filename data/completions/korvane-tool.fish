# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion of korvane-tool: its commands, each command's options, the
# patch actions and formats, the languages, and file names.

set -l commands info fix export import diff locate patch
complete -c korvane-tool -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 'Show the help'
complete -c korvane-tool -n "not __fish_seen_subcommand_from $commands" -s v -l version -d 'Show the version'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a info -d 'Show the game, size, checksum and ROM end'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a fix -d 'Repair the header checksum and ROM end'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a export -d 'Write every value as a JSON document'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a import -d 'Check a document whole, write what differs'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a diff -d 'List the values that differ'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a locate -d 'Find the values of an original in a modified image'
complete -c korvane-tool -f -n "not __fish_seen_subcommand_from $commands" -a patch -d 'Create, apply or describe a patch'
complete -c korvane-tool -n "__fish_seen_subcommand_from $commands" -l help -d 'Show the command\'s help'
complete -c korvane-tool -l lang -x -a 'en pt_BR es' -d 'The language of messages and help'
complete -c korvane-tool -n '__fish_seen_subcommand_from info diff patch' -l json -d 'Print the result as JSON'
complete -c korvane-tool -n '__fish_seen_subcommand_from info' -l check -d 'Exit with 1 on a mismatch'
complete -c korvane-tool -n '__fish_seen_subcommand_from fix import' -l force -d 'Repair a file that is no cartridge image too'
complete -c korvane-tool -n '__fish_seen_subcommand_from export' -s o -l output -r -d 'Write the document to FILE'
complete -c korvane-tool -n '__fish_seen_subcommand_from locate' -s o -l output -r -d 'Write the layout to FILE'
complete -c korvane-tool -n '__fish_seen_subcommand_from import' -l dry-run -d 'Print the changes, write nothing'
complete -c korvane-tool -n '__fish_seen_subcommand_from import' -l no-fix -d 'Leave the header checksum'
complete -c korvane-tool -n '__fish_seen_subcommand_from export import' -l layout -r -d 'Read the values through the layout FILE'
complete -c korvane-tool -n '__fish_seen_subcommand_from import' -l edit-anyway -x -d 'Write the suspect value KEY'
complete -c korvane-tool -n '__fish_seen_subcommand_from patch' -l format -x -a 'bps ips' -d 'The patch format'
complete -c korvane-tool -f -n '__fish_seen_subcommand_from patch; and not __fish_seen_subcommand_from create apply info' -a 'create apply info'
