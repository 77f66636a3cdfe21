// Small PDF files for tests, written from scratch: pages of text drawn with one
// font whose character codes map to any Unicode characters (through its
// ToUnicode map), an optional information dictionary, and nothing else.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct PdfText {
    double X = 72;    // left edge, points from the left of the page
    double Y = 720;   // baseline, points from the bottom of the page
    double Size = 12; // font size in points
    std::u32string Text;
};

struct PdfPage {
    std::vector<PdfText> Texts;
};

struct PdfDocument {
    std::vector<PdfPage> Pages;
    // Info entries: the raw bytes of each string; no value means no dictionary.
    std::optional<std::map<std::string, std::string>> Info;
};

// Every character is 0.5 em wide.
constexpr double PdfCharacterWidth = 0.5;

std::string WritePdf(const PdfDocument& document);
