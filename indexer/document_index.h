// Turning one file of the site into a link: its title, description, category
// code and keywords, and its address seen from the engine file.
#pragma once

#include "app/base.h"
#include "readers/file_buffer.h"

#include <string>

class TRatingCache;

// The extension of a path's file name without its dot, lower-cased; empty when
// there is none.
std::string ExtensionOf(const std::string& path);

// Fills record from the file, its texts in the open engine's encoding: PDF, RTF
// and MP3 files are converted to a page first, every other file is analysed as
// a page. root is the engine file's path. The rating settings come from
// ratings, or are read for this file alone without it; with ratings and a site
// weight, the keywords are followed by the rating's further candidates
// (TRating::MoreWords). Raises InOutError (converters) and ConversionError (a
// category code or rating setting that is not a whole number).
void IndexFile(const std::string& file, const std::string& root, TBaseRecord& record,
               TRatingCache* ratings = nullptr);

// The analysis of a page, its texts in the open engine's encoding.
void AnalysePage(const std::string& page, const std::string& root, TBaseRecord& record,
                 TRatingCache* ratings = nullptr);
void IndexMp3(const std::string& file, const std::string& root, TBaseRecord& record,
              TRatingCache* ratings = nullptr);
void IndexRtf(const std::string& file, const std::string& root, TBaseRecord& record,
              TRatingCache* ratings = nullptr);
void IndexPdf(const std::string& file, const std::string& root, TBaseRecord& record,
              TRatingCache* ratings = nullptr);

// The link address of path seen from the folder of the engine file root: "../"
// for every folder up, "/" between folders, spaces as "%20" and the bytes of
// non-ASCII names as "%XX"; in a UTF-8 engine also the other bytes the URL
// standard escapes in paths ("#", "?", quotes, controls...) and "%".
std::string RelativeUrl(const std::string& root, const std::string& path);

// The text between the first "<title>" and the first "</title>", raw.
std::string ReadTitle(TFileBuffer& buffer);

// Whether some link of links has exactly the address RelativeUrl gives the file.
bool HasLinkForFile(const TBase& links, const std::string& file, const std::string& root);

// The temporary page of this process: "svx~tmp~" and the process number, in
// the temporary folder.
std::string TempPageFile();
