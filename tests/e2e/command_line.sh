# The command line of the real program, without a display: --help and --version answer on
# standard output with status 0; an unknown option or a bad scale gives the usage on standard
# error and status 2, and opens nothing.
game=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# run <expected status> <args...>: runs the game without a display, keeping both outputs.
run() {
    local expected=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" "$@" >"$out/stdout" 2>"$out/stderr" || status=$?
    [ "$status" = "$expected" ] || fail "game $*: status $status, expected $expected"
}

run 0 --version
grep -qE '^game [0-9]+\.[0-9]+\.[0-9]+$' "$out/stdout" || fail "--version printed: $(cat "$out/stdout")"
run 0 --help
grep -q -- "--fullscreen" "$out/stdout" || fail "--help does not list --fullscreen"
for bad in --bogus "--scale 0" "--scale=x" "--scale"; do
    # shellcheck disable=SC2086
    run 2 $bad
    [ ! -s "$out/stdout" ] || fail "game $bad wrote to standard output"
    grep -q "^Usage:" "$out/stderr" || fail "game $bad: no usage on standard error"
done
echo "command line: ok"
