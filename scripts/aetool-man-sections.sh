#!/usr/bin/env bash
# Writes the help2man include file of aetool's man page: one section per subcommand, with the
# help the subcommand prints. Usage: aetool-man-sections.sh AETOOL OUTPUT
set -euo pipefail
tool=$1
output=$2
subcommands=$("$tool" --help | awk '/^Subcommands:/ {on = 1; next} on && /^  [a-z]/ {print $1} on && /^$/ {exit}')
{
  echo "[SUBCOMMANDS]"
  for sub in $subcommands; do
    echo ".SS $sub"
    echo ".nf"
    # Backslashes and leading dots would be read as roff requests.
    "$tool" "$sub" --help | sed -e 's/\\/\\e/g' -e 's/^\./\\\&./'
    echo ".fi"
  done
} >"$output"
