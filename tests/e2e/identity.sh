# Reads a machine module's names from its identity header,
# machines/<model>/machine_identity.h: plain object-like #defines whose
# values are string literals (adjacent ones joined), numbers, or names
# defined earlier in the same header. Comments of both kinds, any spacing
# around '#' and 'define', and lines continued with '\' are allowed.
# Sourced by run_e2e.sh; needs only bash and awk.

# identity_read HEADER: prints NAME<tab>VALUE for every define it understands,
# in the header's order. A value that refers to a name not defined above it,
# or mixes a string with anything else, is printed as '?' so that it cannot
# pass for a real one.
identity_read() {
  LC_ALL=C awk '
    { src = src $0 "\n" }
    END {
      gsub(/\\\n/, "", src)
      # comments become a blank (a block comment keeps its line breaks)
      out = ""; n = length(src); state = 0
      for (i = 1; i <= n; i++) {
        c = substr(src, i, 1); d = substr(src, i, 2)
        if (state == 0) {
          if (d == "/*") { state = 1; out = out " "; i++; continue }
          if (d == "//") { state = 2; i++; continue }
          if (c == "\"") state = 3
          else if (c == "\047") state = 4
          out = out c
        } else if (state == 1) {
          if (d == "*/") { state = 0; i++ } else if (c == "\n") out = out c
        } else if (state == 2) {
          if (c == "\n") { state = 0; out = out c }
        } else {
          out = out c
          if (c == "\\") { out = out substr(src, i + 1, 1); i++ }
          else if ((state == 3 && c == "\"") || (state == 4 && c == "\047") || c == "\n") state = 0
        }
      }
      lines = split(out, line, "\n")
      for (l = 1; l <= lines; l++) {
        s = line[l]
        if (!match(s, /^[ \t]*#[ \t]*define[ \t]+[A-Za-z_][A-Za-z0-9_]*/)) continue
        head = substr(s, 1, RLENGTH); s = substr(s, RLENGTH + 1)
        sub(/^[ \t]*#[ \t]*define[ \t]+/, "", head)
        if (substr(s, 1, 1) == "(") continue # a function-like macro: not a name
        str = ""; expr = ""; isstr = 0; bad = 0
        while (length(s) > 0) {
          c = substr(s, 1, 1)
          if (c == " " || c == "\t") { s = substr(s, 2); continue }
          if (c == "\"") {
            s = substr(s, 2); closed = 0
            while (length(s) > 0) {
              c = substr(s, 1, 1)
              if (c == "\\") { str = str substr(s, 2, 1); s = substr(s, 3); continue }
              s = substr(s, 2)
              if (c == "\"") { closed = 1; break }
              str = str c
            }
            if (!closed) bad = 1
            isstr = 1; continue
          }
          if (match(s, /^[A-Za-z_][A-Za-z0-9_]*/)) {
            word = substr(s, 1, RLENGTH); s = substr(s, RLENGTH + 1)
            if (!(word in value)) { bad = 1; continue }
            if (word in isstring) { str = str value[word]; isstr = 1 } else expr = expr value[word]
            continue
          }
          if (match(s, /^[0-9]+[uUlL]*/)) {
            num = substr(s, 1, RLENGTH); s = substr(s, RLENGTH + 1)
            sub(/[uUlL]+$/, "", num)
            expr = expr num; continue
          }
          if (index("()+-*/", c)) { expr = expr c; s = substr(s, 2); continue }
          bad = 1; s = substr(s, 2)
        }
        if (isstr && expr != "") bad = 1
        v = isstr ? str : expr
        if (bad) v = "?"
        value[head] = v
        if (isstr && !bad) isstring[head] = 1; else delete isstring[head]
        print head "\t" v
      }
    }' "$1"
}

# The names every program's header must give; the numbers among them.
IDENTITY_NAMES="MACHINE_NUMBER MACHINE_PROGRAM MACHINE_PROGRAM_TITLE MACHINE_TITLE MACHINE_MAIN_CLASS
  MACHINE_SHOP_FILE MACHINE_HELP_FILE MACHINE_RECORD_BYTES"
IDENTITY_NUMBERS="MACHINE_NUMBER MACHINE_RECORD_BYTES"

# load_identity HEADER: forgets the MACHINE_* variables of the last header,
# then sets (and exports) one per define of this one, numbers worked out.
# Fails with the reason on stdout when the header is missing or lacks one
# of IDENTITY_NAMES.
load_identity() {
  local header=$1 name value missing=""
  local -a old=("${!MACHINE_@}")
  [ ${#old[@]} = 0 ] || unset "${old[@]}"
  local shown=${header#"${SRC_ROOT:-}"/}
  [ -f "$header" ] || { echo "no $shown"; return 1; }
  while IFS=$'\t' read -r name value; do
    [[ $name == MACHINE_* ]] || continue
    declare -gx "$name=$value"
  done < <(identity_read "$header")
  for name in $IDENTITY_NUMBERS; do
    value=${!name:-}
    # worked out in a subshell: a malformed sum must not stop the caller
    [[ $value =~ ^[-+*/()0-9\ ]+$ ]] && { value=$(echo $((value))); } 2>/dev/null && declare -gx "$name=$value"
  done
  for name in $IDENTITY_NAMES; do
    value=${!name:-}
    if [ -z "$value" ] || [ "$value" = "?" ]; then
      missing="$missing $name"
    elif [[ " $IDENTITY_NUMBERS " == *" $name "* ]] && ! [[ $value =~ ^[0-9]+$ ]]; then
      missing="$missing $name"
    fi
  done
  [ -z "$missing" ] || { echo "$shown does not give a usable$missing"; return 1; }
}
