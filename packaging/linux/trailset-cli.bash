# bash completion of trailset-cli: its commands, the options of each, the
# model codes and the setting names of --set, all read from the program's
# own output so that they match the installed version.

_trailset_cli_options() {  # the options in the "Options:" part of a help text
  "$1" ${2:+"$2"} --help 2>/dev/null |
    awk '/^Options:/ { on = 1; next }
         on && /^$/ { exit }
         on { n = split($1, names, ","); for (i = 1; i <= n; i++) if (names[i] ~ /^--/) print names[i] }'
}

_trailset_cli_settings() {  # the names that --set takes for a command
  "$1" "$2" --help 2>/dev/null |
    awk '/^Settings for --set/ { on = 1; next } on && /^  [A-Za-z]/ { print $1 }'
}

_trailset_cli() {
  local cur prev words cword
  _init_completion -n = || return

  local cmd="" i
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      models | inspect | camera | wireless | export | apply | presets) cmd=${words[i]}; break ;;
    esac
  done

  case $prev in
    -m | --model)
      COMPREPLY=($(compgen -W "$("$1" models 2>/dev/null | awk 'NR > 1 { print $1 }')" -- "$cur"))
      return ;;
    -o | --out)
      if [[ $cmd == export ]]; then _filedir; else _filedir -d; fi
      return ;;
    --output | --secrets) _filedir; return ;;
    --from)
      if [[ $cmd == export ]]; then _filedir -d; else _filedir; fi
      return ;;
    --lang) COMPREPLY=($(compgen -W "en zh" -- "$cur")); return ;;
    --kind) COMPREPLY=($(compgen -W "menu cfg" -- "$cur")); return ;;
    -s | --set)
      [[ $cur == *=* ]] && return
      COMPREPLY=($(compgen -S = -W "$(_trailset_cli_settings "$1" "$cmd")" -- "$cur"))
      compopt -o nospace
      return ;;
    --clock | --timezone | -c | --country) return ;;
  esac

  if [[ -z $cmd ]]; then
    COMPREPLY=($(compgen -W "models inspect camera wireless export apply presets $(_trailset_cli_options "$1")" -- "$cur"))
  elif [[ $cur == -* || ($cmd != inspect && $cmd != apply) ]]; then
    COMPREPLY=($(compgen -W "$(_trailset_cli_options "$1" "$cmd")" -- "$cur"))
  else
    _filedir
  fi
}
complete -F _trailset_cli trailset-cli
