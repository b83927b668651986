# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# The textbooks' six routers u, v, w, x, y, z made with the keyboard alone in the Network
# editor's tables and buttons, for the tests that watch it done (sourced). The caller gives
# keys KEYS..., typed TEXT and told SENTENCE, which hears what the program tells of each change
# before the next is made, as a listener would.

# The network, each pair's weight, by the vertices' numbers (u is 0 ... z is 5).
pairs=("0 1 2" "0 3 1" "0 2 5" "1 3 2" "1 2 3" "3 2 3" "3 4 1" "2 4 1" "2 5 5" "4 5 2")
labels=(u v w x y z)

# The weight of the pair SOURCE TARGET, either way round, or nothing.
pair_weight() {
    local pair a b w
    for pair in "${pairs[@]}"; do
        read -r a b w <<<"$pair"
        if [ "$a $b" = "$1 $2" ] || [ "$b $a" = "$1 $2" ]; then echo "$w"; fi
    done
}

# From the focus on "New" to the focus on "Save as...", which is left unpressed. The tab order:
# New, Open..., Save..., Save as..., Use this network, Arrange on a circle, Start from the
# built-in network, Undo and Redo (when they can act), the drawing, Vertices, Add vertex,
# Remove, Links, Add link, Reverse link too, Edge list, Apply. Sets added to the links made,
# "source target weight", in the order made.
build_by_keyboard() {
    keys space # New
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab # Add vertex
    local v
    for v in 0 1 2 3 4 5; do
        keys space
        told "Vertex $v added"
    done
    keys shift+Tab ctrl+Home Right # the first label
    for v in 0 1 2 3 4 5; do
        [ "$v" -eq 0 ] || keys Down
        keys "${labels[v]}" Return
        told "Vertex $v labelled ${labels[v]}"
    done
    # "Add link" joins the selected vertex to the next one it has no link to: taken in order,
    # each vertex's links to higher numbers come out as the network has them.
    local row=5 source target weight # the labels ended on z
    added=()
    for source in 0 1 2 3 4; do
        for target in $(seq $((source + 1)) 5); do
            weight=$(pair_weight "$source" "$target")
            [ -n "$weight" ] || continue
            # A row chosen in the table selects its vertex in the drawing; the last link added
            # took the selection, so the same row is chosen again by leaving it and coming back.
            if [ "$source" -eq "$row" ]; then
                if [ "$row" -eq 0 ]; then keys Down Up; else keys Up Down; fi
            fi
            while [ "$row" -gt "$source" ]; do keys Up; row=$((row - 1)); done
            while [ "$row" -lt "$source" ]; do keys Down; row=$((row + 1)); done
            keys Tab Tab Tab Tab space # Add link
            told "Link $source to $target, weight 10, added"
            keys Tab space # Reverse link too
            told "Link $target to $source, weight 10, added"
            keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab # back to Vertices
            added+=("$source $target $weight" "$target $source $weight")
        done
    done
    # The Links table lists them by source, each source's in the order added.
    keys Tab Tab Tab ctrl+Home End # the first weight
    local first=1 link a b
    for source in 0 1 2 3 4 5; do
        for link in "${added[@]}"; do
            read -r a b weight <<<"$link"
            [ "$a" -eq "$source" ] || continue
            [ -n "$first" ] || keys Down
            first=
            keys "$weight" Return
            told "Link $a to $b now weighs $weight"
        done
    done
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
}
