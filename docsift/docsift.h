/* docsift: a PDF file's document information and the text of its pages.
 *
 * Every call opens the document, does its work and closes it again; nothing
 * is kept between calls. The library is not re-entrant: calls to any of the
 * five functions must not overlap, from any thread.
 *
 * A text block returned by the four text functions belongs to the caller, who
 * releases it with VirtualFree(block, 0, MEM_RELEASE) (platform/vmem.h). */
#ifndef DOCSIFT_H
#define DOCSIFT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define DOCSIFT_EXPORT __attribute__((visibility("default")))

/* The information fields, each a zero-terminated 8-bit string in a slot of 255
 * bytes; an empty field holds " ". The record is 2044 bytes. */
typedef struct DocInfo {
    char Title[255];
    char Author[255];
    char Keywords[255];
    char Subject[255];
    char Creator[255];
    char Producer[255];
    char CreationDate[255]; /* "YYYY.MM.DD HH:MM:SS" when the PDF gives "D:..." */
    char ModDate[255];
    int32_t PageCount;
} DocInfo;

/* Fills info and returns 1; returns 0 (info untouched) when the file cannot be
 * opened, is encrypted with a password, forbids copying text, or has no
 * information dictionary. */
DOCSIFT_EXPORT int32_t GetDocInfo(const char* path, DocInfo* info);

/* The text functions never open anything but a regular file. When the
 * environment variable DOCSIFT_TEXT_TIME_LIMIT holds a positive number of
 * seconds, a text function collects characters for that long at most and
 * returns the text read by then.
 *
 * The text of pages first to last (from 1; 0 and 0 for all pages) as 8-bit
 * characters with LF line ends and a terminating zero, or null. Formated gives
 * reading order, the other content order. */
DOCSIFT_EXPORT char* GetTextContentFormated(const char* path, int32_t first, int32_t last);
DOCSIFT_EXPORT char* GetTextContent(const char* path, int32_t first, int32_t last);

/* The same text as UTF-16 units with CR LF line ends and an empty line after
 * every page, little-endian when byteOrder is 1 and big-endian when it is 0
 * (null for any other value), followed by one zero unit; *length receives the
 * number of text bytes. */
DOCSIFT_EXPORT void* GetUnicodeTextContentFormated(const char* path, int32_t first, int32_t last,
                                                   double* length, int32_t byteOrder);
DOCSIFT_EXPORT void* GetUnicodeTextContent(const char* path, int32_t first, int32_t last,
                                           double* length, int32_t byteOrder);

#ifdef __cplusplus
}
#endif

#endif
