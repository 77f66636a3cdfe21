// Random databases for round trips through the engine file, and what the
// format gives back of them: a carriage return reads as a space, a line feed is
// dropped, a "+" in a caption moves the rest into the URL, a "+" in a keyword
// splits it, an empty base reads as one empty link, and an empty category name
// ends the category list.
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
