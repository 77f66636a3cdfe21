// Random databases for round trips through the engine file, and what the
// format gives back of them: a carriage return reads as a space, a line feed is
// dropped, "%2B" in a URL reads as "+", a "+" in a keyword splits it, and a
// list of one empty category name reads as no categories.
#pragma once

#include "app/base.h"

#include <random>
#include <string>
#include <vector>

struct RandomDatabase {
    std::vector<std::string> Categories;
    std::vector<TBaseRecord> Links;
};

// Texts of bytes 0x01-0xFF, rich in the bytes the format treats specially;
// category numbers from the whole signed 32-bit range.
RandomDatabase MakeRandomDatabase(std::mt19937& random);

// The database as reading the saved engine file gives it back.
RandomDatabase ReadBack(const RandomDatabase& written);
