# The shell tests' checks, sourced: check NAME EXPECTED ACTUAL counts a pass or prints both
# texts; finish prints the closing count and fails when any check did.
failures=0
passes=0

check() {
    if [ "$2" == "$3" ]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
    fi
}

finish() {
    echo "$passes passed, $failures failed"
    [ $failures -eq 0 ]
}
