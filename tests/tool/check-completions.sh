#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The shell completions of korvane-tool offer what the program itself says
# it has: every command of its --help and every option of each command's
# --help (bash, run for real), every command (fish), and the zsh file
# parses.
# Usage: check-completions.sh KORVANE-TOOL COMPLETIONS-FOLDER
set -euo pipefail
tool=$1
folder=$2
source "$folder/korvane-tool.bash"
complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _korvane_tool; echo "${COMPREPLY[*]}"; }
status=0
fail() { echo "check-completions: $*" >&2; status=1; }

commands=$("$tool" --help | sed -n '/^Commands:/,/^$/p' | awk '/^  [a-z]/ {print $1}')
offered=" $(complete_words korvane-tool '') "
for command in $commands; do
  [[ $offered == *" $command "* ]] || fail "bash offers no command $command (offers:$offered)"
  options=$("$tool" "$command" --help | grep -o -E '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
  if [[ $command == patch ]]; then
    given=" $(complete_words korvane-tool patch create -) "
  else
    given=" $(complete_words korvane-tool "$command" -) "
  fi
  for option in $options; do
    [[ $given == *" $option "* ]] || fail "bash offers no $option for $command (offers:$given)"
  done
done
[[ $(complete_words korvane-tool patch '') == "create apply info" ]] || fail "bash offers no patch actions"
[[ $(complete_words korvane-tool patch create --format '') == "bps ips" ]] || fail "bash offers no patch formats"

zsh -n "$folder/_korvane-tool" || fail "zsh cannot parse _korvane-tool"
fish_offers=$(fish -c "source '$folder/korvane-tool.fish'; complete -C 'korvane-tool '" | cut -f1 | tr '\n' ' ')
for command in $commands; do
  [[ " $fish_offers" == *" $command "* ]] || fail "fish offers no command $command (offers: $fish_offers)"
done
exit $status
