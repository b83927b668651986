// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The facts of the network and its searches that every layer shares.
namespace Routing {

// The built-in network.
constexpr int VertexCount = 20;
constexpr int HighestVertex = VertexCount - 1;
constexpr int LinkCount = 64;
// Any network: the vertex count it may have, and the whole weights of its links.
constexpr int FewestVertices = 2;
constexpr int MostVertices = 50;
constexpr int LowestWeight = 0;
constexpr int HighestWeight = 99;
// The highest load a link carries: a label above it marks the link saturated, a search cost
// above it leaves the link out, and the load control ends there.
constexpr int HighestLoad = 99;
constexpr int LoadLimit = HighestLoad + 1; // the load test asks for a sum below it
constexpr int VertexCapacity = MostVertices; // per-vertex arrays have room for this many
constexpr int UnreachableDistance = 10000;
constexpr int StepCap = 999999;
constexpr int NoPredecessor = -1;
constexpr int TrialsPerSeries = 10;

} // namespace Routing
