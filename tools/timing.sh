# Sourced by the build and test scripts: `timed <group> <command>...` runs the command and keeps
# how long it took; `print_times` prints every group's time. A failing command's status is
# returned, so callers decide what a failure means.
group_times=()
timed() {
  local group=$1 start=$SECONDS status=0
  shift
  "$@" || status=$?
  group_times+=("$(printf '  %-44s %5d s%s' "$group" $((SECONDS - start)) "$([ $status = 0 ] || echo ', failed')")")
  return $status
}
print_times() {
  echo "time per group:"
  printf '%s\n' "${group_times[@]}"
}
