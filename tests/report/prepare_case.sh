# Sourced by the scripts of this folder. prepare_case CASE_DIR WORK copies a case's input
# files into the folder WORK (plus the repository files its "sources" names, at the same
# relative paths) and runs its "setup" script there.
prepare_case() {
  local case_dir=$1 work=$2 repo name path
  repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  for f in "$case_dir"/*; do
    name=$(basename "$f")
    case "$name" in
      args | input | setup | cut | sources | *.args | *.stdout | *.stderr | *.status | *.out.*) ;;
      *) cp -R "$f" "$work/" ;;
    esac
  done
  if [ -f "$case_dir/sources" ]; then
    while IFS= read -r path; do
      mkdir -p "$work/$(dirname "$path")"
      cp "$repo/$path" "$work/$path"
    done < "$case_dir/sources"
  fi
  if [ -f "$case_dir/setup" ]; then
    (cd "$work" && bash "$case_dir/setup")
  fi
}

# run_quarvel CASE_DIR QUARVEL: in the current folder, writes to standard output what the
# case gives quarvel-report to read: its "input" file, or the output of quarvel run with its
# "args" (one per line), cut after the number of bytes in "cut" if there is one.
run_quarvel() {
  local case_dir=$1 quarvel=$2 line
  if [ -f "$case_dir/input" ]; then
    cat "$case_dir/input"
    return
  fi
  local args=()
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done < "$case_dir/args"
  if [ -f "$case_dir/cut" ]; then
    "$quarvel" "${args[@]}" < /dev/null | head -c "$(cat "$case_dir/cut")"
  else
    "$quarvel" "${args[@]}" < /dev/null
  fi
}
