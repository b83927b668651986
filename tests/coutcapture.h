// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iostream>
#include <sstream>
#include <string>

// Collects what is written to std::cout while it lives.
class CoutCapture
{
public:
    CoutCapture()
        : saved(std::cout.rdbuf(buffer.rdbuf()))
    { }
    ~CoutCapture() { std::cout.rdbuf(saved); }
    CoutCapture(const CoutCapture &) = delete;
    CoutCapture &operator=(const CoutCapture &) = delete;

    std::string text() const { return buffer.str(); }
    void clear() { buffer.str(std::string()); }

private:
    std::ostringstream buffer;
    std::streambuf *saved;
};
