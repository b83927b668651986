#!/usr/bin/env python3
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""NetworkX reads the GraphML netroute writes, and netroute reads what NetworkX writes.

Usage: networkx_roundtrip.py TST_NETWORKFILE NETWORKS_DIR
The helper prints each network as the program holds it: its labels, its links and the cost
its own search finds between every pair at load 0 (10000 when there is no route).
"""
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
    name = expected["file"]
    nodes = list(graph.nodes)
    assert len(nodes) == len(expected["labels"]), f"{name}: {len(nodes)} nodes"
    edges = sorted((nodes.index(s), nodes.index(t), w) for s, t, w in graph.edges(data="weight"))
    assert edges == sorted(map(tuple, expected["links"])), f"{name}: the edges differ"
    for source, destination, cost in expected["costs"]:
        try:
            length = nx.dijkstra_path_length(graph, nodes[source], nodes[destination])
        except nx.NetworkXNoPath:
            length = UNREACHABLE
        assert length == cost, f"{name}: {source} to {destination} costs {length}, not {cost}"
    print(f"{name}: {len(nodes)} vertices, {len(edges)} links, "
          f"{len(expected['costs'])} costs agree")


with tempfile.TemporaryDirectory() as folder:
    # What the program writes, read by NetworkX as a directed graph.
    shipped = sorted(str(path) for path in examples.glob("*.graphml"))
    for expected in run_helper("--write-graphml", folder) + run_helper("--read", *shipped):
        graph = nx.read_graphml(expected["file"])
        assert isinstance(graph, nx.DiGraph) and not graph.is_multigraph(), expected["file"]
        labels = [graph.nodes[n].get("label", "") for n in graph.nodes]
        assert labels == expected["labels"], f"{expected['file']}: labels {labels}"
        check(expected, graph)

    # The textbook's six routers as NetworkX writes them: undirected, named by their ids.
    textbook = nx.Graph()
    textbook.add_weighted_edges_from([
        ("u", "v", 2), ("u", "x", 1), ("u", "w", 5), ("v", "x", 2), ("v", "w", 3),
        ("x", "w", 3), ("x", "y", 1), ("w", "y", 1), ("w", "z", 5), ("y", "z", 2)])
    path = Path(folder, "networkx.graphml")
    nx.write_graphml(textbook, path)
    [expected] = run_helper("--read", str(path))
    assert expected["labels"] == list(textbook.nodes), expected["labels"]
    assert [0, 5, 4] in expected["costs"], "u to z does not cost 4"
    check(expected, textbook.to_directed())
