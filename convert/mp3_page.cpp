#include "convert/mp3_page.h"

#include "convert/html_text.h"

#include "convert/in_out_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const std::array<const char*, 115> GenreNames = {"Blues",
                                                 "Classic Rock",
                                                 "Country",
                                                 "Dance",
                                                 "Disco",
                                                 "Funk",
                                                 "Grunge",
                                                 "Hip-Hop",
                                                 "Jazz",
                                                 "Metal",
                                                 "New Age",
                                                 "Oldies",
                                                 "Other",
                                                 "Pop",
                                                 "R&B",
                                                 "Rap",
                                                 "Reggae",
                                                 "Rock",
                                                 "Techno",
                                                 "Industrial",
                                                 "Alternative",
                                                 "Ska",
                                                 "Death Metal",
                                                 "Pranks",
                                                 "Soundtrack",
                                                 "Euro-Techno",
                                                 "Ambient",
                                                 "Trip-Hop",
                                                 "Vocal",
                                                 "Jazz+Funk",
                                                 "Fusion",
                                                 "Trance",
                                                 "Classical",
                                                 "Instrumental",
                                                 "Acid",
                                                 "House",
                                                 "Game",
                                                 "Sound Clip",
                                                 "Gospel",
                                                 "Noise",
                                                 "AlternRock",
                                                 "Bass",
                                                 "Soul",
                                                 "Punk",
                                                 "Space",
                                                 "Meditative",
                                                 "Instrumental Pop",
                                                 "Instrumental Rock",
                                                 "Ethnic",
                                                 "Gothic",
                                                 "Darkwave",
                                                 "Techno-Industrial",
                                                 "Electronic",
                                                 "Pop-Folk",
                                                 "Eurodance",
                                                 "Dream",
                                                 "Southern Rock",
                                                 "Comedy",
                                                 "Cult",
                                                 "Gangsta",
                                                 "Top 40",
                                                 "Christian Rap",
                                                 "Pop/Funk",
                                                 "Jungle",
                                                 "Native American",
                                                 "Cabaret",
                                                 "New Wave",
                                                 "Psychadelic",
                                                 "Rave",
                                                 "Showtunes",
                                                 "Trailer",
                                                 "Lo-Fi",
                                                 "Tribal",
                                                 "Acid Punk",
                                                 "Acid Jazz",
                                                 "Polka",
                                                 "Retro",
                                                 "Musical",
                                                 "Rock & Roll",
                                                 "Hard Rock",
                                                 "Folk",
                                                 "Folk/Rock",
                                                 "National Folk",
                                                 "Swing",
                                                 "Bebob",
                                                 "Latin",
                                                 "Revival",
                                                 "Celtic",
                                                 "Bluegrass",
                                                 "Avantgarde",
                                                 "Gothic Rock",
                                                 "Progressive Rock",
                                                 "Psychedelic Rock",
                                                 "Symphonic Rock",
                                                 "Slow Rock",
                                                 "Big Band",
                                                 "Chorus",
                                                 "Easy Listening",
                                                 "Acoustic",
                                                 "Humour",
                                                 "Speech",
                                                 "Chanson",
                                                 "Opera",
                                                 "Chamber Music",
                                                 "Sonata",
                                                 "Symphony",
                                                 "Booty Bass",
                                                 "Primus",
                                                 "Porn Groove",
                                                 "Satire",
                                                 "Slow Jam",
                                                 "Club",
                                                 "Tango",
                                                 "Samba",
                                                 "Folklore"};

namespace {

constexpr std::size_t TagSize = 128;

} // namespace

std::string ReadTagBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        ThrowInOutError("Cannot open file", path);
    }
    struct stat info {};
    std::string bytes(TagSize, '\0');
    const bool sized = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (sized && static_cast<std::size_t>(info.st_size) < TagSize) {
        ::close(fd);
        throw InOutError("Cannot read the tag of file " + path +
                         ": the file is shorter than 128 bytes");
    }
    const bool read =
        sized && ::pread(fd, bytes.data(), TagSize, info.st_size - static_cast<off_t>(TagSize)) ==
                     static_cast<ssize_t>(TagSize);
    const int reason = errno;
    ::close(fd);
    if (!read) {
        errno = reason ? reason : EIO;
        ThrowInOutError("Cannot read file", path);
    }
    return bytes;
}

namespace {

// A field without the bytes at or below 0x20 at either end.
std::string Field(const std::string& tag, std::size_t offset, std::size_t length) {
    std::size_t begin = offset;
    std::size_t end = offset + length;
    while (begin < end && static_cast<unsigned char>(tag[begin]) <= 0x20) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(tag[end - 1]) <= 0x20) {
        --end;
    }
    return tag.substr(begin, end - begin);
}

} // namespace

std::string Mp3TagToHtml(const std::string& path) {
    return Mp3TagPage(ReadTagBytes(path));
}

bool ParseId3Tag(const std::string& bytes, TID3Tag& tag) {
    if (bytes.size() != TagSize || bytes.compare(0, 3, "TAG") != 0) {
        return false;
    }
    tag.Tag = bytes.substr(0, 3);
    tag.Title = Field(bytes, 3, 30);
    tag.Artist = Field(bytes, 33, 30);
    tag.Album = Field(bytes, 63, 30);
    tag.Year = Field(bytes, 93, 4);
    tag.Comment = Field(bytes, 97, 30);
    tag.Genre = static_cast<unsigned char>(bytes[127]);
    return true;
}

std::string TagCaption(const TID3Tag& tag) {
    return tag.Artist + " - " + tag.Title;
}

std::string Mp3TagPage(const std::string& bytes) {
    TID3Tag tag;
    if (!ParseId3Tag(bytes, tag)) {
        return "";
    }
    const std::string genre = tag.Genre < GenreNames.size() ? GenreNames[tag.Genre] : "";
    return "<html><head><title>" + HtmlEscaped(TagCaption(tag)) +
           "</title><meta name=\"description\" content=\"" + HtmlEscaped(tag.Comment) +
           "\"></head><body>" +
           HtmlEscaped(tag.Title + " " + tag.Artist + " " + tag.Album + " " + tag.Comment + " " +
                       genre) +
           "</body></html>";
}
