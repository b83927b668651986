#!/usr/bin/env python3
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# NetworkX reads the GraphML netroute writes, and netroute reads what NetworkX writes.
# Usage: networkx_roundtrip.py TST_NETWORKFILE NETWORKS_DIR; the helper prints each network as
# the program holds it, with its own search's cost between every pair at load 0.
import json
import subprocess
import sys
import tempfile
from pathlib import Path

try:
    import networkx as nx
except ImportError:
    print("skipped: python3-networkx is not installed")
    sys.exit(77)

UNREACHABLE = 10000
helper, examples = sys.argv[1], Path(sys.argv[2])


def run_helper(*arguments):
    output = subprocess.run([helper, *arguments], check=True, capture_output=True, text=True)
    return [json.loads(line) for line in output.stdout.splitlines()]


def check(expected, graph):
    name, nodes = expected["file"], list(graph.nodes)
    assert len(nodes) == len(expected["labels"]), f"{name}: {len(nodes)} nodes"
    edges = sorted((nodes.index(s), nodes.index(t), w) for s, t, w in graph.edges(data="weight"))
    assert edges == sorted(map(tuple, expected["links"])), f"{name}: the edges differ"
    for source, destination, cost in expected["costs"]:
        try:
            length = nx.dijkstra_path_length(graph, nodes[source], nodes[destination])
        except nx.NetworkXNoPath:
            length = UNREACHABLE
        assert length == cost, f"{name}: {source} to {destination} costs {length}, not {cost}"
    print(f"{name}: {len(nodes)} vertices, {len(edges)} links, the costs agree")


with tempfile.TemporaryDirectory() as folder:
    # What the program writes, read by NetworkX as a directed graph.
    shipped = sorted(str(path) for path in examples.glob("*.graphml"))
    for expected in run_helper("--write-graphml", folder) + run_helper("--read", *shipped):
        graph = nx.read_graphml(expected["file"])
        assert type(graph) is nx.DiGraph, expected["file"]
        assert [graph.nodes[n].get("label", "") for n in graph] == expected["labels"]
        check(expected, graph)
        assert "textbook" not in expected["file"] or [0, 5, 4] in expected["costs"]

    # The textbook's six routers as NetworkX writes them: undirected, named by their ids.
    textbook = nx.Graph()
    textbook.add_weighted_edges_from([
        ("u", "v", 2), ("u", "x", 1), ("u", "w", 5), ("v", "x", 2), ("v", "w", 3),
        ("x", "w", 3), ("x", "y", 1), ("w", "y", 1), ("w", "z", 5), ("y", "z", 2)])
    nx.write_graphml(textbook, Path(folder, "networkx.graphml"))
    [expected] = run_helper("--read", str(Path(folder, "networkx.graphml")))
    assert expected["labels"] == list(textbook.nodes) and [0, 5, 4] in expected["costs"]
    check(expected, textbook.to_directed())
