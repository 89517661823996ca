# Counts the Wine server requests of one program's user-interface thread in
# a server log (wineserver -d1), read twice: the first pass finds the thread
# (the last one that looked up the program's own settings under its file
# name), the second counts its requests until its first window is created
# and from there until it first waits for input with nothing pending.
#   awk -v program=NAME.exe -f requests.awk LOG LOG
FNR == NR {
    if (index($0, "get_key_value( ") && index($0, "name=L\"" program "\"")) {
        thread = substr($0, 1, 4)
    }
    next
}
substr($0, 1, 6) != thread ": " { next }
{
    name = $2
    sub(/\(.*/, "", name)
    if (name !~ /^[a-z_]+$/) { next }
    if ($3 == "=") {
        # A reply: the thread is idle once the server has no message for it.
        if (windowed && name == "get_message" && $4 == "PENDING") {
            printf "%s: %d requests until its first window, %d from there until idle\n",
                program, before, after
            found = 1
            exit
        }
        next
    }
    if (name == "create_window") { windowed = 1 }
    if (windowed) { after++ } else { before++ }
}
END {
    if (!found) {
        printf "%s: no start found in the server log\n", program
        exit 1
    }
}
