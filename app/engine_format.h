// The database block of an engine file: four JavaScript arrays of string
// literals between the begin and end signatures of the page.
#pragma once

#include <functional>
#include <string>
#include <vector>

class OutputFile;
struct TBaseRecord;
struct TBadCategory;
struct TFileBuffer;

// The text as the inside of a JavaScript string in apostrophes, safe inside an
// HTML script element: apostrophes and backslashes are escaped, a carriage
// return becomes a space, a line feed is dropped, and "</" and "<!" are written
// "<\/" and "<\!". The engine file's reader gives the text back.
std::string EscapeJs(const std::string& text);

// Hands the links of an engine file's ln, ds and kw arrays to take one at a
// time, in order, as TBase::LoadFromBuffer appends them, without holding them
// all. Answers the links whose category number is no whole number (numbered
// from 0 in the file).
std::vector<TBadCategory> ForEachEngineLink(TFileBuffer& engine,
                                            const std::function<void(TBaseRecord&&)>& take);

// Links held as the engine file's ln, ds and kw arrays write them: a list of
// any size takes little more memory than its bytes in the file.
class TWrittenLinks {
  public:
    void Add(const TBaseRecord& link);
    // Writes what TBase::WriteToFile writes for the same links.
    bool WriteToFile(OutputFile& file) const;

  private:
    // The elements' contents one after another, and where each one ends.
    struct Elements {
        std::string Text;
        std::vector<std::size_t> Ends;
    };
    Elements links_;
    Elements descriptions_;
    Elements keywords_;
};
