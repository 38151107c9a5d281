#pragma once

#include <string>
#include <vector>

// The expected bytes of a whole ticket, spelled out byte for byte here rather
// than built from the code under test, so a change to the frame shows up.
std::string expectedTicket(const std::vector<std::string>& body);

// A card ticket's body: "卡号:", the number, "密码:", the password, the labels
// spelled out in code page 936.
std::vector<std::string> expectedCardBody(const std::string& number, const std::string& password);

// The frame's opening (ESC @, header, separator) and closing rows.
extern const std::string expectedOpening;
extern const std::string expectedClosing;

// Reads a whole file; empty when it cannot be read.
std::string readFile(const std::string& path);
