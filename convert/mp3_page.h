// A small HTML page from the ID3v1 tag of an MP3 file, so that the indexer can
// treat the file like a page.
#pragma once

#include <array>
#include <string>

struct TID3Tag {
    std::string Tag;
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Year;
    std::string Comment;
    unsigned char Genre = 0;
};

// The ID3v1 genre names for the codes 0 to 114.
extern const std::array<const char*, 115> GenreNames;

// The last 128 bytes of the file. Raises InOutError when the file cannot be
// read or is shorter than 128 bytes.
std::string ReadTagBytes(const std::string& path);

// The fields of an ID3v1 tag given as the last 128 bytes of a file, without
// the bytes at or below 0x20 at either end; false when they hold no tag.
bool ParseId3Tag(const std::string& lastBytes, TID3Tag& tag);

// What the tag's page is titled: "Artist - Title".
std::string TagCaption(const TID3Tag& tag);

// The page of an ID3v1 tag given as the last 128 bytes of a file, or the empty
// text when they hold no tag. The fields are written as text (markup escaped).
std::string Mp3TagPage(const std::string& lastBytes);

// The page of the file's ID3v1 tag, or the empty text when the file has none.
// Raises InOutError when the file cannot be read or is shorter than 128 bytes.
std::string Mp3TagToHtml(const std::string& path);
