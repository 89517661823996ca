# Writes a large layout text made of copies of a shipped layout: copy c has
# the panels of the original under names ending in "_c", panel ids 10*c + id
# and element ids 1000*c + id, so the result stays free of problems.
#   awk -v bytes=N -f generate_layout.awk LAYOUT.txt > big.txt
# The text holds about N bytes.

function is_number(text) {
    return text ~ /^[0-9]+$/
}

{
    sub(/\r$/, "")
    if ($0 ~ /^\[/) {
        section = substr($0, 2, index($0, "]") - 2)
        next
    }
    if ($0 == "" || section == "Config") {
        next
    }
    if (section == "Layout") {
        split($0, field, "=")
        panel_count++
        panel_id[panel_count] = field[1]
        panel_name[panel_count] = field[2]
        # its [Layout] line and its header in each copy, with "_c" twice
        copy_bytes += 2 * length(field[2]) + 20
        next
    }
    line_count[section]++
    lines[section, line_count[section]] = $0
    copy_bytes += length($0) + 2
}

END {
    copies = int((bytes + copy_bytes - 1) / copy_bytes)
    printf "[Layout]\r\n"
    for (c = 0; c < copies; c++) {
        for (p = 1; p <= panel_count; p++) {
            printf "%d=%s_%d\r\n", 10 * c + panel_id[p], panel_name[p], c
        }
    }
    printf "\r\n[Config]\r\n1=1,2,3,4,5\r\n2=1,2,3,5\r\n3=1,6\r\n"
    for (c = 0; c < copies; c++) {
        for (p = 1; p <= panel_count; p++) {
            name = panel_name[p]
            printf "\r\n[%s_%d]\r\n", name, c
            for (i = 1; i <= line_count[name]; i++) {
                line = lines[name, i]
                split(line, field, "=")
                if (is_number(field[1])) {
                    line = (1000 * c + field[1]) substr(line, length(field[1]) + 1)
                }
                printf "%s\r\n", line
            }
        }
    }
}
