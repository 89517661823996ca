# Sourced by the memory measurements: a process's private anonymous
# resident memory (the "Anonymous" line of /proc/PID/smaps_rollup: what the
# process itself allocated or copied, not the files it maps) once it has
# stopped changing.

# Anonymous memory in kB of process $1; empty once it is gone.
anonymous_kb() {
    awk '$1 == "Anonymous:" { print $2 }' "/proc/$1/smaps_rollup" 2>/dev/null || true
}

# Waits until the anonymous memory of process $1 has stayed the same for two
# seconds (at most 30 seconds) and prints it in kB; nothing when it could
# not be read.
settled_kb() {
    last="" same=0
    for _ in $(seq 60); do
        sleep 0.5
        now=$(anonymous_kb "$1")
        if [ -n "$now" ] && [ "$now" = "$last" ]; then
            same=$((same + 1))
            [ "$same" -lt 4 ] || break
        else
            same=0
        fi
        last=$now
    done
    echo "$last"
}

# Median, minimum and maximum of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%d %d %d\n", v[int((NR + 1) / 2)], v[1], v[NR] }'
}
