#pragma once

#include "ticket_bytes.h"

#include <gtest/gtest.h>

#include <string>

// Equal bytes, or where they first differ: long tickets stay readable.
testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected);
