# Bash completion of aetool: the subcommands, options and option values come from aetool's own
# help, so that they never differ from what the installed program accepts.
_aetool() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD-1]}
  local tool=${COMP_WORDS[0]}
  if [[ $COMP_CWORD -eq 1 ]]; then
    local subcommands
    subcommands=$("$tool" --help 2>/dev/null |
      awk '/^Subcommands:/ {on = 1; next} on && /^  [a-z]/ {print $1} on && /^$/ {exit}')
    mapfile -t COMPREPLY < <(compgen -W "$subcommands --help --version" -- "$cur")
    return
  fi
  local help
  help=$("$tool" "${COMP_WORDS[1]}" --help 2>/dev/null)
  # An option whose value is one of a list ("--format csv|hdf5=csv"): the list.
  local values
  values=$(awk -v option="$prev" '$1 == option && $2 ~ /\|/ {sub(/=.*/, "", $2); gsub(/\|/, " ", $2); print $2}' <<<"$help")
  if [[ -n $values ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
    return
  fi
  if [[ $cur == -* ]]; then
    local options
    options=$(grep -oE '^  (-[a-zA-Z],)?--?[a-z][a-z-]*' <<<"$help" | tr ',' ' ')
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return
  fi
  mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}
complete -o filenames -F _aetool aetool
